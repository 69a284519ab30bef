// "Recent.inf". What reads writes a file that reads back to the same lists,
// scheme and tips choice, and writes again to the same bytes; a read that
// fails leaves the lists as they were.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>

#include "drummachine/core/RecentFiles.h"
#include "fuzz/seeds.h"
#include "platform/vcl/SysUtils.h"

namespace {

TMainModel Before() {
  TMainModel model;
  model.RecentFiles[1] = "before.bkv";
  model.UserKitNames[2] = "Before kit";
  model.SkinSchemeName = "Before";
  return model;
}

bool SameRecent(const TMainModel& a, const TMainModel& b) {
  return a.RecentFiles == b.RecentFiles && a.UserKitNames == b.UserKitNames && a.SkinSchemeName == b.SkinSchemeName;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string input =
      drums_fuzz::WriteScratchFile("Recent.inf", std::string(reinterpret_cast<const char*>(data), size));
  TMainModel model = Before();
  std::optional<bool> tips;
  try {
    tips = LoadRecent(model, input);
  } catch (const Exception&) {
    if (!SameRecent(model, Before())) std::abort();
    return 0;
  }
  const std::string saved = drums_fuzz::ScratchDir() + "/Saved.inf";
  SaveRecent(model, tips.value_or(false), saved);
  const std::string first = drums_fuzz::ReadWholeFile(saved);
  TMainModel back;
  const std::optional<bool> backTips = LoadRecent(back, saved);
  if (!SameRecent(model, back) || backTips != std::optional<bool>(tips.value_or(false))) std::abort();
  SaveRecent(back, *backTips, saved);
  if (drums_fuzz::ReadWholeFile(saved) != first) std::abort();
  return 0;
}
