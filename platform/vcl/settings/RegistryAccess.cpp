#include "platform/vcl/settings/RegistryAccess.h"

#include <cstring>
#include <vector>

#include "platform/vcl/classes/strings/StringList.h"
#include "platform/vcl/rtl/Conversions.h"
#include "platform/win/winerror.h"

namespace {

[[noreturn]] void RaiseData(const char* what, const std::string& name) {
  throw ERegistryException(std::string(what) + " '" + name + "'");
}

TRegDataType DataTypeOf(DWORD type) {
  switch (type) {
    case REG_SZ: return rdString;
    case REG_EXPAND_SZ: return rdExpandString;
    case REG_DWORD: return rdInteger;
    case REG_BINARY: return rdBinary;
    default: return rdUnknown;
  }
}

// The names of a key's subkeys (values: false) or values (true).
std::vector<std::string> Names(HKEY key, bool values) {
  std::vector<std::string> out;
  if (!key) return out;
  for (DWORD i = 0;; i++) {
    char name[1024];
    DWORD size = sizeof name;
    LONG r = values ? RegEnumValueA(key, i, name, &size, nullptr, nullptr, nullptr, nullptr)
                    : RegEnumKeyExA(key, i, name, &size, nullptr, nullptr, nullptr, nullptr);
    if (r != ERROR_SUCCESS) break;
    out.emplace_back(name, size);
  }
  return out;
}

void FillStrings(TStrings* strings, const std::vector<std::string>& names) {
  strings->BeginUpdate();
  strings->Clear();
  for (const std::string& n : names) strings->Add(n);
  strings->EndUpdate();
}

bool DeleteTree(HKEY parent, const std::string& path) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(parent, path.c_str(), 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS) return false;
  for (const std::string& child : Names(key, false)) DeleteTree(key, child);
  RegCloseKey(key);
  return RegDeleteKeyA(parent, path.c_str()) == ERROR_SUCCESS;
}

}  // namespace

// ---------------------------------------------------------------- TRegistry

TRegistry::~TRegistry() {
  CloseKey();
}

void TRegistry::SetRootKey(HKEY value) {
  if (value == FRootKey) return;
  CloseKey();
  FRootKey = value;
}

HKEY TRegistry::BaseKey(const std::string& key) const {
  bool absolute = !key.empty() && key[0] == '\\';
  return absolute || !FCurrentKey ? FRootKey : FCurrentKey;
}

std::string TRegistry::ResolvePath(const std::string& key) const {
  std::string rest = key;
  bool absolute = !rest.empty() && rest[0] == '\\';
  if (absolute) rest.erase(0, 1);
  while (!rest.empty() && rest.back() == '\\') rest.pop_back();
  if (absolute || !FCurrentKey || FCurrentPath.empty()) return rest;
  return rest.empty() ? FCurrentPath : FCurrentPath + "\\" + rest;
}

bool TRegistry::Open(const std::string& key, bool canCreate, REGSAM access) {
  std::string relative = !key.empty() && key[0] == '\\' ? key.substr(1) : key;
  while (!relative.empty() && relative.back() == '\\') relative.pop_back();
  HKEY base = BaseKey(key);
  HKEY opened = nullptr;
  LONG r = canCreate ? RegCreateKeyExA(base, relative.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, access, nullptr,
                                       &opened, nullptr)
                     : RegOpenKeyExA(base, relative.c_str(), 0, access, &opened);
  if (r != ERROR_SUCCESS) return false;
  std::string path = ResolvePath(key);
  CloseKey();
  FCurrentKey = opened;
  FCurrentPath = path;
  return true;
}

bool TRegistry::OpenKey(const std::string& key, bool canCreate) {
  return Open(key, canCreate, FAccess);
}

bool TRegistry::OpenKeyReadOnly(const std::string& key) {
  return Open(key, false, KEY_READ);
}

void TRegistry::CloseKey() {
  if (!FCurrentKey) return;
  if (!FLazyWrite) RegFlushKey(FCurrentKey);
  RegCloseKey(FCurrentKey);
  FCurrentKey = nullptr;
  FCurrentPath.clear();
}

HKEY TRegistry::SwapCurrentKey(HKEY key) {
  HKEY old = FCurrentKey;
  FCurrentKey = key;
  return old;
}

bool TRegistry::CreateKey(const std::string& key) {
  HKEY made = nullptr;
  std::string relative = !key.empty() && key[0] == '\\' ? key.substr(1) : key;
  if (RegCreateKeyExA(BaseKey(key), relative.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, FAccess, nullptr, &made,
                      nullptr) != ERROR_SUCCESS)
    throw ERegistryException("Failed to create key " + key);
  RegCloseKey(made);
  return true;
}

bool TRegistry::DeleteKey(const std::string& key) {
  std::string relative = !key.empty() && key[0] == '\\' ? key.substr(1) : key;
  return DeleteTree(BaseKey(key), relative);
}

bool TRegistry::KeyExists(const std::string& key) {
  std::string relative = !key.empty() && key[0] == '\\' ? key.substr(1) : key;
  HKEY opened = nullptr;
  if (RegOpenKeyExA(BaseKey(key), relative.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS) return false;
  RegCloseKey(opened);
  return true;
}

bool TRegistry::HasSubKeys() {
  return !Names(FCurrentKey, false).empty();
}

void TRegistry::GetKeyNames(TStrings* strings) {
  FillStrings(strings, Names(FCurrentKey, false));
}

void TRegistry::GetValueNames(TStrings* strings) {
  FillStrings(strings, Names(FCurrentKey, true));
}

bool TRegistry::GetDataInfo(const std::string& name, TRegDataInfo& info) {
  info = TRegDataInfo{};
  DWORD type = 0, size = 0;
  if (!FCurrentKey || RegQueryValueExA(FCurrentKey, name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
    return false;
  info.RegData = DataTypeOf(type);
  info.DataSize = static_cast<int>(size);
  return true;
}

bool TRegistry::ValueExists(const std::string& name) {
  TRegDataInfo info;
  return GetDataInfo(name, info);
}

bool TRegistry::DeleteValue(const std::string& name) {
  return FCurrentKey && RegDeleteValueA(FCurrentKey, name.c_str()) == ERROR_SUCCESS;
}

int TRegistry::GetDataSize(const std::string& name) {
  TRegDataInfo info;
  return GetDataInfo(name, info) ? info.DataSize : -1;
}

TRegDataType TRegistry::GetDataType(const std::string& name) {
  TRegDataInfo info;
  GetDataInfo(name, info);
  return info.RegData;
}

void TRegistry::PutData(const std::string& name, const void* data, DWORD size, DWORD type) {
  if (!FCurrentKey ||
      RegSetValueExA(FCurrentKey, name.c_str(), 0, type, static_cast<const BYTE*>(data), size) != ERROR_SUCCESS)
    RaiseData("Failed to set data for", name);
}

std::string TRegistry::ReadString(const std::string& name) {
  TRegDataInfo info;
  if (!GetDataInfo(name, info)) return "";
  if (info.RegData != rdString && info.RegData != rdExpandString) RaiseData("Invalid data type for", name);
  std::vector<char> buffer(static_cast<size_t>(info.DataSize) + 1, '\0');
  DWORD size = static_cast<DWORD>(buffer.size());
  if (RegQueryValueExA(FCurrentKey, name.c_str(), nullptr, nullptr, reinterpret_cast<BYTE*>(buffer.data()), &size) !=
      ERROR_SUCCESS)
    RaiseData("Failed to get data for", name);
  return std::string(buffer.data(), strnlen(buffer.data(), size));
}

void TRegistry::WriteString(const std::string& name, const std::string& value) {
  PutData(name, value.c_str(), static_cast<DWORD>(value.size() + 1), REG_SZ);
}

void TRegistry::WriteExpandString(const std::string& name, const std::string& value) {
  PutData(name, value.c_str(), static_cast<DWORD>(value.size() + 1), REG_EXPAND_SZ);
}

int TRegistry::ReadInteger(const std::string& name) {
  TRegDataInfo info;
  if (!GetDataInfo(name, info)) RaiseData("Failed to get data for", name);
  if (info.RegData != rdInteger || info.DataSize != 4) RaiseData("Invalid data type for", name);
  DWORD value = 0, size = sizeof value;
  if (RegQueryValueExA(FCurrentKey, name.c_str(), nullptr, nullptr, reinterpret_cast<BYTE*>(&value), &size) !=
      ERROR_SUCCESS)
    RaiseData("Failed to get data for", name);
  return static_cast<int>(value);
}

void TRegistry::WriteInteger(const std::string& name, int value) {
  DWORD data = static_cast<DWORD>(value);
  PutData(name, &data, sizeof data, REG_DWORD);
}

int TRegistry::ReadBinaryData(const std::string& name, void* buffer, int bufSize) {
  TRegDataInfo info;
  if (!GetDataInfo(name, info)) return 0;
  if ((info.RegData != rdBinary && info.RegData != rdUnknown) || info.DataSize > bufSize)
    RaiseData("Invalid data type for", name);
  DWORD size = static_cast<DWORD>(info.DataSize);
  if (size > 0 &&
      RegQueryValueExA(FCurrentKey, name.c_str(), nullptr, nullptr, static_cast<BYTE*>(buffer), &size) != ERROR_SUCCESS)
    RaiseData("Failed to get data for", name);
  return static_cast<int>(size);
}

void TRegistry::WriteBinaryData(const std::string& name, const void* buffer, int bufSize) {
  if (bufSize < 0) RaiseData("Failed to set data for", name);
  PutData(name, buffer, static_cast<DWORD>(bufSize), REG_BINARY);
}

// ---------------------------------------------------------------- TRegIniFile

TRegIniFile::TRegIniFile(const std::string& fileName) : TRegIniFile(HKEY_CURRENT_USER, fileName) {}

TRegIniFile::TRegIniFile(HKEY rootKey, const std::string& fileName) : FFileName(fileName) {
  SetRootKey(rootKey);
  OpenKey(fileName, true);
}

template <class F>
bool TRegIniFile::InSection(const std::string& section, bool create, F use) {
  if (section.empty()) {
    use();
    return true;
  }
  HKEY key = nullptr;
  HKEY base = GetCurrentKey() ? GetCurrentKey() : GetRootKey();
  LONG r = create ? RegCreateKeyExA(base, section.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, GetAccess(), nullptr,
                                    &key, nullptr)
                  : RegOpenKeyExA(base, section.c_str(), 0, KEY_READ, &key);
  if (r != ERROR_SUCCESS) {
    if (create) throw ERegistryException("Failed to create key " + section);
    return false;
  }
  HKEY previous = SwapCurrentKey(key);
  struct Restore {
    TRegIniFile* self;
    HKEY previous;
    HKEY key;
    ~Restore() {
      self->SwapCurrentKey(previous);
      RegCloseKey(key);
    }
  } restore{this, previous, key};
  use();
  return true;
}

std::string TRegIniFile::ReadString(const std::string& section, const std::string& ident,
                                    const std::string& defaultValue) {
  std::string result = defaultValue;
  InSection(section, false, [&] {
    if (ValueExists(ident)) result = ReadString(ident);
  });
  return result;
}

void TRegIniFile::WriteString(const std::string& section, const std::string& ident, const std::string& value) {
  InSection(section, true, [&] { WriteString(ident, value); });
}

int TRegIniFile::ReadInteger(const std::string& section, const std::string& ident, int defaultValue) {
  int result = defaultValue;
  InSection(section, false, [&] {
    TRegDataType type = GetDataType(ident);
    if (type == rdInteger)
      result = ReadInteger(ident);
    else if (type == rdString || type == rdExpandString)
      result = StrToIntDef(ReadString(ident), defaultValue);
  });
  return result;
}

void TRegIniFile::WriteInteger(const std::string& section, const std::string& ident, int value) {
  InSection(section, true, [&] {
    TRegDataType type = GetDataType(ident);
    if (type == rdString || type == rdExpandString)
      WriteString(ident, std::to_string(value));
    else
      WriteInteger(ident, value);
  });
}

bool TRegIniFile::ReadBool(const std::string& section, const std::string& ident, bool defaultValue) {
  return ReadInteger(section, ident, defaultValue ? 1 : 0) != 0;
}

void TRegIniFile::WriteBool(const std::string& section, const std::string& ident, bool value) {
  WriteInteger(section, ident, value ? 1 : 0);
}

void TRegIniFile::ReadSection(const std::string& section, TStrings* strings) {
  if (!InSection(section, false, [&] { GetValueNames(strings); })) strings->Clear();
}

void TRegIniFile::ReadSections(TStrings* strings) {
  GetKeyNames(strings);
}

void TRegIniFile::ReadSectionValues(const std::string& section, TStrings* strings) {
  strings->BeginUpdate();
  strings->Clear();
  InSection(section, false, [&] {
    TStringList names;
    GetValueNames(&names);
    for (int i = 0; i < names.GetCount(); i++) {
      std::string name = names.GetStrings(i);
      TRegDataType type = GetDataType(name);
      std::string value = type == rdInteger                            ? std::to_string(ReadInteger(name))
                          : type == rdString || type == rdExpandString ? ReadString(name)
                                                                       : "";
      strings->Add(name + "=" + value);
    }
  });
  strings->EndUpdate();
}

void TRegIniFile::EraseSection(const std::string& section) {
  DeleteKey(section);
}

void TRegIniFile::DeleteKey(const std::string& section, const std::string& ident) {
  InSection(section, false, [&] { DeleteValue(ident); });
}

bool TRegIniFile::ValueExists(const std::string& section, const std::string& ident) {
  bool exists = false;
  InSection(section, false, [&] { exists = ValueExists(ident); });
  return exists;
}
