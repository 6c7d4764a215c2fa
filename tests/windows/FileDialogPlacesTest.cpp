// Where the file dialogs of the lists and options sets open, on real files: beside the
// active list's own file, else beside its first file, else where the user last chose a
// file in this session, else in the home directory.
#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <functional>

#include "windows/DesktopFixture.h"
#include "windows/TMainForm.h"
#include "windows/TNameListForm.h"
#include "windows/TOptionsForm.h"

namespace varnoke {
namespace {

class FileDialogPlacesTest : public DesktopOnRealFiles {
 protected:
  void SetUp() override {
    for (const char* name : {"home", "lists", "photos", "sets"}) files.MakeDir(name);
    Write({"photos/a.jpg", "photos/b.jpg"});
    files.Write("lists/two.vls", At("photos/a.jpg") + "\r\n" + At("photos/b.jpg") + "\r\n");
    services.BrowseStart = At("home") + "/";
    state.Choose = [this](QWidget*, ChooseFor, const QString&, const QString& directory,
                          const QString&) {
      opened_ = directory.toStdString();
      return answer_;
    };
  }
  QAction* Item(const char* name) { return main.findChild<QAction*>(name); }
  // An item of the active list window's context menu.
  QAction* ListItem(const char* name) { return main.ActiveList()->findChild<QAction*>(name); }

  std::string opened_;                 // where the last dialog opened
  std::optional<std::string> answer_;  // what the user chooses there; nothing: cancelled
  TMainForm main{state};
};

TEST_F(FileDialogPlacesTest, DialogsOpenWhereTheListsFilesAre) {
  const auto active = [this] { return main.ActiveList(); };
  const auto activate = [this](int window) {
    main.Workspace()->setActiveSubWindow(main.Workspace()->subWindowList().at(window));
  };
  const struct {
    const char* What;
    std::function<void()> Action;
    const char* Answer;  // chosen in the dialog; null: cancelled
    const char* Opened;  // "home/" is the home directory
  } steps[] = {
      {"no list yet: home", [&] { Item("Importfilelist1")->trigger(); }, "lists/two.vls", "home/"},
      {"an imported list: beside its file", [&] { active()->Saveas1Click(); }, "sets/x.vns",
       "lists"},
      {"its file comes before the last directory chosen",
       [&] { ListItem("Savefilelist1")->trigger(); }, nullptr, "lists"},
      {"an empty new list: the last directory chosen",
       [&] { Item("Newfilelist1")->trigger(), ListItem("Addfiles3")->trigger(); }, nullptr, "sets"},
      {"a new list of files: beside its first file",
       [&] {
         active()->AddPaths({At("photos/b.jpg")}, 10);
         ListItem("Addfiles3")->trigger();
       },
       nullptr, "photos"},
      {"the options dialog of that list",
       [&] { TOptionsForm(active()->List(), state, {}, active()).Open1Click(); }, nullptr,
       "photos"},
      {"saving that list", [&] { ListItem("Savefilelist1")->trigger(); }, "home/p.vls", "photos"},
      {"the other list chooses elsewhere", [&] { activate(0), active()->Saveas1Click(); },
       "sets/y.vns", "lists"},
      {"the saved list: beside its file, before its first file and the last chosen",
       [&] { activate(1), active()->Open1Click(); }, nullptr, "home"},
  };
  for (const auto& s : steps) {
    SCOPED_TRACE(s.What);
    answer_ = s.Answer ? std::optional<std::string>(At(s.Answer)) : std::nullopt;
    opened_.clear();
    s.Action();
    EXPECT_EQ(opened_, At(s.Opened));
  }
  ASSERT_EQ(main.Lists().size(), 2);
  EXPECT_EQ(main.Lists()[0]->List().Files.Count(), 2);
  EXPECT_EQ(main.Lists()[1]->List().Caption, At("home/p.vls"));
}

}  // namespace
}  // namespace varnoke
