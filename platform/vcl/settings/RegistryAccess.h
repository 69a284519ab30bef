// TRegistry: keys and values of the platform's registry under one root key,
// with a current key that OpenKey moves; TRegIniFile: the same keys used
// like a settings file, one subkey per section.
#pragma once

#include <string>

#include "platform/vcl/classes/strings/Strings.h"
#include "platform/vcl/classes/typeinfo/ClassDecl.h"
#include "platform/vcl/rtl/Exceptions.h"
#include "platform/win/winreg.h"

// "Failed to set data for '<name>'", "Failed to get data for '<name>'",
// "Invalid data type for '<name>'".
DRUMS_DECLARE_EXCEPTION(ERegistryException, Exception);

enum TRegDataType { rdUnknown, rdString, rdExpandString, rdInteger, rdBinary };

struct TRegDataInfo {
  TRegDataType RegData = rdUnknown;
  int DataSize = 0;
};

class TRegistry : public TObject {
  DRUMS_CLASS(TRegistry, TObject)

 public:
  TRegistry() = default;
  explicit TRegistry(REGSAM access) : FAccess(access) {}
  ~TRegistry() override;

  HKEY GetRootKey() const { return FRootKey; }
  // Closes the current key.
  void SetRootKey(HKEY value);
  HKEY GetCurrentKey() const { return FCurrentKey; }
  const std::string& GetCurrentPath() const { return FCurrentPath; }
  // When false, closing a key flushes it to the store first.
  bool GetLazyWrite() const { return FLazyWrite; }
  void SetLazyWrite(bool value) { FLazyWrite = value; }
  REGSAM GetAccess() const { return FAccess; }
  void SetAccess(REGSAM value) { FAccess = value; }

  // A key starting with "\" is found from the root, any other from the
  // current key. With canCreate a missing key is made. True when the key is
  // the current key afterwards.
  bool OpenKey(const std::string& key, bool canCreate);
  bool OpenKeyReadOnly(const std::string& key);
  void CloseKey();
  bool CreateKey(const std::string& key);
  // Deletes the key with everything below it.
  bool DeleteKey(const std::string& key);
  bool KeyExists(const std::string& key);
  bool HasSubKeys();
  void GetKeyNames(TStrings* strings);
  void GetValueNames(TStrings* strings);

  // Values of the current key.
  bool ValueExists(const std::string& name);
  bool DeleteValue(const std::string& name);
  bool GetDataInfo(const std::string& name, TRegDataInfo& info);
  // Bytes of the value; -1 when it is missing.
  int GetDataSize(const std::string& name);
  TRegDataType GetDataType(const std::string& name);
  // A missing value reads as ""; a value of another type raises.
  std::string ReadString(const std::string& name);
  void WriteString(const std::string& name, const std::string& value);
  void WriteExpandString(const std::string& name, const std::string& value);
  // A missing value or one of another type raises.
  int ReadInteger(const std::string& name);
  void WriteInteger(const std::string& name, int value);
  bool ReadBool(const std::string& name) { return ReadInteger(name) != 0; }
  void WriteBool(const std::string& name, bool value) { WriteInteger(name, value ? 1 : 0); }
  // Copies the value into buffer and returns its size; a missing value
  // gives 0; a value larger than bufSize or not binary raises.
  int ReadBinaryData(const std::string& name, void* buffer, int bufSize);
  void WriteBinaryData(const std::string& name, const void* buffer, int bufSize);

 protected:
  // Lets a subclass read and write the values of another key for a while
  // (TRegIniFile's sections): the key in use, set back by the caller.
  HKEY SwapCurrentKey(HKEY key);

 private:
  HKEY BaseKey(const std::string& key) const;
  std::string ResolvePath(const std::string& key) const;
  bool Open(const std::string& key, bool canCreate, REGSAM access);
  void PutData(const std::string& name, const void* data, DWORD size, DWORD type);

  HKEY FRootKey = HKEY_CURRENT_USER;
  HKEY FCurrentKey = nullptr;
  std::string FCurrentPath;
  bool FLazyWrite = true;
  REGSAM FAccess = KEY_ALL_ACCESS;
};

class TRegIniFile : public TRegistry {
  DRUMS_CLASS(TRegIniFile, TRegistry)

 public:
  // Opens (making it when missing) the key fileName below HKEY_CURRENT_USER,
  // or below rootKey.
  explicit TRegIniFile(const std::string& fileName);
  TRegIniFile(HKEY rootKey, const std::string& fileName);

  const std::string& GetFileName() const { return FFileName; }

  // An empty section means the opened key itself. Missing values read as
  // the default.
  std::string ReadString(const std::string& section, const std::string& ident, const std::string& defaultValue);
  void WriteString(const std::string& section, const std::string& ident, const std::string& value);
  // Reads whole numbers stored as numbers or as text; writes a number, or
  // text where text is stored already.
  int ReadInteger(const std::string& section, const std::string& ident, int defaultValue);
  void WriteInteger(const std::string& section, const std::string& ident, int value);
  bool ReadBool(const std::string& section, const std::string& ident, bool defaultValue);
  void WriteBool(const std::string& section, const std::string& ident, bool value);
  void ReadSection(const std::string& section, TStrings* strings);
  void ReadSections(TStrings* strings);
  void ReadSectionValues(const std::string& section, TStrings* strings);
  void EraseSection(const std::string& section);
  void DeleteKey(const std::string& section, const std::string& ident);
  bool ValueExists(const std::string& section, const std::string& ident);

 private:
  using TRegistry::DeleteKey;
  using TRegistry::ReadBool;
  using TRegistry::ReadInteger;
  using TRegistry::ReadString;
  using TRegistry::ValueExists;
  using TRegistry::WriteBool;
  using TRegistry::WriteInteger;
  using TRegistry::WriteString;
  // Runs use with the section's key current (nothing when it is missing and
  // create is false); true when it ran.
  template <class F>
  bool InSection(const std::string& section, bool create, F use);

  std::string FFileName;
};
