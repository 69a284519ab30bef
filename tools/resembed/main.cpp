// resembed: turns a resource manifest into a C++ source that embeds the
// resources and registers them with the Windows resource functions.
//
//   resembed --module NAME [--main] --out FILE.cpp [--depfile FILE.d] MANIFEST
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>

#include "tools/resembed/emit.h"
#include "tools/resembed/manifest.h"

namespace {

// Writes only when the text changed, so that an unchanged manifest does not
// make the build compile the generated source again.
bool WriteIfChanged(const std::string& path, const std::string& text) {
  {
    std::ifstream in(path, std::ios::binary);
    if (in) {
      std::string old((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
      if (old == text) return true;
    }
  }
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << text;
  return static_cast<bool>(out);
}

std::string Escaped(const std::string& path) {
  std::string out;
  for (char c : path) {
    if (c == ' ') out += '\\';
    out += c;
  }
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  std::string module, out, depfile, manifest;
  bool mainModule = false;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "--module" && i + 1 < argc)
      module = argv[++i];
    else if (a == "--out" && i + 1 < argc)
      out = argv[++i];
    else if (a == "--depfile" && i + 1 < argc)
      depfile = argv[++i];
    else if (a == "--main")
      mainModule = true;
    else if (manifest.empty() && a.rfind("--", 0) != 0)
      manifest = a;
    else {
      std::fprintf(stderr, "resembed: unexpected argument %s\n", a.c_str());
      return 2;
    }
  }
  if (module.empty() || out.empty() || manifest.empty()) {
    std::fprintf(stderr, "usage: resembed --module NAME [--main] --out FILE.cpp [--depfile FILE.d] MANIFEST\n");
    return 2;
  }
  try {
    const resembed::Loaded loaded = resembed::LoadManifest(manifest);
    if (!WriteIfChanged(out, resembed::EmitSource(loaded.resources, module, mainModule))) {
      std::fprintf(stderr, "resembed: cannot write %s\n", out.c_str());
      return 1;
    }
    if (!depfile.empty()) {
      std::string deps = Escaped(out) + ":";
      for (const auto& input : loaded.inputs) deps += " \\\n  " + Escaped(input);
      WriteIfChanged(depfile, deps + "\n");
    }
  } catch (const resembed::Failure& f) {
    std::fprintf(stderr, "resembed: %s\n", f.message.c_str());
    return 1;
  }
  return 0;
}
