// The settings store's reading, writing and deleting: each call opens the
// INI file or the registry key its settings name, does its one access and
// closes the store again, so nothing stays open between calls.
#include "controls/styled/stycompo.h"
#include "controls/styled/styclass/IniCtrl.h"
#include "controls/styled/styclass/StyRegIniFile.h"
#include "platform/vcl/IniFiles.h"
#include "platform/vcl/SysUtils.h"
#include "platform/win/windows.h"

namespace {

constexpr const char* kIniDefaultSection = "Common";
// The registry section that stands for the opened key itself.
constexpr const char* kIniRootSection = "#ROOT";

std::string IniProgramFileName() {
  char program[MAX_PATH] = {};
  const DWORD n = GetModuleFileNameA(nullptr, program, sizeof program);
  return std::string(program, n);
}

}  // namespace

std::string TStyIniCtrl::ResolveIniFileName() {
  if (IsBlankString(FIniFile)) FIniFile = ChangeFileExt(IniProgramFileName(), ".INI");
  if (FIniPrefix == ppFixed) return FIniFile;
  return GetPrefixDirectory(FIniPrefix, true) + ExtractFileName(FIniFile);
}

std::string TStyIniCtrl::ResolveRegPath() const {
  if (IsBlankString(FRegPath)) return TStyApplication::GetDefaultRegPath();
  return AddBackslash(FRegPath);
}

std::string TStyIniCtrl::ResolveSection(const std::string& Section) {
  if (IsBlankString(Section)) return FLastSection.empty() ? std::string(kIniDefaultSection) : FLastSection;
  std::string resolved = Section;
  if (FEffectiveTarget == itIniFile) {
    if (!FCommon) resolved += "." + (FNetUser ? GetNetUserName() : FUser);
  } else if (Section == kIniRootSection) {
    resolved.clear();
  }
  FLastSection = resolved;
  return resolved;
}

namespace {

// Runs use on the store the settings name, open for the one call.
template <class F>
auto WithIniStore(TStyIniCtrl& ctrl, F use) {
  if (ctrl.GetEffectiveTarget() == itIniFile) {
    TIniFile ini(ctrl.ResolveIniFileName());
    return use(ini);
  }
  TStyRegIniFile reg(StyRegRootKey(ctrl.GetRegRoot()), ctrl.ResolveRegPath());
  return use(reg);
}

}  // namespace

std::string TStyIniCtrl::ReadString(const std::string& Section, const std::string& Ident, const std::string& Default) {
  const std::string section = ResolveSection(Section);
  return WithIniStore(*this, [&](auto& store) { return store.ReadString(section, Ident, Default); });
}

void TStyIniCtrl::WriteString(const std::string& Section, const std::string& Ident, const std::string& Value) {
  const std::string section = ResolveSection(Section);
  WithIniStore(*this, [&](auto& store) { store.WriteString(section, Ident, Value); });
}

void TStyIniCtrl::DeleteKey(const std::string& Section, const std::string& Ident) {
  const std::string section = ResolveSection(Section);
  WithIniStore(*this, [&](auto& store) { store.DeleteKey(section, Ident); });
}
