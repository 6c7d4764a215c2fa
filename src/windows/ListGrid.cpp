#include "windows/ListGrid.h"

#include <QAction>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QMenu>
#include <QStyledItemDelegate>
#include <algorithm>
#include <cmath>
#include <vector>

#include "files/ColLayoutValue.h"
#include "windows/EntryModels.h"
#include "windows/ListFormTexts.h"
#include "windows/QtText.h"
#include "windows/Tr.h"

namespace varnoke {

namespace {

// A row with a colour of its own (a name conflict is red) keeps it when selected; the
// selection shows in the text, drawn in the selection's text colour.
class OwnBackgroundDelegate final : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    if (!(option.state & QStyle::State_Selected) ||
        !index.data(Qt::BackgroundRole).canConvert<QBrush>()) {
      QStyledItemDelegate::paint(painter, option, index);
      return;
    }
    QStyleOptionViewItem kept(option);
    kept.state &= ~QStyle::State_Selected;
    kept.palette.setColor(QPalette::Text, option.palette.color(QPalette::HighlightedText));
    QStyledItemDelegate::paint(painter, kept, index);
  }
};

constexpr int kRowHeight = 18;
constexpr int kCellMargins = 12;  // the style's text margins on both sides, and a little air
constexpr int kOldNameBuiltInWidth = 120;  // the preview's old name, in the built-in font

}  // namespace

ListGrid::ListGrid(const ColumnWidths& builtInWidths, QWidget* parent)
    : QTableView(parent),
      builtIn_(ScaledBuiltInWidths(builtInWidths, fontMetrics().averageCharWidth())),
      oldNameWidth_(ScaledBuiltInWidth(kOldNameBuiltInWidth, fontMetrics().averageCharWidth())),
      words_(DefaultColLayout()) {
  setObjectName("DrawGrid1");
  setAccessibleName(Tr(kFileListName));
  setShowGrid(false);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(QAbstractItemView::ContiguousSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  // Whole rows are chosen, never cells: Tab goes on to the window's next control.
  setTabKeyNavigation(false);
  setItemDelegate(new OwnBackgroundDelegate(this));
  setWordWrap(false);
  setIconSize(QSize(16, 16));
  verticalHeader()->setVisible(false);
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setDefaultSectionSize(kRowHeight);
  verticalHeader()->setMinimumSectionSize(kRowHeight);
  horizontalHeader()->setSectionsMovable(true);
  horizontalHeader()->setHighlightSections(false);
  horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  horizontalHeader()->setDefaultSectionSize(static_cast<int>(kHiddenColumnWidth));
  horizontalHeader()->setMinimumSectionSize(1);
  horizontalHeader()->setStretchLastSection(false);
  horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
  connect(horizontalHeader(), &QHeaderView::sectionMoved, this, &ListGrid::OnSectionMoved);
  connect(horizontalHeader(), &QHeaderView::sectionDoubleClicked, this,
          [this](int logical) { emit headerDoubleClicked(logical); });
}

void ListGrid::SetEntryModel(EntryTableModel* model) {
  model_ = model;
  setModel(model);
  if (!model) return;
  // A time column without a stored width holds any time whole, in this font and the
  // user's date and time formats.
  const int timeWidth =
      fontMetrics().horizontalAdvance(Qt8(model->WidestTimeText())) + kCellMargins;
  for (int id : {kWrittenColumn, kAccessedColumn, kCreatedColumn})
    builtIn_[static_cast<std::size_t>(id)] =
        std::max(builtIn_[static_cast<std::size_t>(id)], timeWidth);
  ApplyLayout(std::nullopt);
}

void ListGrid::LoadLayout(const SettingsStore& settings) {
  words_ = ReadColLayout(settings);
  if (const int stored = ReadOldNameWidth(settings); stored > 0) oldNameWidth_ = stored;
  ApplyLayout(std::nullopt);
  SyncChecks();
}

void ListGrid::StoreLayout(SettingsStore& settings) {
  QHeaderView* header = horizontalHeader();
  for (std::size_t i = 0; i < ShownColumnCount(words_); ++i) {
    const std::uint32_t id = ColumnId(words_[i]);
    words_[i] = LayoutWord(id, true, static_cast<std::uint32_t>(header->sectionSize(int(id))));
  }
  WriteColLayout(settings, words_);
  if (HasOldName()) WriteOldNameWidth(settings, header->sectionSize(kOldNameColumn));
}

bool ListGrid::HasOldName() const {
  return model() && model()->columnCount() > kOldNameColumn;
}

void ListGrid::KeepOldNameLast() {
  if (!HasOldName()) return;
  QHeaderView* header = horizontalHeader();
  const bool applying = applying_;
  applying_ = true;
  header->moveSection(header->visualIndex(kOldNameColumn), header->count() - 1);
  applying_ = applying;
}

void ListGrid::ApplyLayout(std::optional<std::size_t> shownAgainAt) {
  QHeaderView* header = horizontalHeader();
  if (!header->model()) return;
  applying_ = true;
  for (std::size_t i = 0; i < kColumnCount; ++i) {
    const int id = static_cast<int>(ColumnId(words_[i]));
    header->moveSection(header->visualIndex(id), static_cast<int>(i));
    header->setSectionHidden(id, !ColumnShown(words_[i]));
    if (!ColumnShown(words_[i])) continue;
    if (shownAgainAt == i)
      header->resizeSection(id, static_cast<int>(kHiddenColumnWidth));
    else if (!shownAgainAt || ColumnWidth(words_[i]) > 0)
      header->resizeSection(id, EffectiveColumnWidth(words_[i], builtIn_));
  }
  if (HasOldName()) {
    KeepOldNameLast();
    if (!shownAgainAt) header->resizeSection(kOldNameColumn, oldNameWidth_);
  }
  applying_ = false;
}

bool ListGrid::PopColumnsClick(int columnId) {
  QHeaderView* header = horizontalHeader();
  std::vector<int> widths;
  for (std::size_t i = 0; i < ShownColumnCount(words_); ++i)
    widths.push_back(header->sectionSize(static_cast<int>(ColumnId(words_[i]))));
  const ColumnToggle toggle = ToggleColumn(words_, columnId, widths);
  if (toggle.Changed) ApplyLayout(toggle.ShownAt);
  SyncChecks();
  viewport()->update();
  return toggle.Changed;
}

void ListGrid::FillColumnsMenu(QMenu* menu) {
  for (int id = 0; id < static_cast<int>(kColumnCount); ++id) {
    QAction* item = menu->addAction(Tr(ColumnMenuCaption(id)));
    item->setObjectName(Qt8(ColumnMenuName(id)));
    item->setCheckable(true);
    connect(item, &QAction::triggered, this, [this, id] { PopColumnsClick(id); });
    checks_[id] = item;
  }
  SyncChecks();
}

void ListGrid::SyncChecks() {
  for (int id = 0; id < static_cast<int>(kColumnCount); ++id)
    if (checks_[id]) checks_[id]->setChecked(IsColumnShown(words_, id));
}

void ListGrid::OnSectionMoved(int logical, int oldVisual, int newVisual) {
  if (applying_) return;
  const std::optional<RowRange> rows = SelectedRows();
  // The old name stays after the nine: dragged itself, it goes back; another column
  // dragged past it lands before it.
  const int last = static_cast<int>(kColumnCount) - 1;
  KeepOldNameLast();
  if (logical != kOldNameColumn && oldVisual <= last)
    MoveColumn(words_, static_cast<std::size_t>(oldVisual),
               static_cast<std::size_t>(std::min(newVisual, last)));
  if (rows) SelectRows(rows->first, rows->second);
}

std::optional<RowRange> ListGrid::SelectedRows() const {
  if (!selectionModel()) return std::nullopt;
  int top = -1, bottom = -1;
  for (const QItemSelectionRange& range : selectionModel()->selection()) {
    if (top < 0 || range.top() < top) top = range.top();
    bottom = std::max(bottom, range.bottom());
  }
  if (top < 0) return std::nullopt;
  return RowRange{top, bottom};
}

int ListGrid::MarkedCount() const {
  // The empty row an empty list shows is no entry: it is never counted as marked.
  const int entries = model_ ? model_->EntryCount() : 0;
  const std::optional<RowRange> rows = SelectedRows();
  if (!rows || rows->first >= entries) return 0;
  return std::min(rows->second, entries - 1) - rows->first + 1;
}

void ListGrid::SelectRows(int first, int last) {
  if (!model() || !selectionModel()) return;
  const int rows = model()->rowCount();
  first = std::clamp(first, 0, rows - 1);
  last = std::clamp(last, first, rows - 1);
  const QItemSelection range(model()->index(first, 0),
                             model()->index(last, model()->columnCount() - 1));
  selectionModel()->select(range, QItemSelectionModel::ClearAndSelect);
  selectionModel()->setCurrentIndex(model()->index(first, 0), QItemSelectionModel::NoUpdate);
}

}  // namespace varnoke
