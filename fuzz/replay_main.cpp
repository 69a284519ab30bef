// A fuzz target as a plain program, for builds without libFuzzer:
//   <target>_fuzz NAME [PATH...]
// feeds the built-in seeds of target NAME, then every file of each PATH (a
// file, or a folder read in name order), to LLVMFuzzerTestOneInput. A fault
// the target finds aborts, so the run fails; otherwise it prints how many
// inputs it replayed. The test build runs each target so, which keeps every
// target building and its regression inputs passing.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "fuzz/seeds.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

void Feed(const std::string& input) {
  LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(input.data()), input.size());
}

std::vector<std::filesystem::path> FilesOf(const std::filesystem::path& path) {
  std::vector<std::filesystem::path> files;
  if (std::filesystem::is_directory(path)) {
    for (const auto& entry : std::filesystem::directory_iterator(path))
      if (entry.is_regular_file()) files.push_back(entry.path());
    std::sort(files.begin(), files.end());
  } else {
    files.push_back(path);
  }
  return files;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s TARGET [FILE-OR-FOLDER...]\n", argv[0]);
    return 2;
  }
  const std::vector<std::string> seeds = drums_fuzz::Seeds(argv[1]);
  if (seeds.empty()) {
    std::fprintf(stderr, "%s: no seeds for target %s\n", argv[0], argv[1]);
    return 2;
  }
  for (const std::string& seed : seeds) Feed(seed);
  std::size_t files = 0;
  for (int i = 2; i < argc; ++i) {
    if (!std::filesystem::exists(argv[i])) {
      std::fprintf(stderr, "%s: %s does not exist\n", argv[0], argv[i]);
      return 2;
    }
    for (const auto& file : FilesOf(argv[i])) {
      std::ifstream in(file, std::ios::binary);
      Feed(std::string(std::istreambuf_iterator<char>(in), {}));
      ++files;
    }
  }
  std::printf("%s: %zu seeds and %zu regression inputs replayed\n", argv[1], seeds.size(), files);
  return 0;
}
