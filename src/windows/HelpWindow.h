#pragma once
// The program's help: its own pages, shipped inside the program, in a window with the
// list of topics on the left and the page on the right. Topics are opened by number,
// as the menus, the options dialog and F1 ask for them.
#include <QUrl>
#include <QWidget>

class QPushButton;
class QTextBrowser;
class QTreeWidget;
class QTreeWidgetItem;

namespace varnoke {

class HelpWindow : public QWidget {
  Q_OBJECT

 public:
  enum Topic { Contents = 0, Introduction = 1, Conventions = 2, DateCodes = 3, UsingHelp = 4 };
  static constexpr int kTopicCount = 5;

  explicit HelpWindow(QWidget* parent = nullptr);

  // Shows the topic's page and brings the window to the front; a number that names no
  // topic shows the contents.
  void ShowTopic(int topic);
  // The topic whose page is shown, or -1 for none.
  int CurrentTopic() const;
  // Where a topic's page lives (a number that names no topic gives the contents), and
  // the topic of a page (-1 for none).
  static QUrl TopicUrl(int topic);
  static int TopicOf(const QUrl& url);

  QTreeWidget* Topics;
  QTextBrowser* Page;
  QPushButton* BackButton;
  QPushButton* ForwardButton;
  QPushButton* ContentsButton;

 private:
  void TopicsCurrentItemChanged(QTreeWidgetItem* item);
  void PageSourceChanged(const QUrl& url);
};

}  // namespace varnoke
