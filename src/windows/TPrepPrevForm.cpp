#include "windows/TPrepPrevForm.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QPixmap>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTimer>
#include <string_view>

#include "engine/Messages.h"
#include "windows/QtText.h"
#include "windows/Tr.h"
#include "windows/WindowTexts.h"

static void InitWindowResources() {
  Q_INIT_RESOURCE(resources);
}

namespace varnoke {

namespace {

// The ellipses of the shape as left, top, right and bottom edges.
constexpr int kEllipses[9][4] = {
    {0, 20, 100, 100},   {50, 0, 250, 100},   {20, 100, 400, 180},
    {0, 50, 380, 150},   {180, 0, 280, 50},   {200, 20, 400, 100},
    {10, 150, 100, 200}, {60, 150, 250, 200}, {200, 150, 370, 200},
};

const QColor kBackground(0, 128, 255);
const QColor kLabelColour(255, 221, 0);

}  // namespace

TPrepPrevForm::TPrepPrevForm(QWidget* owner)
    : QWidget(owner, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::Tool),
      Image1(new QLabel(this)),
      BlinkLabel(new QLabel(this)),
      Gauge(new QProgressBar(this)),
      BlinkTimer(new QTimer(this)),
      CancelButton(new QPushButton(this)) {
  InitWindowResources();
  setObjectName(QStringLiteral("PrepPrevForm"));
  setWindowTitle(Tr(kProgressWindowName));
  setAttribute(Qt::WA_DeleteOnClose);
  setFixedSize(kClientWidth, kClientHeight);

  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, kBackground);
  setPalette(palette);
  setAutoFillBackground(true);

  Image1->setObjectName(QStringLiteral("Image1"));
  Image1->setGeometry(40, 24, 321, 105);
  Image1->setScaledContents(true);
  Image1->setPixmap(QPixmap(QStringLiteral(":/images/varnoke.png")));
  Image1->setAccessibleName(Qt8(kProgramName));

  BlinkLabel->setObjectName(QStringLiteral("BlinkLabel"));
  BlinkLabel->setGeometry(56, 128, 279, 19);
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(16);
  font.setBold(true);
  BlinkLabel->setFont(font);
  QPalette labelPalette = BlinkLabel->palette();
  labelPalette.setColor(QPalette::WindowText, kLabelColour);
  BlinkLabel->setPalette(labelPalette);
  BlinkLabel->setText(Tr(kPreparingPreviewLabel));

  Gauge->setObjectName(QStringLiteral("Gauge"));
  Gauge->setGeometry(56, 160, 281, 25);
  Gauge->setOrientation(Qt::Horizontal);
  Gauge->setAlignment(Qt::AlignCenter);
  Gauge->setStyleSheet(
      QStringLiteral("QProgressBar { background: white; border: 1px solid black; color: black; }"
                     "QProgressBar::chunk { background: rgb(255, 0, 0); }"));
  Gauge->setRange(0, 100);
  Gauge->setValue(0);
  Gauge->setAccessibleName(Tr(kProgressGaugeName));

  CancelButton->setObjectName(QStringLiteral("CancelButton"));
  CancelButton->setText(Tr(kProgressCancel));
  CancelButton->setGeometry(262, 160, 75, 25);
  CancelButton->hide();
  connect(CancelButton, &QPushButton::clicked, this, [this] { CancelPressed = true; });

  BlinkTimer->setObjectName(QStringLiteral("BlinkTimer"));
  BlinkTimer->setInterval(kBlinkInterval);
  connect(BlinkTimer, &QTimer::timeout, this, &TPrepPrevForm::BlinkTimerTimer);

  FormCreate();
}

void TPrepPrevForm::FormCreate() {
  Finished = false;
  clearMask();
  setMask(CloudShape());
  BlinkTimer->start();

  const QScreen* screen = parentWidget() != nullptr ? parentWidget()->screen() : nullptr;
  if (screen == nullptr) screen = QGuiApplication::primaryScreen();
  if (screen != nullptr) {
    const QRect area = screen->availableGeometry();
    move(area.center() - QPoint(kClientWidth / 2, kClientHeight / 2));
  }
}

QRegion TPrepPrevForm::CloudShape() {
  QRegion shape;
  for (const auto& e : kEllipses) {
    shape += QRegion(QRect(e[0], e[1], e[2] - e[0], e[3] - e[1]), QRegion::Ellipse);
  }
  return shape;
}

void TPrepPrevForm::Release() {
  Finished = true;
  deleteLater();
}

void TPrepPrevForm::OfferCancel() {
  CancelPressed = false;
  Gauge->setGeometry(56, 160, 200, 25);
  CancelButton->show();
  // The window never takes the focus from the one it works for, so Esc is caught
  // wherever it is pressed while the work runs.
  if (escape_ == nullptr) {
    escape_ = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape_->setContext(Qt::ApplicationShortcut);
    connect(escape_, &QShortcut::activated, CancelButton, &QPushButton::click);
  }
  escape_->setEnabled(true);
}

void TPrepPrevForm::BlinkTimerTimer() {
  BlinkLabel->setVisible(BlinkLabel->isHidden());
}

void TPrepPrevForm::closeEvent(QCloseEvent* event) {
  if (Finished) {
    event->accept();
  } else {
    event->ignore();
  }
}

}  // namespace varnoke
