#include "app/desktop/MainFormLists.h"

#include "windows/TNameListForm.h"

namespace varnoke {

FileListOwner& MainFormLists::OpenList() {
  return main_.NewfilelistClick()->List();
}

FileListOwner* MainFormLists::ActiveList() {
  TNameListForm* active = main_.ActiveList();
  return active ? &active->List() : nullptr;
}

void MainFormLists::ShowList(FileListOwner& list) {
  for (TNameListForm* window : main_.Lists()) {
    if (&window->List() != &list) continue;
    window->setWindowTitle(QString::fromStdString(list.Caption));
    window->RefreshGrid();
  }
}

void TakeHandOver(TMainForm& main, Services& services, const std::vector<std::string>& handed) {
  main.showNormal();
  main.raise();
  main.activateWindow();
  MainFormLists lists(main);
  ProcessTransferredParameters(handed, lists, services);
}

}  // namespace varnoke
