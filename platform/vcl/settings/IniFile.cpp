#include "platform/vcl/settings/IniFile.h"

#include <memory>
#include <vector>

#include "platform/vcl/classes/strings/StringList.h"
#include "platform/vcl/rtl/Conversions.h"
#include "platform/win/winbase.h"

namespace {

// A NUL-separated list as the profile store returns it, read with a buffer
// that grows until the list fits.
std::vector<std::string> ReadList(const char* section, const std::string& fileName) {
  std::vector<char> buffer(1024);
  DWORD n = 0;
  for (;;) {
    n = GetPrivateProfileStringA(section, nullptr, nullptr, buffer.data(), static_cast<DWORD>(buffer.size()),
                                 fileName.c_str());
    if (n + 2 < buffer.size()) break;
    buffer.resize(buffer.size() * 2);
  }
  std::vector<std::string> out;
  for (size_t i = 0; i < n && buffer[i] != '\0';) {
    std::string name(buffer.data() + i);
    i += name.size() + 1;
    out.push_back(std::move(name));
  }
  return out;
}

}  // namespace

// ---------------------------------------------------------------- TCustomIniFile

int TCustomIniFile::ReadInteger(const std::string& section, const std::string& ident, int defaultValue) {
  std::string text = ReadString(section, ident, "");
  // "0x1F" reads as "$1F" does.
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) text = "$" + text.substr(2);
  return StrToIntDef(text, defaultValue);
}

void TCustomIniFile::WriteInteger(const std::string& section, const std::string& ident, int value) {
  WriteString(section, ident, std::to_string(value));
}

bool TCustomIniFile::ReadBool(const std::string& section, const std::string& ident, bool defaultValue) {
  return ReadInteger(section, ident, defaultValue ? 1 : 0) != 0;
}

void TCustomIniFile::WriteBool(const std::string& section, const std::string& ident, bool value) {
  WriteString(section, ident, value ? "1" : "0");
}

void TCustomIniFile::ReadSectionValues(const std::string& section, TStrings* strings) {
  TStringList idents;
  ReadSection(section, &idents);
  strings->BeginUpdate();
  strings->Clear();
  for (int i = 0; i < idents.GetCount(); i++)
    strings->Add(idents.GetStrings(i) + "=" + ReadString(section, idents.GetStrings(i), ""));
  strings->EndUpdate();
}

bool TCustomIniFile::SectionExists(const std::string& section) {
  TStringList idents;
  ReadSection(section, &idents);
  return idents.GetCount() > 0;
}

bool TCustomIniFile::ValueExists(const std::string& section, const std::string& ident) {
  TStringList idents;
  ReadSection(section, &idents);
  return idents.IndexOf(ident) >= 0;
}

// ---------------------------------------------------------------- TIniFile

std::string TIniFile::ReadString(const std::string& section, const std::string& ident,
                                 const std::string& defaultValue) {
  if (!ValueExists(section, ident)) return defaultValue;
  std::vector<char> buffer(2048);
  for (;;) {
    DWORD n = GetPrivateProfileStringA(section.c_str(), ident.c_str(), "", buffer.data(),
                                       static_cast<DWORD>(buffer.size()), GetFileName().c_str());
    if (n + 1 < buffer.size()) return std::string(buffer.data(), n);
    buffer.resize(buffer.size() * 2);
  }
}

void TIniFile::Write(const char* section, const char* ident, const char* value) {
  if (!WritePrivateProfileStringA(section, ident, value, GetFileName().c_str()))
    throw EIniFileException("Unable to write to " + GetFileName());
}

void TIniFile::WriteString(const std::string& section, const std::string& ident, const std::string& value) {
  Write(section.c_str(), ident.c_str(), value.c_str());
}

void TIniFile::ReadSection(const std::string& section, TStrings* strings) {
  std::vector<std::string> idents = ReadList(section.c_str(), GetFileName());
  strings->BeginUpdate();
  strings->Clear();
  for (const std::string& s : idents) strings->Add(s);
  strings->EndUpdate();
}

void TIniFile::ReadSections(TStrings* strings) {
  std::vector<std::string> sections = ReadList(nullptr, GetFileName());
  strings->BeginUpdate();
  strings->Clear();
  for (const std::string& s : sections) strings->Add(s);
  strings->EndUpdate();
}

void TIniFile::EraseSection(const std::string& section) {
  Write(section.c_str(), nullptr, nullptr);
}

void TIniFile::DeleteKey(const std::string& section, const std::string& ident) {
  Write(section.c_str(), ident.c_str(), nullptr);
}

void TIniFile::UpdateFile() {
  // Every write already went to the file; this asks the store to flush.
  WritePrivateProfileStringA(nullptr, nullptr, nullptr, GetFileName().c_str());
}
