#include "files/OptionSetFile.h"

#include <cstdint>
#include <cstring>

#include "files/FileMessages.h"

namespace varnoke {
namespace {

// Reads the parts of a set front to back, refusing to run past its end.
class SetReader {
 public:
  explicit SetReader(std::string_view bytes) : rest_(bytes) {}
  bool AtEnd() const { return rest_.empty(); }

  std::optional<std::string_view> Take(std::size_t n) {
    if (n > rest_.size()) return std::nullopt;
    const std::string_view part = rest_.substr(0, n);
    rest_.remove_prefix(n);
    return part;
  }

  std::optional<std::string> Text() {
    const auto head = Take(4);
    if (!head) return std::nullopt;
    std::uint32_t raw = 0;
    for (int i = 3; i >= 0; --i) raw = raw << 8 | static_cast<std::uint8_t>((*head)[i]);
    const auto length = static_cast<std::int32_t>(raw);
    if (length < 0) return std::nullopt;
    const auto body = Take(static_cast<std::size_t>(length));
    if (!body) return std::nullopt;
    return std::string(body->substr(0, body->find('\0')));
  }

 private:
  std::string_view rest_;
};

void AppendText(std::string& out, std::string_view text) {
  const auto n = static_cast<std::uint32_t>(text.size());
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>(n >> (8 * i)));
  out.append(text);
}

}  // namespace

std::optional<TFiles> ParseOptionSet(std::string_view bytes) {
  SetReader reader(bytes);
  const auto head = reader.Take(kOptionsBlockSize);
  if (!head) return std::nullopt;
  TFiles record;
  OptionsBlock block;
  std::memcpy(block.data(), head->data(), kOptionsBlockSize);
  record.DecodeBlock(block);
  for (std::string* field :
       {&record.Name, &record.Ext, &record.Path, &record.AddFiles, &record.DateString}) {
    auto text = reader.Text();
    if (!text) return std::nullopt;
    *field = std::move(*text);
  }
  while (!reader.AtEnd()) {
    auto text = reader.Text();
    if (!text) return std::nullopt;
    record.Filters.push_back(std::move(*text));
  }
  return record;
}

std::string FormatOptionSet(const TFiles& options) {
  const OptionsBlock block = options.EncodeBlock();
  std::string out(reinterpret_cast<const char*>(block.data()), block.size());
  for (const std::string* field :
       {&options.Name, &options.Ext, &options.Path, &options.AddFiles, &options.DateString})
    AppendText(out, *field);
  for (const std::string& filter : options.Filters) AppendText(out, filter);
  return out;
}

std::optional<std::string> LoadOptionSet(FileStore& files, std::string_view path, TFiles& options,
                                         const Translation& tr) {
  FileBytes read = files.ReadAll(path);
  if (read.Error) return IoErrorMessage(tr, *read.Error);
  auto record = ParseOptionSet(read.Bytes);
  if (!record) return tr.Text(kReadBeyondEndOfFile);
  options = std::move(*record);
  return std::nullopt;
}

std::optional<std::string> SaveOptionSet(FileStore& files, std::string_view path,
                                         const TFiles& options, const Translation& tr) {
  if (auto error = files.Save(path, FormatOptionSet(options))) return IoErrorMessage(tr, *error);
  return std::nullopt;
}

std::string WithOptionSetExtension(std::string_view chosen, const PathRules& rules) {
  std::size_t fileStart = chosen.rfind(rules.Separator());
  // Under the Windows rules a drive's colon also ends the directory part.
  if (rules.Separator() == '\\') {
    const std::size_t colon = chosen.rfind(':');
    if (colon != std::string_view::npos &&
        (fileStart == std::string_view::npos || colon > fileStart))
      fileStart = colon;
  }
  const std::string_view file =
      fileStart == std::string_view::npos ? chosen : chosen.substr(fileStart + 1);
  std::string out(chosen);
  if (file.find('.') == std::string_view::npos) out.append(kOptionSetExtension);
  return out;
}

}  // namespace varnoke
