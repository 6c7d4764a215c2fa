#pragma once
// The main window's list windows as the hand-over of parameters uses them.
#include "app/TransferredParameters.h"
#include "windows/TMainForm.h"

namespace varnoke {

class MainFormLists final : public ListWindows {
 public:
  explicit MainFormLists(TMainForm& main) : main_(main) {}
  FileListOwner& OpenList() override;
  FileListOwner* ActiveList() override;
  void ShowList(FileListOwner& list) override;

 private:
  TMainForm& main_;
};

}  // namespace varnoke
