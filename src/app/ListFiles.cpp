#include "app/ListFiles.h"

#include <cstdio>
#include <ostream>

#include "engine/AddFile.h"
#include "files/OptionFields.h"
#include "model/EscapedText.h"

namespace varnoke {
namespace {

void WriteEscaped(std::ostream& out, std::string_view text) {
  std::string escaped;
  AppendEscaped(escaped, text);
  out << escaped;
}

void WriteLocalTime(std::ostream& out, FileTime utc, Clock& clock) {
  if (utc == 0) return;
  const std::optional<FileTime> local = clock.UtcToLocal(utc);
  const std::optional<SystemTime> st = local ? FileTimeToSystemTime(*local) : std::nullopt;
  if (!st) return;
  out << DateTimeText(*st);
}

}  // namespace

void WriteFileListing(std::ostream& out, const TVrnFiles& files, const PathRules& rules,
                      Clock& clock) {
  out << kFileListingHeader;
  for (const TVrnFile& f : files) {
    WriteEscaped(out, rules.DisplayDirectory(f.Path()));
    out << '\t';
    WriteEscaped(out, f.Name());
    out << '\t';
    WriteEscaped(out, f.Ext());
    char attr[16];
    std::snprintf(attr, sizeof attr, "0x%02X", f.Attr);
    out << '\t' << f.Size << '\t' << attr << '\t';
    WriteLocalTime(out, f.Created, clock);
    out << '\t';
    WriteLocalTime(out, f.Accessed, clock);
    out << '\t';
    WriteLocalTime(out, f.Written, clock);
    out << '\t' << (f.Busy ? "yes" : "no") << '\n';
  }
}

std::string AbsolutePath(std::string_view path, std::string_view currentDirectory) {
  if (!path.empty() && path.front() == '/') return std::string(path);
  while (path.size() > 2 && path.substr(0, 2) == "./") path.remove_prefix(2);
  std::string out(currentDirectory);
  if (out.empty() || out.back() != '/') out.push_back('/');
  out.append(path);
  return out;
}

int ListFiles(std::ostream& out, std::ostream& err, FileSystem& fs, Clock& clock,
              const std::vector<std::string>& paths, std::string_view currentDirectory) {
  TVrnFiles files;
  int missed = 0;
  ListingScope listing(fs);  // one look at what other programs hold, for all the files
  for (const std::string& path : paths) {
    if (AddFile(fs, files, AbsolutePath(path, currentDirectory))) continue;
    ++missed;
    err << "varnoke-cli: not a file: ";
    WriteEscaped(err, path);
    err << '\n';
  }
  WriteFileListing(out, files, fs.Rules(), clock);
  return missed;
}

}  // namespace varnoke
