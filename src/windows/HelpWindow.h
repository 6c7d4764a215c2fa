#pragma once
// The program's help: its own pages, shipped inside the program, in a window with the
// list of topics on the left and the page on the right. Topics are opened by number,
// as the menus, the options dialog and F1 ask for them. The pages are in the language
// the program speaks where they have been translated, in English otherwise.
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

  // `language` as the translation files name it ("de", "pt_BR"); English for none.
  explicit HelpWindow(const QString& language = {}, QWidget* parent = nullptr);

  // Shows the topic's page and brings the window to the front; a number that names no
  // topic shows the contents.
  void ShowTopic(int topic);
  // The topic whose page is shown, or -1 for none.
  int CurrentTopic() const;
  // Where a topic's page lives in the language (a number that names no topic gives the
  // contents), and the topic of a page in any language (-1 for none). The pages of a
  // language lie in a folder of their own; one not translated shows the English page.
  static QUrl TopicUrl(int topic, const QString& language = {});
  static int TopicOf(const QUrl& url);

  QTreeWidget* Topics;
  QTextBrowser* Page;
  QPushButton* BackButton;
  QPushButton* ForwardButton;
  QPushButton* ContentsButton;

 private:
  void TopicsCurrentItemChanged(QTreeWidgetItem* item);
  void PageSourceChanged(const QUrl& url);

  QString language_;
};

}  // namespace varnoke
