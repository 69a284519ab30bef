// Runs a function when the scope ends, however it ends: modal loops put
// their state back with it even when a window procedure throws. The
// function must not fail; if it throws all the same while an exception is
// already on its way, its own is dropped so that the first one goes on.
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
