// Windows file-name wildcards: "*" any run, "?" any one character, letters
// ignoring case; "*.*" matches every name, with or without a dot.
#pragma once

#include <string_view>

namespace win::kernel {

bool MatchesWildcard(std::string_view pattern, std::string_view name);

}  // namespace win::kernel
