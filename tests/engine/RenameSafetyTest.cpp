// What a run must never do, whatever happens around it: trash a file for one that
// vanished, call a failure a name conflict, or ask once per file for one cause.
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
// once, to a user who says OK to everything.
TEST(RenameSafety, VanishedSourceTrashesNothingAndIsNamedOnce) {
  const std::string vanished = VanishedMessage("/w/a");
  const auto check = [](RenameRun& s) {
    EXPECT_EQ(s.world.Fake()->Calls(FakeOp::DeleteToTrash), 0);
    EXPECT_EQ(s.preview.Items(0).Name, "a");
    EXPECT_EQ(s.session.Questions[0].Kind, Buttons::Ok);
  };
  // Another run over the same list got there first: "a" is gone, or renamed onto its target.
  ExpectInMemory({"planned conflict",
                  {"a=A", "b=in the way", "c=C"},
                  {"a>b", "c>d"},
                  [](RenameRun& s) {
                    s.options.Set(DeleteOnConflict, true);
                    s.world.Fake()->Delete("/w/a");
                    s.session.Answers.assign(4, Answer::Ok);
                  },
                  {"b=in the way", "d=C"},
                  {},
                  {vanished},
                  {"a", "d"},
                  {1, 0, 1},
                  check});
  ExpectInMemory({"unplanned conflict",
                  {"a=A", "c=C"},
                  {"a>b", "c>d"},
                  [](RenameRun& s) {
                    s.world.Fake()->MoveNoReplace("/w/a", "/w/b");
                    s.session.Answers.assign(4, Answer::Ok);
                  },
                  {"b=A", "d=C"},
                  {},
                  {vanished},
                  {"a", "d"},
                  {1, 0, 1},
                  check});
}

// A move that fails with no file at its target is no name conflict: the user is told
// the paths and the system's reason, once per reason and directory; OK goes on, Cancel
// stops; nothing goes to the trash and every entry keeps the name its file has.
TEST(RenameSafety, FailureThatIsNoConflictIsNamedOncePerCause) {
  const struct {
    const char* What;
    int Error;  // 0: the target directory is missing
    const char* Reason;
  } causes[] = {{"missing directory", 0, "No such file or directory"},
                {"read-only file system", EROFS, "Read-only file system"},
                {"name too long", ENAMETOOLONG, "File name too long"},
                {"disk full", ENOSPC, "No space left on device"},
                {"permission refused", EACCES, "Permission denied"}};
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
      run.Asked = {RenameFailedMessage(false, "/w/f0001.txt", "/w/out/f0001.txt", c.Reason)};
      run.Report = {ok ? 1 : 0, 0, ok ? 3 : 0, !ok};
      run.Check = [](RenameRun& s) { EXPECT_EQ(s.session.Questions[0].Kind, Buttons::OkCancel); };
      ExpectInMemory(run);
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
    World world(FakeFileSystem::Style::Posix);
    RenameRun setup(world);
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
      EXPECT_EQ(setup.session.Events, Strings{"ask:Varnoke"});
    }
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
  int go[2][2];
  pid_t children[2];
  for (int c = 0; c < 2; ++c) {
    ASSERT_EQ(::pipe(go[c]), 0);
    children[c] = ::fork();
    ASSERT_GE(children[c], 0);
    if (children[c] == 0) {
      RenameRun setup(world);
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
  for (int c = 0; c < 2; ++c) ASSERT_EQ(::write(go[c][1], "g", 1), 1);
  for (int c = 0; c < 2; ++c) {
    int status = 0;
    ::waitpid(children[c], &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    ::close(go[c][1]);
  }
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
  const std::string outside = world.At("outside.txt");
  ASSERT_EQ(::chmod(outside.c_str(), 0644), 0);
  struct stat before;
  ASSERT_EQ(::stat(outside.c_str(), &before), 0);
  world.Write("sy/");
  ASSERT_EQ(::symlink("../outside.txt", world.At("sy/link.txt").c_str()), 0);
  RenameRun setup(world);
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
  RenameRun setup(world);
  setup.options.Transport = kTransportMove;
  setup.options.Path = target + "/";
  for (const char* name : {"a.txt", "b.txt", "c.txt"}) world.Write(name, name);
  setup.ListAndPlan({"a.txt", "b.txt", "c.txt"});
  setup.session.Answers = {Answer::Ok};
  EXPECT_EQ(setup.Run().Failed, 3);
  ASSERT_EQ(setup.session.Questions.size(), 1u);
  EXPECT_EQ(setup.session.Questions[0].Text.find("unexpected name conflict"), std::string::npos);
  EXPECT_NE(setup.session.Questions[0].Text.find(target + "/a.txt"), std::string::npos);
  EXPECT_EQ(world.Files(), (Strings{"a.txt=a.txt", "b.txt=b.txt", "c.txt=c.txt"}));

  RenameRun overlong(world);
  overlong.options.Flags = ChangeName;
  overlong.options.Name = std::string(300, 'n');
  overlong.ListAndPlan({"a.txt"});
  EXPECT_EQ(overlong.preview.Count(), 0);
}

}  // namespace
}  // namespace varnoke::testing
