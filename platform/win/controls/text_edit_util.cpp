#include "platform/win/controls/text_edit_util.h"

#include <cctype>

namespace win::controls {
namespace {

bool Continuation(unsigned char c) {
  return (c & 0xC0) == 0x80;
}
bool WordChar(char c) {
  return !std::isspace(static_cast<unsigned char>(c));
}

}  // namespace

int NextChar(const std::string& s, int pos) {
  int n = static_cast<int>(s.size());
  if (pos >= n) return n;
  if (s[static_cast<size_t>(pos)] == '\r' && pos + 1 < n && s[static_cast<size_t>(pos) + 1] == '\n') return pos + 2;
  pos++;
  while (pos < n && Continuation(static_cast<unsigned char>(s[static_cast<size_t>(pos)]))) pos++;
  return pos;
}

int PrevChar(const std::string& s, int pos) {
  if (pos <= 0) return 0;
  if (pos >= 2 && s[static_cast<size_t>(pos) - 1] == '\n' && s[static_cast<size_t>(pos) - 2] == '\r') return pos - 2;
  pos--;
  while (pos > 0 && Continuation(static_cast<unsigned char>(s[static_cast<size_t>(pos)]))) pos--;
  return pos;
}

int WordStart(const std::string& s, int pos) {
  while (pos > 0 && WordChar(s[static_cast<size_t>(pos) - 1])) pos--;
  return pos;
}

int WordEnd(const std::string& s, int pos) {
  int n = static_cast<int>(s.size());
  while (pos < n && WordChar(s[static_cast<size_t>(pos)])) pos++;
  return pos;
}

int PrevWordStart(const std::string& s, int pos) {
  while (pos > 0 && !WordChar(s[static_cast<size_t>(pos) - 1])) pos--;
  return WordStart(s, pos);
}

int NextWordStart(const std::string& s, int pos) {
  int n = static_cast<int>(s.size());
  pos = WordEnd(s, pos);
  while (pos < n && !WordChar(s[static_cast<size_t>(pos)])) pos++;
  return pos;
}

size_t CountChars(const std::string& s) {
  size_t n = 0;
  for (unsigned char c : s)
    if (!Continuation(c)) n++;
  return n;
}

std::string SingleLine(const std::string& s) {
  size_t end = s.find_first_of("\r\n");
  return end == std::string::npos ? s : s.substr(0, end);
}

std::string CutToBytes(const std::string& s, size_t n) {
  if (s.size() <= n) return s;
  while (n > 0 && Continuation(static_cast<unsigned char>(s[n]))) n--;
  return s.substr(0, n);
}

}  // namespace win::controls
