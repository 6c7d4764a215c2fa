#include "model/TFiles.h"

#include <gtest/gtest.h>

#include "support/SampleOptions.h"

namespace varnoke {
namespace {

using testing::RecordWithEveryFieldSet;

TEST(TFiles, BlockLayoutIsByteExactLittleEndianAndDecodingTakesOnlyTheFixedPart) {
  TFiles o;
  o.Flags = Enumerate | DeleteOnConflict | ChangeName | Advanced | DateFromClock;
  o.Set(ChangeName, false);
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
  TFiles back = RecordWithEveryFieldSet();
  back.DecodeBlock(expected);
  EXPECT_EQ(back.EncodeBlock(), expected);
  EXPECT_EQ(back.Transport, 7);
  EXPECT_EQ(back.Name, "Pic");
  EXPECT_EQ(back.Filters, RecordWithEveryFieldSet().Filters);
}

// Each reset against a whole record: what it sets and, as much, what it leaves.
TEST(TFiles, ResetsChangeTheirGroupOnly) {
  TFiles name = RecordWithEveryFieldSet();  // the name group; the search keeps its own
  name.Flags = 0;
  name.CaseMode = name.EditParts = 0;
  name.Digits = 1;
  name.Step = 1;
  name.Start = 1;
  name.Transport = kTransportLeave;
  name.Name = name.Ext = name.Path = name.DateString = "";
  TFiles date = RecordWithEveryFieldSet();
  date.DateFlags = date.IncreaseFlags = 0;
  for (FileTime* t : {&date.CreatedDate, &date.AccessedDate, &date.ModifiedDate, &date.CreatedInc,
                      &date.AccessedInc, &date.ModifiedInc})
    *t = 0x01A8E79F9E2A7FFFULL;
  TFiles attr = RecordWithEveryFieldSet();
  attr.AttrMask = attr.AttrValues = 0;
  TFiles all = name;
  all.DateFlags = all.IncreaseFlags = all.AttrMask = all.AttrValues = 0;
  all.CreatedDate = all.AccessedDate = all.ModifiedDate = date.CreatedDate;
  all.CreatedInc = all.AccessedInc = all.ModifiedInc = date.CreatedDate;
  const struct {
    void (*Reset)(TFiles&);
    const TFiles& Expected;
  } cases[] = {{Resetname1Click, name},
               {Resetdate1Click, date},
               {Resetattribute1Click, attr},
               {Resetall1Click, all}};
  for (const auto& c : cases) {
    TFiles o = RecordWithEveryFieldSet();
    c.Reset(o);
    EXPECT_EQ(o, c.Expected);
  }
  // The start-up defaults are the reset values, but for dates of zero.
  TFiles fresh;
  Resetall1Click(fresh);
  TFiles expected;
  expected.CreatedDate = expected.AccessedDate = expected.ModifiedDate = date.CreatedDate;
  expected.CreatedInc = expected.AccessedInc = expected.ModifiedInc = date.CreatedDate;
  EXPECT_EQ(fresh, expected);
  EXPECT_EQ(TFiles().CreatedDate, 0u);
}

}  // namespace
}  // namespace varnoke
