// Runs a function when the scope ends, however it ends: modal loops put
// their state back with it even when a window procedure throws. The
// function must not fail: an exception it throws all the same is dropped,
// since a destructor cannot pass it on (and one may already be on its way).
#pragma once

#include <utility>

namespace win::user {

template <typename F>
class ScopeExit {
 public:
  explicit ScopeExit(F f) : f_(std::move(f)) {}
  ~ScopeExit() {
    try {
      f_();
    } catch (...) {}
  }
  ScopeExit(const ScopeExit&) = delete;
  ScopeExit& operator=(const ScopeExit&) = delete;

 private:
  F f_;
};

}  // namespace win::user
