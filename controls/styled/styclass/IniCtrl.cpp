#include "controls/styled/styclass/IniCtrl.h"

#include "controls/styled/stysysin.h"
#include "platform/vcl/SysUtils.h"

void TStyIniCtrl::Publish(TPublisher<TStyIniCtrl>& p) {
  p.Prop("About", &TStyIniCtrl::GetAbout, &TStyIniCtrl::SetAbout);
  p.Prop("AlphaCounter", &TStyIniCtrl::GetAlphaCounter, &TStyIniCtrl::SetAlphaCounter).Default(false);
  p.Prop("Common", &TStyIniCtrl::GetCommon, &TStyIniCtrl::SetCommon).Default(true);
  p.Prop("IniFile", &TStyIniCtrl::GetIniFile, &TStyIniCtrl::SetIniFile);
  p.Prop("IniPrefix", &TStyIniCtrl::GetIniPrefix, &TStyIniCtrl::SetIniPrefix).Default(ppWindows);
  p.Prop("MaxEntries", &TStyIniCtrl::GetMaxEntries, &TStyIniCtrl::SetMaxEntries).Default(16);
  p.Prop("NetUser", &TStyIniCtrl::GetNetUser, &TStyIniCtrl::SetNetUser).Default(false);
  p.Prop("User", &TStyIniCtrl::GetUser, &TStyIniCtrl::SetUser);
  p.Prop("RegPath", &TStyIniCtrl::GetRegPath, &TStyIniCtrl::SetRegPath);
  p.Prop("RegRoot", &TStyIniCtrl::GetRegRoot, &TStyIniCtrl::SetRegRoot).Default(rpCurrentUser);
  p.Prop("Target", &TStyIniCtrl::GetTarget, &TStyIniCtrl::SetTarget).Default(itAuto);
}

void TStyIniCtrl::SetAlphaCounter(bool value) {
  if (FAlphaCounter == value) return;
  FAlphaCounter = value;
  if (FMaxEntries > 26) FMaxEntries = 26;
}

void TStyIniCtrl::SetMaxEntries(std::uint8_t value) {
  if (FMaxEntries == value) return;
  if (FAlphaCounter && value > 26) return;
  FMaxEntries = value;
}

void TStyIniCtrl::SetIniFile(const std::string& value) {
  FIniFile = ExtractFileExt(value).empty() ? ChangeFileExt(value, ".INI") : value;
}

void TStyIniCtrl::SetNetUser(bool value) {
  if (FNetUser == value) return;
  FNetUser = value;
  if (value) FUser = GetNetUserName();
}

void TStyIniCtrl::SetTarget(TStyIniTarget value) {
  if (FTarget == value) return;
  FTarget = value;
  FEffectiveTarget = value == itAuto ? itRegistry : value;
}

std::string TStyIniCtrl::GetNetUserName() {
  return UserName();
}
