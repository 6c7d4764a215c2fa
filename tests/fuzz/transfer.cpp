// The hand-over receiver: whatever a client sends, in whatever pieces, the receiver
// keeps within its limits, and a transfer it delivers holds no control bytes.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "app/Transfer.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  varnoke::TransferReceiver receiver;
  // The first byte chooses the size of the pieces the rest arrives in.
  const std::size_t piece = size ? static_cast<std::size_t>(data[0] % 16) + 1 : 1;
  for (std::size_t at = 1; at < size && !receiver.Failed(); at += piece) {
    for (const auto& transfer : receiver.Feed(bytes.substr(at, piece))) {
      if (transfer.size() > varnoke::TransferReceiver::kMaxParameters) std::abort();
      for (const auto& parameter : transfer) {
        if (parameter.size() > varnoke::TransferReceiver::kMaxParameterLength) std::abort();
        for (const char c : parameter)
          if (c == 0 || c == 1 || c == 13) std::abort();
      }
    }
  }
  return 0;
}
