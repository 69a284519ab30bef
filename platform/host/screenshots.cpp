#include "platform/host/screenshots.h"

#include <sys/stat.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>

#include "platform/host/png_file.h"

namespace host {
namespace {

std::string FileSafe(const std::string& title) {
  std::string out;
  for (unsigned char c : title) {
    if (std::isalnum(c) || c == '-' || c == '_' || c >= 0x80)
      out += static_cast<char>(c);
    else if (c == ' ' || c == '.')
      out += '_';
    if (out.size() >= 60) break;
  }
  return out.empty() ? "untitled" : out;
}

bool Exists(const std::string& path) {
  struct stat st;
  return ::stat(path.c_str(), &st) == 0;
}

}  // namespace

std::string ScreenshotPath(const std::string& folder, const std::string& title, const char* when, int& counter) {
  std::string path;
  do {
    char number[16];
    std::snprintf(number, sizeof number, "%03d", ++counter);
    path = folder + "/" + number + "-" + FileSafe(title) + "-" + when + ".png";
  } while (Exists(path));
  return path;
}

ScreenshotRecorder::ScreenshotRecorder() {
  if (const char* dir = std::getenv("DRUMS_SCREENSHOTS"); dir && *dir) {
    folder_ = dir;
    ::mkdir(folder_.c_str(), 0777);  // one level: the parent is the user's to make
  }
}

void ScreenshotRecorder::Shown(WindowId id) {
  if (Enabled() && !taken_.count(id)) waiting_.insert(id);
}

void ScreenshotRecorder::Presented(WindowId id, const std::string& title, const Surface& surface) {
  if (!waiting_.erase(id)) return;
  taken_.insert(id);
  Save(title, "shown", surface);
}

void ScreenshotRecorder::Forget(WindowId id) {
  waiting_.erase(id);
  taken_.erase(id);
}

void ScreenshotRecorder::Final(const std::string& title, const Surface& surface) {
  if (Enabled()) Save(title, "exit", surface);
}

void ScreenshotRecorder::Save(const std::string& title, const char* when, const Surface& surface) {
  static int counter = 0;  // process-wide, so two back ends in one run never collide
  const std::string path = ScreenshotPath(folder_, title, when, counter);
  if (!WritePng(path, surface)) std::fprintf(stderr, "drums: cannot write the screenshot %s\n", path.c_str());
}

}  // namespace host
