#include "windows/HelpWindow.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QIcon>
#include <QKeySequence>
#include <QPushButton>
#include <QShortcut>
#include <QSplitter>
#include <QTextBrowser>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <string_view>

#include "windows/Tr.h"
#include "windows/WindowTexts.h"

static void InitWindowResources() {
  Q_INIT_RESOURCE(resources);
}

namespace varnoke {

namespace {

constexpr const char* kTopicPages[HelpWindow::kTopicCount] = {
    "contents.html", "introduction.html", "conventions.html", "datecodes.html", "usinghelp.html"};

constexpr int kTopicRole = Qt::UserRole;

// The folder of the language's pages: its name whole, then with its last parts dropped
// ("de_DE", then "de"); the English pages' own folder where there is none.
QString HelpFolder(const QString& language) {
  QStringList parts = language.split(QLatin1Char('_'), Qt::SkipEmptyParts);
  for (; !parts.isEmpty(); parts.removeLast()) {
    const QString folder = QStringLiteral("/help/") + parts.join(QLatin1Char('_'));
    if (QDir(QLatin1Char(':') + folder).exists()) return folder;
  }
  return QStringLiteral("/help");
}

// Shows a page not translated into the language of its folder in English, so that the
// pages of a language link to each other whether translated or not.
class HelpBrowser final : public QTextBrowser {
 public:
  using QTextBrowser::QTextBrowser;

 protected:
  QVariant loadResource(int type, const QUrl& name) override {
    if (type == QTextDocument::HtmlResource && name.scheme() == QLatin1String("qrc") &&
        !QFile::exists(QLatin1Char(':') + name.path())) {
      QUrl english = name;
      english.setPath(QStringLiteral("/help/") + QFileInfo(name.path()).fileName());
      return QTextBrowser::loadResource(type, english);
    }
    return QTextBrowser::loadResource(type, name);
  }
};

}  // namespace

HelpWindow::HelpWindow(const QString& language, QWidget* parent)
    : QWidget(parent, Qt::Window),
      Topics(new QTreeWidget(this)),
      Page(new HelpBrowser(this)),
      BackButton(new QPushButton(Tr(kHelpBack), this)),
      ForwardButton(new QPushButton(Tr(kHelpForward), this)),
      ContentsButton(new QPushButton(Tr(kHelpContentsButton), this)) {
  InitWindowResources();
  language_ = language;
  setObjectName(QStringLiteral("HelpWindow"));
  setWindowTitle(Tr(kHelpCaption));
  setWindowIcon(QIcon(QStringLiteral(":/images/varnoke-icon.png")));
  resize(760, 540);

  Topics->setObjectName(QStringLiteral("Topics"));
  Topics->setAccessibleName(Tr(kHelpTopicsName));
  Topics->setHeaderHidden(true);
  Topics->setRootIsDecorated(false);
  for (int topic = 0; topic < kTopicCount; ++topic) {
    auto* item = new QTreeWidgetItem(Topics, QStringList(Tr(kHelpTopicTitles[topic])));
    item->setData(0, kTopicRole, topic);
  }

  Page->setObjectName(QStringLiteral("Page"));
  Page->setAccessibleName(Tr(kHelpPageName));
  Page->setOpenLinks(true);
  Page->setOpenExternalLinks(true);

  BackButton->setObjectName(QStringLiteral("BackButton"));
  ForwardButton->setObjectName(QStringLiteral("ForwardButton"));
  ContentsButton->setObjectName(QStringLiteral("ContentsButton"));
  BackButton->setEnabled(false);
  ForwardButton->setEnabled(false);
  BackButton->setAutoDefault(false);
  ForwardButton->setAutoDefault(false);
  ContentsButton->setAutoDefault(false);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(ContentsButton);
  buttons->addWidget(BackButton);
  buttons->addWidget(ForwardButton);
  buttons->addStretch();

  auto* splitter = new QSplitter(this);
  splitter->addWidget(Topics);
  splitter->addWidget(Page);
  splitter->setStretchFactor(1, 1);
  splitter->setSizes({180, 580});
  splitter->setChildrenCollapsible(false);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(buttons);
  layout->addWidget(splitter, 1);

  setTabOrder(Topics, Page);
  setTabOrder(Page, ContentsButton);
  setTabOrder(ContentsButton, BackButton);
  setTabOrder(BackButton, ForwardButton);

  connect(Topics, &QTreeWidget::currentItemChanged, this,
          [this](QTreeWidgetItem* item) { TopicsCurrentItemChanged(item); });
  connect(Page, &QTextBrowser::sourceChanged, this,
          [this](const QUrl& url) { PageSourceChanged(url); });
  connect(Page, &QTextBrowser::backwardAvailable, BackButton, &QPushButton::setEnabled);
  connect(Page, &QTextBrowser::forwardAvailable, ForwardButton, &QPushButton::setEnabled);
  connect(BackButton, &QPushButton::clicked, Page, &QTextBrowser::backward);
  connect(ForwardButton, &QPushButton::clicked, Page, &QTextBrowser::forward);
  connect(ContentsButton, &QPushButton::clicked, this, [this] { ShowTopic(Contents); });
  auto* back = new QShortcut(QKeySequence::Back, this);
  connect(back, &QShortcut::activated, Page, &QTextBrowser::backward);
  auto* forward = new QShortcut(QKeySequence::Forward, this);
  connect(forward, &QShortcut::activated, Page, &QTextBrowser::forward);
  auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  connect(close, &QShortcut::activated, this, &QWidget::close);
}

QUrl HelpWindow::TopicUrl(int topic, const QString& language) {
  if (topic < 0 || topic >= kTopicCount) topic = Contents;
  QUrl url;
  url.setScheme(QStringLiteral("qrc"));
  url.setPath(HelpFolder(language) + QLatin1Char('/') + QString::fromLatin1(kTopicPages[topic]));
  return url;
}

void HelpWindow::ShowTopic(int topic) {
  Page->setSource(TopicUrl(topic, language_));
  // A modal dialog blocks every window but itself: help asked for from one is modal too,
  // so it takes input above the dialog; asked for from elsewhere it is free again.
  const QWidget* modal = QApplication::activeModalWidget();
  const Qt::WindowModality modality =
      modal == this ? windowModality() : (modal ? Qt::ApplicationModal : Qt::NonModal);
  if (modality != windowModality()) {
    hide();  // a shown window keeps the modality it was shown with
    setWindowModality(modality);
  }
  if (isMinimized()) showNormal();
  show();
  raise();
  activateWindow();
}

int HelpWindow::CurrentTopic() const {
  return TopicOf(Page->source());
}

int HelpWindow::TopicOf(const QUrl& url) {
  if (url.scheme() != QLatin1String("qrc") || !url.path().startsWith(QLatin1String("/help/")))
    return -1;
  const QString page = QFileInfo(url.path()).fileName();
  for (int topic = 0; topic < kTopicCount; ++topic) {
    if (page == QLatin1String(kTopicPages[topic])) return topic;
  }
  return -1;
}

void HelpWindow::TopicsCurrentItemChanged(QTreeWidgetItem* item) {
  if (item == nullptr) return;
  const QUrl url = TopicUrl(item->data(0, kTopicRole).toInt(), language_);
  if (Page->source().adjusted(QUrl::RemoveFragment) != url) Page->setSource(url);
}

// The list follows the page, whichever way it was reached (a link, Back, a topic
// number), and the caption names it.
void HelpWindow::PageSourceChanged(const QUrl& url) {
  const int topic = TopicOf(url);
  if (topic >= 0) {
    const QSignalBlocker quiet(Topics);
    Topics->setCurrentItem(Topics->topLevelItem(topic));
  }
  const QString title = Page->documentTitle();
  setWindowTitle(title.isEmpty() ? Tr(kHelpCaption)
                                 : Tr(kHelpPageCaption).arg(Tr(kHelpCaption), title));
}

}  // namespace varnoke
