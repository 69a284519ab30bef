#include "largest_allocation.h"

#include <cstdlib>
#include <new>

namespace {

thread_local bool watchingRequests = false;
thread_local std::size_t largestRequest = 0;

void* Allocate(std::size_t n) {
  if (watchingRequests && n > largestRequest) largestRequest = n;
  if (void* p = std::malloc(n ? n : 1)) return p;
  throw std::bad_alloc();
}

}  // namespace

namespace files_test {

LargestAllocation::LargestAllocation() {
  largestRequest = 0;
  watchingRequests = true;
}

LargestAllocation::~LargestAllocation() {
  watchingRequests = false;
}

std::size_t LargestAllocation::Bytes() const {
  return largestRequest;
}

}  // namespace files_test

// Every ordinary new and delete of the program goes through malloc and free,
// which the sanitizers still check in pairs.
void* operator new(std::size_t n) {
  return Allocate(n);
}
void* operator new[](std::size_t n) {
  return Allocate(n);
}
void operator delete(void* p) noexcept {
  std::free(p);
}
void operator delete[](void* p) noexcept {
  std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
  std::free(p);
}
void operator delete[](void* p, std::size_t) noexcept {
  std::free(p);
}
void* operator new(std::size_t n, const std::nothrow_t&) noexcept {
  try {
    return Allocate(n);
  } catch (...) {
    return nullptr;
  }
}
void* operator new[](std::size_t n, const std::nothrow_t&) noexcept {
  try {
    return Allocate(n);
  } catch (...) {
    return nullptr;
  }
}
void operator delete(void* p, const std::nothrow_t&) noexcept {
  std::free(p);
}
void operator delete[](void* p, const std::nothrow_t&) noexcept {
  std::free(p);
}
