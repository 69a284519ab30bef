// helpc: compiles a help source into a ".hlp" file for the help viewer.
//
// Source (UTF-8 text, LF or CR LF):
//   # a comment line
//   title <the help file's title>
//   topic <context number> <topic title>
//   <text lines of the topic; a blank line starts a new paragraph>
//
// Output (little-endian): "DRUMSHLP", u16 version 1, string title, u32 topic
// count, then per topic u32 context, string title, string text (paragraphs
// separated by "\n"); a string is a u32 byte count and the bytes.
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "tools/WriteFileAtomically.h"

namespace {

struct Topic {
  std::uint32_t context = 0;
  std::string title;
  std::string text;
};

struct HelpSource {
  std::string title;
  std::vector<Topic> topics;
};

std::string Trim(const std::string& s) {
  const std::size_t begin = s.find_first_not_of(" \t\r");
  if (begin == std::string::npos) return {};
  return s.substr(begin, s.find_last_not_of(" \t\r") - begin + 1);
}

bool Fail(const std::string& file, int line, const std::string& message) {
  std::cerr << file << ":" << line << ": " << message << "\n";
  return false;
}

bool Parse(const std::string& file, std::istream& in, HelpSource& out) {
  std::string raw;
  int line = 0;
  bool paragraphOpen = false;
  std::set<std::uint32_t> contexts;
  while (std::getline(in, raw)) {
    ++line;
    const std::string text = Trim(raw);
    if (text.starts_with("#")) continue;
    if (text.starts_with("title ")) {
      out.title = Trim(text.substr(6));
      continue;
    }
    if (text.starts_with("topic ")) {
      std::istringstream fields(text.substr(6));
      long long context = -1;
      if (!(fields >> context) || context < 0 || context > 0xFFFFFFFFLL)
        return Fail(file, line, "a topic needs a context number");
      if (!contexts.insert(static_cast<std::uint32_t>(context)).second)
        return Fail(file, line, "context " + std::to_string(context) + " is used twice");
      std::string title;
      std::getline(fields, title);
      out.topics.push_back({static_cast<std::uint32_t>(context), Trim(title), {}});
      paragraphOpen = false;
      continue;
    }
    if (text.empty()) {
      paragraphOpen = false;
      continue;
    }
    if (out.topics.empty()) return Fail(file, line, "text before the first topic");
    std::string& body = out.topics.back().text;
    if (paragraphOpen)
      body += " ";
    else if (!body.empty())
      body += "\n";
    body += text;
    paragraphOpen = true;
  }
  if (out.topics.empty()) return Fail(file, line, "no topic");
  return true;
}

void PutU32(std::string& out, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out += static_cast<char>((v >> (8 * i)) & 0xFF);
}

void PutString(std::string& out, const std::string& s) {
  PutU32(out, static_cast<std::uint32_t>(s.size()));
  out += s;
}

std::string Compile(const HelpSource& source) {
  std::string out = "DRUMSHLP";
  out += '\x01';
  out += '\x00';
  PutString(out, source.title);
  PutU32(out, static_cast<std::uint32_t>(source.topics.size()));
  for (const Topic& topic : source.topics) {
    PutU32(out, topic.context);
    PutString(out, topic.title);
    PutString(out, topic.text);
  }
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: helpc <source> <output.hlp>\n";
    return 2;
  }
  std::ifstream in(argv[1], std::ios::binary);
  if (!in) {
    std::cerr << argv[1] << ": cannot be read\n";
    return 1;
  }
  HelpSource source;
  if (!Parse(argv[1], in, source)) return 1;
  if (!WriteFileAtomically(argv[2], Compile(source))) return 1;
  return 0;
}
