#pragma once
// Handing the parameters of a second start to the running instance. Each message is
// 8 bytes (what the first four and the next four bytes of a window message carried):
// 0 is padding, 1 ends the transfer, 13 ends a parameter, any other byte is a
// character. A parameter travels in messages of up to 8 characters followed by a
// 13; the transfer ends with a 1; an empty parameter sends nothing.
#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace varnoke {

inline constexpr std::size_t kTransferMessageSize = 8;

// The messages of one transfer, one after the other.
std::string EncodeTransfer(std::span<const std::string> parameters);

// The parameters as they must travel: a file named by a relative path is named from
// `currentDirectory` (the second start's own), since the running instance works in
// another one. Switch values (/O:, /L:, /S:, /SR:) and every parameter after
// "--files" are files; other parameters travel as they are.
std::vector<std::string> AbsoluteParameters(std::span<const std::string> parameters,
                                            std::string_view currentDirectory);

// What a file manager opens with the program ("varnoke --files FILE..."): a file list
// (".vls") becomes /L:, an options set (".vns") /O:, and the other files stay after
// "--files", to be listed. Parameters before "--files" are kept as they are.
std::vector<std::string> SortOutOpenedFiles(std::span<const std::string> parameters);

// The receiving end of one connection: bytes in any pieces, whole messages taken as
// they complete. Hostile input costs bounded memory: a transfer longer than the
// limits fails the connection.
class TransferReceiver {
 public:
  // The parameters of every transfer that ended in these bytes.
  std::vector<std::vector<std::string>> Feed(std::string_view bytes);
  // Too much was sent: the caller closes the connection.
  bool Failed() const { return failed_; }

  static constexpr std::size_t kMaxParameterLength = 64 * 1024;
  static constexpr std::size_t kMaxParameters = 100'000;

 private:
  void Take(std::string_view message, std::vector<std::vector<std::string>>& done);

  std::string partial_;  // bytes of a message not yet whole
  std::vector<std::string> list_;
  bool failed_ = false;
};

}  // namespace varnoke
