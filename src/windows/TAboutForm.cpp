#include "windows/TAboutForm.h"

#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QRadialGradient>
#include <QVBoxLayout>
#include <string_view>

#include "windows/NamedWidgets.h"
#include "windows/QtText.h"
#include "windows/Tr.h"
#include "windows/WindowTexts.h"

static void InitWindowResources() {
  Q_INIT_RESOURCE(resources);
}

namespace varnoke {

namespace {

QLabel* CentredLabel(QWidget* parent, const char* name, const QString& text) {
  QLabel* label = NamedLabel(name, text, parent);
  label->setAlignment(Qt::AlignCenter);
  return label;
}

}  // namespace

TAboutForm::TAboutForm(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::FramelessWindowHint),
      ProgramIcon(new QLabel(this)),
      ProductName(CentredLabel(this, "ProductName", Qt8(kProgramName))),
      Version(CentredLabel(this, "Version", Tr(kAboutVersion))),
      Comments(CentredLabel(this, "Comments", Tr(kAboutPurpose))),
      Edition(CentredLabel(this, "Edition", Tr(kAboutEdition))),
      OKButton(new QPushButton(Tr(kAboutOk), this)) {
  InitWindowResources();
  setObjectName(QStringLiteral("AboutForm"));
  setWindowTitle(Tr(kAboutCaption));
  setFixedSize(kClientWidth, kClientHeight);
  setMask(EllipseShape());
  QPalette palette = this->palette();
  palette.setColor(QPalette::WindowText, Qt::white);
  setPalette(palette);

  ProgramIcon->setObjectName(QStringLiteral("ProgramIcon"));
  ProgramIcon->setAlignment(Qt::AlignCenter);
  ProgramIcon->setPixmap(QPixmap(QStringLiteral(":/images/varnoke.png"))
                             .scaled(257, 84, Qt::KeepAspectRatio, Qt::SmoothTransformation));
  ProgramIcon->setAccessibleName(Qt8(kProgramName));

  QFont nameFont = ProductName->font();
  nameFont.setPixelSize(20);
  nameFont.setBold(true);
  ProductName->setFont(nameFont);
  Comments->setWordWrap(true);

  OKButton->setObjectName(QStringLiteral("OKButton"));
  OKButton->setDefault(true);
  OKButton->setAutoDefault(true);
  OKButton->setMinimumWidth(88);
  connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(70, 26, 70, 30);
  layout->setSpacing(4);
  layout->addWidget(ProgramIcon);
  layout->addWidget(ProductName);
  layout->addWidget(Version);
  layout->addWidget(Comments);
  layout->addWidget(Edition);
  layout->addSpacing(6);
  layout->addWidget(OKButton, 0, Qt::AlignHCenter);
  OKButton->setFocus();
}

QRegion TAboutForm::EllipseShape() {
  return QRegion(QRect(0, 0, kClientWidth, kClientHeight), QRegion::Ellipse);
}

void TAboutForm::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  QRadialGradient sky(QPointF(kClientWidth / 2.0, kClientHeight / 3.0), kClientWidth / 2.0);
  sky.setColorAt(0, QColor(70, 165, 255));
  sky.setColorAt(1, QColor(0, 96, 200));
  p.setBrush(sky);
  p.setPen(QPen(QColor(0, 40, 110), 3));
  p.drawEllipse(QRectF(1.5, 1.5, kClientWidth - 3, kClientHeight - 3));
}

}  // namespace varnoke
