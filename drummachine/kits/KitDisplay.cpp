#include "drummachine/kits/KitDisplay.h"

#include "drummachine/core/BuiltinKits.h"
#include "platform/vcl/SysUtils.h"

namespace {

// The first `count` characters of text, never half a character.
std::string Leading(const std::string& text, std::size_t count) {
  return text.substr(0, vcl::rtl::Utf8Prefix(text, count));
}

void ShowTrackButtons(const TKitContext& kits) {
  for (int t = 1; t <= SongTracks; ++t) {
    kits.View.SetTrackButtonCaption(t, kits.Model.TrackName[t]);
    TWaveCollectionItem* wave = TrackWave(kits, t, kits.Model.Song.TrackSample[t]);
    kits.View.SetDrumButtonCaption(t, wave ? wave->GetName() : std::string(EmptyWaveCaption));
  }
}

void ShowCurrentTrackSample(const TKitContext& kits) {
  const int t = kits.Model.CurrentTrack;
  const std::vector<std::string> items = SampleBoxItems(kits, t);
  const int sample = t >= 1 && t <= SongTracks ? kits.Model.Song.TrackSample[t] : -1;
  const int index = sample >= 0 && sample < static_cast<int>(items.size()) ? sample : -1;
  kits.View.SetSampleItems(items, index);
  kits.View.SetSampleLabel(index >= 0 ? items[static_cast<size_t>(index)] : std::string());
}

void ShowUserKitItems(const TKitContext& kits) {
  const auto& names = kits.Model.UserKitNames;
  for (int n = 1; n <= RecentKitCount; ++n)
    kits.View.SetUserKitItem(n, std::to_string(n) + ". " + names[n], !names[n].empty());
  kits.View.SetUserKitSeparatorVisible(!names[1].empty());
}

void ShowKitName(const TKitContext& kits) {
  const std::string& name = kits.Model.Song.KitName;
  kits.View.SetKitCaptions(name, Leading(name, 15), Leading(name, 12), name);
}

}  // namespace

void uncheckMenus(const TKitContext& kits) {
  for (int kitId = 0; kitId < BuiltinKitCount; ++kitId) kits.View.SetBuiltinKitChecked(kitId, false);
  for (int n = 1; n <= RecentKitCount; ++n) kits.View.SetUserKitChecked(n, false);
}

void CheckBuiltinKitItem(const TKitContext& kits, int kitId) {
  uncheckMenus(kits);
  kits.View.SetBuiltinKitChecked(kitId, true);
}

void CheckUserKitItem(const TKitContext& kits) {
  uncheckMenus(kits);
  kits.View.SetUserKitChecked(1, true);
}

std::vector<std::string> SampleBoxItems(const TKitContext& kits, int t) {
  std::vector<std::string> items;
  if (TWaveCollection* bank = TrackBank(kits, t))
    for (int i = 0; i < bank->GetCount(); ++i) items.push_back(bank->GetItems(i)->GetName());
  if (items.empty()) items.push_back(EmptyWaveCaption);
  return items;
}

void UpdateDrumButtons(const TKitContext& kits) {
  ShowTrackButtons(kits);
  ShowCurrentTrackSample(kits);
  if (kits.Model.FormReady) ShowUserKitItems(kits);
  ShowKitName(kits);
}
