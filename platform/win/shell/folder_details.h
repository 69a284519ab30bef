// The texts of a folder's detail columns: Name, Size, Type, Modified.
#pragma once

#include <optional>
#include <string>

#include "platform/win/shell/item_ids.h"

namespace win::shell {

struct DetailColumn {
  const char* heading;
  int width;  // in characters
  bool rightAligned;
};

inline constexpr DetailColumn kDetailColumns[] = {
    {"Name", 25, false}, {"Size", 10, true}, {"Type", 20, false}, {"Modified", 20, false}};
inline constexpr UINT kDetailColumnCount = 4;

// The text of a column for an item below a folder; nullopt for a column
// that does not exist.
std::optional<std::string> DetailText(const Items& folder, const Items& relative, UINT column);

// "0 KB", "1 KB" for 1 to 1024 bytes, "1,234 KB" ...
std::string SizeText(long long bytes);

}  // namespace win::shell
