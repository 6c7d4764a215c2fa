// Renaming runs: the same runs in memory under the Windows rules and on real files under
// the Linux ones, staged faults in memory, the calls each entry makes, and what only real
// files show.
#include <sys/stat.h>
#include <unistd.h>

#include "engine/RenameWorld.h"
#include "model/Attributes.h"
#include "platform/LockHolder.h"

namespace varnoke::testing {
namespace {

void SettleByTrash(RenameRun& s) {
  s.options.Set(DeleteOnConflict, true);
}
void NumberAsPic(RenameRun& s, int start) {
  s.options.Flags |= ChangeName | Enumerate;
  s.options.Name = "Pic";
  s.options.Digits = 3;
  s.options.Start = start;
}
// Names made of `name` and a running number of one digit from 2.
void NumberFrom2(RenameRun& s, const char* name) {
  s.options.Flags |= ChangeName | Enumerate;
  s.options.Name = name;
  s.options.Start = 2;
}
// Copies into the files' own folder, named by a running number from 2.
void CopyHomeNumbered(RenameRun& s) {
  NumberFrom2(s, "");
  s.options.Transport = kTransportCopy;
  s.options.Path = s.world.At("") + s.world.Fs().Rules().Separator();
}
FakeFileSystem& Fake(RenameRun& s) {
  return *s.world.Fake();
}
// Entry i was not carried out: it is marked busy, and no times were set for any entry.
std::function<void(RenameRun&)> KeptBusy(int i) {
  return [i](RenameRun& s) {
    EXPECT_TRUE(s.preview.Items(i).Busy);
    EXPECT_EQ(Fake(s).Calls(FakeOp::SetTimes), 0);
  };
}
std::function<void(RenameRun&)> PlannedConflict(bool conflict) {
  return [conflict](RenameRun& s) { EXPECT_EQ(s.preview.Items(0).Conflict, conflict); };
}

TEST(Renaming, EndsAlikeInMemoryAndOnRealFiles) {
  const std::string conflict(kNameConflictText.Source);
  const auto copyWithNewTimes = [](RenameRun& s) {
    s.options.Transport = kTransportCopy;
    s.preview.Items(0).Written += 3600 * kTicksPerSecond;
    s.preview.Items(0).Accessed += 7200 * kTicksPerSecond;
  };
  const auto timesReachTheCopyOnly = [](RenameRun& s) {
    const auto times = [&](const char* rel) {
      return s.world.Fs().OpenExclusive(s.world.At(rel), Access::Read)->Query()->Times;
    };
    EXPECT_EQ(times("out/a2.txt").Written, s.preview.Items(0).Written);
    EXPECT_EQ(times("out/a2.txt").Accessed, s.preview.Items(0).Accessed);
    EXPECT_NE(times("a.txt").Written, s.preview.Items(0).Written);
  };
  const Strings pics = {"Pic001.txt=1", "Pic002.txt=2", "Pic003.txt=3"};
  const Strings listed = {"Pic001.txt", "Pic002.txt", "Pic003.txt"};
  // clang-format off
  std::vector<Scenario> cases = {
      {"a move into another directory", {"a.txt=A", "target/"}, {"a.txt>target/a.txt"}, {},
       {"target/a.txt=A"}, {}, {}, {"target/a.txt"}, {1}},
      {"a copy leaves its source, and the new times go to the copy", {"a.txt=A", "out/"},
       {"a.txt>out/a2.txt"}, copyWithNewTimes, {"a.txt=A", "out/a2.txt=A"}, {}, {},
       {"out/a2.txt"}, {1}, timesReachTheCopyOnly},
      {"Cancel at a conflict nobody planned: earlier files renamed, later ones untouched",
       {"a.txt=A", "b.txt=B", "c.txt=in the way", "d.txt=D"},
       {"a.txt>x.txt", "b.txt>c.txt", "d.txt>e.txt"}, {},
       {"b.txt=B", "c.txt=in the way", "d.txt=D", "x.txt=A"}, {}, {conflict},
       {"x.txt", "b.txt", "d.txt"}, {1, 0, 0, true},
       [](RenameRun& s) { EXPECT_EQ(s.preview.Items(1).Name, "b"); }},
      // "c" can go neither back ("b" took its name) nor on ("d" is taken).
      {"Cancel leaves no file under a temporary name", {"a=A", "b=B", "c=C", "d=outside"},
       {"a>b", "b>c", "c>d"}, {}, {"b=A", "c=B", "c#1=C", "d=outside"}, {}, {conflict},
       {"b", "c", "c#1"}, {2, 0, 0, true}},
      {"Cancel sends a file waiting aside on to its planned name",
       {"a=A", "b=B", "c=C", "d=outside"}, {"a>b", "c>d", "b>a"}, {},
       {"a=B", "b=A", "c=C", "d=outside"}, {}, {conflict}, {"b", "c", "a"}, {1, 0, 0, true}},
      {"an empty list does nothing", {}, {}, [](RenameRun& s) { s.preview.AddCopy({}); }},
      {"a preview with every row deleted still runs", {"a=A"}, {"a>b"},
       [](RenameRun& s) { s.preview.Delete(0); }, {"a=A"}, {}, {}, {"a"}},
      {"a planned shift onto files of the run gets suffixes", pics, listed,
       [](RenameRun& s) { NumberAsPic(s, 2); },
       {"Pic002#1.txt=1", "Pic003#1.txt=2", "Pic004.txt=3"}, {}, {},
       {"Pic002#1.txt", "Pic003#1.txt", "Pic004.txt"}, {3}},
      {"a planned shift onto files of the run settled by the trash trashes nothing", pics, listed,
       [](RenameRun& s) { NumberAsPic(s, 2); SettleByTrash(s); },
       {"Pic002.txt=1", "Pic003.txt=2", "Pic004.txt=3"}, {}, {},
       {"Pic002.txt", "Pic003.txt", "Pic004.txt"}, {3}, PlannedConflict(true)},
      {"planned upper case changes the case alone", {"report.txt=R"}, {"report.txt"},
       [](RenameRun& s) { s.options.CaseMode = kCaseUpper; }, {"REPORT.TXT=R"}, {}, {},
       {"REPORT.TXT"}, {1}, PlannedConflict(false)},
      // The third entry would rename the file the first one has just named "f2".
      {"the same file listed twice is planned and renamed once", {"f1=F1", "f2=F2"},
       {"f1", "f2", "./f2"}, [](RenameRun& s) { NumberFrom2(s, "f"); SettleByTrash(s); },
       {"f2=F1", "f3=F2"}, {}, {}, {"f2", "f3", "f2"}, {2}},
      // No file being copied is moved, renamed or trashed: copies that would take the place
      // of files of the list get suffixes in the plan, however conflicts are settled.
      {"copies into their own folder onto files of the list", {"1=c1", "2=c2", "3=c3"},
       {"1", "2", "3"}, [](RenameRun& s) { CopyHomeNumbered(s); },
       {"1=c1", "2=c2", "3=c3", "2#1=c1", "3#1=c2", "4=c3"}, {}, {}, {"2#1", "3#1", "4"}, {3}},
      {"copies into their own folder onto files of the list, settled by the trash",
       {"1=c1", "2=c2", "3=c3", "4=C4", "5=outside"}, {"1", "2", "3", "4"},
       [](RenameRun& s) { CopyHomeNumbered(s); SettleByTrash(s); },
       {"1=c1", "2=c2", "3=c3", "4=C4", "2#1=c1", "3#1=c2", "4#1=c3", "5=C4"}, {"outside"}, {},
       {"2#1", "3#1", "4#1", "5"}, {4}},
  };
  // Files of one run in each other's way arrive whole, nothing asked, whether conflicts are
  // settled by suffixes or by the trash; a long shift is a chain.
  std::vector<Scenario> rotations = {
      {"a swap", {"a.txt=A", "b.txt=B"}, {"a.txt>b.txt", "b.txt>a.txt"}, {},
       {"a.txt=B", "b.txt=A"}, {}, {}, {"b.txt", "a.txt"}, {2}},
      {"a cycle", {"a.txt=A", "b.txt=B", "c.txt=C"}, {"a.txt>b.txt", "b.txt>c.txt", "c.txt>a.txt"},
       {}, {"a.txt=C", "b.txt=A", "c.txt=B"}, {}, {}, {"b.txt", "c.txt", "a.txt"}, {3}},
      {"a shift of a thousand"},
  };
  // clang-format on
  Scenario& shift = rotations.back();
  for (int n = 1; n <= 1000; ++n) {
    shift.Disk.push_back(Numbered(n) + "=" + std::to_string(n));
    shift.Planned.push_back(Numbered(n) + ">" + Numbered(n + 1));
    shift.After.push_back(Numbered(n + 1) + "=" + std::to_string(n));
    shift.Entries.push_back(Numbered(n + 1));
  }
  shift.Report.Changed = 1000;
  for (Scenario c : rotations) {
    cases.push_back(c);
    c.What += ", settled by the trash";
    c.Stage = SettleByTrash;
    cases.push_back(c);
  }
  for (const Scenario& c : cases) {
    for (const bool real : {false, true}) {
      SCOPED_TRACE(real ? "on real files" : "in memory");
      World world = real ? World() : World(FakeFileSystem::Style::Windows);
      Expect(c, world);
    }
  }
}

TEST(Renaming, StagedFaultsInMemory) {
  const std::string conflict(kNameConflictText.Source), busy(kRenameBusyText.Source);
  // Neither file can go to the trash: both are named, each with the system's reason.
  const auto neither = [](const char* inTheWay, const char* renamed) {
    return NeitherDeletedMessage(EnglishTexts(), inTheWay, "Operation not supported", renamed,
                                 "Operation not supported");
  };
  // clang-format off
  const Scenario cases[] = {
      {"OK at a conflict nobody planned trashes the file in the way", {"a=A", "b=outside"},
       {"a>b"}, [](RenameRun& s) { s.session.Answers = {Answer::Ok}; }, {"b=A"}, {"outside"},
       {conflict}, {"b"}, {1}},
      {"a planned conflict with a file outside the run trashes it unasked", {"a=A", "b=outside"},
       {"a>b"}, SettleByTrash, {"b=A"}, {"outside"}, {}, {"b"}, {1}},
      {"a later file that keeps its name wins it, and gets its own times", {"a=A", "x=X"},
       {"a>x", "x>x"}, [](RenameRun& s) { SettleByTrash(s); s.preview.Items(1).Written = 42; },
       {"x=X"}, {"A"}, {}, {"x", "x"}, {2},
       [](RenameRun& s) { EXPECT_EQ(Fake(s).File("/w/x")->Times.Written, 42u); }},
      // A plan made by hand: a file being copied is never moved aside or trashed, and the
      // copy that would take its place is asked about as for any file in the way.
      {"a copy onto a later source leaves that source as it is", {"a=A", "b=B"},
       {"a>b", "b>c"},
       [](RenameRun& s) {
         SettleByTrash(s);
         s.options.Transport = kTransportCopy;
         s.session.Answers = {Answer::Ok};
       },
       {"a=A", "b=B", "c=B"}, {}, {RenameFailedMessage(EnglishTexts(), true, "/w/a", "/w/b", "File exists")},
       {"a", "c"}, {1, 0, 1}},
      {"a copy whose way cannot be cleared keeps its source", {"a=A", "b=outside"}, {"a>b"},
       [](RenameRun& s) {
         SettleByTrash(s);
         s.options.Transport = kTransportCopy;
         Fake(s).Fail(FakeOp::DeleteToTrash, "/w/b");
         s.session.Answers = {Answer::Ok};
       },
       {"a=A", "b=outside"}, {}, {RenameFailedMessage(EnglishTexts(), true, "/w/a", "/w/b", "File exists")},
       {"a"}, {0, 0, 1}},
      {"neither file can go to the trash", {"a=A", "b=outside"}, {"a>b"},
       [](RenameRun& s) {
         SettleByTrash(s);
         Fake(s).TrashAvailable = false;
         s.preview.Items(0).Written = 5;
       },
       {"a=A", "b=outside"}, {}, {neither("/w/b", "/w/a")}, {"a"}, {0, 0, 1}, KeptBusy(0)},
      {"a move that fails after the deletion", {"a=A", "b=outside"}, {"a>b"},
       [](RenameRun& s) {
         SettleByTrash(s);
         Fake(s).Fail(FakeOp::MoveNoReplace, "/w/a", EIO);
         s.session.Answers = {Answer::Ok};
         s.preview.Items(0).Written = 5;
       },
       {"a=A"}, {"outside"}, {RenameFailedMessage(EnglishTexts(), false, "/w/a", "/w/b", "Input/output error")},
       {"a"}, {0, 0, 1}, [](RenameRun& s) { EXPECT_EQ(Fake(s).Calls(FakeOp::SetTimes), 0); }},
      // The file that stayed is no file of the run: it gets neither times nor attributes.
      {"the source goes to the trash when the file in the way cannot", {"a=A", "b=outside"},
       {"a>b"},
       [](RenameRun& s) {
         SettleByTrash(s);
         Fake(s).Fail(FakeOp::DeleteToTrash, "/w/b");
         s.preview.Items(0).Attr = kAttrHidden;
       },
       {"b=outside"}, {"A"}, {}, {"a"}, {0, 0, 1},
       [](RenameRun& s) { EXPECT_EQ(Fake(s).Calls(FakeOp::SetAttributes), 0); }},
      {"a full disk fails the copy after the deletion", {"a=12345", "out/a=old copy"}, {"a>out/a"},
       [](RenameRun& s) {
         SettleByTrash(s);
         s.options.Transport = kTransportCopy;
         Fake(s).FreeSpace = 3;
       },
       {"a=12345"}, {"old copy"},
       {RenameFailedMessage(EnglishTexts(), true, "/w/a", "/w/out/a", "No space left on device")}, {"a"},
       {0, 0, 0, true}},
      {"a file waiting aside that fails goes beside its name", {"a=A", "b=B", "c=outside"},
       {"a>b", "b>c"}, [](RenameRun& s) { SettleByTrash(s); Fake(s).TrashAvailable = false; },
       {"b=A", "b#1=B", "c=outside"}, {}, {neither("/w/c", "/w/b")}, {"b", "b#1"},
       {1, 0, 1}, KeptBusy(1)},
      // Linux would rename a held file: one planned busy is tried only once it can be opened.
      {"a busy file in the way of an earlier one stays, and neither is tried", {"a=A", "b=B"},
       {"a>b", "b>c"},
       [](RenameRun& s) {
         Fake(s).SetBusy("/w/b", true);
         s.preview.Items(1).Busy = true;
       },
       {"a=A", "b=B"}, {}, {busy, busy}, {"a", "b"}, {0, 0, 2},
       [](RenameRun& s) {
         KeptBusy(0)(s);
         EXPECT_EQ(Fake(s).Calls(FakeOp::MoveNoReplace), 0);
       }},
      {"a file planned busy but freed since is moved without new times", {"busy.txt=B"},
       {"busy.txt>new.txt"},
       [](RenameRun& s) { s.preview.Items(0).Busy = true; s.preview.Items(0).Written = 77; },
       {"new.txt=B"}, {}, {}, {"new.txt"}, {1},
       [](RenameRun& s) { EXPECT_EQ(Fake(s).Calls(FakeOp::SetTimes), 0); }},
      {"a swap that names a file of the run under another spelling", {"a.txt=A", "b.txt=B"},
       {"a.txt>B.TXT", "b.txt>a.txt"}, {}, {"B.TXT=A", "a.txt=B"}, {}, {}, {"B.TXT", "a.txt"},
       {2}},
      {"a change of case alone", {"report.TXT=R"}, {"report.TXT>report.txt"}, {},
       {"report.txt=R"}, {}, {}, {"report.txt"}, {1}},
      // In file-list order whatever the preview's order: no call when nothing changes, one
      // move for a new name, an open and the times for new times, the attributes for new
      // ones; a read-only file gets no new times.
      {"each entry makes only the calls it needs", {"f=f", "a=a", "t=t", "h=h", "r=r"},
       {"f>f", "a>z", "t>t", "h>h", "r>k"},
       [](RenameRun& s) {
         Fake(s).SetAttributes("/w/r", kAttrReadOnly);
         s.preview.Items(2).Accessed += 1;
         s.preview.Items(3).Attr = kAttrHidden;
         s.preview.Items(4).Written += 1;
         s.preview.Items(4).Attr = kAttrArchive | kAttrHidden;
         s.preview.Sort(2);  // by name
         Fake(s).KeepLog = true;
       },
       {"f=f", "z=a", "t=t", "h=h", "k=r"}, {}, {}, {"f", "z", "t", "h", "k"}, {4, 1},
       [](RenameRun& s) {
         EXPECT_EQ(Fake(s).Log, (Strings{"move /w/a /w/z", "open /w/t", "settimes /w/t",
                                         "setattr /w/h", "move /w/r /w/k", "open /w/k",
                                         "setattr /w/k"}));
         EXPECT_EQ(Fake(s).File("/w/t")->Times, (FileTimes{1000, 2001, 3000}));  // all three
         EXPECT_EQ(Fake(s).File("/w/k")->Times.Written, 3000u);
         EXPECT_EQ(Fake(s).File("/w/k")->Attr, kAttrArchive | kAttrHidden);
       }},
      {"a move to another volume", {"a=A"}, {"a>/mnt/a"},
       [](RenameRun& s) { Fake(s).AddVolume("/mnt"); }, {"/mnt/a=A"}, {}, {}, {"/mnt/a"}, {1}},
  };
  // clang-format on
  for (const Scenario& c : cases) ExpectInMemory(c);
}

TEST(RenamingOnRealFiles, SourceLockedByAnotherProcessKeepsItsNameWithOneMessage) {
  World world;
  world.Write("held.txt", "H");
  world.Write("free.txt", "F");
  LockHolder holder(world.At("held.txt"));
  // clang-format off
  Expect({"a locked source", {}, {"held.txt>moved.txt", "free.txt>free2.txt"}, {},
          {"free2.txt=F", "held.txt=H"}, {}, {kRenameBusyText.Source},
          {"held.txt", "free2.txt"}, {1, 0, 1},
          [](RenameRun& s) {
            EXPECT_TRUE(s.preview.Items(0).Busy);  // listed busy
            EXPECT_EQ(s.preview.Items(0).Name, "held");
          }},
         world);
  // clang-format on
}

// Two names of one file (a hard link) are two entries: each name gets its plan; only the
// same path listed twice counts once.
TEST(RenamingOnRealFiles, HardLinksAreEntriesOfTheirOwn) {
  World world;
  world.Write("a", "A");
  ASSERT_EQ(::link(world.At("a").c_str(), world.At("b").c_str()), 0);
  Expect({"two names of one file",
          {},
          {"a", "b"},
          [](RenameRun& s) { NumberFrom2(s, "f"); },
          {"f2=A", "f3=A"},
          {},
          {},
          {"f2", "f3"},
          {2}},
         world);
}

}  // namespace
}  // namespace varnoke::testing
