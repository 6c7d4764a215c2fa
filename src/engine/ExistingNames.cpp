#include "engine/ExistingNames.h"

namespace varnoke {
namespace {

bool HasAsciiLetter(std::string_view name) {
  for (char c : name)
    if (AsciiLower(c) != c || (c >= 'a' && c <= 'z')) return true;
  return false;
}

std::string FlippedCase(std::string_view name) {
  std::string out(name);
  for (char& c : out) c = AsciiLower(c) != c ? AsciiLower(c) : AsciiUpper(c);
  return out;
}

}  // namespace

void ExistingNames::Directory::Add(std::string key, Kind kind) {
  Index.Insert(HashOfText(key, false), static_cast<int>(Names.size()));
  Names.push_back(std::move(key));
  Kinds.push_back(kind);
}

int ExistingNames::Directory::Find(std::string_view key) const {
  return Index.Find(HashOfText(key, false),
                    [&](int at) { return Names[static_cast<std::size_t>(at)] == key; });
}

void ExistingNames::Directory::Forget() {
  std::vector<std::string>().swap(Names);
  std::vector<Kind>().swap(Kinds);
  Index.Clear();
}

std::string ExistingNames::Key(std::string_view fileName) const {
  if (!fs_.Rules().FoldsCase()) return std::string(fileName);
  // Windows drops trailing dots from a name and compares without ASCII case.
  while (fileName.size() > 1 && fileName.back() == '.') fileName.remove_suffix(1);
  return AsciiLowerCopy(fileName);
}

bool ExistingNames::Exists(std::string_view directory, std::string_view name,
                           std::string_view ext) {
  const std::string path = fs_.Rules().Join(directory, name, ext);
  if (!last_ || directory != lastName_) {
    lastName_ = directory;
    last_ = &directories_[lastName_];
  }
  Directory& d = *last_;
  if (!d.Read && !d.Refused && ++d.Tests > readAfter_) ReadWhole(lastName_, d);
  if (!d.Read) return fs_.Exists(path);
  const std::size_t slash = path.rfind(fs_.Rules().Separator());
  const int found = d.Find(Key(std::string_view(path).substr(slash + 1)));
  if (found < 0) return false;
  // A link counts as what it names when that is a directory.
  return d.Kinds[static_cast<std::size_t>(found)] == Kind::File || fs_.Exists(path);
}

void ExistingNames::ReadWhole(const std::string& directory, Directory& d) {
  const PathRules& rules = fs_.Rules();
  std::string probe;  // a name with a letter, to see whether the store folds case
  const bool read = fs_.EnumerateNames(directory, [&](const DirEntry& e) {
    if (probe.empty() && HasAsciiLetter(e.Name)) probe = e.Name;
    if (!e.IsDirectory) d.Add(Key(e.Name), e.IsLink ? Kind::Link : Kind::File);
    return true;
  });
  if (read && !rules.FoldsCase()) {
    // Without a name to try, a folding store cannot be told from an exact one.
    const std::string flipped = FlippedCase(probe);
    const std::string sep(1, rules.Separator());
    if (probe.empty() ||
        (d.Find(flipped) < 0 && fs_.SameFile(directory + sep + probe, directory + sep + flipped)))
      d.Refused = true;
  }
  if (!read) d.Refused = true;
  d.Read = !d.Refused;
  if (d.Refused) d.Forget();
}

}  // namespace varnoke
