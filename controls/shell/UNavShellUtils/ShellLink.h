// Reading a shell link (shortcut) file.
#pragma once

#include <string>

#include "platform/win/shlobj.h"

struct TLinkData {
  std::string PathName;
  BYTE ValidFields = 0;  // 63 after a full read
  std::string Description;
  std::string Arguments;
  std::string IconPath;
  int IconIndex = 0;
  std::string WorkingDirectory;
  int ShowCmd = 0;
  WORD HotKey = 0;
  bool NoUI = false;  // in: resolve without user interface
  LPITEMIDLIST IdList = nullptr;  // the target's absolute list, owned by the caller
  WIN32_FIND_DATAA FindData{};
};

// Loads and resolves the link at path and fills data; stops at the first
// failing call and returns its result (S_OK after a full read). A text too
// long for its buffer fails the read rather than being cut.
HRESULT ReadShellLink(const std::string& path, TLinkData& data, bool wantIdList);
