#include "platform/win/shell/folder_details.h"

#include <sys/stat.h>

#include <ctime>

#include "platform/win/shell/namespace_paths.h"
#include "platform/win/shell/type_names.h"

namespace win::shell {

namespace {

std::string InFolderName(const Item& item) {
  switch (item.kind) {
    case ItemKind::MyComputer: return "My Computer";
    case ItemKind::Home: {
      const std::string home = HomeFolder();
      return home.substr(home.find_last_of('/') + 1);
    }
    default: return item.name;
  }
}

// The fixed US-English form: "M/d/yyyy h:mm AM".
std::string DateText(std::time_t when) {
  std::tm local{};
  localtime_r(&when, &local);
  const int hour = local.tm_hour % 12 == 0 ? 12 : local.tm_hour % 12;
  char text[40];
  std::snprintf(text, sizeof text, "%d/%d/%d %d:%02d %s", local.tm_mon + 1, local.tm_mday, local.tm_year + 1900, hour,
                local.tm_min, local.tm_hour < 12 ? "AM" : "PM");
  return text;
}

}  // namespace

std::string SizeText(long long bytes) {
  const long long kilobytes = (bytes + 1023) / 1024;
  const std::string digits = std::to_string(kilobytes);
  std::string grouped;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) grouped += ',';
    grouped += digits[i];
  }
  return grouped + " KB";
}

std::optional<std::string> DetailText(const Items& folder, const Items& relative, UINT column) {
  if (column >= kDetailColumnCount || relative.empty()) return std::nullopt;
  const Item& item = relative.back();
  if (column == 0) return InFolderName(item);
  if (column == 2) return TypeNameOf(item);
  const std::optional<std::string> path = PathOf(folder, relative);
  struct stat info {};
  if (!path || item.kind == ItemKind::Volume || stat(path->c_str(), &info) != 0) return std::string();
  if (column == 1) return item.IsFolder() ? std::string() : SizeText(info.st_size);
  return DateText(info.st_mtime);
}

}  // namespace win::shell
