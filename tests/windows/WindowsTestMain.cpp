// The windows' tests run the real widgets on Qt's offscreen platform, inside one
// application object.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

namespace {

// The offscreen platform says of every raise and window mask that it cannot show them;
// the tests know. Everything else the toolkit says is kept.
QtMessageHandler toolkit = nullptr;

void QuietAboutOffscreen(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (text.startsWith(QLatin1String("This plugin does not support"))) return;
  if (toolkit) toolkit(type, context, text);
}

}  // namespace

int main(int argc, char** argv) {
  ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
  toolkit = qInstallMessageHandler(QuietAboutOffscreen);
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
