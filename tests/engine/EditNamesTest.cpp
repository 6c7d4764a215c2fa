#include "engine/EditNames.h"

#include <gtest/gtest.h>

#include "RenameWorld.h"
#include "engine/AddFile.h"
#include "engine/EditMessages.h"
#include "engine/JournalKeeper.h"
#include "platform/fake/FakeFileSystem.h"
#include "platform/posix/PosixJournalFiles.h"
#include "platform/testing/ScriptedSession.h"

namespace varnoke {
namespace {

using Strings = std::vector<std::string>;

// A file system with a list of its files and a user who answers from a script.
struct World {
  // The files listed in this order.
  void List(const Strings& paths) {
    for (const std::string& p : paths) {
      fs.AddFile(p);
      ASSERT_TRUE(AddFile(fs, files, p));
    }
  }
  Strings Paths() const {
    Strings out;
    for (const TVrnFile& f : files) out.push_back(fs.Rules().Join(f.Path(), f.Name(), f.Ext()));
    return out;
  }
  EditOutcome Apply(Strings& lines, int mode, const std::vector<Answer>& answers) {
    session.Answers.assign(answers.begin(), answers.end());
    return ApplyEditedNames(fs, session, files, lines, mode).Outcome;
  }

  FakeFileSystem fs{FakeFileSystem::Style::Posix};
  TVrnFiles files;
  ScriptedSession session;
};

class EditNamesTest : public ::testing::Test, public World {};

TEST_F(EditNamesTest, LinesAndTheirPathsInEveryMode) {
  List({"/d/photo.jpg", "/d/readme", "/x/a.b.c"});
  // clang-format off
  const struct { int Mode; const char* Text; } cases[] = {
      {kEditNameOnly, "photo\nreadme\na.b"},
      {kEditNameAndExt, "photo.jpg\nreadme\na.b.c"},
      {kEditNameAndPath, "/d/photo\n/d/readme\n/x/a.b"},
      {kEditNameExtAndPath, "/d/photo.jpg\n/d/readme\n/x/a.b.c"},
  };
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Mode);
    EXPECT_EQ(EditText(files, c.Mode, fs.Rules(), session), c.Text);
    const Strings lines = EditLines(c.Text);
    for (int i = 0; i < files.Count(); ++i)  // unedited lines name the files themselves
      EXPECT_EQ(EditedPath(files.Items(i), lines[i], c.Mode, fs.Rules()), Paths()[i]);
  }
  // The Windows rules write the dot also before an empty extension.
  TVrnFiles windows;
  windows.AddEntry(false, "c:\\d", "readme", "", 0, 0, 0, 0, 0);
  EXPECT_EQ(EditLine(windows.Items(0), kEditNameExtAndPath, WindowsPathRules()), "c:\\d\\readme.");
  EXPECT_EQ(EditLines("a\n\nb\n"), Strings({"a", "", "b"}));
  EXPECT_EQ(EditLines(""), Strings());
  EXPECT_EQ(EditModeOf(7), kEditNameOnly);
}

TEST_F(EditNamesTest, ACaseChangeRenamesAndRelistsInPlace) {
  List({"/d/a.txt", "/d/photo.jpg", "/d/z.txt"});
  Strings lines = {"a.txt", "Photo.JPG", "z.txt"};
  EXPECT_EQ(Apply(lines, kEditNameAndExt, {Answer::Yes}), EditOutcome::Done);
  EXPECT_EQ(Paths(), Strings({"/d/a.txt", "/d/Photo.JPG", "/d/z.txt"}));
  EXPECT_EQ(files.Items(1).Ext(), "JPG");
  EXPECT_TRUE(fs.HasFile("/d/Photo.JPG"));
  EXPECT_EQ(fs.Calls(FakeOp::MoveNoReplace), 1);
  ASSERT_EQ(session.Questions.size(), 1u);
  EXPECT_EQ(session.Questions[0].Caption, kEditConfirmationCaption.Source);
}

TEST_F(EditNamesTest, EventsRunAtTheNinthLineAndEveryTenthAfter) {
  Strings listed, lines;
  for (int i = 1; i <= 19; ++i) {
    listed.push_back("/d/" + std::to_string(i));
    lines.push_back("n" + std::to_string(i));
  }
  List(listed);
  EXPECT_EQ(Apply(lines, kEditNameOnly, {Answer::Yes}), EditOutcome::Done);
  EXPECT_EQ(session.Pumps, 2);  // at lines 9 and 19
}

TEST_F(EditNamesTest, AVanishedFileTakesItsLineWithIt) {
  List({"/d/1", "/d/2", "/d/3"});
  fs.Delete("/d/2");
  Strings lines = {"a", "b", "c"};
  session.Answers = {Answer::Yes};
  const EditApplied applied = ApplyEditedNames(fs, session, files, lines, kEditNameOnly);
  EXPECT_EQ(applied.Outcome, EditOutcome::Done);
  EXPECT_TRUE(applied.LinesRemoved);
  EXPECT_EQ(lines, Strings({"a", "c"}));
  EXPECT_EQ(Paths(), Strings({"/d/a", "/d/c"}));
}

// A line that names a file in the way asks whether to overwrite it: Yes sends it to the
// trash (where no trash can take it, a note names it and the line is skipped), No skips
// the line, Cancel stops. A listed file overwritten leaves the list with its line,
// wherever it stands, so that no two entries name one file and later lines keep their
// entries. Names given to each other's files (swaps, cycles) need no question: the file
// in the way steps aside and takes its own turn; stopped before its turn, it gets its name
// back, or one beside it when an earlier line took that name. Nothing is deleted for good
// and no temporary name is left.
TEST(EditNamesInTheWay, OverwrittenOnYesSwappedWithoutAsking) {
  using enum Answer;
  const Strings ay = {"/d/a", "/d/y"}, img12 = {"/d/IMG_0012.jpg", "/d/IMG_0013.jpg"},
                img13 = {img12[1], img12[0]}, twice = {"IMG_0013.jpg", "IMG_0013.jpg"};
  const char* const i13 = "/d/IMG_0013.jpg=/d/IMG_0012.jpg";
  // Listed files hold their own paths; Outside: "path=content" of a file not listed. Answers
  // and Asked: after the confirmation. After: "path=content" of every entry.
  // clang-format off
  const struct { const char* What; int Mode; Strings Listed; bool TrashWorks; Strings Lines;
                 std::vector<Answer> Answers; EditOutcome Outcome; Strings After, LinesAfter,
                 Trashed; const char* InTheWay; std::size_t Asked; } cases[] = {
      {"Yes", kEditNameOnly, ay, true, {"b", "z"}, {Yes}, EditOutcome::Done,
       {"/d/b=/d/a", "/d/z=/d/y"}, {"b", "z"}, {"old"}, "/d/b", 1},
      {"No", kEditNameOnly, ay, true, {"b", "z"}, {No}, EditOutcome::Done,
       {"/d/a=/d/a", "/d/z=/d/y"}, {"b", "z"}, {}, "/d/b", 1},
      {"Cancel", kEditNameOnly, ay, true, {"b", "z"}, {Cancel}, EditOutcome::Stopped,
       {"/d/a=/d/a", "/d/y=/d/y"}, {"b", "z"}, {}, "/d/b", 1},
      {"no trash", kEditNameOnly, ay, false, {"b", "z"}, {Yes}, EditOutcome::Done,
       {"/d/a=/d/a", "/d/z=/d/y"}, {"b", "z"}, {}, "/d/b", 2},
      {"listed after", kEditNameAndExt, img12, true, twice, {Yes}, EditOutcome::Done, {i13},
       {twice[0]}, {img12[1]}, img12[1].c_str(), 1},
      {"listed before", kEditNameAndExt, img13, true, twice, {Yes}, EditOutcome::Done, {i13},
       {twice[0]}, {img12[1]}, img12[1].c_str(), 1},
      {"lines after it", kEditNameOnly, {"/d/x", "/d/y", "/d/z"}, true, {"y", "y", "z2"}, {Yes},
       EditOutcome::Done, {"/d/y=/d/x", "/d/z2=/d/z"}, {"y", "z2"}, {"/d/y"}, "/d/y", 1},
      {"listed before, lines after", kEditNameOnly, {"/d/y", "/d/x", "/d/z"}, true,
       {"y", "y", "z2"}, {Yes}, EditOutcome::Done, {"/d/y=/d/x", "/d/z2=/d/z"}, {"y", "z2"},
       {"/d/y"}, "/d/y", 1},
      {"swap", kEditNameOnly, {"/d/a", "/d/b"}, true, {"b", "a"}, {}, EditOutcome::Done,
       {"/d/b=/d/a", "/d/a=/d/b"}, {"b", "a"}, {}, nullptr, 0},
      {"cycle", kEditNameOnly, {"/d/a", "/d/b", "/d/c"}, true, {"b", "c", "a"}, {},
       EditOutcome::Done, {"/d/b=/d/a", "/d/c=/d/b", "/d/a=/d/c"}, {"b", "c", "a"}, {}, nullptr, 0},
      // The overwrite question, then where b's file is kept.
      {"stopped before its turn", kEditNameOnly, {"/d/a", "/d/b", "/d/x"}, true, {"b", "x", "x"},
       {Cancel}, EditOutcome::Stopped, {"/d/b=/d/a", "/d/b#1=/d/b", "/d/x=/d/x"},
       {"b", "x", "x"}, {}, "/d/x", 2}};
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(c.What);
    World w;
    for (const std::string& p : c.Listed) w.fs.AddFile(p, p);
    for (const std::string& p : c.Listed) ASSERT_TRUE(AddFile(w.fs, w.files, p));
    if (c.Listed == ay) w.fs.AddFile("/d/b", "old");
    w.fs.TrashAvailable = c.TrashWorks;
    Strings lines = c.Lines;
    w.session.Answers = {Answer::Yes};
    w.session.Answers.insert(w.session.Answers.end(), c.Answers.begin(), c.Answers.end());
    const EditApplied applied = ApplyEditedNames(w.fs, w.session, w.files, lines, c.Mode);
    EXPECT_EQ(applied.Outcome, c.Outcome);
    EXPECT_EQ(applied.LinesRemoved, lines.size() != c.Lines.size());
    Strings now, trashed;
    for (const std::string& p : w.Paths()) now.push_back(p + "=" + w.fs.File(p)->Content);
    for (const TrashedFile& t : w.fs.Trash()) trashed.push_back(t.File.Content);
    EXPECT_EQ(now, c.After);
    EXPECT_EQ(lines, c.LinesAfter);
    EXPECT_EQ(trashed, c.Trashed);
    ASSERT_EQ(w.session.Questions.size(), 1 + c.Asked);
    if (c.InTheWay) {
      EXPECT_EQ(w.session.Questions[1].Text, OverwriteQuestion(EnglishTexts(), c.InTheWay));
      EXPECT_EQ(w.session.Questions[1].Kind, Buttons::YesNoCancel);
      // Enter keeps the file in the way; the question says where a Yes sends it.
      EXPECT_EQ(w.session.Questions[1].Keeping, Answer::No);
      EXPECT_NE(w.session.Questions[1].Text.find("will be moved to the trash"), std::string::npos);
    }
    if (!c.TrashWorks) {  // the note names the file that stayed
      EXPECT_NE(w.session.Questions.back().Text.find(c.InTheWay), std::string::npos);
    }
    EXPECT_EQ(w.fs.Calls(FakeOp::Delete), 0);
    for (const char* p : {"/d/.varnoke-1.tmp", "/d/.varnoke-2.tmp"})
      EXPECT_FALSE(w.fs.Exists(p)) << p;
  }
}

// Names applied from the editor are a renaming like any other: journaled, shown in the
// history with the files they renamed, undone to the last name, and rolled back when cut
// short (its journal without its end, as a killed program leaves it), the file that went
// to the trash included both ways. Lines that name no change leave no journal.
TEST(EditNamesJournal, AppliedNamesAreJournaledUndoneAndRolledBackLikeAnyRun) {
  for (const bool cutShort : {false, true}) {
    SCOPED_TRACE(cutShort ? "cut short" : "complete");
    testing::World world;
    testing::TempDir state;
    PosixJournalDirectory journals(state.Path());
    testing::RenameRun run(world);
    Services services = run.Planning();
    services.Journals = &journals;
    for (const char* name : {"a.txt", "b.txt", "c.txt", "d.txt", "keep.txt", "in-the-way.txt"})
      world.Write(name, name);
    const Strings before = world.Files();
    TVrnFiles files;
    for (const char* name : {"a.txt", "b.txt", "c.txt", "d.txt", "keep.txt"})
      ASSERT_TRUE(AddFile(world.Fs(), files, world.At(name)));
    // A swap, a file onto one outside the list (to the trash on Yes), a rename, and a line
    // that names no change.
    Strings lines = {"b.txt", "a.txt", "in-the-way.txt", "d2.txt", "keep.txt"};
    run.session.Answers = {Answer::Yes, Answer::Yes};
    const EditApplied applied =
        ApplyEditedNames(world.Fs(), run.session, files, lines, kEditNameAndExt,
                         [&] { return StartEditJournal(services, "List 1"); });
    ASSERT_EQ(applied.Outcome, EditOutcome::Done);
    ASSERT_EQ(world.Files(), (Strings{"a.txt=b.txt", "b.txt=a.txt", "d2.txt=d.txt",
                                      "in-the-way.txt=c.txt", "keep.txt=keep.txt"}));
    ASSERT_EQ(journals.Names().size(), 1u);

    JournalKeeper keeper(journals, world.Fs(), run.clock, EnglishTexts());
    JournalOutcome outcome;
    if (cutShort) {
      const std::string path = state / journals.Names()[0];
      const std::string text = testing::ReadFile(path);
      ASSERT_NE(text.find("\nend\t"), std::string::npos);
      testing::WriteFile(path, text.substr(0, text.find("\nend\t") + 1));
      std::vector<std::string> problems;
      const std::vector<RunSummary> cut = keeper.Unfinished(problems);
      ASSERT_EQ(cut.size(), 1u);
      EXPECT_EQ(cut[0].Changed, 4);
      outcome = keeper.Recover(cut[0].Name, RecoveryWay::Rollback, run.session);
    } else {
      const std::vector<RunSummary> history = keeper.History();
      ASSERT_EQ(history.size(), 1u);
      EXPECT_EQ(history[0].Header.Origin, "Varnoke names editor \"List 1\"");
      EXPECT_EQ(history[0].Changed, 4);
      outcome = keeper.Undo(history[0].Name, run.session);
    }
    EXPECT_TRUE(outcome.Messages.empty()) << outcome.Messages[0];
    EXPECT_EQ(outcome.LeftAsTheyWere, 0);
    EXPECT_EQ(world.Files(), before);
    EXPECT_TRUE(world.Trashed().empty());

    Strings same = {EditLine(files.Items(0), kEditNameAndExt, world.Fs().Rules())};
    run.session.Answers = {Answer::Yes, Answer::Ok};
    bool asked = false;
    ApplyEditedNames(world.Fs(), run.session, files, same, kEditNameAndExt, [&] {
      asked = true;
      return JournalForRun{};
    });
    EXPECT_FALSE(asked);
  }
}

TEST_F(EditNamesTest, QuestionsBeforeTheFirstFile) {
  // Last: text of the last question
  // Listed: afterwards: lines follow entries by position
  // clang-format off
  const struct { const char* What; int Lines; std::vector<Answer> Answers; EditOutcome Outcome;
                 const char* Last; int Moves;
                 Strings Listed = {"/d/1", "/d/2", "/d/3"}; } cases[] = {
      {"not confirmed", 3, {Answer::No}, EditOutcome::NotStarted, kReallyRenameText.Source, 0},
      {"more lines: Cancel", 4, {Answer::Yes}, EditOutcome::NotStarted, kMoreLinesText.Source, 0},
      {"more lines: OK", 4, {Answer::Yes, Answer::Ok}, EditOutcome::Done, kMoreLinesText.Source, 3,
       {"/d/a", "/d/b", "/d/c"}},
      {"fewer lines: OK", 2, {Answer::Yes, Answer::Ok}, EditOutcome::Done, kFewerLinesText.Source,
       2, {"/d/a", "/d/b", "/d/3"}},
      {"fewer lines: Cancel", 2, {Answer::Yes, Answer::Cancel}, EditOutcome::NotStarted,
       kFewerLinesText.Source, 0},
  };
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(c.What);
    World w;
    w.List({"/d/1", "/d/2", "/d/3"});
    Strings lines = {"a", "b", "c", "d"};
    lines.resize(static_cast<std::size_t>(c.Lines));
    EXPECT_EQ(w.Apply(lines, kEditNameOnly, c.Answers), c.Outcome);
    EXPECT_EQ(w.session.Questions.back().Text, c.Last);
    EXPECT_EQ(w.Paths(), c.Listed);
    EXPECT_EQ(w.fs.Calls(FakeOp::MoveNoReplace), c.Moves);
  }
}

TEST_F(EditNamesTest, CaseButtonsOnASelection) {
  // clang-format off
  const struct { CaseChange Change; const char* In; const char* Out; } cases[] = {
      {CaseChange::Title, "AN_OLD-FILE.TXT", "An_Old-File.Txt"},
      {CaseChange::Title, "my holiday_photo-02.JPG\nx(y)z^w", "My Holiday_Photo-02.Jpg\nX(Y)Z^W"},
      {CaseChange::Title, "a/b\rc\xC3\xA9", "A/b\rc\xC3\xA9"},  // no separators; é untouched
      {CaseChange::Upper, "ab\xC3\xA9z", "AB\xC3\xA9Z"},
      {CaseChange::Lower, "AB.TXT", "ab.txt"},
  };
  // clang-format on
  for (const auto& c : cases) {
    std::string text = c.In;
    ChangeCase(text, c.Change);
    EXPECT_EQ(text, c.Out);
  }
}

TEST_F(EditNamesTest, NamesSurviveTheEditorUnchanged) {
  for (const std::string name :
       {"plain", "caf\xC3\xA9 \xF0\x9F\x93\xB7", "latin1 caf\xE9", "\xED\xA0\x80\xC0\xAF\xFF"}) {
    const std::u16string shown = NameTextToUtf16(name);
    EXPECT_EQ(Utf16ToNameText(shown), name);
  }
  EXPECT_EQ(NameTextToUtf16("caf\xC3\xA9"), u"caf\u00E9");
  // A name holding a line break shows it as "?" and is left alone while its line is.
  List({"/d/two\nlines", "/d/b"});
  Strings lines = EditLines(EditText(files, kEditNameOnly, fs.Rules(), session));
  EXPECT_EQ(lines, Strings({"two?lines", "b"}));
  EXPECT_EQ(Apply(lines, kEditNameOnly, {Answer::Yes}), EditOutcome::Done);
  EXPECT_EQ(fs.Calls(FakeOp::MoveNoReplace), 0);
}

}  // namespace
}  // namespace varnoke
