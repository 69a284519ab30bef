#include "tools/resembed/converters.h"

#include <array>
#include <cctype>
#include <cstdlib>

namespace resembed {
namespace {

unsigned Word(const Bytes& b, size_t at) {
  return b[at] | (unsigned{b[at + 1]} << 8);
}
std::uint32_t Dword(const Bytes& b, size_t at) {
  return Word(b, at) | (std::uint32_t{Word(b, at + 2)} << 16);
}
void PutWord(Bytes& b, unsigned v) {
  b.push_back(static_cast<unsigned char>(v));
  b.push_back(static_cast<unsigned char>(v >> 8));
}
void PutDword(Bytes& b, std::uint32_t v) {
  PutWord(b, v & 0xFFFF);
  PutWord(b, v >> 16);
}

[[noreturn]] void Fail(const std::string& path, const std::string& what) {
  throw Failure{path + ": " + what};
}

}  // namespace

Id Id::Parse(const std::string& token) {
  Id id;
  const bool digits = !token.empty() && token.size() <= 5 &&
                      token.find_first_not_of("0123456789") == std::string::npos && std::stoul(token) <= 0xFFFF;
  if (digits) {
    id.number = static_cast<std::uint16_t>(std::stoul(token));
  } else {
    for (char c : token) id.text += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  }
  return id;
}

Bytes BitmapFromBmp(const Bytes& file, const std::string& path) {
  if (file.size() < 14 + 12 || file[0] != 'B' || file[1] != 'M') Fail(path, "not a BMP file");
  const std::uint32_t headerSize = Dword(file, 14);
  if (headerSize < 12 || 14 + headerSize > file.size()) Fail(path, "damaged BMP header");
  return Bytes(file.begin() + 14, file.end());
}

void AddIconOrCursor(const Bytes& file, const std::string& path, const Id& name, bool cursor,
                     std::uint16_t& nextImageId, std::vector<Resource>& out) {
  const unsigned wantType = cursor ? 2 : 1;
  if (file.size() < 6 || Word(file, 0) != 0 || Word(file, 2) != wantType)
    Fail(path, cursor ? "not a .cur file" : "not an .ico file");
  const unsigned count = Word(file, 4);
  if (count == 0 || file.size() < 6 + 16 * size_t{count}) Fail(path, "damaged directory");
  Bytes group;
  PutWord(group, 0);
  PutWord(group, wantType);
  PutWord(group, count);
  for (unsigned i = 0; i < count; ++i) {
    const size_t e = 6 + 16 * size_t{i};
    const std::uint32_t size = Dword(file, e + 8), offset = Dword(file, e + 12);
    if (offset > file.size() || size > file.size() - offset || size < 4)
      Fail(path, "image " + std::to_string(i) + " lies outside the file");
    const Bytes image(file.begin() + offset, file.begin() + offset + size);
    const std::uint16_t id = nextImageId++;
    // The bit count of a DIB image is in its header; PNG images have none.
    const bool dib = Dword(image, 0) == 40 && image.size() >= 16;
    const unsigned bitCount = dib ? Word(image, 14) : 32;
    Resource res;
    res.type.number = cursor ? kCursor : kIcon;
    res.name.number = id;
    if (cursor) {
      // A cursor image starts with its hot spot, which the .cur file
      // keeps in the directory entry's planes and bit-count fields.
      PutWord(res.data, Word(file, e + 4));
      PutWord(res.data, Word(file, e + 6));
      res.data.insert(res.data.end(), image.begin(), image.end());
      const unsigned width = file[e] ? file[e] : 256, height = file[e + 1] ? file[e + 1] : 256;
      PutWord(group, width);
      PutWord(group, height * 2);
      PutWord(group, 1);
      PutWord(group, bitCount);
      PutDword(group, size + 4);
    } else {
      res.data = image;
      group.insert(group.end(), file.begin() + e, file.begin() + e + 4);  // width, height, colours, reserved
      PutWord(group, Word(file, e + 4) ? Word(file, e + 4) : 1);
      PutWord(group, Word(file, e + 6) ? Word(file, e + 6) : bitCount);
      PutDword(group, size);
    }
    PutWord(group, id);
    out.push_back(std::move(res));
  }
  Resource g;
  g.type.number = cursor ? kGroupCursor : kGroupIcon;
  g.name = name;
  g.data = std::move(group);
  out.push_back(std::move(g));
}

void ReadStringTable(const std::string& text, const std::string& path, std::map<std::uint32_t, std::string>& strings) {
  size_t pos = 0;
  int line = 0;
  while (pos < text.size()) {
    size_t end = text.find('\n', pos);
    if (end == std::string::npos) end = text.size();
    std::string s = text.substr(pos, end - pos);
    pos = end + 1;
    ++line;
    const std::string where = path + ":" + std::to_string(line);
    if (!s.empty() && s.back() == '\r') s.pop_back();
    size_t i = s.find_first_not_of(" \t");
    if (i == std::string::npos || s[i] == '#') continue;
    size_t numEnd = s.find_first_not_of("0123456789", i);
    if (numEnd == i || numEnd == std::string::npos) throw Failure{where + ": expected: number \"text\""};
    const unsigned long id = std::strtoul(s.substr(i, numEnd - i).c_str(), nullptr, 10);
    if (id > 0xFFFF) throw Failure{where + ": string number above 65535"};
    i = s.find_first_not_of(" \t", numEnd);
    if (i == std::string::npos || s[i] != '"') throw Failure{where + ": expected a quoted text"};
    std::string value;
    bool closed = false;
    for (++i; i < s.size(); ++i) {
      char c = s[i];
      if (c == '"') {
        closed = true;
        break;
      }
      if (c == '\\' && i + 1 < s.size()) {
        c = s[++i];
        switch (c) {
          case 'n': value += '\n'; break;
          case 't': value += '\t'; break;
          case 'r': value += '\r'; break;
          case 'x':
            if (i + 2 < s.size() && std::isxdigit(static_cast<unsigned char>(s[i + 1])) &&
                std::isxdigit(static_cast<unsigned char>(s[i + 2]))) {
              value += static_cast<char>(std::strtoul(s.substr(i + 1, 2).c_str(), nullptr, 16));
              i += 2;
            } else {
              throw Failure{where + ": \\x needs two hex digits"};
            }
            break;
          default: value += c; break;
        }
      } else {
        value += c;
      }
    }
    if (!closed) throw Failure{where + ": the text has no closing quote"};
    if (value.size() > 0xFFFF) throw Failure{where + ": text longer than 65535 bytes"};
    if (!strings.emplace(static_cast<std::uint32_t>(id), value).second)
      throw Failure{where + ": string " + std::to_string(id) + " is given twice"};
  }
}

void AddStringBlocks(const std::map<std::uint32_t, std::string>& strings, std::vector<Resource>& out) {
  std::map<std::uint32_t, std::array<const std::string*, 16>> blocks;
  for (const auto& [id, text] : strings) {
    auto& block = blocks.try_emplace(id / 16).first->second;
    block[id % 16] = &text;
  }
  for (const auto& [n, block] : blocks) {
    Resource res;
    res.type.number = kString;
    res.name.number = static_cast<std::uint16_t>(n + 1);
    for (const std::string* text : block) {
      PutWord(res.data, text ? static_cast<unsigned>(text->size()) : 0u);
      if (text) res.data.insert(res.data.end(), text->begin(), text->end());
    }
    out.push_back(std::move(res));
  }
}

}  // namespace resembed
