#pragma once
// The status bar of the list and preview windows: "Files:" and the number of entries,
// "Marked:" and the number of selected rows, and the selected entry's path.
#include <QStatusBar>
#include <array>

class QLabel;
class QString;

namespace varnoke {

class ListGrid;
class NoteLabel;

class ListStatusBar : public QStatusBar {
  Q_OBJECT

 public:
  explicit ListStatusBar(QWidget* parent);
  // Panels 1, 3 and 4 from the grid's list and selection; panel 4 names the entry only
  // when one row is selected.
  void ShowStatusOf(const ListGrid& grid);
  QLabel* Panel(int i) const { return panels_.at(static_cast<std::size_t>(i)); }
  // A note beside the panels (the preview's files without a time taken); empty: none.
  void ShowNote(const QString& note);
  QLabel* Note() const;

 private:
  // A value panel shows its value; screen readers hear its name with it ("Files: 3").
  void ShowValue(std::size_t i, const QString& value);

  std::array<QLabel*, 5> panels_ = {};
  NoteLabel* note_ = nullptr;
};

}  // namespace varnoke
