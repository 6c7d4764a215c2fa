#include "app/Transfer.h"

#include "app/CommandLine.h"
#include "app/ListFiles.h"
#include "model/PathRules.h"

namespace varnoke {

namespace {

constexpr char kEndOfTransfer = 1;
constexpr char kEndOfParameter = 13;
constexpr std::string_view kFilesSwitch = "--files";

void AppendMessage(std::string& out, std::string_view characters) {
  std::string message(kTransferMessageSize, '\0');
  message.replace(0, characters.size(), characters);
  out += message;
}

}  // namespace

std::string EncodeTransfer(std::span<const std::string> parameters) {
  std::string out;
  for (const std::string& parameter : parameters) {
    if (parameter.empty()) continue;
    for (std::size_t at = 0; at < parameter.size(); at += kTransferMessageSize)
      AppendMessage(out, std::string_view(parameter).substr(at, kTransferMessageSize));
    AppendMessage(out, std::string_view(&kEndOfParameter, 1));
  }
  AppendMessage(out, std::string_view(&kEndOfTransfer, 1));
  return out;
}

std::vector<std::string> AbsoluteParameters(std::span<const std::string> parameters,
                                            std::string_view currentDirectory) {
  std::vector<std::string> out;
  bool files = false;
  for (const std::string& parameter : parameters) {
    if (files) {
      out.push_back(AbsolutePath(parameter, currentDirectory));
      continue;
    }
    if (parameter == kFilesSwitch) files = true;
    const Switch s = ClassifyParameter(parameter);
    const bool names = s.Kind == SwitchKind::OptionSet || s.Kind == SwitchKind::FileList ||
                       s.Kind == SwitchKind::Search || s.Kind == SwitchKind::SearchSubdirs;
    if (!names || s.Value.empty()) {
      out.push_back(parameter);
      continue;
    }
    const std::size_t prefix = parameter.size() - s.Value.size();
    out.push_back(parameter.substr(0, prefix) + AbsolutePath(s.Value, currentDirectory));
  }
  return out;
}

std::vector<std::string> SortOutOpenedFiles(std::span<const std::string> parameters) {
  std::vector<std::string> out, files;
  bool opened = false;
  for (const std::string& parameter : parameters) {
    if (!opened) {
      opened = parameter == kFilesSwitch;
      if (!opened) out.push_back(parameter);
      continue;
    }
    const auto endsWith = [&](std::string_view ext) {
      return parameter.size() > ext.size() &&
             EqualsIgnoreAsciiCase(
                 std::string_view(parameter).substr(parameter.size() - ext.size()), ext);
    };
    if (endsWith(".vls"))
      out.push_back("/L:" + parameter);
    else if (endsWith(".vns"))
      out.push_back("/O:" + parameter);
    else
      files.push_back(parameter);
  }
  if (!files.empty()) {
    out.emplace_back(kFilesSwitch);
    out.insert(out.end(), files.begin(), files.end());
  }
  return out;
}

std::vector<std::vector<std::string>> TransferReceiver::Feed(std::string_view bytes) {
  std::vector<std::vector<std::string>> done;
  while (!bytes.empty() && !failed_) {
    const std::size_t take = std::min(kTransferMessageSize - partial_.size(), bytes.size());
    partial_.append(bytes.substr(0, take));
    bytes.remove_prefix(take);
    if (partial_.size() < kTransferMessageSize) break;
    Take(partial_, done);
    partial_.clear();
  }
  return done;
}

void TransferReceiver::Take(std::string_view message, std::vector<std::vector<std::string>>& done) {
  if (list_.empty()) list_.emplace_back();
  bool ended = false;
  for (const char byte : message) {
    if (byte == 0) continue;
    if (byte == kEndOfTransfer) {
      ended = true;
    } else if (byte == kEndOfParameter) {
      if (list_.size() >= kMaxParameters) failed_ = true;
      list_.emplace_back();
    } else {
      if (list_.back().size() >= kMaxParameterLength) failed_ = true;
      list_.back().push_back(byte);
    }
  }
  if (failed_) {
    list_.clear();
    return;
  }
  if (!ended) return;
  // The last string is the one the final 13 opened (or a parameter cut short): not sent.
  list_.pop_back();
  done.push_back(std::move(list_));
  list_.clear();
}

}  // namespace varnoke
