// The running instance takes later starts' parameters while it searches: real later starts
// of varnoke hand their parameters over to this test's main window, whose searches of
// folders of many files let events run while more hand-overs arrive and their
// connections close.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <string>
#include <vector>

#include "app/desktop/MainFormLists.h"
#include "app/desktop/TransferServer.h"
#include "platform/posix/InstanceLock.h"
#include "support/ChildProcess.h"
#include "windows/MainFormOnRealFiles.h"
#include "windows/QtSession.h"
#include "windows/WaitCursor.h"

namespace varnoke {
namespace {

constexpr int kFiles = 20000;

class HandOverTest : public MainFormOnRealFiles {
 protected:
  void SetUp() override {
    main.show();  // shown, as the running instance is: a hand-over brings it to the front
    ASSERT_EQ(lock.Held(), InstanceLock::State::Ours);
    ASSERT_TRUE(server.Listen(lock.ChannelPath()));
    for (int i = 0; i < kFiles; ++i) {
      const std::string path = files / ("IMG_" + std::to_string(i) + ".jpg");
      const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
      ASSERT_GE(fd, 0) << path;
      ::close(fd);
    }
  }
  // A later start of varnoke with `parameters`, without a display; it hands them over.
  pid_t LaterStart(std::vector<std::string> parameters) {
    parameters.insert(parameters.begin(), VARNOKE_DESKTOP_PATH);
    return testing::StartProcess(std::move(parameters),
                                 {"XDG_RUNTIME_DIR=" + runtime.Path(), "HOME=" + dir.Path(),
                                  "VARNOKE_CONFIG_DIR=" + dir / "later",
                                  "DISPLAY=", "WAYLAND_DISPLAY=", "QT_QPA_PLATFORM="});
  }
  // Runs this instance's event loop, as the program runs it, until `done` holds or
  // `seconds` have passed; whether it holds.
  template <typename Done>
  static bool RunUntil(Done done, int seconds) {
    QEventLoop loop;
    QTimer look;
    QObject::connect(&look, &QTimer::timeout, &loop, [&] {
      if (done()) loop.quit();
    });
    QTimer::singleShot(seconds * 1000, &loop, &QEventLoop::quit);
    look.start(5);
    loop.exec();
    return done();
  }
  // Waits, letting this instance's events run, until `pid` has ended; its exit status.
  int Ended(pid_t pid) {
    int status = -1;
    bool ended = false;
    EXPECT_TRUE(
        RunUntil([&] { return ended || (ended = ::waitpid(pid, &status, WNOHANG) == pid); }, 60));
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
  // How many entries each list window holds, fewest first.
  std::vector<int> Entries() const {
    std::vector<int> counts;
    for (TNameListForm* list : main.Lists()) counts.push_back(list->List().Files.Count());
    std::sort(counts.begin(), counts.end());
    return counts;
  }

  testing::TempDir runtime;
  InstanceLock lock{runtime.Path()};
  // Hand-overs are taken as the running instance takes them: its searches show their
  // progress and let events run while they go.
  WaitCursor cursor;
  QtSession desktopSession{nullptr, cursor};
  Services desktop{fs, store, settings, clock, regional, desktopSession, dir.Path() + "/", "/"};
  TransferServer server{
      [this](const std::vector<std::string>& handed) { TakeHandOver(main, desktop, handed); }};
};

// Five later starts in a row, then two at the same moment, each searching the folder of
// 20,000 files, into a program with a list open: each opens its own window with every file.
TEST_F(HandOverTest, ManyLargeHandOversInARowAndAtOnceEachOpenTheirList) {
  ListOf({"IMG_0.jpg", "IMG_1.jpg"});
  const std::string search = "/S:" + files / "*.jpg";
  for (int i = 0; i < 5; ++i) EXPECT_EQ(Ended(LaterStart({search})), 0) << "start " << i;
  const pid_t first = LaterStart({search}), second = LaterStart({search});
  EXPECT_EQ(Ended(first), 0);
  EXPECT_EQ(Ended(second), 0);

  const std::vector<int> want = {2, kFiles, kFiles, kFiles, kFiles, kFiles, kFiles, kFiles};
  EXPECT_TRUE(RunUntil([&] { return Entries() == want; }, 300));
  EXPECT_EQ(Entries(), want);
}

}  // namespace
}  // namespace varnoke
