#include "tools/resembed/manifest.h"

#include <fstream>
#include <iterator>
#include <map>
#include <sstream>

#include "tools/resembed/converters.h"

namespace resembed {
namespace {

std::vector<std::string> Tokens(const std::string& line, const std::string& where) {
  std::vector<std::string> out;
  size_t i = 0;
  while (i < line.size()) {
    if (line[i] == ' ' || line[i] == '\t' || line[i] == '\r') {
      ++i;
    } else if (line[i] == '#') {
      break;
    } else if (line[i] == '"') {
      const size_t close = line.find('"', i + 1);
      if (close == std::string::npos) throw Failure{where + ": unclosed quote"};
      out.push_back(line.substr(i + 1, close - i - 1));
      i = close + 1;
    } else {
      const size_t end = line.find_first_of(" \t\r", i);
      out.push_back(line.substr(i, end == std::string::npos ? std::string::npos : end - i));
      i = end == std::string::npos ? line.size() : end;
    }
  }
  return out;
}

std::string Folder(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string Upper(std::string s) {
  for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return s;
}

}  // namespace

Bytes ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw Failure{path + ": cannot be read"};
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

Loaded LoadManifest(const std::string& path) {
  Loaded loaded;
  const Bytes manifest = ReadFile(path);
  loaded.inputs.push_back(path);
  const std::string base = Folder(path);
  std::map<std::uint32_t, std::string> strings;
  std::uint16_t nextImageId = 1;
  std::istringstream lines(std::string(manifest.begin(), manifest.end()));
  std::string line;
  for (int number = 1; std::getline(lines, line); ++number) {
    const std::string where = path + ":" + std::to_string(number);
    const auto t = Tokens(line, where);
    if (t.empty()) continue;
    const std::string kind = Upper(t[0]);
    if (kind == "STRINGS") {
      if (t.size() != 2) throw Failure{where + ": expected: STRINGS file"};
      const std::string file = t[1].front() == '/' ? t[1] : base + t[1];
      const Bytes text = ReadFile(file);
      loaded.inputs.push_back(file);
      ReadStringTable(std::string(text.begin(), text.end()), file, strings);
      continue;
    }
    if (t.size() != 3) throw Failure{where + ": expected: type name file"};
    const std::string file = t[2].front() == '/' ? t[2] : base + t[2];
    const Bytes bytes = ReadFile(file);
    loaded.inputs.push_back(file);
    const Id name = Id::Parse(t[1]);
    try {
      if (kind == "BITMAP") {
        loaded.resources.push_back({Id{kBitmap, {}}, name, BitmapFromBmp(bytes, file)});
      } else if (kind == "ICON" || kind == "CURSOR") {
        AddIconOrCursor(bytes, file, name, kind == "CURSOR", nextImageId, loaded.resources);
      } else if (kind == "RCDATA") {
        loaded.resources.push_back({Id{kRcData, {}}, name, bytes});
      } else {
        loaded.resources.push_back({Id::Parse(t[0]), name, bytes});
      }
    } catch (const Failure& f) {
      throw Failure{where + ": " + f.message};
    }
  }
  AddStringBlocks(strings, loaded.resources);
  return loaded;
}

}  // namespace resembed
