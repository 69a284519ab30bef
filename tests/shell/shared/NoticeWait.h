// Waiting for a shell control's change thread in tests: the loop is pumped
// until the control has counted one notice more than it had seen, within a
// generous bound for the worker (not a measurement); and the manual clock
// moved on with the loop pumped after it.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <thread>

#include "platform/win/drums_ext.h"

namespace shelltest {

template <class TPump>
void AwaitNoticeAfter(const int& notices, int seen, TPump pump) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (notices <= seen && std::chrono::steady_clock::now() < deadline) {
    pump();
    std::this_thread::yield();
  }
  ASSERT_GT(notices, seen) << "no change notice arrived";
}

template <class TPump>
void AdvanceClockMs(int ms, TPump pump) {
  win::clock::Advance(static_cast<std::uint64_t>(ms) * 1000);
  pump();
}

}  // namespace shelltest
