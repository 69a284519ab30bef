// The largest single block of memory this thread asks for while a watch
// lives: how a test sees that a reader never holds a long line whole. This
// test program replaces the global operator new to see the requests.
#pragma once

#include <cstddef>

namespace files_test {

class LargestAllocation {
 public:
  LargestAllocation();
  ~LargestAllocation();
  LargestAllocation(const LargestAllocation&) = delete;
  LargestAllocation& operator=(const LargestAllocation&) = delete;

  // Bytes of the largest request since the watch began.
  std::size_t Bytes() const;
};

}  // namespace files_test
