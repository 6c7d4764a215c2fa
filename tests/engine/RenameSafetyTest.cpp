// What a run must never do, whatever happens around it: trash a file for one that
// vanished, call a failure a name conflict, ask once per file for one cause, aim outside
// what the user chose, lose a file to another run, or reach through a link.
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

#include "engine/RenameWorld.h"
#include "model/Attributes.h"
#include "support/TmpfsMount.h"

namespace varnoke::testing {
namespace {

// A file of the list that vanished before its turn never costs the file in its way,
// whether the conflict was planned (settled by the trash) or met unplanned, and is named
// once, to a user who says OK to everything. Another run over the same list got there
// first: "a" is gone, or renamed onto its target.
TEST(RenameSafety, VanishedSourceTrashesNothingAndIsNamedOnce) {
  const Strings vanished = {VanishedMessage(EnglishTexts(), "/w/a")};
  const auto check = [](RenameRun& s) {
    EXPECT_EQ(s.world.Fake()->Calls(FakeOp::DeleteToTrash), 0);
    EXPECT_EQ(s.preview.Items(0).Name, "a");
  };
  // clang-format off
  const Scenario cases[] = {
      {"planned conflict", {"a=A", "b=in the way", "c=C"}, {"a>b", "c>d"},
       [](RenameRun& s) {
         s.options.Set(DeleteOnConflict, true);
         s.world.Fake()->Delete("/w/a");
         s.session.Answers.assign(4, Answer::Ok);
       },
       {"b=in the way", "d=C"}, {}, vanished, {"a", "d"}, {1, 0, 1}, check},
      {"unplanned conflict", {"a=A", "c=C"}, {"a>b", "c>d"},
       [](RenameRun& s) {
         s.world.Fake()->MoveNoReplace("/w/a", "/w/b");
         s.session.Answers.assign(4, Answer::Ok);
       },
       {"b=A", "d=C"}, {}, vanished, {"a", "d"}, {1, 0, 1}, check},
  };
  // clang-format on
  for (const Scenario& c : cases) ExpectInMemory(c);
}

// A move that fails with no file at its target is no name conflict: the user is told
// the paths and the system's reason, once per reason and directory; OK goes on, Cancel
// stops; nothing goes to the trash and every entry keeps the name its file has.
TEST(RenameSafety, FailureThatIsNoConflictIsNamedOncePerCause) {
  // Error 0: the target directory is missing.
  // clang-format off
  const struct { const char* What; int Error; const char* Reason; } causes[] = {
      {"missing directory", 0, "No such file or directory"},
      {"disk full", ENOSPC, "No space left on device"},
      {"permission refused", EACCES, "Permission denied"}};
  // clang-format on
  for (const auto& c : causes) {
    for (const bool ok : {true, false}) {
      Scenario run{std::string(c.What) + (ok ? ", OK" : ", Cancel")};
      if (c.Error != 0) run.Disk.push_back("out/");
      for (int n = 1; n <= 3; ++n) {
        run.Disk.push_back(Numbered(n) + "=x");
        run.Planned.push_back(Numbered(n) + ">out/" + Numbered(n));
        run.After.push_back(Numbered(n) + "=x");
        run.Entries.push_back(Numbered(n));
      }
      run.Disk.push_back("other.txt=o");
      run.Planned.push_back("other.txt>moved.txt");  // another directory: goes ahead
      run.After.push_back(ok ? "moved.txt=o" : "other.txt=o");
      run.Entries.push_back(ok ? "moved.txt" : "other.txt");
      run.Stage = [error = c.Error, ok](RenameRun& s) {
        for (int n = 1; n <= 3 && error != 0; ++n)
          s.world.Fake()->Fail(FakeOp::MoveNoReplace, s.world.At(Numbered(n)), error);
        s.session.Answers = {ok ? Answer::Ok : Answer::Cancel};
      };
      run.Asked = {
          RenameFailedMessage(EnglishTexts(), false, "/w/f0001.txt", "/w/out/f0001.txt", c.Reason)};
      run.Report = {ok ? 1 : 0, 0, ok ? 3 : 0, !ok};
      ExpectInMemory(run);
    }
  }
}

// Planning aims nowhere the user did not choose: a move without a usable target
// directory plans nothing and shows no progress; a name that would be a path, hold a NUL
// or pass the target file system's limit is left out with its reason.
TEST(PlanningSafety, NothingIsAimedOutsideWhatTheUserChose) {
  const std::string listed = "/w/a.txt", noTarget(kNoTargetDirectoryText.Source);
  // Message: empty: planned without a word
  // Refused: nothing planned at all
  // clang-format off
  const struct { const char* What; std::uint8_t Transport; std::string Path, Name;
                 std::optional<std::size_t> NameMax; std::string Message;
                 bool Refused; } cases[] = {
      {"move without directory", kTransportMove, "", "n", {}, noTarget, true},
      {"damaged transport byte", 7, "", "n", {}, noTarget, true},
      {"relative directory", kTransportCopy, "out/", "n", {}, TargetNotFullPathMessage(EnglishTexts(), "out/"), true},
      {"root chosen", kTransportMove, "/", "n", {}, "", false},
      {"name climbing up", kTransportLeave, "", "x/../../ESC", {}, ForbiddenCharacterMessage(EnglishTexts(), listed),
       false},
      {"name with NUL", kTransportLeave, "", std::string("a\0b", 3), {},
       ForbiddenCharacterMessage(EnglishTexts(), listed), false},
      {"name over the limit", kTransportLeave, "", std::string(300, 'n'), 255,
       NameTooLongForTargetMessage(EnglishTexts(), listed, 304, 255), false},
      {"name at the limit", kTransportLeave, "", std::string(251, 'n'), 255, "", false},
  };
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(c.What);
    World world(FakeFileSystem::Style::Posix);
    RenameRun s(world);
    world.Fake()->NameMax = c.NameMax;
    world.Write("a.txt", "A");
    std::tie(s.options.Flags, s.options.Transport, s.options.Path, s.options.Name) =
        std::tie(ChangeName, c.Transport, c.Path, c.Name);
    AddFile(world.Fs(), s.files, listed);
    EXPECT_EQ(PreparePreview(s.files, s.options, s.preview, s.Planning()), !c.Refused);
    Strings asked;
    for (const AskedQuestion& q : s.session.Questions) asked.push_back(q.Text);
    EXPECT_EQ(asked, c.Message.empty() ? Strings{} : Strings{c.Message});
    EXPECT_EQ(s.preview.Count(), c.Message.empty() ? 1 : 0);
    EXPECT_TRUE(!c.Refused || s.session.Events == Strings{"ask:Varnoke"}) << "progress shown";
    EXPECT_EQ(world.Fake()->ChangingCalls(), 0);
  }
}

// Two runs over the same list started at the same moment by two real processes: every
// file ends under one of the new names, and none goes to the trash, whoever wins.
TEST(RenameSafetyOnRealFiles, TwoProcessesRacingOverOneListLoseNoFile) {
  World world;
  constexpr int kFiles = 300;
  Strings names, contents;
  for (int n = 1; n <= kFiles; ++n) {
    names.push_back(Numbered(n));
    world.Write(names.back(), names.back());
  }
  int go[2];  // both start when its write end closes
  ASSERT_EQ(::pipe(go), 0);
  pid_t children[2];
  for (pid_t& child : children) {
    child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      ::close(go[1]);
      RenameRun s(world);
      s.options.Flags = ChangeName | Enumerate;
      s.options.Name = "Pic";
      s.options.Digits = 3;
      s.ListAndPlan(names);
      s.session.Answers.assign(4 * kFiles, Answer::Ok);  // "--yes"
      char byte;
      if (::read(go[0], &byte, 1) != 0) ::_exit(3);
      s.Run();
      ::_exit(0);
    }
  }
  ::close(go[1]);
  for (const pid_t child : children) {
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  }
  ::close(go[0]);
  for (const std::string& file : world.Files()) {
    EXPECT_TRUE(file.starts_with("Pic")) << file;
    contents.push_back(file.substr(file.find('=') + 1));
  }
  std::sort(contents.begin(), contents.end());
  EXPECT_EQ(contents, names);
  EXPECT_EQ(world.Trashed(), Strings{});
}

// A run over a link changes the link alone: renamed, its own times, no read-only bit
// and no stored attribute on the file it points to.
TEST(RenameSafetyOnRealFiles, LinkInTheListNeverChangesItsTarget) {
  World world;
  world.Write("outside.txt", "private");
  world.Write("sy/");
  const std::string outside = world.At("outside.txt");
  ASSERT_EQ(::symlink("../outside.txt", world.At("sy/link.txt").c_str()), 0);
  struct stat before = {}, after = {}, link = {};
  ASSERT_EQ(::stat(outside.c_str(), &before), 0);
  // clang-format off
  Expect({"a link", {}, {"sy/link.txt"},
          [](RenameRun& s) {
            s.options.Flags = ChangeName;
            s.options.Name = "renamed";
            s.options.AttrMask = s.options.AttrValues = kAttrReadOnly | kAttrHidden;
            s.options.DateFlags = kDateModified;
            s.options.ModifiedDate = 0x01D0000000000000ULL;
          },
          {"outside.txt=private", "sy/renamed.txt=private"}, {}, {}, {"sy/renamed.txt"}, {1}},
         world);
  // clang-format on
  EXPECT_TRUE(::lstat(world.At("sy/renamed.txt").c_str(), &link) == 0 && S_ISLNK(link.st_mode));
  ASSERT_EQ(::stat(outside.c_str(), &after), 0);
  EXPECT_EQ(std::pair(after.st_mode, after.st_mtim.tv_sec),
            std::pair(before.st_mode, before.st_mtim.tv_sec));
}

// On real files a target directory that takes no files costs one answer, with its
// reason, for the whole run (a name longer than the real file system takes is an
// end-to-end case of the console).
TEST(RenameSafetyOnRealFiles, ReadOnlyTargetIsNamedOnceWithItsReason) {
  World world;
  std::unique_ptr<TmpfsMount> readOnly;
  std::string target = world.At("ro");
  if (::geteuid() == 0) {  // root writes into any directory: use a read-only mount
    readOnly = std::make_unique<TmpfsMount>("1m", true);
    if (!readOnly->Ready()) GTEST_SKIP() << readOnly->Why();
    target = readOnly->Path();
  } else {
    world.Write("ro/");
    ASSERT_EQ(::chmod(target.c_str(), 0555), 0);
  }
  const Strings names = {"a.txt", "b.txt", "c.txt"}, files = {"a.txt=a", "b.txt=b", "c.txt=c"};
  const std::string reason = ::geteuid() == 0 ? "Read-only file system" : "Permission denied";
  // clang-format off
  Expect({"a read-only target", files, names,
          [target](RenameRun& s) {
            s.options.Transport = kTransportMove;
            s.options.Path = target + "/";
            s.session.Answers = {Answer::Ok};
          },
          files, {}, {RenameFailedMessage(EnglishTexts(), false, world.At("a.txt"), target + "/a.txt", reason)},
          names, {0, 0, 3}},
         world);
  // clang-format on
}

}  // namespace
}  // namespace varnoke::testing
