#include "platform/vcl/rtl/StringUtils.h"

#include <algorithm>
#include <cctype>

namespace {

bool IsTrimmed(char c) {
  return static_cast<unsigned char>(c) <= ' ';
}
char Upper(char c) {
  return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c;
}
char Lower(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
}

}  // namespace

std::string Trim(const std::string& s) {
  return TrimLeft(TrimRight(s));
}

std::string TrimLeft(const std::string& s) {
  std::size_t i = 0;
  while (i < s.size() && IsTrimmed(s[i])) ++i;
  return s.substr(i);
}

std::string TrimRight(const std::string& s) {
  std::size_t n = s.size();
  while (n > 0 && IsTrimmed(s[n - 1])) --n;
  return s.substr(0, n);
}

std::string UpperCase(const std::string& s) {
  std::string r(s);
  std::transform(r.begin(), r.end(), r.begin(), Upper);
  return r;
}

std::string LowerCase(const std::string& s) {
  std::string r(s);
  std::transform(r.begin(), r.end(), r.begin(), Lower);
  return r;
}

std::string AnsiUpperCase(const std::string& s) {
  return UpperCase(s);
}
std::string AnsiLowerCase(const std::string& s) {
  return LowerCase(s);
}

int CompareText(const std::string& a, const std::string& b) {
  std::size_t n = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < n; ++i) {
    int d = static_cast<unsigned char>(Upper(a[i])) - static_cast<unsigned char>(Upper(b[i]));
    if (d != 0) return d;
  }
  return static_cast<int>(a.size()) - static_cast<int>(b.size());
}

int CompareStr(const std::string& a, const std::string& b) {
  std::size_t n = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < n; ++i) {
    int d = static_cast<unsigned char>(a[i]) - static_cast<unsigned char>(b[i]);
    if (d != 0) return d;
  }
  return static_cast<int>(a.size()) - static_cast<int>(b.size());
}

bool SameText(const std::string& a, const std::string& b) {
  return CompareText(a, b) == 0;
}
int AnsiCompareText(const std::string& a, const std::string& b) {
  return CompareText(a, b);
}
int AnsiCompareStr(const std::string& a, const std::string& b) {
  return CompareStr(a, b);
}
bool AnsiSameText(const std::string& a, const std::string& b) {
  return CompareText(a, b) == 0;
}

int Pos(const std::string& sub, const std::string& s) {
  if (sub.empty()) return 0;
  std::size_t p = s.find(sub);
  return p == std::string::npos ? 0 : static_cast<int>(p) + 1;
}

std::string Copy(const std::string& s, int index, int count) {
  int len = static_cast<int>(s.size());
  if (index < 1) index = 1;
  if (count <= 0 || index > len) return {};
  count = std::min(count, len - index + 1);
  return s.substr(index - 1, count);
}

void Delete(std::string& s, int index, int count) {
  int len = static_cast<int>(s.size());
  if (index < 1 || index > len || count <= 0) return;
  count = std::min(count, len - index + 1);
  s.erase(index - 1, count);
}

void Insert(const std::string& source, std::string& s, int index) {
  int len = static_cast<int>(s.size());
  index = std::clamp(index, 1, len + 1);
  s.insert(index - 1, source);
}

std::string StringOfChar(char c, int count) {
  return count > 0 ? std::string(count, c) : std::string();
}

std::string QuotedStr(const std::string& s) {
  return AnsiQuotedStr(s, '\'');
}

std::string AnsiQuotedStr(const std::string& s, char quote) {
  std::string r(1, quote);
  for (char c : s) {
    r += c;
    if (c == quote) r += c;
  }
  return r + quote;
}

std::string AnsiExtractQuotedStr(const std::string& s, std::size_t& pos, char quote) {
  if (pos >= s.size() || s[pos] != quote) return {};
  std::string r;
  std::size_t i = pos + 1;
  while (i < s.size()) {
    if (s[i] == quote) {
      if (i + 1 < s.size() && s[i + 1] == quote) {
        r += quote;
        i += 2;
        continue;
      }
      ++i;
      break;
    }
    r += s[i++];
  }
  pos = i;
  return r;
}

std::string AnsiDequotedStr(const std::string& s, char quote) {
  std::size_t pos = 0;
  if (s.empty() || s[0] != quote) return s;
  std::string r = AnsiExtractQuotedStr(s, pos, quote);
  // Not a whole quoted string: keep the text as it is.
  if (pos != s.size() || s.size() < 2 || s.back() != quote) return s;
  return r;
}

std::string StringReplaceAll(const std::string& s, const std::string& from, const std::string& to, bool ignoreCase) {
  if (from.empty()) return s;
  std::string hay = ignoreCase ? UpperCase(s) : s;
  std::string needle = ignoreCase ? UpperCase(from) : from;
  std::string r;
  std::size_t i = 0;
  while (true) {
    std::size_t p = hay.find(needle, i);
    if (p == std::string::npos) break;
    r.append(s, i, p - i);
    r += to;
    i = p + from.size();
  }
  r.append(s, i, std::string::npos);
  return r;
}
