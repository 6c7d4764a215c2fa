#pragma once
// An options record that differs from the start-up defaults in every field, to see
// what a load, a save or a reset changes and what it leaves.
#include "model/TFiles.h"

namespace varnoke::testing {

inline TFiles RecordWithEveryFieldSet() {
  TFiles r;
  r.Flags = SearchSubdirs | SearchUseHidden | Enumerate;
  r.CaseMode = 3;
  r.Digits = 5;
  r.Step = 7;
  r.Start = 10;
  r.Transport = kTransportCopy;
  r.DateFlags = kDateModified;
  r.IncreaseFlags = kDateModified;
  r.Unused15 = 0xAB;
  r.CreatedDate = 11;
  r.AccessedDate = 12;
  r.ModifiedDate = 0x0123456789abcdefULL;
  r.CreatedInc = 14;
  r.AccessedInc = 15;
  r.ModifiedInc = 16;
  r.AttrMask = 0x21;
  r.AttrValues = 0x01;
  r.EditParts = 2;
  r.Columns = 9;
  r.Name = "Pic";
  r.Ext = "jpg";
  r.Path = "/target/";
  r.AddFiles = "/home/u/";
  r.DateString = "yyyy";
  r.Filters = {"*.txt", "a*"};
  return r;
}

}  // namespace varnoke::testing
