#include "platform/win/shell/type_names.h"

#include "platform/win/kernel/paths.h"

namespace win::shell {

namespace {

std::string FileTypeName(const std::string& name) {
  struct Entry {
    const char* extension;
    const char* type;
  };
  static const Entry table[] = {
      {"wav", "Wave Sound"},        {"mid", "MIDI Sequence"}, {"bkv", "Drum Song"},
      {"kit", "Drum Kit"},          {"skn", "Skin"},          {"dsw", "Wave Collection"},
      {"txt", "Text Document"},     {"bmp", "Bitmap Image"},  {"jpg", "JPEG Image"},
      {"jpeg", "JPEG Image"},       {"hlp", "Help File"},     {"ini", "Configuration Settings"},
      {"inf", "Setup Information"}, {"lnk", "Shortcut"},      {"htm", "HTML Document"},
      {"html", "HTML Document"},
  };
  const std::size_t dot = name.find_last_of('.');
  if (dot == std::string::npos || dot == 0 || dot + 1 == name.size()) return "File";
  const std::string extension = name.substr(dot + 1);
  for (const Entry& entry : table) {
    if (win::kernel::EqualsIgnoringCase(extension, entry.extension)) return entry.type;
  }
  std::string upper = extension;
  for (char& c : upper)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return upper + " File";
}

}  // namespace

std::string TypeNameOf(const Item& item) {
  switch (item.kind) {
    case ItemKind::MyComputer: return "System Folder";
    case ItemKind::Home:
    case ItemKind::Folder: return "File Folder";
    case ItemKind::Volume:
      switch (item.volume) {
        case VolumeKind::Removable: return "Removable Disk";
        case VolumeKind::CdRom: return "CD Drive";
        case VolumeKind::Remote: return "Network Drive";
        case VolumeKind::RamDisk: return "RAM Disk";
        case VolumeKind::Fixed: break;
      }
      return "Local Disk";
    case ItemKind::File: break;
  }
  return FileTypeName(item.name);
}

}  // namespace win::shell
