// TStyRegIniFile: the registry used like a settings file for one call of
// the settings store: a root key and a key path, opened (made when missing)
// at creation, with lazy writing.
#pragma once

#include <string>

#include "controls/styled/styclass/IniCtrl.h"
#include "platform/vcl/Registry.h"

class TStyRegIniFile : public TRegIniFile {
  DRUMS_CLASS(TStyRegIniFile, TRegIniFile)
 public:
  TStyRegIniFile(HKEY RootKey, const std::string& KeyPath);
};

// The predefined key of a root; null for a value outside the enumeration.
HKEY StyRegRootKey(TStyRegRootKey Root);
