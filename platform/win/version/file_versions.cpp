#include "platform/win/version/file_versions.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <map>
#include <mutex>
#include <optional>

#include "platform/win/winbase.h"
#include "platform/win/winerror.h"
#include "platform/win/winver.h"

namespace win::version {
namespace {

struct Version {
  DWORD ms = 0, ls = 0;
};

std::mutex g_mutex;

std::map<std::string, Version> SystemVersions() {
  return {{"comctl32.dll", {0x00050051, 0x00000000}}};  // 5.81
}

std::map<std::string, Version>& Versions() {
  static std::map<std::string, Version> versions = SystemVersions();
  return versions;
}

std::string Key(const std::string& fileName) {
  size_t slash = fileName.find_last_of("\\/");
  std::string base = slash == std::string::npos ? fileName : fileName.substr(slash + 1);
  std::transform(base.begin(), base.end(), base.begin(), [](unsigned char c) { return std::tolower(c); });
  return base;
}

std::optional<Version> Find(const char* fileName) {
  if (!fileName) return std::nullopt;
  std::lock_guard lock(g_mutex);
  auto it = Versions().find(Key(fileName));
  if (it == Versions().end()) return std::nullopt;
  return it->second;
}

// The block: a tag, the fixed information, the translation and the version text.
constexpr char kTag[8] = {'V', 'S', '_', 'V', 'E', 'R', 'S', 0};
struct Block {
  char tag[8];
  VS_FIXEDFILEINFO fixed;
  DWORD translation;
  char text[32];
};

}  // namespace

void SetFileVersion(const std::string& fileName, DWORD mostSignificant, DWORD leastSignificant) {
  std::lock_guard lock(g_mutex);
  Versions()[Key(fileName)] = {mostSignificant, leastSignificant};
}

void RemoveFileVersion(const std::string& fileName) {
  std::lock_guard lock(g_mutex);
  Versions().erase(Key(fileName));
}

void ResetFileVersions() {
  std::lock_guard lock(g_mutex);
  Versions() = SystemVersions();
}

}  // namespace win::version

using namespace win::version;

DWORD GetFileVersionInfoSizeA(LPCSTR fileName, LPDWORD handle) {
  if (handle) *handle = 0;
  if (!Find(fileName)) {
    SetLastError(ERROR_RESOURCE_TYPE_NOT_FOUND);
    return 0;
  }
  return sizeof(Block);
}

BOOL GetFileVersionInfoA(LPCSTR fileName, DWORD, DWORD size, LPVOID data) {
  auto v = Find(fileName);
  if (!v) {
    SetLastError(ERROR_RESOURCE_TYPE_NOT_FOUND);
    return FALSE;
  }
  if (!data || size < sizeof(Block)) {
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return FALSE;
  }
  Block b{};
  std::memcpy(b.tag, kTag, sizeof kTag);
  b.fixed.dwSignature = VS_FFI_SIGNATURE;
  b.fixed.dwStrucVersion = VS_FFI_STRUCVERSION;
  b.fixed.dwFileVersionMS = b.fixed.dwProductVersionMS = v->ms;
  b.fixed.dwFileVersionLS = b.fixed.dwProductVersionLS = v->ls;
  b.fixed.dwFileFlagsMask = VS_FFI_FILEFLAGSMASK;
  b.fixed.dwFileOS = VOS_NT_WINDOWS32;
  b.fixed.dwFileType = VFT_DLL;
  b.translation = 0x04E40409;  // US English, Windows Latin 1
  std::snprintf(b.text, sizeof b.text, "%u.%u.%u.%u", static_cast<unsigned>(HIWORD(v->ms)),
                static_cast<unsigned>(LOWORD(v->ms)), static_cast<unsigned>(HIWORD(v->ls)),
                static_cast<unsigned>(LOWORD(v->ls)));
  std::memcpy(data, &b, sizeof b);
  return TRUE;
}

BOOL VerQueryValueA(LPCVOID block, LPCSTR subBlock, LPVOID* buffer, UINT* length) {
  if (!block || !subBlock || !buffer) return FALSE;
  auto* b = static_cast<Block*>(const_cast<void*>(block));
  if (std::memcmp(b->tag, kTag, sizeof kTag) != 0) return FALSE;
  std::string path = subBlock;
  std::transform(path.begin(), path.end(), path.begin(), [](unsigned char c) { return std::tolower(c); });
  if (path == "\\" || path.empty()) {
    *buffer = &b->fixed;
    if (length) *length = sizeof b->fixed;
    return TRUE;
  }
  if (path == "\\varfileinfo\\translation") {
    *buffer = &b->translation;
    if (length) *length = sizeof b->translation;
    return TRUE;
  }
  if (path == "\\stringfileinfo\\040904e4\\fileversion" || path == "\\stringfileinfo\\040904e4\\productversion") {
    *buffer = b->text;
    if (length) *length = static_cast<UINT>(std::strlen(b->text) + 1);
    return TRUE;
  }
  return FALSE;
}
