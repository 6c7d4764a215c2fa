#include "windows/ListStatusBar.h"

#include <QLabel>

#include "windows/EntryModels.h"
#include "windows/ListGrid.h"
#include "windows/QtText.h"

namespace varnoke {

ListStatusBar::ListStatusBar(QWidget* parent) : QStatusBar(parent) {
  setObjectName("StatusBar");
  struct PanelShape {
    const char* Text;
    const char* Name;  // the accessible name of a panel that shows a value
    int Width;         // 0: takes the rest
    bool Framed;
  };
  constexpr std::array<PanelShape, 5> shapes = {{{"Files:", nullptr, 28, false},
                                                 {"", "Files", 60, true},
                                                 {"Marked:", nullptr, 45, false},
                                                 {"", "Marked", 60, true},
                                                 {"", "Selected file", 0, true}}};
  for (std::size_t i = 0; i < shapes.size(); ++i) {
    auto* panel = new QLabel(QString::fromLatin1(shapes[i].Text), this);
    panel->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
    if (shapes[i].Name) panel->setAccessibleName(QString::fromLatin1(shapes[i].Name));
    if (shapes[i].Framed) panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    // At least the panel's width, and never narrower than its caption.
    if (shapes[i].Width > 0)
      panel->setMinimumWidth(std::max(shapes[i].Width, panel->sizeHint().width()));
    panel->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    addWidget(panel, shapes[i].Width > 0 ? 0 : 1);
    panels_[i] = panel;
  }
}

void ListStatusBar::ShowStatusOf(const ListGrid& grid) {
  const EntryTableModel* model = grid.EntryModel();
  const int count = model ? model->EntryCount() : 0;
  panels_[1]->setText(QString::number(count));
  panels_[3]->setText(QString::number(grid.MarkedCount()));
  const std::optional<RowRange> rows = grid.SelectedRows();
  panels_[4]->setText(rows && rows->first == rows->second && rows->first < count
                          ? Qt8(model->StatusText(rows->first))
                          : QString());
}

}  // namespace varnoke
