#include "app/Transfer.h"

#include <gtest/gtest.h>

namespace varnoke {
namespace {

using Strings = std::vector<std::string>;

std::string Message(std::string_view bytes) {
  std::string m(bytes);
  m.resize(kTransferMessageSize, '\0');
  return m;
}

TEST(Transfer, MessagesOfEightBytes) {
  const std::string end = Message("\x01"), next = Message("\r");
  const struct {
    Strings Parameters;
    std::string Messages;
  } cases[] = {
      {{}, end},
      {{"/L:a.vls"}, Message("/L:a.vls") + next + end},  // 8 characters: one message
      {{"/L:ab.vls"}, Message("/L:ab.vl") + Message("s") + next + end},
      {{"", "/R"}, Message("/R") + next + end},  // an empty parameter sends nothing
  };
  for (const auto& c : cases) {
    EXPECT_EQ(EncodeTransfer(c.Parameters), c.Messages);
    // Received in pieces of any size, the same parameters come out.
    for (std::size_t piece : {1u, 3u, 8u, 64u}) {
      TransferReceiver receiver;
      std::vector<Strings> got;
      for (std::size_t at = 0; at < c.Messages.size(); at += piece)
        for (Strings& t : receiver.Feed(std::string_view(c.Messages).substr(at, piece)))
          got.push_back(std::move(t));
      Strings expected;
      for (const std::string& p : c.Parameters)
        if (!p.empty()) expected.push_back(p);
      EXPECT_EQ(got, std::vector<Strings>{expected}) << piece;
    }
  }
}

TEST(Transfer, CutShortOrTooLongNeverDeliversGarbage) {
  TransferReceiver receiver;
  EXPECT_TRUE(receiver.Feed(Message("/L:/a") + Message("bc")).empty());  // no end yet
  // A parameter the sender never ended is dropped with the transfer's end.
  EXPECT_EQ(receiver.Feed(Message("\x01")), std::vector<Strings>{Strings{}});
  TransferReceiver flooded;
  const std::string big(TransferReceiver::kMaxParameterLength + 8, 'x');
  EXPECT_TRUE(flooded.Feed(big).empty());
  EXPECT_TRUE(flooded.Failed());
}

TEST(Transfer, RelativeFilesAreNamedFromTheSecondStartsDirectory) {
  const Strings given = {"/L:lists/a.vls", "/O:/abs/set.vns", "/S:photos/*.jpg", "/R",
                         "bare",           "--files",         "./x.jpg",         "/y.jpg"};
  EXPECT_EQ(AbsoluteParameters(given, "/home/ann"),
            (Strings{"/L:/home/ann/lists/a.vls", "/O:/abs/set.vns", "/S:/home/ann/photos/*.jpg",
                     "/R", "bare", "--files", "/home/ann/x.jpg", "/y.jpg"}));
}

TEST(Transfer, OpenedFilesListsAndSetsSortedOut) {
  EXPECT_EQ(SortOutOpenedFiles(Strings{"/R", "--files", "/a.jpg", "/w.VLS", "/s.vns", "/b"}),
            (Strings{"/R", "/L:/w.VLS", "/O:/s.vns", "--files", "/a.jpg", "/b"}));
  EXPECT_EQ(SortOutOpenedFiles(Strings{"--files", "/only.vls"}), (Strings{"/L:/only.vls"}));
}

}  // namespace
}  // namespace varnoke
