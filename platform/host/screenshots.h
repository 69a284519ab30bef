// DRUMS_SCREENSHOTS: every top-level window is saved as PNG at its first
// Present after it was first shown, and once more when the host shuts down.
#pragma once

#include <set>
#include <string>

#include "platform/host/host.h"

namespace host {

class ScreenshotRecorder {
 public:
  // Reads the folder from the environment; without it every call does nothing.
  ScreenshotRecorder();
  bool Enabled() const { return !folder_.empty(); }

  void Shown(WindowId id);
  void Presented(WindowId id, const std::string& title, const Surface& surface);
  void Forget(WindowId id);
  // At shutdown, for each window still open.
  void Final(const std::string& title, const Surface& surface);

 private:
  void Save(const std::string& title, const char* when, const Surface& surface);
  std::string folder_;
  std::set<WindowId> waiting_;  // shown, not yet presented
  std::set<WindowId> taken_;  // first picture done
};

// "<folder>/<NNN>-<title>-<when>.png" with the first counter not yet used by a
// file there, so that runs sharing a folder keep each other's pictures.
std::string ScreenshotPath(const std::string& folder, const std::string& title, const char* when, int& counter);

}  // namespace host
