#pragma once
// The main window's list windows as the hand-over of parameters uses them.
#include <string>
#include <vector>

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

// What the running instance does with a later start's parameters: it comes to the front,
// restored from minimised or maximised, and opens or fills lists as they say.
void TakeHandOver(TMainForm& main, Services& services, const std::vector<std::string>& handed);

}  // namespace varnoke
