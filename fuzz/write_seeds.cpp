// fuzz_seeds DIR: writes each target's seeds to DIR/<target>/seed-N.
#include <cstdio>
#include <string>

#include "fuzz/seeds.h"
#include "platform/win/kernel/user_dirs.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: fuzz_seeds DIR\n");
    return 2;
  }
  for (const std::string& target : drums_fuzz::Targets()) {
    const std::string dir = std::string(argv[1]) + "/" + target;
    if (!win::kernel::MakeDirs(dir)) return 1;
    int n = 0;
    for (const std::string& seed : drums_fuzz::Seeds(target)) {
      const std::string path = dir + "/seed-" + std::to_string(++n);
      std::FILE* f = std::fopen(path.c_str(), "wb");
      if (!f) return 1;
      std::fwrite(seed.data(), 1, seed.size(), f);
      std::fclose(f);
    }
    std::printf("%s: %d seeds\n", target.c_str(), n);
  }
  return 0;
}
