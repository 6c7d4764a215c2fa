#include "platform/posix/RegeditText.h"

#include <cstdint>
#include <utility>
#include <vector>

#include "model/PathRules.h"

namespace varnoke {
namespace {

constexpr std::size_t kHexBytesPerLine = 25;

// The file's lines, CR LF or LF ended; a line ending in "\" (a long hex list) goes
// on in the next one, whose leading blanks are dropped.
std::vector<std::string> LogicalLines(std::string_view text) {
  std::vector<std::string> lines;
  std::string pending;
  bool continuing = false;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (continuing) {
      while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) line.remove_prefix(1);
    }
    continuing = !line.empty() && line.back() == '\\';
    if (continuing) line.remove_suffix(1);
    pending.append(line);
    if (!continuing) lines.push_back(std::exchange(pending, std::string()));
  }
  if (continuing) lines.push_back(std::move(pending));
  return lines;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::optional<std::vector<std::uint8_t>> ParseHexList(std::string_view s) {
  std::vector<std::uint8_t> bytes;
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  if (s.empty()) return bytes;
  while (true) {
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    if (s.size() < 2) return std::nullopt;
    const int hi = HexDigit(s[0]);
    const int lo = HexDigit(s[1]);
    if (hi < 0 || lo < 0) return std::nullopt;
    bytes.push_back(static_cast<std::uint8_t>(hi * 16 + lo));
    s.remove_prefix(2);
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    if (s.empty()) return bytes;
    if (s.front() != ',') return std::nullopt;
    s.remove_prefix(1);
  }
}

// A quoted text starting at s[0] == '"'; gives the text and what follows it.
std::optional<std::pair<std::string, std::string_view>> ParseQuoted(std::string_view s) {
  if (s.empty() || s.front() != '"') return std::nullopt;
  std::string out;
  for (std::size_t i = 1; i < s.size(); ++i) {
    const char c = s[i];
    if (c == '"') return std::make_pair(std::move(out), s.substr(i + 1));
    if (c == '\\') {
      if (i + 1 >= s.size() || (s[i + 1] != '\\' && s[i + 1] != '"')) return std::nullopt;
      out.push_back(s[++i]);
    } else {
      out.push_back(c);
    }
  }
  return std::nullopt;
}

std::optional<RegValue> ParseData(std::string_view s) {
  if (!s.empty() && s.front() == '"') {
    auto quoted = ParseQuoted(s);
    if (!quoted || !quoted->second.empty()) return std::nullopt;
    return RegValue::String(quoted->first);
  }
  if (s.starts_with("dword:")) {
    s.remove_prefix(6);
    if (s.empty() || s.size() > 8) return std::nullopt;
    std::uint32_t v = 0;
    for (char c : s) {
      const int d = HexDigit(c);
      if (d < 0) return std::nullopt;
      v = v * 16 + static_cast<std::uint32_t>(d);
    }
    return RegValue::Dword(v);
  }
  std::uint32_t type = kRegBinary;
  if (s.starts_with("hex(")) {
    const std::size_t close = s.find("):");
    if (close == std::string_view::npos || close == 4 || close > 12) return std::nullopt;
    type = 0;
    for (char c : s.substr(4, close - 4)) {
      const int d = HexDigit(c);
      if (d < 0) return std::nullopt;
      type = type * 16 + static_cast<std::uint32_t>(d);
    }
    s.remove_prefix(close + 2);
  } else if (s.starts_with("hex:")) {
    s.remove_prefix(4);
  } else {
    return std::nullopt;
  }
  auto bytes = ParseHexList(s);
  if (!bytes) return std::nullopt;
  // A text in hex form carries its terminating zero.
  if (type == kRegSz && !bytes->empty() && bytes->back() == 0) bytes->pop_back();
  return RegValue{type, std::move(*bytes)};
}

std::optional<std::string_view> SectionKey(std::string_view line) {
  if (line.size() < 2 || line.front() != '[' || line.back() != ']') return std::nullopt;
  std::string_view path = line.substr(1, line.size() - 2);
  const std::string_view head = path.substr(0, path.find('\\'));
  if (!EqualsIgnoreAsciiCase(head, kRegeditRoot)) return std::nullopt;
  path.remove_prefix(head.size());
  return path;
}

void AppendQuoted(std::string& out, std::string_view text) {
  out.push_back('"');
  for (char c : text) {
    if (c == '\\' || c == '"') out.push_back('\\');
    out.push_back(c);
  }
  out.push_back('"');
}

void AppendHex(std::string& out, std::string_view prefix, const std::vector<std::uint8_t>& bytes) {
  static constexpr char kDigits[] = "0123456789abcdef";
  out.append(prefix);
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (i > 0) {
      out.push_back(',');
      if (i % kHexBytesPerLine == 0) out.append("\\\n  ");
    }
    out.push_back(kDigits[bytes[i] >> 4]);
    out.push_back(kDigits[bytes[i] & 15]);
  }
}

bool HasControlCharacter(const std::vector<std::uint8_t>& bytes) {
  for (std::uint8_t b : bytes)
    if (b < 0x20) return true;
  return false;
}

void AppendValue(std::string& out, std::string_view name, const RegValue& value) {
  if (name.empty()) {
    out.push_back('@');
  } else {
    AppendQuoted(out, name);
  }
  out.push_back('=');
  if (value.Type == kRegSz && !HasControlCharacter(value.Data)) {
    AppendQuoted(
        out, std::string_view(reinterpret_cast<const char*>(value.Data.data()), value.Data.size()));
  } else if (value.Type == kRegDword && value.Data.size() == 4) {
    static constexpr char kDigits[] = "0123456789abcdef";
    const std::uint32_t v = *value.AsDword();
    out.append("dword:");
    for (int shift = 28; shift >= 0; shift -= 4) out.push_back(kDigits[(v >> shift) & 15]);
  } else if (value.Type == kRegBinary) {
    AppendHex(out, "hex:", value.Data);
  } else {
    std::vector<std::uint8_t> data = value.Data;
    if (value.Type == kRegSz) data.push_back(0);
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string prefix = "hex(";
    std::string digits;
    std::uint32_t t = value.Type;
    do {
      digits.insert(digits.begin(), kDigits[t & 15]);
      t >>= 4;
    } while (t != 0);
    prefix.append(digits).append("):");
    AppendHex(out, prefix, data);
  }
  out.push_back('\n');
}

void AppendKey(std::string& out, const SettingsKeyNode& node, const std::string& path) {
  out.append("\n[").append(path).append("]\n");
  for (const auto& [name, value] : node.Values) AppendValue(out, name, value);
  for (const auto& sub : node.Subkeys) AppendKey(out, sub, path + "\\" + sub.Name);
}

}  // namespace

std::optional<SettingsTree> ParseRegeditText(std::string_view text) {
  const std::vector<std::string> lines = LogicalLines(text);
  SettingsTree tree;
  SettingsKeyNode* current = nullptr;
  bool sawHeader = false;
  for (const std::string& raw : lines) {
    std::string_view line = raw;
    while (!line.empty() && (line.back() == ' ' || line.back() == '\t')) line.remove_suffix(1);
    if (line.empty() || line.front() == ';') continue;
    if (!sawHeader) {
      if (line != kRegeditHeader) return std::nullopt;
      sawHeader = true;
      continue;
    }
    if (line.front() == '[') {
      auto key = SectionKey(line);
      if (!key) return std::nullopt;
      for (std::string_view part : KeyParts(*key))
        if (!StorableName(part)) return std::nullopt;
      current = &tree.Create(*key);
      continue;
    }
    if (current == nullptr) return std::nullopt;
    std::string name;
    std::string_view rest;
    if (line.front() == '@') {
      rest = line.substr(1);
    } else {
      auto quoted = ParseQuoted(line);
      if (!quoted) return std::nullopt;
      name = std::move(quoted->first);
      rest = quoted->second;
    }
    if (rest.empty() || rest.front() != '=') return std::nullopt;
    auto value = ParseData(rest.substr(1));
    if (!value) return std::nullopt;
    current->SetValue(name, *value);
  }
  if (!sawHeader) return std::nullopt;
  return tree;
}

std::string FormatRegeditText(const SettingsTree& tree) {
  std::string out(kRegeditHeader);
  out.push_back('\n');
  const SettingsKeyNode& root = tree.Root();
  if (!root.Values.empty()) {
    out.append("\n[").append(kRegeditRoot).append("]\n");
    for (const auto& [name, value] : root.Values) AppendValue(out, name, value);
  }
  for (const auto& sub : root.Subkeys)
    AppendKey(out, sub, std::string(kRegeditRoot) + "\\" + sub.Name);
  return out;
}

}  // namespace varnoke
