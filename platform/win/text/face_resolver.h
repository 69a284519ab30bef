// Maps a Windows face name, weight, slant and pitch-and-family onto a font
// file on this machine. The classic Windows faces go through a fixed table to
// the metric-compatible Liberation families; any other name goes through
// fontconfig's own matching, and a name fontconfig does not know falls back
// to a family chosen by the requested pitch and family.
#pragma once

#include <string>

#include "platform/win/windef.h"

namespace win::text {

struct ResolvedFace {
  std::string file;
  int index = 0;  // face index inside the file
  std::string family;  // the installed family that was found
  bool isBold = false;  // the file itself is bold (otherwise bold is synthesised)
  bool isItalic = false;  // the file itself is italic or oblique
};

// The installed family a Windows face name maps to, or "" when the name is
// not in the fixed table.
std::string TableFamily(const std::string& windowsFace);

ResolvedFace ResolveFace(const std::string& windowsFace, int weight, bool italic, BYTE pitchAndFamily, BYTE charSet);

}  // namespace win::text
