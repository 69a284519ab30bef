#include "controls/shell/UNavShellUtils/SystemInfo.h"

#include <vector>

#include "platform/win/winver.h"

namespace {

bool g_versionsRead = false;
bool g_winNT = false;
TNavComctl32Version g_comctl32;

void ReadVersions() {
  if (g_versionsRead) return;
  OSVERSIONINFOA info{};
  info.dwOSVersionInfoSize = sizeof info;
  g_winNT = GetVersionExA(&info) && info.dwPlatformId == VER_PLATFORM_WIN32_NT;
  g_comctl32 = {};
  if (!GetFileVersion("comctl32.dll", g_comctl32.Most, g_comctl32.Least)) g_comctl32 = {};
  g_versionsRead = true;
}

}  // namespace

bool IsWinNT() {
  ReadVersions();
  return g_winNT;
}

TNavComctl32Version Comctl32Version() {
  ReadVersions();
  return g_comctl32;
}

void ResetNavSystemInfo() {
  g_versionsRead = false;
}

bool GetFileVersion(const std::string& fileName, DWORD& most, DWORD& least) {
  DWORD handle = 0;
  const DWORD size = GetFileVersionInfoSizeA(fileName.c_str(), &handle);
  if (size == 0) return false;
  std::vector<BYTE> block(size);
  if (!GetFileVersionInfoA(fileName.c_str(), handle, size, block.data())) return false;
  void* fixed = nullptr;
  UINT length = 0;
  if (!VerQueryValueA(block.data(), "\\", &fixed, &length) || !fixed || length < sizeof(VS_FIXEDFILEINFO)) return false;
  const auto* info = static_cast<const VS_FIXEDFILEINFO*>(fixed);
  most = info->dwFileVersionMS;
  least = info->dwFileVersionLS;
  return true;
}
