#include "model/TFiles.h"

#include <gtest/gtest.h>

#include "support/SampleOptions.h"

namespace varnoke {
namespace {

TFiles EverythingSet() {
  return testing::RecordWithEveryFieldSet();
}

TEST(TFiles, StartUpDefaults) {
  const TFiles o;
  EXPECT_EQ(o.Flags, 0u);
  EXPECT_EQ(o.Digits, 1);
  EXPECT_EQ(o.Step, 1);
  EXPECT_EQ(o.Start, 1);
  EXPECT_EQ(o.Transport, kTransportLeave);
  EXPECT_EQ(o.CreatedDate, 0u);
  EXPECT_EQ(o.ModifiedInc, 0u);
  EXPECT_TRUE(o.Filters.empty());
}

TEST(TFiles, BlockLayoutIsByteExactLittleEndian) {
  TFiles o;
  o.Flags = 0x00010023;
  o.CaseMode = 3;
  o.Digits = 4;
  o.Step = 0x0102;
  o.Start = -2;
  o.Transport = 7;  // out of the dialog's range: kept as it is
  o.DateFlags = 0x02;
  o.IncreaseFlags = 0x04;
  o.Unused15 = 0x99;
  o.CreatedDate = 0x0102030405060708ULL;
  o.AccessedDate = 0x1112131415161718ULL;
  o.ModifiedDate = 0x2122232425262728ULL;
  o.CreatedInc = kResetDate;
  o.AccessedInc = IncreaseBase;
  o.ModifiedInc = 0xFFFFFFFFFFFFFFFFULL;
  o.AttrMask = 0x27;
  o.AttrValues = 0x01;
  o.EditParts = 2;
  o.Columns = 0xFE;
  const OptionsBlock expected = {
      0x23, 0x00, 0x01, 0x00, 0x03, 0x04, 0x02, 0x01, 0xFE, 0xFF, 0xFF, 0xFF, 0x07, 0x02,
      0x04, 0x99, 0x08, 0x07, 0x06, 0x05, 0x04, 0x03, 0x02, 0x01, 0x18, 0x17, 0x16, 0x15,
      0x14, 0x13, 0x12, 0x11, 0x28, 0x27, 0x26, 0x25, 0x24, 0x23, 0x22, 0x21, 0xFF, 0x7F,
      0x2A, 0x9E, 0x9F, 0xE7, 0xA8, 0x01, 0x00, 0x80, 0xD5, 0xE1, 0x9F, 0xE7, 0xA8, 0x01,
      0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x27, 0x01, 0x02, 0xFE};
  EXPECT_EQ(o.EncodeBlock(), expected);
  TFiles back;
  back.DecodeBlock(expected);
  EXPECT_EQ(back, o);
}

TEST(TFiles, DecodingTakesOnlyTheFixedPart) {
  TFiles source = EverythingSet();
  TFiles target;
  target.Name = "kept";
  target.Filters = {"*.txt"};
  target.DecodeBlock(source.EncodeBlock());
  EXPECT_EQ(target.Flags, source.Flags);
  EXPECT_EQ(target.Columns, source.Columns);
  EXPECT_EQ(target.Name, "kept");
  EXPECT_EQ(target.Filters, std::vector<std::string>{"*.txt"});
}

TEST(TFiles, CopiesShareNothing) {
  TFiles a = EverythingSet();
  TFiles b = a;
  b.Filters.push_back("*.gif");
  b.Name = "Other";
  EXPECT_EQ(a.Filters.size(), 2u);
  EXPECT_EQ(a.Name, "Pic");
}

TEST(TFiles, ResetNameClearsEveryFlagAndTheNameGroupOnly) {
  TFiles o = EverythingSet();
  Resetname1Click(o);
  EXPECT_EQ(o.Flags, 0u);
  EXPECT_FALSE(o.Has(SearchSubdirs));
  EXPECT_EQ(o.CaseMode, 0);
  EXPECT_EQ(o.Name, "");
  EXPECT_EQ(o.Ext, "");
  EXPECT_EQ(o.Path, "");
  EXPECT_EQ(o.DateString, "");
  EXPECT_EQ(o.Digits, 1);
  EXPECT_EQ(o.Step, 1);
  EXPECT_EQ(o.Start, 1);
  EXPECT_EQ(o.Transport, kTransportLeave);
  EXPECT_EQ(o.EditParts, 0);
  // The search dialog keeps its directory and filters; dates and attributes stay.
  const TFiles all = EverythingSet();
  EXPECT_EQ(o.AddFiles, all.AddFiles);
  EXPECT_EQ(o.Filters, all.Filters);
  EXPECT_EQ(o.Columns, all.Columns);
  EXPECT_EQ(o.DateFlags, all.DateFlags);
  EXPECT_EQ(o.ModifiedDate, all.ModifiedDate);
  EXPECT_EQ(o.AttrMask, all.AttrMask);
}

TEST(TFiles, ResetDateSetsTheResetValueEverywhere) {
  TFiles o = EverythingSet();
  Resetdate1Click(o);
  EXPECT_EQ(o.DateFlags, 0);
  EXPECT_EQ(o.IncreaseFlags, 0);
  for (FileTime t : {o.CreatedDate, o.AccessedDate, o.ModifiedDate, o.CreatedInc, o.AccessedInc,
                     o.ModifiedInc}) {
    EXPECT_EQ(t, 0x01A8E79F9E2A7FFFULL);
  }
  EXPECT_EQ(o.Flags, EverythingSet().Flags);
  EXPECT_EQ(o.AttrMask, EverythingSet().AttrMask);
  EXPECT_EQ(o.Name, "Pic");
}

TEST(TFiles, ResetAllIsTheThreeGroupsInOrder) {
  TFiles o = EverythingSet();
  Resetall1Click(o);
  TFiles expected = EverythingSet();
  Resetname1Click(expected);
  Resetdate1Click(expected);
  Resetattribute1Click(expected);
  EXPECT_EQ(o, expected);
  EXPECT_EQ(o.AttrMask, 0);
  EXPECT_EQ(o.AttrValues, 0);
  EXPECT_EQ(o.Unused15, 0xAB);
  EXPECT_EQ(o.AddFiles, "/home/u/");
  EXPECT_EQ(o.Columns, 9);
}

TEST(TFiles, FlagHelpers) {
  TFiles o;
  o.Set(DeleteOnConflict, true);
  o.Set(DateFromClock, true);
  EXPECT_EQ(o.Flags, 0x00010002u);
  o.Set(DeleteOnConflict, false);
  EXPECT_FALSE(o.Has(DeleteOnConflict));
  EXPECT_TRUE(o.Has(DateFromClock));
}

}  // namespace
}  // namespace varnoke
