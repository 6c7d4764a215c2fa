// The hand-over of a later start's parameters to the running instance, as bytes.
#include "app/Transfer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>

namespace varnoke {
namespace {

using Strings = std::vector<std::string>;

std::string Message(std::string_view bytes) {
  std::string m(bytes);
  m.resize(kTransferMessageSize, '\0');
  return m;
}

// Each parameter in messages of eight bytes, "\r" after it, "\x01" at the end; received in
// pieces of any size, the same parameters come out. Cut short or too long, nothing does.
TEST(Transfer, MessagesOfEightBytesAndNeverGarbage) {
  const std::string end = Message("\x01"), next = Message("\r");
  for (const auto& [parameters, messages] : std::vector<std::pair<Strings, std::string>>{
           {{}, end},
           {{"/L:a.vls"}, Message("/L:a.vls") + next + end},  // 8 characters: one message
           {{"/L:ab.vls"}, Message("/L:ab.vl") + Message("s") + next + end},
           {{"", "/R"}, Message("/R") + next + end}}) {  // an empty parameter sends nothing
    EXPECT_EQ(EncodeTransfer(parameters), messages);
    Strings expected;
    std::copy_if(parameters.begin(), parameters.end(), std::back_inserter(expected),
                 [](const std::string& p) { return !p.empty(); });
    for (std::size_t piece : {1u, 3u, 8u, 64u}) {
      TransferReceiver receiver;
      std::vector<Strings> got;
      for (std::size_t at = 0; at < messages.size(); at += piece)
        for (Strings& t : receiver.Feed(std::string_view(messages).substr(at, piece)))
          got.push_back(std::move(t));
      EXPECT_EQ(got, std::vector<Strings>{expected}) << piece;
    }
  }
  TransferReceiver receiver;
  EXPECT_TRUE(receiver.Feed(Message("/L:/a") + Message("bc")).empty());  // no end yet
  // A parameter the sender never ended is dropped with the transfer's end.
  EXPECT_EQ(receiver.Feed(Message("\x01")), std::vector<Strings>{Strings{}});
  TransferReceiver flooded;
  EXPECT_TRUE(flooded.Feed(std::string(TransferReceiver::kMaxParameterLength + 8, 'x')).empty());
  EXPECT_TRUE(flooded.Failed());
}

// As a later start sends them: files named in full from its directory, then lists and sets
// opened as files sorted out of the files.
TEST(Transfer, ParametersNamedInFullAndOpenedFilesSortedOut) {
  const Strings given = {"/L:lists/a.vls", "/O:/abs/set.vns", "/S:photos/*.jpg", "/R",
                         "bare",           "--files",         "./x.jpg",         "/y.jpg"};
  EXPECT_EQ(AbsoluteParameters(given, "/home/ann"),
            (Strings{"/L:/home/ann/lists/a.vls", "/O:/abs/set.vns", "/S:/home/ann/photos/*.jpg",
                     "/R", "bare", "--files", "/home/ann/x.jpg", "/y.jpg"}));
  EXPECT_EQ(SortOutOpenedFiles(AbsoluteParameters(
                Strings{"/R", "--files", "a.jpg", "/w.VLS", "s.vns", "/b"}, "/h")),
            (Strings{"/R", "/L:/w.VLS", "/O:/h/s.vns", "--files", "/h/a.jpg", "/b"}));
  EXPECT_EQ(SortOutOpenedFiles(Strings{"--files", "/only.vls"}), (Strings{"/L:/only.vls"}));
}

}  // namespace
}  // namespace varnoke
