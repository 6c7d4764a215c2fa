#include "windows/ListStatusBar.h"

#include <QLabel>
#include <QResizeEvent>
#include <optional>

#include "windows/EntryModels.h"
#include "windows/ListFormTexts.h"
#include "windows/ListGrid.h"
#include "windows/QtText.h"
#include "windows/Tr.h"

namespace varnoke {

namespace {

struct PanelShape {
  std::optional<UiText> Text;
  std::optional<UiText> Name;  // what a panel that shows a value is called, before its value
  int Width;                   // 0: takes the rest
  bool Framed;
};
constexpr std::array<PanelShape, 5> kShapes = {{{kStatusFilesCaption, std::nullopt, 28, false},
                                                {std::nullopt, kStatusFilesName, 60, true},
                                                {kStatusMarkedCaption, std::nullopt, 45, false},
                                                {std::nullopt, kStatusMarkedName, 60, true},
                                                {std::nullopt, kStatusSelectedName, 0, true}}};

QString TextOf(const std::optional<UiText>& text) {
  return text ? Tr(*text) : QString();
}

}  // namespace

// A note takes the room the panels leave it and no more: a longer one is cut with "…"
// rather than widening the window past the screen; its tool tip and accessible name
// carry it whole.
class NoteLabel final : public QLabel {
 public:
  explicit NoteLabel(QWidget* parent) : QLabel(parent) {}
  void SetNote(const QString& note) {
    note_ = note;
    setToolTip(note);
    updateGeometry();
    Fit();
  }
  QSize sizeHint() const override {
    const QMargins m = contentsMargins();
    return {fontMetrics().horizontalAdvance(note_) + m.left() + m.right() + 2 * margin(),
            QLabel::sizeHint().height()};
  }
  QSize minimumSizeHint() const override {
    return {fontMetrics().horizontalAdvance(QStringLiteral("\u2026")),
            QLabel::minimumSizeHint().height()};
  }

 protected:
  void resizeEvent(QResizeEvent* event) override {
    QLabel::resizeEvent(event);
    Fit();
  }

 private:
  void Fit() { setText(fontMetrics().elidedText(note_, Qt::ElideRight, contentsRect().width())); }

  QString note_;
};

ListStatusBar::ListStatusBar(QWidget* parent) : QStatusBar(parent) {
  setObjectName("StatusBar");
  for (std::size_t i = 0; i < kShapes.size(); ++i) {
    auto* panel = new QLabel(TextOf(kShapes[i].Text), this);
    panel->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
    if (kShapes[i].Name) panel->setAccessibleName(TextOf(kShapes[i].Name));
    if (kShapes[i].Framed) panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    // At least the panel's width, and never narrower than its caption.
    if (kShapes[i].Width > 0)
      panel->setMinimumWidth(std::max(kShapes[i].Width, panel->sizeHint().width()));
    panel->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    addWidget(panel, kShapes[i].Width > 0 ? 0 : 1);
    panels_[i] = panel;
  }
}

void ListStatusBar::ShowStatusOf(const ListGrid& grid) {
  const EntryTableModel* model = grid.EntryModel();
  const int count = model ? model->EntryCount() : 0;
  const std::optional<RowRange> rows = grid.SelectedRows();
  ShowValue(1, QString::number(count));
  ShowValue(3, QString::number(grid.MarkedCount()));
  ShowValue(4, rows && rows->first == rows->second && rows->first < count
                   ? Qt8(model->StatusText(rows->first))
                   : QString());
}

QLabel* ListStatusBar::Note() const {
  return note_;
}

void ListStatusBar::ShowNote(const QString& note) {
  if (!note_) {
    note_ = new NoteLabel(this);
    note_->setObjectName(QStringLiteral("StatusNote"));
    note_->setAccessibleName(Tr(kStatusNoteName));
    note_->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    addPermanentWidget(note_);
  }
  note_->SetNote(note);
  note_->setAccessibleName(note.isEmpty() ? Tr(kStatusNoteName) : note);
  note_->setVisible(!note.isEmpty());
}

void ListStatusBar::ShowValue(std::size_t i, const QString& value) {
  const QString name = TextOf(kShapes[i].Name);
  panels_[i]->setText(value);
  panels_[i]->setAccessibleName(value.isEmpty() ? name : Tr(kStatusPanelValue).arg(name, value));
}

}  // namespace varnoke
