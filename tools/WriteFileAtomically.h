// The build tools' file output: the bytes go to a temporary file beside the
// target, which then replaces it, so that a failed or interrupted run never
// leaves half a file for the build to take as done.
#pragma once

#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>
#include <string_view>

inline bool WriteFileAtomically(const std::string& path, std::string_view bytes) {
  const std::string tmp = path + ".tmp";
  {
    std::ofstream out(tmp, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) {
      std::cerr << path << ": cannot be written\n";
      return false;
    }
  }
  if (std::rename(tmp.c_str(), path.c_str()) != 0) {
    std::cerr << path << ": cannot be written\n";
    return false;
  }
  return true;
}
