// The settings store's settings: where values go (INI file or registry) and
// how entry lists are counted, and the reading, writing and deleting of one
// value there (IniStore.cpp).
#pragma once

#include <cstdint>

#include "controls/styled/styclass/StyObject.h"
#include "controls/styled/styutils.h"

enum TStyIniTarget : std::uint8_t { itIniFile, itRegistry, itAuto };
DRUMS_ENUM_NAMES(TStyIniTarget, "itIniFile", "itRegistry", "itAuto")
enum TStyRegRootKey : std::uint8_t {
  rpClassesRoot,
  rpCurrentUser,
  rpLocalMachine,
  rpUsers,
  rpCurrentConfig,
  rpDynData
};
DRUMS_ENUM_NAMES(TStyRegRootKey, "rpClassesRoot", "rpCurrentUser", "rpLocalMachine", "rpUsers", "rpCurrentConfig",
                 "rpDynData")

class TStyIniCtrl : public TStyComponent {
  DRUMS_CLASS(TStyIniCtrl, TStyComponent)
 public:
  explicit TStyIniCtrl(TComponent* AOwner) : TStyComponent(AOwner) {}

  bool GetAlphaCounter() const { return FAlphaCounter; }
  // Either way a change cuts MaxEntries to 26.
  void SetAlphaCounter(bool value);
  bool GetCommon() const { return FCommon; }
  void SetCommon(bool value) { FCommon = value; }
  const std::string& GetIniFile() const { return FIniFile; }
  // A name without extension gets ".INI".
  void SetIniFile(const std::string& value);
  TStyPathPrefix GetIniPrefix() const { return FIniPrefix; }
  void SetIniPrefix(TStyPathPrefix value) { FIniPrefix = value; }
  std::uint8_t GetMaxEntries() const { return FMaxEntries; }
  void SetMaxEntries(std::uint8_t value);
  bool GetNetUser() const { return FNetUser; }
  void SetNetUser(bool value);
  const std::string& GetUser() const { return FUser; }
  void SetUser(const std::string& value) { FUser = value; }
  const std::string& GetRegPath() const { return FRegPath; }
  void SetRegPath(const std::string& value) { FRegPath = value; }
  TStyRegRootKey GetRegRoot() const { return FRegRoot; }
  void SetRegRoot(TStyRegRootKey value) { FRegRoot = value; }
  TStyIniTarget GetTarget() const { return FTarget; }
  void SetTarget(TStyIniTarget value);
  // itRegistry for itAuto, else Target.
  TStyIniTarget GetEffectiveTarget() const { return FEffectiveTarget; }
  virtual std::string GetNetUserName();

  // One value, in a store opened for the call and closed before it returns.
  // A missing file, key, section or value reads as Default; deleting a
  // missing value does nothing.
  std::string ReadString(const std::string& Section, const std::string& Ident, const std::string& Default);
  void WriteString(const std::string& Section, const std::string& Ident, const std::string& Value);
  void DeleteKey(const std::string& Section, const std::string& Ident);

  // Where the values go. The INI file: a blank IniFile first becomes the
  // program's name with ".INI"; then IniFile itself with ppFixed, else its
  // file name in the prefix's folder.
  std::string ResolveIniFileName();
  // The registry key: RegPath with a trailing backslash, or the styled
  // application's default path when RegPath is blank.
  std::string ResolveRegPath() const;
  // The section a call uses: a blank name repeats the last one ("Common"
  // before any); the INI file adds "." and the user unless Common; the
  // registry's "#ROOT" is the key itself. Remembered as the last one.
  std::string ResolveSection(const std::string& Section);
  const std::string& GetLastSection() const { return FLastSection; }

  static void Publish(TPublisher<TStyIniCtrl>& p);

 private:
  bool FAlphaCounter = false;
  bool FCommon = true;
  std::string FIniFile;
  TStyPathPrefix FIniPrefix = ppWindows;
  std::uint8_t FMaxEntries = 16;
  bool FNetUser = false;
  std::string FUser;
  std::string FRegPath;
  TStyRegRootKey FRegRoot = rpCurrentUser;
  TStyIniTarget FTarget = itAuto;
  TStyIniTarget FEffectiveTarget = itRegistry;
  std::string FLastSection;
};
