#include "platform/win/kernel/ini_document.h"

#include <unordered_set>

#include "platform/win/kernel/paths.h"

namespace win::kernel {
namespace {

std::string Trim(std::string_view s) {
  size_t b = 0, e = s.size();
  while (b < e && (s[b] == ' ' || s[b] == '\t')) ++b;
  while (e > b && (s[e - 1] == ' ' || s[e - 1] == '\t')) --e;
  return std::string(s.substr(b, e - b));
}

// Names compare ignoring ASCII case, as EqualsIgnoringCase does.
std::string AsciiLowered(std::string_view s) {
  std::string out(s);
  for (char& c : out)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return out;
}

}  // namespace

IniDocument IniDocument::Parse(std::string_view text) {
  IniDocument doc;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view raw = text.substr(start, end - start);
    if (!raw.empty() && raw.back() == '\r') raw.remove_suffix(1);
    Line line;
    line.text = std::string(raw);
    std::string trimmed = Trim(raw);
    if (!trimmed.empty() && trimmed[0] == '[') {
      size_t close = trimmed.find(']');
      line.isHeader = true;
      line.section = Trim(trimmed.substr(1, close == std::string::npos ? std::string::npos : close - 1));
    } else if (!trimmed.empty() && trimmed[0] != ';') {
      size_t eq = trimmed.find('=');
      if (eq != std::string::npos) {
        line.isKey = true;
        line.key = Trim(std::string_view(trimmed).substr(0, eq));
      }
    }
    doc.lines_.push_back(std::move(line));
    start = end + 1;
  }
  return doc;
}

std::string IniDocument::Serialise() const {
  std::string out;
  for (const Line& line : lines_) out += line.text + "\r\n";
  return out;
}

long IniDocument::FindSection(std::string_view section) const {
  for (size_t i = 0; i < lines_.size(); ++i)
    if (lines_[i].isHeader && EqualsIgnoringCase(lines_[i].section, section)) return static_cast<long>(i);
  return -1;
}

void IniDocument::SectionRange(long header, size_t& first, size_t& end) const {
  first = static_cast<size_t>(header) + 1;
  end = first;
  while (end < lines_.size() && !lines_[end].isHeader) ++end;
}

std::vector<std::string> IniDocument::Sections() const {
  std::vector<std::string> names;
  // Duplicates are found by their lowered names in a hash set: a file of
  // many sections costs linear time, not quadratic.
  std::unordered_set<std::string> seen;
  for (const Line& line : lines_) {
    if (line.isHeader && seen.insert(AsciiLowered(line.section)).second) names.push_back(line.section);
  }
  return names;
}

std::vector<std::string> IniDocument::Keys(std::string_view section) const {
  std::vector<std::string> keys;
  long header = FindSection(section);
  if (header < 0) return keys;
  size_t first, end;
  SectionRange(header, first, end);
  for (size_t i = first; i < end; ++i)
    if (lines_[i].isKey) keys.push_back(lines_[i].key);
  return keys;
}

std::optional<std::string> IniDocument::Get(std::string_view section, std::string_view key) const {
  long header = FindSection(section);
  if (header < 0) return std::nullopt;
  size_t first, end;
  SectionRange(header, first, end);
  for (size_t i = first; i < end; ++i) {
    if (!lines_[i].isKey || !EqualsIgnoringCase(lines_[i].key, key)) continue;
    std::string value = Trim(std::string_view(lines_[i].text).substr(lines_[i].text.find('=') + 1));
    if (value.size() >= 2 && (value[0] == '"' || value[0] == '\'') && value.back() == value[0])
      value = value.substr(1, value.size() - 2);
    return value;
  }
  return std::nullopt;
}

void IniDocument::Set(std::string_view section, std::string_view key, std::string_view value) {
  Line line;
  line.isKey = true;
  line.key = std::string(key);
  line.text = std::string(key) + "=" + std::string(value);
  long header = FindSection(section);
  if (header < 0) {
    Line head;
    head.isHeader = true;
    head.section = std::string(section);
    head.text = "[" + head.section + "]";
    lines_.push_back(std::move(head));
    lines_.push_back(std::move(line));
    return;
  }
  size_t first, end;
  SectionRange(header, first, end);
  size_t insertAt = first;
  for (size_t i = first; i < end; ++i) {
    if (lines_[i].isKey && EqualsIgnoringCase(lines_[i].key, key)) {
      line.key = lines_[i].key;  // keep the name as the file spells it
      line.text = line.key + "=" + std::string(value);
      lines_[i] = std::move(line);
      return;
    }
    if (!lines_[i].text.empty()) insertAt = i + 1;  // after the last non-blank line
  }
  lines_.insert(lines_.begin() + static_cast<long>(insertAt), std::move(line));
}

void IniDocument::DeleteKey(std::string_view section, std::string_view key) {
  long header = FindSection(section);
  if (header < 0) return;
  size_t first, end;
  SectionRange(header, first, end);
  for (size_t i = first; i < end; ++i) {
    if (lines_[i].isKey && EqualsIgnoringCase(lines_[i].key, key)) {
      lines_.erase(lines_.begin() + static_cast<long>(i));
      return;
    }
  }
}

void IniDocument::DeleteSection(std::string_view section) {
  long header = FindSection(section);
  if (header < 0) return;
  size_t first, end;
  SectionRange(header, first, end);
  lines_.erase(lines_.begin() + header, lines_.begin() + static_cast<long>(end));
}

}  // namespace win::kernel
