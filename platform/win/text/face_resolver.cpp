#include "platform/win/text/face_resolver.h"

#include <fontconfig/fontconfig.h>
#include <strings.h>

#include <cstdlib>
#include <map>
#include <mutex>
#include <tuple>

#include "platform/win/wingdi_font.h"

namespace win::text {
namespace {

constexpr const char* kSans = "Liberation Sans";
constexpr const char* kMono = "Liberation Mono";
constexpr const char* kSerif = "Liberation Serif";
constexpr const char* kLastResort = "DejaVu Sans";

bool SameName(const std::string& a, const std::string& b) {
  return strcasecmp(a.c_str(), b.c_str()) == 0;
}

// The family to use when the requested one is unknown (or empty): by pitch
// first, then by family, as Windows' mapper weighs them.
// An empty name asks for the system's default face, a sans.
std::string FallbackFamily(BYTE pitchAndFamily, BYTE charSet, bool nameGiven) {
  if (charSet == OEM_CHARSET || (pitchAndFamily & 0x03) == FIXED_PITCH || (pitchAndFamily & 0xF0) == FF_MODERN)
    return kMono;
  if ((pitchAndFamily & 0xF0) == FF_ROMAN) return kSerif;
  if ((pitchAndFamily & 0xF0) == FF_SWISS || !nameGiven) return kSans;
  return kLastResort;
}

// A private configuration over the usual font folders, without the system's
// rules: matching stays the same on every machine, and the system rule
// files' parser leaks stay out of sanitised runs. The system's font caches
// are read when present.
FcConfig* Config() {
  static FcConfig* config = [] {
    static const char kConfig[] =
        "<?xml version=\"1.0\"?><fontconfig>"
        "<dir>/usr/share/fonts</dir><dir>/usr/local/share/fonts</dir>"
        "<dir prefix=\"xdg\">fonts</dir>"
        "<cachedir>/var/cache/fontconfig</cachedir>"
        "<cachedir prefix=\"xdg\">fontconfig</cachedir>"
        "</fontconfig>";
    FcConfig* c = FcConfigCreate();
    FcConfigParseAndLoadFromMemory(c, reinterpret_cast<const FcChar8*>(kConfig), FcFalse);
    FcConfigBuildFonts(c);
    return c;
  }();
  return config;
}

struct Match {
  ResolvedFace face;
  bool familyMatched = false;
};

Match FcMatchFamily(const std::string& family, int weight, bool italic) {
  Match result;
  FcPattern* pattern = FcPatternCreate();
  FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
  FcPatternAddInteger(pattern, FC_WEIGHT, weight >= FW_SEMIBOLD ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
  FcPatternAddInteger(pattern, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
  FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
  FcConfigSubstitute(Config(), pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  FcResult fcResult = FcResultNoMatch;
  FcPattern* match = FcFontMatch(Config(), pattern, &fcResult);
  if (match) {
    FcChar8* file = nullptr;
    FcChar8* found = nullptr;
    int index = 0, matchedWeight = FC_WEIGHT_REGULAR, slant = FC_SLANT_ROMAN;
    if (FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch) {
      result.face.file = reinterpret_cast<const char*>(file);
    }
    FcPatternGetInteger(match, FC_INDEX, 0, &index);
    FcPatternGetInteger(match, FC_WEIGHT, 0, &matchedWeight);
    FcPatternGetInteger(match, FC_SLANT, 0, &slant);
    result.face.index = index;
    result.face.isBold = matchedWeight >= FC_WEIGHT_DEMIBOLD;
    result.face.isItalic = slant != FC_SLANT_ROMAN;
    // A family can carry several names (localised ones); any may match.
    for (int i = 0; FcPatternGetString(match, FC_FAMILY, i, &found) == FcResultMatch; ++i) {
      const std::string name = reinterpret_cast<const char*>(found);
      if (i == 0) result.face.family = name;
      if (SameName(name, family)) {
        result.familyMatched = true;
        result.face.family = name;
      }
    }
    FcPatternDestroy(match);
  }
  FcPatternDestroy(pattern);
  return result;
}

}  // namespace

std::string TableFamily(const std::string& windowsFace) {
  static const std::pair<const char*, const char*> kTable[] = {
      {"MS Sans Serif", kSans},
      {"MS Shell Dlg", kSans},
      {"MS Shell Dlg 2", kSans},
      {"Microsoft Sans Serif", kSans},
      {"Arial", kSans},
      {"Tahoma", kSans},
      {"Verdana", kSans},
      {"System", kSans},
      {"Courier New", kMono},
      {"Courier", kMono},
      {"Fixedsys", kMono},
      {"Terminal", kMono},
      {"Times New Roman", kSerif},
  };
  for (const auto& [name, family] : kTable) {
    if (SameName(windowsFace, name)) return family;
  }
  return {};
}

ResolvedFace ResolveFace(const std::string& windowsFace, int weight, bool italic, BYTE pitchAndFamily, BYTE charSet) {
  static std::mutex mutex;
  static std::map<std::tuple<std::string, bool, bool, BYTE, BYTE>, ResolvedFace> cache;
  std::lock_guard lock(mutex);
  std::string lowered = windowsFace;
  for (char& c : lowered) c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
  const auto key = std::make_tuple(lowered, weight >= FW_SEMIBOLD, italic, pitchAndFamily, charSet);
  if (auto it = cache.find(key); it != cache.end()) return it->second;

  std::string family = TableFamily(windowsFace);
  if (family.empty() && !windowsFace.empty()) {
    Match direct = FcMatchFamily(windowsFace, weight, italic);
    if (direct.familyMatched && !direct.face.file.empty()) return cache[key] = direct.face;
  }
  if (family.empty()) family = FallbackFamily(pitchAndFamily, charSet, !windowsFace.empty());
  Match chosen = FcMatchFamily(family, weight, italic);
  if ((!chosen.familyMatched || chosen.face.file.empty()) && family != kLastResort) {
    chosen = FcMatchFamily(kLastResort, weight, italic);
  }
  return cache[key] = chosen.face;
}

}  // namespace win::text
