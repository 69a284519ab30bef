// Writes the C++ source that holds the resources' bytes and registers them.
#pragma once

#include <string>
#include <vector>

#include "tools/resembed/resource_set.h"

namespace resembed {

// `module` becomes the function names RegisterResources_<module> and
// UnregisterResources_<module>, the start-up and shutdown of these resources
// (characters that cannot be in a name become '_'); `mainModule` registers
// them as the program's own resources.
std::string EmitSource(const std::vector<Resource>& resources, const std::string& module, bool mainModule);

}  // namespace resembed
