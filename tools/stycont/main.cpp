// stycont: the build's container-file writer. Reads a manifest of bitmaps and
// writes them as the items of a bitmap-list container file, or, with
// --form-object, as a bitmap list of that name in the text form format, for a
// form that stores its pictures.
//
//   stycont --out FILE [--depfile FILE] [--form-object NAME] MANIFEST
//
// The manifest holds one item a line, in item order; "#" starts a comment
// line. A line names a bitmap file (relative to the manifest's folder) or
// "-" for an empty item, then options: "compressed", "ident=N",
// "colors=2|16|256" (else the bitmap's own format) and "description=TEXT"
// (the rest of the line).
#include <cstdio>
#include <exception>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "controls/styled/stycont.h"
#include "platform/vcl/Classes.h"
#include "platform/vcl/Graphics.h"
#include "platform/vcl/SysUtils.h"

namespace {

struct Entry {
  std::string file;  // empty: an empty item
  bool compressed = false;
  int ident = 0;
  TStySavePixelFormat format = spfDefault;
  std::string description;
};

std::string Folder(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? std::string(".") : path.substr(0, slash);
}

TStySavePixelFormat FormatOf(const std::string& colors) {
  if (colors == "2") return spfMono;
  if (colors == "16") return spf4bit;
  if (colors == "256") return spf8bit;
  throw std::runtime_error("colors must be 2, 16 or 256, not " + colors);
}

std::vector<Entry> ReadManifest(const std::string& path) {
  std::ifstream in(path);
  if (!in) throw std::runtime_error("cannot read " + path);
  std::vector<Entry> entries;
  std::string line;
  for (int number = 1; std::getline(in, line); ++number) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::istringstream words(line);
    std::string name;
    if (!(words >> name) || name[0] == '#') continue;
    Entry entry;
    if (name != "-") entry.file = Folder(path) + "/" + name;
    for (std::string option; words >> option;) {
      try {
        if (option == "compressed") {
          entry.compressed = true;
        } else if (option.rfind("ident=", 0) == 0) {
          entry.ident = std::stoi(option.substr(6));
          if (entry.ident < 0 || entry.ident > 0xFFFF) throw std::runtime_error("ident out of range");
        } else if (option.rfind("colors=", 0) == 0) {
          entry.format = FormatOf(option.substr(7));
        } else if (option.rfind("description=", 0) == 0) {
          std::string rest;
          std::getline(words, rest);
          entry.description = option.substr(12) + rest;
        } else {
          throw std::runtime_error("unknown option " + option);
        }
      } catch (const std::exception& e) {
        throw std::runtime_error(path + ":" + std::to_string(number) + ": " + e.what());
      }
    }
    entries.push_back(entry);
  }
  return entries;
}

std::string Escaped(const std::string& path) {
  std::string out;
  for (char c : path) {
    if (c == ' ' || c == '#' || c == '$') out += '\\';
    out += c;
  }
  return out;
}

// The list as a form's text: its items are its children, each with its
// picture in the item's own stored form.
void WriteFormObject(TStyBitmapList& list, const std::string& path) {
  TMemoryStream binary, text;
  WriteComponent(&binary, &list);
  binary.SetPosition(0);
  ObjectBinaryToText(&binary, &text);
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(static_cast<const char*>(text.GetMemory()), static_cast<std::streamsize>(text.GetSize()));
  if (!file) throw std::runtime_error("cannot write " + path);
}

int Usage() {
  std::fprintf(stderr, "usage: stycont --out FILE [--depfile FILE] [--form-object NAME] MANIFEST\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  std::string out, depfile, manifest, formObject;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--out" && i + 1 < argc)
      out = argv[++i];
    else if (arg == "--depfile" && i + 1 < argc)
      depfile = argv[++i];
    else if (arg == "--form-object" && i + 1 < argc)
      formObject = argv[++i];
    else if (!arg.empty() && arg[0] == '-')
      return Usage();
    else if (manifest.empty())
      manifest = arg;
    else
      return Usage();
  }
  if (out.empty() || manifest.empty()) return Usage();
  try {
    const std::vector<Entry> entries = ReadManifest(manifest);
    TStyBitmapList list(nullptr);
    std::string deps;
    for (const Entry& entry : entries) {
      auto* item = static_cast<TStyBitmapListItem*>(list.GetItems(list.AddItem(nullptr)));
      item->SetCompressed(entry.compressed);
      item->SetIdent(static_cast<std::uint16_t>(entry.ident));
      item->SetPixelFormat(entry.format);
      item->SetDescription(entry.description);
      if (entry.file.empty()) continue;
      TBitmap bitmap;
      try {
        bitmap.LoadFromFile(entry.file);
      } catch (const Exception& e) {
        throw std::runtime_error(entry.file + ": " + e.GetMessage());
      }
      item->SetBitmap(&bitmap);
      deps += " " + Escaped(entry.file);
    }
    if (formObject.empty()) {
      list.SaveToFile(out);
    } else {
      list.SetName(formObject);
      WriteFormObject(list, out);
    }
    if (!depfile.empty()) {
      std::ofstream dep(depfile, std::ios::trunc);
      dep << Escaped(out) << ":" << deps << "\n";
      if (!dep) throw std::runtime_error("cannot write " + depfile);
    }
  } catch (const std::exception& e) {
    std::fprintf(stderr, "stycont: %s\n", e.what());
    std::remove(out.c_str());
    return 1;
  }
  return 0;
}
