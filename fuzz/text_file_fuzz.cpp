// Text files read with Read/ReadLn: numbers, characters and lines, with I/O
// errors left in IOResult.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/seeds.h"
#include "platform/vcl/rtl/TextFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string path =
      drums_fuzz::WriteScratchFile("input.txt", std::string(reinterpret_cast<const char*>(data), size));
  IOCheckingOff off;
  TextFile f;
  AssignFile(f, path);
  Reset(f);
  for (int step = 0; step < 1000 && !Eof(f); ++step) {
    std::int64_t big;
    int small;
    double real;
    char c;
    std::string line;
    switch (step % 5) {
      case 0: Read(f, big); break;
      case 1: Read(f, small); break;
      case 2: Read(f, real); break;
      case 3: Read(f, c); break;
      default: ReadLn(f, line); break;
    }
    IOResult();
  }
  CloseFile(f);
  IOResult();
  return 0;
}
