#include "controls/styled/styclass/StyRegIniFile.h"

TStyRegIniFile::TStyRegIniFile(HKEY RootKey, const std::string& KeyPath) : TRegIniFile(RootKey, KeyPath) {
  SetLazyWrite(true);
}

HKEY StyRegRootKey(TStyRegRootKey Root) {
  switch (Root) {
    case rpClassesRoot: return HKEY_CLASSES_ROOT;
    case rpCurrentUser: return HKEY_CURRENT_USER;
    case rpLocalMachine: return HKEY_LOCAL_MACHINE;
    case rpUsers: return HKEY_USERS;
    case rpCurrentConfig: return HKEY_CURRENT_CONFIG;
    case rpDynData: return HKEY_DYN_DATA;
  }
  return nullptr;
}
