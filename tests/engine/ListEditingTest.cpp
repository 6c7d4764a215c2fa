#include "engine/ListEditing.h"

#include <gtest/gtest.h>

#include <new>

#include "engine/Messages.h"
#include "platform/fake/FakeFileSystem.h"
#include "platform/testing/ScriptedSession.h"

namespace varnoke {
namespace {

using Strings = std::vector<std::string>;

TVrnFiles Listed(int n) {
  TVrnFiles files;
  for (int i = 1; i <= n; ++i) files.AddEntry(false, "/d", std::to_string(i), "", 0, 0, 0, 0, 0);
  return files;
}

std::string Order(const TVrnFiles& files) {
  std::string s;
  for (const TVrnFile& f : files) s += std::string(f.Name());
  return s;
}

TEST(ListEditing, MovingAndRemovingRows) {
  // clang-format off
  const struct { const char* What; int First, Last; bool Up; bool Moved;
                 const char* Order; } cases[] = {
      {"up: the entry above goes below", 2, 3, true, true, "134256"},
      {"up from the first row", 0, 1, true, false, "123456"},
      {"down: the entry below goes above", 1, 2, false, true, "142356"},
      {"down from the last row", 4, 5, false, false, "123456"},
      {"outside the list", 5, 6, false, false, "123456"},
  };
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(c.What);
    TVrnFiles files = Listed(6);
    EXPECT_EQ(c.Up ? MoveRowsUp(files, c.First, c.Last) : MoveRowsDown(files, c.First, c.Last),
              c.Moved);
    EXPECT_EQ(Order(files), c.Order);
  }
  TVrnFiles files = Listed(10);
  RemoveRows(files, 2, 4);
  EXPECT_EQ(Order(files), "12678910");
  RemoveRows(files, 5, 99);
  EXPECT_EQ(Order(files), "12678");
}

TEST(ListEditing, CopiedTextPastesAsTheSamePaths) {
  const TVrnFiles files = Listed(6);
  const PosixPathRules rules;
  const std::string text = RowsText(files, 1, 3, rules);
  EXPECT_EQ(text, "/d/2\r\n/d/3\r\n/d/4\r\n");
  EXPECT_EQ(UriListPaths(RowsUriList(files, 1, 3, rules)), TextPaths(text));
  EXPECT_EQ(TextPaths(text), (Strings{"/d/2", "/d/3", "/d/4"}));
  EXPECT_EQ(TextPaths("/a\r/b\n/c\r\n\r\n/d"), (Strings{"/a", "/b", "/c", "/d"}));
  EXPECT_EQ(RowsText(files, 4, 9, rules), "");
}

TEST(ListEditing, FileUrisBothWays) {
  const std::string odd = "/ph otos/a%b#c\xc3\xa9.jpg";
  EXPECT_EQ(FileUri(odd), "file:///ph%20otos/a%25b%23c%C3%A9.jpg");
  const std::string list = "# from a file manager\r\n" + FileUri(odd) +
                           "\r\nfile://localhost/x\r\nFILE:///y\nhttp://example.org/z\r\n"
                           "file://other/w\r\nfile:///half%2\r\n";
  EXPECT_EQ(UriListPaths(list), (Strings{odd, "/x", "/y", "/half%2"}));
}

TEST(ListEditing, AddingPathsBreathesAndStopsWhenMemoryRunsOut) {
  FakeFileSystem fs(FakeFileSystem::Style::Posix);
  Strings paths;
  for (int i = 0; i < 25; ++i) {
    paths.push_back("/d/f" + std::to_string(i));
    fs.AddFile(paths.back());
  }
  paths.push_back("/d");  // a directory adds nothing
  ScriptedSession session;
  TVrnFiles files;
  AddedPaths added = AddPaths(fs, files, paths, session, 10);
  EXPECT_EQ(std::tie(added.Added, added.Stopped, session.Pumps, session.Events),
            std::tuple(25, false, 2, Strings{"busy:1", "busy:0"}));

  int calls = 0;
  fs.BeforeCall = [&](FakeOp, std::string_view path) {
    if (path == "/d/f7" && ++calls == 1) throw std::bad_alloc();
  };
  ScriptedSession out;
  added = AddPaths(fs, files, paths, out, 10);
  EXPECT_EQ(std::tie(added.Added, added.Stopped), std::tuple(7, true));
  ASSERT_EQ(out.Questions.size(), 1u);
  EXPECT_EQ(out.Questions[0].Text, kCouldNotAddMoreFiles.Source);
  EXPECT_EQ(std::tuple(out.Events.front(), out.Events.back()), std::tuple("busy:1", "busy:0"));
}

// Pasted or dropped text with a NUL in a line (also one decoded from "%00") lists nothing
// for that line, not the file the text before the NUL names; the lines are named once.
TEST(ListEditing, PathsHoldingANulListNothingAndAreNamedOnce) {
  using namespace std::string_literals;
  FakeFileSystem fs(FakeFileSystem::Style::Posix);
  for (const char* path : {"/d/a", "/d/d", "/d/e"}) fs.AddFile(path);
  Strings paths = TextPaths("/d/a\r\n/d/d\0junk\r\n"s);
  const Strings fromUris = UriListPaths("file:///d/e%00x\r\n");
  paths.insert(paths.end(), fromUris.begin(), fromUris.end());
  ScriptedSession session;
  TVrnFiles files;
  const AddedPaths added = AddPaths(fs, files, paths, session, 10);
  EXPECT_EQ(added.Added, 1);
  ASSERT_EQ(files.Count(), 1);
  EXPECT_EQ(files.Items(0).Name(), "a");
  ASSERT_EQ(session.Questions.size(), 1u);
  EXPECT_EQ(session.Questions[0].Text,
            "A line that holds a NUL character names no file. Left out:\r\n/d/d\\x00junk\r\n"
            "/d/e\\x00x");
  EXPECT_EQ(session.Events, (Strings{"busy:1", "busy:0", "ask:Varnoke"}));
}

}  // namespace
}  // namespace varnoke
