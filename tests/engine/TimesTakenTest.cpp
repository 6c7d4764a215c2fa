// Names, new file times and the list's order from the times the files were taken: the
// fallback to file times and what the preview says of it, one read per entry, and
// Cancel while a long list is read.
#include "engine/TimesTaken.h"

#include "PlanningFixture.h"
#include "engine/TakenMessages.h"

namespace varnoke {
namespace {

class TimesTaken : public Planning {
 protected:
  // Lists c:\data\NAME.EXT, written `written` (UTC), recording `stamp` as its time taken.
  void ListTaken(const std::string& name, const std::string& ext, std::optional<TakenStamp> stamp,
                 FileTime written = Calendar(2001, 2, 3, 4, 5, 6)) {
    List(name, ext, FileTimes{0, 0, written});
    taken.Set(fs.Rules().Join("c:\\data", name, ext), stamp, 0, written);
  }

  std::vector<bool> Marks() const {
    std::vector<bool> marks;
    for (int i = 0; i < preview.Count(); ++i) marks.push_back(preview.Items(i).NoTimeTaken);
    return marks;
  }
};

TEST_F(TimesTaken, DateCodesComeFromTheTimeTakenElseTheFileTime) {
  ListTaken("a", "jpg", TakenStamp{Calendar(2019, 5, 6, 7, 8, 9), {}});  // the camera's clock
  ListTaken("b", "mp4", TakenStamp{Calendar(2019, 5, 6, 10, 0, 0), 0});  // UTC: local is +1 h
  ListTaken("c", "txt", std::nullopt);
  options.Flags = ChangeName | DateFromTaken;
  options.Name = "|";
  options.DateString = "yymmdd_hhnnss";
  ASSERT_TRUE(Plan());
  EXPECT_EQ(Names(), (std::vector<std::string>{"190506_070809.jpg", "190506_110000.mp4",
                                               "010203_040506.txt"}));
  EXPECT_EQ(Marks(), (std::vector<bool>{false, false, true}));
  EXPECT_EQ(TimeTakenNotes(EnglishTexts(), preview, options),
            std::vector<std::string>{"1 file has no time taken; its file time is used"});

  // A set made before the time taken existed has the bit clear: file times, as before. The
  // clock wins where both bits are set, as a program that knows only the clock reads it.
  for (const auto& [flags, first] :
       {std::pair{ChangeName, "010203_040506.jpg"},
        {ChangeName | DateFromTaken | DateFromClock, "200607_090910.jpg"}}) {
    options.Flags = flags;
    preview.Clear();
    ASSERT_TRUE(Plan());
    EXPECT_EQ(Names().front(), first);
    EXPECT_EQ(Marks(), (std::vector<bool>{false, false, false}));
  }
}

TEST_F(TimesTaken, NewFileTimesComeFromTheTimeTakenOrStayAsTheyAre) {
  ListTaken("a", "jpg", TakenStamp{Calendar(2019, 5, 6, 7, 8, 9), {}});
  ListTaken("c", "txt", std::nullopt);
  options.DateFlags = kDateModified | kDateCreated;
  options.Flags = ModifiedFromTaken;
  options.ModifiedDate = options.CreatedDate = Calendar(2024, 1, 1, 12, 0, 0);
  ASSERT_TRUE(Plan());
  ASSERT_EQ(preview.Count(), 2);
  EXPECT_EQ(preview.Items(0).Written, Calendar(2019, 5, 6, 6, 8, 9));  // local 07:08:09 as UTC
  EXPECT_EQ(preview.Items(1).Written, Calendar(2001, 2, 3, 4, 5, 6));  // left as it was
  for (int i = 0; i < 2; ++i) EXPECT_EQ(preview.Items(i).Created, Calendar(2024, 1, 1, 11, 0, 0));
  EXPECT_EQ(Marks(), (std::vector<bool>{false, true}));
  EXPECT_EQ(TimeTakenNotes(EnglishTexts(), preview, options),
            std::vector<std::string>{"1 file has no time taken; its times are left unchanged"});
  EXPECT_EQ(NoTimeTakenForTimesNote(EnglishTexts(), 3),
            "3 files have no time taken; their times are left unchanged");
  EXPECT_EQ(NoTimeTakenForNamesNote(EnglishTexts(), 2),
            "2 files have no time taken; their file time is used");
}

TEST_F(TimesTaken, EachEntryIsReadOnceAndOnlyWhenSomethingNeedsIt) {
  ListTaken("a", "jpg", TakenStamp{Calendar(2019, 5, 6), {}});
  ListTaken("b", "jpg", TakenStamp{Calendar(2019, 5, 7), {}});
  ListTaken("c", "jpg", TakenStamp{Calendar(2019, 5, 8), {}});
  files.AddEntry(true, "c:\\data", "busy", "jpg", 0, 0, 0, 0, 0);  // times 0: 1601-01-01
  // b was changed after it was listed: what is read serves once, then is read again.
  taken.Set("c:\\data\\b.jpg", TakenStamp{Calendar(2019, 5, 7), {}}, 99, 0);
  options.Flags = ChangeName | DateFromTaken;
  options.Name = "x";  // no date code: nothing to read
  ASSERT_TRUE(Plan());
  EXPECT_EQ(taken.Reads(), 0);
  options.Name = "|";
  options.DateString = "dd";
  for (int run = 0; run < 2; ++run) {
    preview.Clear();
    ASSERT_TRUE(Plan());
    EXPECT_EQ(Names(), (std::vector<std::string>{"06.jpg", "07.jpg", "08.jpg", "01.jpg"}));
  }
  EXPECT_EQ(taken.ReadsOf("c:\\data\\a.jpg"), 1);
  EXPECT_EQ(taken.ReadsOf("c:\\data\\b.jpg"), 2);
  EXPECT_EQ(taken.ReadsOf("c:\\data\\busy.jpg"), 0);
}

TEST_F(TimesTaken, SortsStablyWithFileTimesInLocalTimeAmongTheTimesTaken) {
  ListTaken("x", "jpg", TakenStamp{Calendar(2020, 1, 1, 12, 0, 0), {}});
  ListTaken("y", "txt", std::nullopt, Calendar(2020, 1, 1, 10, 30, 0));  // local 11:30
  ListTaken("z", "jpg", TakenStamp{Calendar(2020, 1, 1, 11, 30, 0), {}});
  ListTaken("w", "jpg", TakenStamp{Calendar(2019, 1, 1), {}});
  ASSERT_TRUE(SortByTimeTaken(files, Context()));
  std::string order;
  for (const TVrnFile& f : files) order += f.Name();
  EXPECT_EQ(order, "wyzx");
}

TEST_F(TimesTaken, CancelWhileALongListIsReadPlansNothing) {
  for (int i = 0; i < 300; ++i)
    ListTaken("p" + std::to_string(i), "jpg", TakenStamp{Calendar(2019, 5, 6), {}});
  options.Flags = ChangeName | DateFromTaken;
  options.Name = "|";
  session.OnPump = [this] { session.CancelPressed = true; };
  EXPECT_FALSE(Plan());
  EXPECT_TRUE(session.CancelOffered);
  EXPECT_EQ(preview.Count(), 0);
  EXPECT_FALSE(session.ProgressOpen);
  for (const TVrnFile& f : files) EXPECT_EQ(f.TakenState, TVrnFile::Taken::Unread);

  std::vector<std::string> unsorted;
  for (const TVrnFile& f : files) unsorted.emplace_back(f.Name());
  EXPECT_FALSE(SortByTimeTaken(files, Context()));
  std::vector<std::string> after;
  for (const TVrnFile& f : files) after.emplace_back(f.Name());
  EXPECT_EQ(after, unsorted);

  session.CancelPressed = false;
  session.OnPump = nullptr;
  EXPECT_TRUE(Plan());
  EXPECT_EQ(preview.Count(), 300);
  EXPECT_EQ(session.Events.front(),
            "start:" + std::string(kReadingTimesTakenLabel.Source) + ":300");
}

}  // namespace
}  // namespace varnoke
