// Shared by the host tests: a fresh headless back end per test and a
// scratch folder.
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <string>

#include "platform/host/headless.h"
#include "platform/host/host.h"

namespace hosttest {

class ScratchFolder {
 public:
  ScratchFolder() {
    char name[] = "/tmp/host_tests_XXXXXX";
    path_ = ::mkdtemp(name);
  }
  ~ScratchFolder() { std::filesystem::remove_all(path_); }
  const std::string& Path() const { return path_; }
  std::string operator/(const std::string& file) const { return path_ + "/" + file; }

 private:
  std::string path_;
};

// Each test gets a back end of its own, made after the test set the
// environment it wants.
class Headless : public ::testing::Test {
 protected:
  void TearDown() override {
    host::Shutdown();
    ::unsetenv("DRUMS_SCREENSHOTS");
    ::unsetenv("DRUMS_AUDIO_CAPTURE");
  }
  host::Backend& Start() {
    host::UseBackendForTests(host::MakeHeadlessBackend());
    return host::Get();
  }
  host::WindowId MakeWindow(const std::string& title, host::Rect bounds, bool popup = false, host::WindowId owner = 0) {
    host::WindowParams p;
    p.title = title;
    p.bounds = bounds;
    p.popup = popup;
    p.owner = owner;
    return host::Get().CreateWindow(p);
  }
};

inline void Fill(const host::Surface& s, host::Rect r, std::uint32_t colour) {
  for (int y = r.y; y < r.y + r.h; ++y)
    for (int x = r.x; x < r.x + r.w; ++x) s.pixels[y * s.stride + x] = colour;
}

}  // namespace hosttest
