// Every control a user can reach in each window tells a screen reader what it is: its
// accessible name (its caption, a label's text, or a name of its own) is never empty.
#include <gtest/gtest.h>

#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <functional>
#include <memory>

#include "windows/DesktopFixture.h"
#include "windows/IconCache.h"
#include "windows/TAboutForm.h"
#include "windows/TAddFiles.h"
#include "windows/TEditChoiceForm.h"
#include "windows/TEditForm.h"
#include "windows/TFileSearchForm.h"
#include "windows/TMainForm.h"
#include "windows/TNameListForm.h"
#include "windows/TOptionsForm.h"
#include "windows/TPreferences.h"
#include "windows/TPreviewForm.h"

namespace varnoke {
namespace {

using AccessibleNames = DesktopFixture;

// The reachable controls of `window` without a name, by class and object name.
std::vector<std::string> Unnamed(QWidget* window) {
  std::vector<std::string> unnamed;
  for (QWidget* control : window->findChildren<QWidget*>()) {
    if (control->focusPolicy() == Qt::NoFocus || !control->isEnabledTo(window)) continue;
    // A spin box's or combo box's own text field is heard as the box.
    if (qobject_cast<QAbstractSpinBox*>(control->parentWidget()) ||
        qobject_cast<QComboBox*>(control->parentWidget()))
      continue;
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
    if (!accessible || accessible->text(QAccessible::Name).trimmed().isEmpty())
      unnamed.push_back(std::string(control->metaObject()->className()) + " " +
                        control->objectName().toStdString());
  }
  return unnamed;
}

TEST_F(AccessibleNames, EveryReachableControlOfEveryWindowHasOne) {
  MakeFiles(2);
  FileListOwner list(state.Settings.Defaults, state.ListCounter, EnglishTexts());
  list.Files.AddEntry(false, "/d", "f1", "txt", 1, 0x20, 0, 0, 0);
  list.Options.Flags = ChangeName | Enumerate;
  IconCache icons;
  TNameListForm owner(state);
  const struct {
    const char* Window;
    std::function<std::unique_ptr<QWidget>()> Make;
  } windows[] = {
      {"main", [&] { return std::make_unique<TMainForm>(state); }},
      {"list", [&] { return std::make_unique<TNameListForm>(state); }},
      {"options", [&] { return std::make_unique<TOptionsForm>(list, state, nullptr, nullptr); }},
      {"preview", [&] { return std::make_unique<TPreviewForm>(list, icons, services, nullptr); }},
      {"names editor", [&] { return std::make_unique<TEditForm>(list, services, 0, nullptr); }},
      {"search", [&] { return std::make_unique<TFileSearchForm>(owner, state, nullptr); }},
      {"add files", [&] { return std::make_unique<TAddFiles>(owner, state, nullptr); }},
      {"edit choice", [&] { return std::make_unique<TEditChoiceForm>(owner, state, nullptr); }},
      {"preferences", [&] { return std::make_unique<TPreferences>(state, nullptr); }},
      {"about", [&] { return std::make_unique<TAboutForm>(nullptr); }},
  };
  for (const auto& w : windows) {
    SCOPED_TRACE(w.Window);
    const std::unique_ptr<QWidget> window = w.Make();
    EXPECT_EQ(Unnamed(window.get()), std::vector<std::string>{});
  }
}

}  // namespace
}  // namespace varnoke
