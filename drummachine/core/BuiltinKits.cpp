#include "drummachine/core/BuiltinKits.h"

#include <cstdio>

#include "drummachine/core/RangeArray.h"

// clang-format off
const std::array<TBuiltinKit, BuiltinKitCount> BuiltinKits = {{
    {0, "Analog kit", "Analog kit", "analog_",
     {{{"analog_", 1, 0}, {"analog_", 2, 0}, {"analog_", 3, 0}, {"analog_", 4, 1}, {"analog_", 5, 0}, {"analog_", 6, 1},
       {"analog_", 6, 2}, {"analog_", 8, 0}, {"analog_", 8, 1}, {"analog_", 9, 0}, {"analog_", 9, 1}, {"analog_", 9, 4}}},
     {"BassDrum", "Snare", "OpenHat", "ClosedHat", "BD/Tom/Clap", "Toms", "Toms", "Cymbal", "Cymbal", "Perc", "Perc", "Perc"}},
    {1, "Breakbeat kit", "Break Beat kit", "breakbeat_",
     {{{"breakbeat_", 1, 0}, {"breakbeat_", 2, 0}, {"breakbeat_", 3, 3}, {"breakbeat_", 4, 2}, {"breakbeat_", 10, 0},
       {"breakbeat_", 6, 0}, {"breakbeat_", 6, 2}, {"breakbeat_", 8, 1}, {"breakbeat_", 8, 3}, {"breakbeat_", 9, 0},
       {"breakbeat_", 10, 1}, {"breakbeat_", 10, 4}}},
     {"BassDrum", "Snare", "OpenHat", "ClosedHat", "Hits", "Toms", "Toms", "Cymbal", "Cymbal", "Perc", "Hits", "Hits"}},
    {2, "Brush kit", "Brush kit", "brush_",
     {{{"brush_", 1, 0}, {"brush_", 2, 0}, {"brush_", 3, 0}, {"brush_", 4, 0}, {"brush_", 5, 2}, {"brush_", 6, 1},
       {"brush_", 6, 2}, {"brush_", 8, 0}, {"brush_", 8, 2}, {"brush_", 9, 0}, {"brush_", 9, 1}, {"brush_", 9, 4}}},
     {"BassDrum", "Snare", "OpenHat", "ClosedHat", "Bd/Sn/Tom", "Toms", "Toms", "Cymbal", "Cymbal", "Perc", "Perc", "Perc"}},
    {3, "Casieo kit", "Casieo kit", "casieo_",
     {{{"casieo_", 1, 0}, {"casieo_", 2, 0}, {"casieo_", 3, 0}, {"casieo_", 4, 0}, {"casieo_", 1, 1}, {"casieo_", 6, 0},
       {"casieo_", 6, 3}, {"casieo_", 8, 0}, {"casieo_", 8, 3}, {"casieo_", 10, 6}, {"casieo_", 10, 8}, {"casieo_", 10, 4}}},
     {"BassDrum", "Snare", "OpenHat", "ClosedHat", "Bassdrum", "Toms", "Toms", "Cymbal", "Cymbal", "Perc", "Perc", "Perc"}},
    {4, "Disco kit", "Disco kit", "discokit_",
     {{{"discokit_", 1, 1}, {"discokit_", 2, 1}, {"discokit_", 3, 0}, {"discokit_", 4, 1}, {"discokit_", 5, 1},
       {"discokit_", 6, 1}, {"discokit_", 6, 2}, {"discokit_", 8, 0}, {"discokit_", 8, 1}, {"discokit_", 9, 0},
       {"discokit_", 9, 1}, {"discokit_", 9, 4}}},
     {"BassDrum", "Snare", "OpenHat", "ClosedHat", "BD/Tom/Clap", "Toms", "Toms", "Cymbal", "Cymbal", "Perc", "Perc", "Perc"}},
    {5, "Ensonik kit", "Ensonik kit", "ensonik_",
     {{{"ensonik_", 1, 0}, {"ensonik_", 2, 5}, {"ensonik_", 3, 2}, {"ensonik_", 4, 0}, {"ensonik_", 1, 6}, {"ensonik_", 6, 0},
       {"ensonik_", 6, 1}, {"ensonik_", 8, 0}, {"ensonik_", 8, 2}, {"ensonik_", 9, 0}, {"ensonik_", 9, 4}, {"ensonik_", 9, 3}}},
     {"BassDrum", "Snare", "OpenHat", "ClosedHat", "Bassdrum", "Toms", "Toms", "Cymbal", "Cymbal", "Perc", "Perc", "Perc"}},
    {6, "Galaxy kit", "Galaxy kit", "galaxy_",
     {{{"galaxy_", 1, 0}, {"galaxy_", 2, 0}, {"galaxy_", 3, 0}, {"galaxy_", 4, 0}, {"galaxy_", 1, 3}, {"galaxy_", 6, 0},
       {"galaxy_", 6, 1}, {"galaxy_", 8, 0}, {"galaxy_", 8, 4}, {"galaxy_", 9, 4}, {"galaxy_", 9, 0}, {"galaxy_", 9, 2}}},
     {"BassDrum", "Snare", "OpenHat", "ClosedHat", "Bassdrum", "Toms", "Toms", "Cymbal", "Cymbal", "Perc", "Perc", "Perc"}},
    {7, "HR-16 Kit", "Hr-16 kit", "HR-16_",
     {{{"HR-16_", 1, 0}, {"HR-16_", 2, 0}, {"HR-16_", 3, 0}, {"HR-16_", 4, 0}, {"HR-16_", 1, 7}, {"HR-16_", 6, 0},
       {"HR-16_", 6, 2}, {"HR-16_", 8, 0}, {"HR-16_", 8, 1}, {"HR-16_", 2, 2}, {"HR-16_", 9, 0}, {"HR-16_", 9, 1}}},
     {"BassDrum", "Snare", "OpenHat", "ClosedHat", "BassDrum", "Toms", "Toms", "Cymbal", "Cymbal", "Snare", "Perc", "Perc"}},
    {8, "Industrial kit", "Industrial Kit", "industrial_",
     {{{"industrial_", 1, 0}, {"industrial_", 2, 0}, {"industrial_", 3, 0}, {"industrial_", 4, 0}, {"industrial_", 5, 2},
       {"industrial_", 6, 3}, {"industrial_", 6, 6}, {"industrial_", 8, 3}, {"industrial_", 8, 2}, {"industrial_", 9, 0},
       {"industrial_", 9, 7}, {"industrial_", 9, 10}}},
     {"BassDrum", "Snare", "OpenHat", "ClosedHat", "Bd/Tom", "Toms", "Toms", "Cymbal", "Cymbal", "Noize", "Noize", "Noize"}},
    {9, "Lo-fi kit", "Lo_Fi kit", "lofikit_",
     {{{"lofikit_", 1, 0}, {"lofikit_", 2, 0}, {"lofikit_", 3, 0}, {"lofikit_", 4, 3}, {"lofikit_", 1, 1}, {"lofikit_", 6, 0},
       {"lofikit_", 2, 7}, {"lofikit_", 8, 0}, {"lofikit_", 4, 2}, {"empty_", 1, 0}, {"empty_", 1, 0}, {"empty_", 1, 0}}},
     {"BassDrum", "Snare", "OpenHat", "HiHat", "BassDrum", "Toms", "Snare", "Cymbal", "HiHat", "Empty", "Empty", "Empty"}},
    {10, "Soft Synth kit", "Soft Synth kit", "softsynth_",
     {{{"softsynth_", 1, 0}, {"softsynth_", 2, 0}, {"softsynth_", 3, 0}, {"softsynth_", 4, 0}, {"softsynth_", 5, 0},
       {"softsynth_", 6, 0}, {"softsynth_", 6, 3}, {"softsynth_", 8, 0}, {"softsynth_", 9, 0}, {"softsynth_", 10, 0},
       {"softsynth_", 11, 0}, {"softsynth_", 8, 0}}},
     {"BassDrum", "Snare", "OpenHat", "ClosedHat", "Deep BD", "Toms", "Toms", "BlipSnare", "SoftSynth", "VideoGame",
      "SoftSynth2", "BlipSnare"}},
    {11, "Yahmeha kit", "Yahmeha kit", "Yahmeha_",
     {{{"Yahmeha_", 1, 2}, {"Yahmeha_", 2, 7}, {"Yahmeha_", 3, 0}, {"Yahmeha_", 4, 2}, {"Yahmeha_", 5, 0},
       {"Yahmeha_", 6, 0}, {"Yahmeha_", 7, 0}, {"Yahmeha_", 8, 0}, {"yahmeha_", 8, 2}, {"yahmeha_", 9, 0},
       {"yahmeha_", 10, 0}, {"yahmeha_", 10, 1}}},
     {"BassDrum", "Snare", "OpenHat", "ClosedHat", "Low Tom", "Med Tom", "High Tom", "Cymbal", "Cymbal", "Perc", "Perc2",
      "Perc2"}},
    {12, "<Empty>", "Empty", "empty_",
     {{{"empty_", 1, 0}, {"empty_", 1, 0}, {"empty_", 1, 0}, {"empty_", 1, 0}, {"empty_", 1, 0}, {"empty_", 1, 0},
       {"empty_", 1, 0}, {"empty_", 1, 0}, {"empty_", 1, 0}, {"empty_", 1, 0}, {"empty_", 1, 0}, {"empty_", 1, 0}}},
     {"", "", "", "", "", "", "", "", "", "", "", ""}},
}};
// clang-format on

std::string BuiltinKitFileName(const TBuiltinKitTrack& track) {
  char number[16];
  std::snprintf(number, sizeof number, "%02d", track.Number);
  return std::string(track.Prefix) + number + ".dsw";
}

const TBuiltinKit& BuiltinKit(int kitId) {
  if (kitId < 0 || kitId >= BuiltinKitCount) RaiseRangeError();
  return BuiltinKits[static_cast<std::size_t>(kitId)];
}
