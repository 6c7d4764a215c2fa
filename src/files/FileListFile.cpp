#include "files/FileListFile.h"

#include <algorithm>

#include "files/FileMessages.h"
#include "platform/SessionScopes.h"

namespace varnoke {

std::vector<std::string_view> SplitListLines(std::string_view text) {
  std::vector<std::string_view> lines;
  // A list of a hundred thousand files is not grown twenty times over.
  lines.reserve(static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1);
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c != '\r' && c != '\n') continue;
    lines.push_back(text.substr(start, i - start));
    if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < text.size()) lines.push_back(text.substr(start));
  return lines;
}

std::optional<std::string> LoadListLines(FileStore& files, std::string_view path,
                                         std::vector<std::string>& lines, const Translation& tr,
                                         std::optional<IoError>* cause) {
  lines.clear();
  const FileBytes read = files.ReadAll(path);
  if (cause) *cause = read.Error;
  if (read.Error) return Arg(tr.Text(kCannotOpenFile), {path});
  const std::vector<std::string_view> split = SplitListLines(read.Bytes);
  lines.reserve(split.size());
  for (std::string_view line : split) lines.emplace_back(line);
  return std::nullopt;
}

bool HoldsNul(std::string_view line) {
  return line.find('\0') != std::string_view::npos;
}

bool LinesWithNul::LeaveOut(std::string_view line) {
  if (!HoldsNul(line)) return false;
  if (named_.size() < kNamedLinesAtMost)
    named_.emplace_back(line);
  else
    ++more_;
  return true;
}

void LinesWithNul::Tell(Session& session) const {
  if (!named_.empty())
    session.ask(LinesWithNulMessage(session.texts(), named_, more_), kApplicationTitle, Buttons::Ok,
                Icon::None);
}

void AddListLines(const std::vector<std::string>& lines, Session& session, int pumpInterval,
                  const std::function<void(std::string_view)>& add) {
  LinesWithNul leftOut;
  PumpEvery pump(session, pumpInterval > 0 ? pumpInterval : 1);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (!leftOut.LeaveOut(lines[i])) add(lines[i]);
    if (pumpInterval > 0) pump(static_cast<std::int64_t>(i));
  }
  leftOut.Tell(session);
}

std::optional<std::string> ReadFileList(FileStore& files, Session& session, std::string_view path,
                                        int pumpInterval,
                                        const std::function<void(std::string_view)>& add,
                                        std::optional<IoError>* cause) {
  std::vector<std::string> lines;
  if (auto error = LoadListLines(files, path, lines, session.texts(), cause)) return error;
  AddListLines(lines, session, pumpInterval, add);
  return std::nullopt;
}

std::string FormatFileList(const TVrnFiles& list, const PathRules& rules, Session& session) {
  std::string out;
  PumpEvery pump(session, kSavePumpInterval);
  int index = 0;
  for (const TVrnFile& entry : list) {
    out.append(rules.Join(entry.Path(), entry.Name(), entry.Ext())).append("\r\n");
    pump(index++);
  }
  return out;
}

std::optional<std::string> SaveFileList(FileStore& files, Session& session, const PathRules& rules,
                                        const TVrnFiles& list, std::string_view path) {
  if (files.Save(path, FormatFileList(list, rules, session)))
    return Arg(session.texts().Text(kCannotCreateFile), {path});
  return std::nullopt;
}

}  // namespace varnoke
