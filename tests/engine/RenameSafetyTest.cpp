// What a run must never do, whatever happens around it: trash a file for one that
// vanished, call a failure a name conflict, or ask once per file for one cause.
#include <fcntl.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <memory>

#include "engine/AddFile.h"
#include "engine/PreparePreview.h"
#include "engine/RenameMessages.h"
#include "engine/RenameWorld.h"
#include "model/Attributes.h"
#include "support/TempDir.h"
#include "support/TmpfsMount.h"

namespace varnoke::testing {
namespace {

// A file of the list that vanished before its turn never costs the file in its way,
// whether the conflict was planned (settled by the trash) or met unplanned.
TEST(RenameSafety, VanishedSourceTrashesNothingAndIsNamedOnce) {
  for (const bool planned : {true, false}) {
    SCOPED_TRACE(planned ? "planned conflict" : "unplanned conflict");
    FakeWorld world;
    RenameSetup setup(world);
    world.Write("a", "A");
    world.Write("c", "C");
    setup.options.Set(DeleteOnConflict, planned);
    if (planned) world.Write("b", "in the way");
    setup.Plan("a", "b", planned);
    setup.Plan("c", "d");
    FakeFileSystem& fs = *world.Fake();
    // Another run over the same list got there first: "a" is renamed or gone.
    if (planned)
      fs.Delete("/w/a");
    else
      fs.MoveNoReplace("/w/a", "/w/b");
    setup.session.Answers.assign(4, Answer::Ok);  // a user who says OK to everything
    const RenameReport report = setup.Run();
    EXPECT_TRUE(fs.Trash().empty());
    EXPECT_EQ(fs.Calls(FakeOp::DeleteToTrash), 0);
    EXPECT_EQ(report.Failed, 1);
    EXPECT_EQ(report.Changed, 1);
    EXPECT_EQ(setup.EntryPath(0), "/w/a");
    EXPECT_EQ(setup.preview.Items(0).Name, "a");
    ASSERT_EQ(setup.session.Questions.size(), 1u);
    EXPECT_EQ(setup.session.Questions[0].Text, VanishedMessage("/w/a"));
    EXPECT_EQ(setup.session.Questions[0].Kind, Buttons::Ok);
  }
}

// A move that fails with no file at its target is no name conflict: the user is told
// the paths and the system's reason, once per reason and directory; OK goes on, Cancel
// stops; nothing goes to the trash and every entry keeps the name its file has.
TEST(RenameSafety, FailureThatIsNoConflictIsNamedOncePerCause) {
  struct Case {
    const char* what;
    int error;
    const char* reason;
  };
  const Case cases[] = {{"missing directory", 0, "No such file or directory"},
                        {"read-only file system", EROFS, "Read-only file system"},
                        {"name too long", ENAMETOOLONG, "File name too long"},
                        {"disk full", ENOSPC, "No space left on device"},
                        {"permission refused", EACCES, "Permission denied"}};
  for (const Case& c : cases) {
    for (const Answer answer : {Answer::Ok, Answer::Cancel}) {
      SCOPED_TRACE(std::string(c.what) + (answer == Answer::Ok ? ", OK" : ", Cancel"));
      FakeWorld world;
      RenameSetup setup(world);
      FakeFileSystem& fs = *world.Fake();
      if (c.error != 0) world.MakeDirectory("out");
      for (int n = 1; n <= 3; ++n) {
        world.Write(Numbered(n), "x");
        setup.Plan(Numbered(n), "out/" + Numbered(n));
        if (c.error != 0) fs.Fail(FakeOp::MoveNoReplace, world.At(Numbered(n)), c.error);
      }
      world.Write("other.txt", "o");
      setup.Plan("other.txt", "moved.txt");  // another directory: goes ahead
      setup.session.Answers = {answer};
      const RenameReport report = setup.Run();
      ASSERT_EQ(setup.session.Questions.size(), 1u);
      EXPECT_EQ(setup.session.Questions[0].Text,
                RenameFailedMessage(false, "/w/f0001.txt", "/w/out/f0001.txt", c.reason));
      EXPECT_EQ(setup.session.Questions[0].Kind, Buttons::OkCancel);
      EXPECT_EQ(report.Stopped, answer == Answer::Cancel);
      EXPECT_EQ(report.Failed, answer == Answer::Ok ? 3 : 0);
      EXPECT_EQ(report.Changed, answer == Answer::Ok ? 1 : 0);
      for (int i = 0; i < 3; ++i) EXPECT_EQ(setup.EntryPath(i), world.At(Numbered(i + 1)));
      EXPECT_EQ(fs.Calls(FakeOp::DeleteToTrash), 0);
      EXPECT_EQ(fs.Calls(FakeOp::SetTimes), 0);
    }
  }
}

// Planning aims nowhere the user did not choose: a move without a usable target
// directory plans nothing; a name that would be a path, hold a NUL or pass the target
// file system's limit is left out with its reason.
TEST(PlanningSafety, NothingIsAimedOutsideWhatTheUserChose) {
  const std::string listed = "/w/a.txt";
  const std::string noTarget(kNoTargetDirectoryText);
  struct Case {
    const char* what;
    std::uint8_t transport;
    std::string path, name;
    std::optional<std::size_t> nameMax;
    std::string message;  // empty: planned without a word
    bool refused;         // nothing planned at all
  };
  const Case cases[] = {
      {"move without directory", kTransportMove, "", "n", {}, noTarget, true},
      {"damaged transport byte", 7, "", "n", {}, noTarget, true},
      {"relative directory",
       kTransportCopy,
       "out/",
       "n",
       {},
       TargetNotFullPathMessage("out/"),
       true},
      {"root chosen", kTransportMove, "/", "n", {}, "", false},
      {"name climbing up",
       kTransportLeave,
       "",
       "x/../../ESC",
       {},
       ForbiddenCharacterMessage(listed),
       false},
      {"name with NUL",
       kTransportLeave,
       "",
       std::string("a\0b", 3),
       {},
       ForbiddenCharacterMessage(listed),
       false},
      {"name over the limit", kTransportLeave, "", std::string(300, 'n'), 255,
       NameTooLongForTargetMessage(listed, 304, 255), false},
      {"name at the limit", kTransportLeave, "", std::string(251, 'n'), 255, "", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    FakeWorld world;
    RenameSetup setup(world);
    world.Fake()->NameMax = c.nameMax;
    world.Write("a.txt", "A");
    setup.options.Transport = c.transport;
    setup.options.Path = c.path;
    setup.options.Set(ChangeName, true);
    setup.options.Name = c.name;
    AddFile(world.Fs(), setup.files, listed);
    const bool planned =
        PreparePreview(setup.files, setup.options, setup.preview,
                       PlanningContext{world.Fs(), setup.clock, setup.session, setup.settings});
    EXPECT_EQ(planned, !c.refused);
    ASSERT_EQ(setup.session.Questions.size(), c.message.empty() ? 0u : 1u);
    if (!c.message.empty()) {
      EXPECT_EQ(setup.session.Questions[0].Text, c.message);
    }
    EXPECT_EQ(setup.preview.Count(), c.message.empty() ? 1 : 0);
    if (c.refused) {  // before any progress was shown
      EXPECT_TRUE(setup.session.Events.empty() || setup.session.Events[0] == "ask:Varnoke");
    }
    EXPECT_EQ(world.Fake()->ChangingCalls(), 0);
  }
}

// Two runs over the same list started at the same moment by two real processes: every
// file ends under one of the new names, and none goes to the trash, whoever wins.
TEST(RenameSafetyOnRealFiles, TwoProcessesRacingOverOneListLoseNoFile) {
  TempDir data;
  // The children's trash, to look at; the rest of this process keeps its own.
  const char* own = ::getenv("XDG_DATA_HOME");
  const std::string kept = own ? own : "";
  ASSERT_EQ(::setenv("XDG_DATA_HOME", data.Path().c_str(), 1), 0);
  PosixWorld world;
  constexpr int kFiles = 300;
  std::vector<std::string> names;
  for (int n = 1; n <= kFiles; ++n) {
    names.push_back(Numbered(n));
    world.Write(names.back(), names.back());
  }
  int go[2][2];
  pid_t children[2];
  for (int c = 0; c < 2; ++c) {
    ASSERT_EQ(::pipe(go[c]), 0);
    children[c] = ::fork();
    ASSERT_GE(children[c], 0);
    if (children[c] == 0) {
      RenameSetup setup(world);
      setup.options.Flags = ChangeName | Enumerate;
      setup.options.Name = "Pic";
      setup.options.Digits = 3;
      setup.ListAndPlan(names);
      setup.session.Answers.assign(4 * kFiles, Answer::Ok);  // "--yes"
      char byte;
      if (::read(go[c][0], &byte, 1) != 1) ::_exit(3);
      setup.Run();
      ::_exit(0);
    }
    ::close(go[c][0]);
  }
  if (own)
    ::setenv("XDG_DATA_HOME", kept.c_str(), 1);
  else
    ::unsetenv("XDG_DATA_HOME");
  for (int c = 0; c < 2; ++c) ASSERT_EQ(::write(go[c][1], "g", 1), 1);
  for (int c = 0; c < 2; ++c) {
    int status = 0;
    ::waitpid(children[c], &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    ::close(go[c][1]);
  }
  const std::vector<std::string> left = world.Names();
  ASSERT_EQ(left.size(), static_cast<std::size_t>(kFiles));
  std::vector<std::string> contents;
  for (const std::string& name : left) {
    EXPECT_EQ(name.substr(0, 3), "Pic") << name;
    contents.push_back(world.Read(name).value_or(""));
  }
  std::sort(contents.begin(), contents.end());
  EXPECT_EQ(contents, names);
  EXPECT_FALSE(FileExists(data / "Trash/files"));
}

// A run over a link changes the link alone: renamed, its own times, no read-only bit
// and no stored attribute on the file it points to.
TEST(RenameSafetyOnRealFiles, LinkInTheListNeverChangesItsTarget) {
  PosixWorld world;
  world.Write("outside.txt", "private");
  const std::string outside = world.At("outside.txt");
  ASSERT_EQ(::chmod(outside.c_str(), 0644), 0);
  struct stat before;
  ASSERT_EQ(::stat(outside.c_str(), &before), 0);
  world.MakeDirectory("sy");
  ASSERT_EQ(::symlink("../outside.txt", world.At("sy/link.txt").c_str()), 0);
  RenameSetup setup(world);
  setup.options.Flags = ChangeName;
  setup.options.Name = "renamed";
  setup.options.AttrMask = kAttrReadOnly | kAttrHidden;
  setup.options.AttrValues = kAttrReadOnly | kAttrHidden;
  setup.options.DateFlags = kDateModified;
  setup.options.ModifiedDate = 0x01D0000000000000ULL;
  setup.ListAndPlan({"sy/link.txt"});
  EXPECT_EQ(setup.Run().Done(), 1);
  struct stat link, after;
  ASSERT_EQ(::lstat(world.At("sy/renamed.txt").c_str(), &link), 0);
  EXPECT_TRUE(S_ISLNK(link.st_mode));
  ASSERT_EQ(::stat(outside.c_str(), &after), 0);
  EXPECT_EQ(after.st_mode, before.st_mode);
  EXPECT_EQ(after.st_mtim.tv_sec, before.st_mtim.tv_sec);
  EXPECT_EQ(world.Read("outside.txt"), "private");
}

// On real files: a target directory that takes no files costs one answer for the
// whole run, and a name longer than the file system takes is left out at planning.
TEST(RenameSafetyOnRealFiles, ReadOnlyTargetAndOverlongNameAreNamedUpFront) {
  PosixWorld world;
  std::unique_ptr<TmpfsMount> readOnly;
  std::string target = world.At("ro");
  if (::geteuid() == 0) {  // root writes into any directory: use a read-only mount
    readOnly = std::make_unique<TmpfsMount>("1m", true);
    if (!readOnly->Ready()) GTEST_SKIP() << readOnly->Why();
    target = readOnly->Path();
  } else {
    world.MakeDirectory("ro");
    ASSERT_EQ(::chmod(target.c_str(), 0555), 0);
  }
  RenameSetup setup(world);
  setup.options.Transport = kTransportMove;
  setup.options.Path = target + "/";
  for (const char* name : {"a.txt", "b.txt", "c.txt"}) world.Write(name, name);
  setup.ListAndPlan({"a.txt", "b.txt", "c.txt"});
  setup.session.Answers = {Answer::Ok};
  EXPECT_EQ(setup.Run().Failed, 3);
  ASSERT_EQ(setup.session.Questions.size(), 1u);
  EXPECT_EQ(setup.session.Questions[0].Text.find("unexpected name conflict"), std::string::npos);
  EXPECT_NE(setup.session.Questions[0].Text.find(target + "/a.txt"), std::string::npos);
  EXPECT_EQ(world.Names(), (std::vector<std::string>{"a.txt", "b.txt", "c.txt"}));

  RenameSetup overlong(world);
  overlong.options.Flags = ChangeName;
  overlong.options.Name = std::string(300, 'n');
  overlong.ListAndPlan({"a.txt"});
  EXPECT_EQ(overlong.preview.Count(), 0);
}

}  // namespace
}  // namespace varnoke::testing
