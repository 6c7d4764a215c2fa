#include "engine/ListEditing.h"

#include <algorithm>
#include <new>
#include <optional>

#include "engine/AddFile.h"
#include "engine/Messages.h"
#include "files/FileListFile.h"
#include "platform/SessionScopes.h"

namespace varnoke {

namespace {

bool InList(const TVrnFiles& files, int first, int last) {
  return first >= 0 && first <= last && last < files.Count();
}

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// The path of one file URI, or nullopt for anything else.
std::optional<std::string> PathOfUri(std::string_view uri) {
  constexpr std::string_view kScheme = "file://";
  if (uri.size() < kScheme.size() || CompareIgnoringAsciiCase(uri.substr(0, 7), kScheme) != 0)
    return std::nullopt;
  uri.remove_prefix(kScheme.size());
  const std::size_t slash = uri.find('/');
  if (slash == std::string_view::npos) return std::nullopt;
  const std::string_view host = uri.substr(0, slash);
  if (!host.empty() && CompareIgnoringAsciiCase(host, "localhost") != 0) return std::nullopt;
  std::string path;
  for (std::size_t i = slash; i < uri.size(); ++i) {
    if (uri[i] == '%' && i + 2 < uri.size() && HexValue(uri[i + 1]) >= 0 &&
        HexValue(uri[i + 2]) >= 0) {
      path.push_back(static_cast<char>(HexValue(uri[i + 1]) * 16 + HexValue(uri[i + 2])));
      i += 2;
    } else {
      path.push_back(uri[i]);
    }
  }
  return path;
}

}  // namespace

bool MoveRowsUp(TVrnFiles& files, int first, int last) {
  if (!InList(files, first, last) || first == 0) return false;
  files.Move(first - 1, last);
  return true;
}

bool MoveRowsDown(TVrnFiles& files, int first, int last) {
  if (!InList(files, first, last) || last == files.Count() - 1) return false;
  files.Move(last + 1, first);
  return true;
}

void RemoveRows(TVrnFiles& files, int first, int last) {
  first = std::max(first, 0);
  last = std::min(last, files.Count() - 1);
  std::vector<int> positions;
  for (int i = first; i <= last; ++i) positions.push_back(i);
  files.DeletePositions(std::move(positions));
}

std::string RowsText(const TVrnFiles& files, int first, int last, const PathRules& rules) {
  std::string text;
  if (!InList(files, first, last)) return text;
  for (int i = first; i <= last; ++i) {
    const TVrnFile& f = files.Items(i);
    text.append(rules.Join(f.Path(), f.Name(), f.Ext())).append("\r\n");
  }
  return text;
}

std::string RowsUriList(const TVrnFiles& files, int first, int last, const PathRules& rules) {
  std::string text;
  if (!InList(files, first, last)) return text;
  for (int i = first; i <= last; ++i) {
    const TVrnFile& f = files.Items(i);
    text.append(FileUri(rules.Join(f.Path(), f.Name(), f.Ext()))).append("\r\n");
  }
  return text;
}

std::vector<std::string> TextPaths(std::string_view text) {
  std::vector<std::string> paths;
  for (std::string_view line : SplitListLines(text))
    if (!line.empty()) paths.emplace_back(line);
  return paths;
}

std::vector<std::string> UriListPaths(std::string_view uriList) {
  std::vector<std::string> paths;
  for (std::string_view line : SplitListLines(uriList)) {
    if (line.empty() || line.front() == '#') continue;
    if (auto path = PathOfUri(line)) paths.push_back(std::move(*path));
  }
  return paths;
}

std::string FileUri(std::string_view path) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string uri = "file://";
  for (const char c : path) {
    const auto byte = static_cast<unsigned char>(c);
    const bool plain = (byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z') ||
                       (byte >= '0' && byte <= '9') || c == '/' || c == '-' || c == '.' ||
                       c == '_' || c == '~';
    if (plain) {
      uri.push_back(c);
    } else {
      uri.push_back('%');
      uri.push_back(kHex[byte >> 4]);
      uri.push_back(kHex[byte & 15]);
    }
  }
  return uri;
}

AddedPaths AddPaths(FileSystem& fs, TVrnFiles& files, const std::vector<std::string>& paths,
                    Session& session, int pumpInterval) {
  AddedPaths result;
  LinesWithNul leftOut;
  {
    const int count = static_cast<int>(paths.size());
    std::optional<ProgressScope> progress;
    std::optional<BusyScope> busy;
    if (count >= kProgressFromPaths)
      progress.emplace(session, session.texts().Text(kAddingFilesLabel), count);
    else
      busy.emplace(session);
    ListingScope listing(fs);  // one look at what other programs hold, for all the paths
    PumpEvery pump(session, pumpInterval);
    for (int i = 0; i < count; ++i) {
      pump(i);
      const std::string& path = paths[static_cast<std::size_t>(i)];
      try {
        if (!leftOut.LeaveOut(path) && AddFile(fs, files, path)) ++result.Added;
      } catch (const std::bad_alloc&) {
        result.Stopped = true;
        Note(session, session.texts().Text(kCouldNotAddMoreFiles), kVarnokeCaption);
        break;
      }
      if (progress) session.step();
    }
  }
  leftOut.Tell(session);  // once the listing is over
  return result;
}

}  // namespace varnoke
