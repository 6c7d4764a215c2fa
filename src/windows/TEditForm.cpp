#include "windows/TEditForm.h"

#include <QAction>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QStyle>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QToolButton>
#include <QVBoxLayout>
#include <optional>

#include "engine/EditMessages.h"
#include "files/WindowPlacement.h"
#include "windows/EditFormTexts.h"
#include "windows/QtText.h"
#include "windows/Tr.h"
#include "windows/WindowPosition.h"

namespace varnoke {
namespace {

constexpr int kButtonSize = 41;

// A tool-bar button: its hint, and the theme icon or the text that shows it.
struct ButtonSpec {
  UiText Hint;
  const char* Icon;  // null: the text below
  const char* Text;
};

constexpr ButtonSpec kButtons[] = {
    {kEditStartHint, "media-playback-start", nullptr},
    {kEditCancelHint, "process-stop", nullptr},
    {kEditReimportHint, "view-refresh", nullptr},
    {kEditCopyHint, "edit-copy", nullptr},
    {kEditPasteHint, "edit-paste", nullptr},
    {kEditUpperCaseHint, nullptr, "AB"},
    {kEditLowerCaseHint, nullptr, "ab"},
    {kEditTitleCaseHint, nullptr, "Ab"},
};
constexpr int kSeparatorAfter = 5;  // between the clipboard and the case buttons

// The memo keeps the case shortcuts for the window: some platforms bind Ctrl+U in a
// text editor to deleting the line.
class CaseShortcuts final : public QObject {
 public:
  CaseShortcuts(std::vector<QKeySequence> keys, QObject* parent)
      : QObject(parent), keys_(std::move(keys)) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::ShortcutOverride) {
      const auto* key = static_cast<QKeyEvent*>(event);
      const QKeySequence pressed(key->keyCombination());
      for (const QKeySequence& k : keys_)
        if (k == pressed) {
          event->ignore();
          return true;
        }
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  std::vector<QKeySequence> keys_;
};

}  // namespace

TEditForm::TEditForm(FileListOwner& list, Services& services, int mode, QWidget* parent)
    : QDialog(parent), list_(list), services_(services), mode_(EditModeOf(mode)) {
  setObjectName("EditForm");
  setWindowTitle(Tr(kEditFormCaption));
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);
  resize(kClientWidth, kClientHeight);

  auto* bar = new QFrame(this);
  bar->setObjectName("Panel1");
  BuildToolBar(bar);
  Memo1 = new QPlainTextEdit(this);
  Memo1->setObjectName("Memo1");
  Memo1->setAccessibleName(Tr(kEditMemoName));
  Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
  Memo1->setTabChangesFocus(true);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(bar);
  layout->addWidget(Memo1, 1);
  BuildMenus();
  setFocusProxy(Memo1);
}

TEditForm::~TEditForm() {
  WritePlacement(services_.Settings, kEditWinPos, PlacementOf(*this));
}

void TEditForm::BuildToolBar(QWidget* bar) {
  auto* row = new QHBoxLayout(bar);
  row->setContentsMargins(2, 2, 2, 2);
  row->setSpacing(1);
  QToolButton** buttons[] = {&SpeedButton1, &SpeedButton2, &SpeedButton3, &SpeedButton4,
                             &SpeedButton5, &SpeedButton6, &SpeedButton7, &SpeedButton8};
  for (int i = 0; i < 8; ++i) {
    const ButtonSpec& spec = kButtons[i];
    auto* button = new QToolButton(bar);
    *buttons[i] = button;
    button->setObjectName(QString("SpeedButton%1").arg(i + 1));
    button->setFixedSize(kButtonSize, kButtonSize);
    button->setAutoRaise(true);
    button->setToolTip(Tr(spec.Hint));
    button->setAccessibleName(Tr(spec.Hint));
    button->setFocusPolicy(Qt::TabFocus);
    if (spec.Icon) {
      button->setIcon(QIcon::fromTheme(spec.Icon, style()->standardIcon(QStyle::SP_FileIcon)));
      button->setIconSize(QSize(24, 24));
    } else {
      button->setText(spec.Text);
    }
    row->addWidget(button);
    if (i + 1 == kSeparatorAfter) {
      auto* bevel = new QFrame(bar);
      bevel->setFrameShape(QFrame::VLine);
      bevel->setFrameShadow(QFrame::Sunken);
      row->addWidget(bevel);
    }
  }
  row->addStretch(1);
  connect(SpeedButton1, &QToolButton::clicked, this, &TEditForm::SpeedButton1Click);
  connect(SpeedButton2, &QToolButton::clicked, this, &TEditForm::SpeedButton2Click);
  connect(SpeedButton3, &QToolButton::clicked, this, &TEditForm::UpdateList);
  connect(SpeedButton4, &QToolButton::clicked, this, [this] { Memo1->copy(); });
  connect(SpeedButton5, &QToolButton::clicked, this, [this] { Memo1->paste(); });
  connect(SpeedButton6, &QToolButton::clicked, this,
          [this] { ChangeSelection(CaseChange::Upper); });
  connect(SpeedButton7, &QToolButton::clicked, this,
          [this] { ChangeSelection(CaseChange::Lower); });
  connect(SpeedButton8, &QToolButton::clicked, this,
          [this] { ChangeSelection(CaseChange::Title); });
}

void TEditForm::BuildMenus() {
  auto* menus = new QMenuBar(this);
  menus->setObjectName("MainMenu1");
  layout()->setMenuBar(menus);
  const auto add = [this](QMenu* menu, const char* name, const UiText& caption, QKeySequence key,
                          auto handler) {
    QAction* action = menu->addAction(Tr(caption));
    action->setObjectName(name);
    if (!key.isEmpty()) action->setShortcut(key);
    connect(action, &QAction::triggered, this, handler);
    return action;
  };
  QMenu* rename = menus->addMenu(Tr(kEditRenameMenu));
  rename->setObjectName("Rename1");
  add(rename, "Start1", kEditStartItem, {}, [this] { SpeedButton1Click(); });
  add(rename, "Cancel1", kEditCancelItem, {}, [this] { SpeedButton2Click(); });

  QMenu* names = menus->addMenu(Tr(kEditFileNamesMenu));
  names->setObjectName("Filenames1");
  add(names, "Reimport1", kEditReimportItem, {}, [this] { UpdateList(); });
  add(names, "Copy1", kEditCopyItem, QKeySequence(Qt::CTRL | Qt::Key_C), [this] { Memo1->copy(); });
  add(names, "Paste1", kEditPasteItem, QKeySequence(Qt::CTRL | Qt::Key_V),
      [this] { Memo1->paste(); });
  names->addSeparator();
  add(names, "Selectall1", kEditSelectAllItem, QKeySequence(Qt::CTRL | Qt::Key_A),
      [this] { Selectall1Click(); });

  QMenu* letterCase = menus->addMenu(Tr(kEditCaseMenu));
  letterCase->setObjectName("Case1");
  const QKeySequence upper(Qt::CTRL | Qt::Key_U), lower(Qt::CTRL | Qt::Key_L),
      title(Qt::CTRL | Qt::Key_T);
  add(letterCase, "UPPERCASE1", kEditUpperCaseItem, upper,
      [this] { ChangeSelection(CaseChange::Upper); });
  add(letterCase, "lowercase1", kEditLowerCaseItem, lower,
      [this] { ChangeSelection(CaseChange::Lower); });
  add(letterCase, "TitleCase1", kEditTitleCaseItem, title,
      [this] { ChangeSelection(CaseChange::Title); });
  Memo1->installEventFilter(new CaseShortcuts({upper, lower, title}, this));
}

void TEditForm::showEvent(QShowEvent* event) {
  if (!shown_) {
    shown_ = true;
    // A placement the platform cannot apply is passed over: a Qt window always takes one.
    if (const std::optional<WindowPlacement> stored =
            ReadPlacement(services_.Settings, kEditWinPos))
      ApplyPlacement(*this, *stored);
    UpdateList();
    Memo1->setFocus();  // the editor opens with the cursor in the names, not on a button
  }
  QDialog::showEvent(event);
}

void TEditForm::UpdateList() {
  SetText(EditText(list_.Files, mode_, services_.Fs.Rules(), services_.Ui));
  Memo1->document()->setModified(false);
}

void TEditForm::SetText(const std::string& text) {
  Memo1->setPlainText(QString::fromStdU16String(NameTextToUtf16(text)));
}

std::vector<std::string> TEditForm::Lines() const {
  // The raw text keeps what the plain text would turn into blanks or line breaks.
  QString text = Memo1->document()->toRawText();
  text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
  return EditLines(Utf16ToNameText(text.toStdU16String()));
}

void TEditForm::SpeedButton1Click() {
  std::vector<std::string> lines = Lines();
  const EditApplied applied =
      ApplyEditedNames(services_.Fs, services_.Ui, list_.Files, lines, mode_,
                       [this] { return StartEditJournal(services_, list_.Caption); });
  switch (applied.Outcome) {
    case EditOutcome::NotStarted:
      return;
    case EditOutcome::Stopped:
      if (applied.LinesRemoved) {  // the lines of vanished files are gone from the text too
        const bool modified = Memo1->document()->isModified();
        SetText(EditTextOf(lines));
        Memo1->document()->setModified(modified);
      }
      return;
    case EditOutcome::Done:
      Memo1->document()->setModified(false);
      accept();
      return;
  }
}

void TEditForm::Selectall1Click() {
  Memo1->selectAll();
}

void TEditForm::ChangeSelection(CaseChange change) {
  QTextCursor cursor = Memo1->textCursor();
  if (!cursor.hasSelection()) return;
  QString selected = cursor.selectedText();
  selected.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
  std::string text = Utf16ToNameText(selected.toStdU16String());
  ChangeCase(text, change);
  const QString changed = QString::fromStdU16String(NameTextToUtf16(text));
  if (changed == selected) return;
  const int start = cursor.selectionStart();
  cursor.insertText(changed);
  cursor.setPosition(start);
  cursor.setPosition(start + static_cast<int>(changed.size()), QTextCursor::KeepAnchor);
  Memo1->setTextCursor(cursor);
}

void TEditForm::reject() {
  if (Memo1->document()->isModified() &&
      services_.Ui.askKeeping(services_.Ui.texts().Text(kDiscardChangesText),
                              services_.Ui.texts().Text(kEditWarningCaption), Buttons::OkCancel,
                              Icon::Warning, Answer::Cancel) != Answer::Ok)
    return;
  QDialog::reject();
}

}  // namespace varnoke
