// The song file, read as File > Open reads it (with or without the song's
// kit lines, by the input's length). A file that fails leaves the song and
// its file name as they were. A song that reads writes a file that reads
// back to the same song (the sample lines as the writer keeps them) and
// writes again to the same bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "drummachine/core/SongCommands.h"
#include "fuzz/seeds.h"
#include "fuzz/song_kit_mirror.h"
#include "platform/vcl/SysUtils.h"

namespace {

// A song that differs from a new one everywhere a read could change it.
TMainModel Before() {
  TMainModel model;
  model.Song.StepOn(3, 3, 3) = 1;
  model.Song.Step32Pan(2, 2, 2) = -77;
  model.Song.Tempo = 133;
  model.Song.KitName = std::string("Before kit");
  model.Song.SongSamplePath[1] = "before.wav";
  model.Song.SequenceGrid.Cells(1, 1) = "7";
  model.SongFileName = "before.bkv";
  return model;
}

std::string Written(TMainModel& model, bool allTracks32nd, const std::string& name) {
  drums_fuzz::SongKitMirror kit(model);
  const std::string path = drums_fuzz::ScratchDir() + "/" + name;
  TextFile f;
  AssignFile(f, path);
  Rewrite(f);
  WriteSongFile(f, model, kit, allTracks32nd);
  CloseFile(f);
  return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string input =
      drums_fuzz::WriteScratchFile("input.bkv", std::string(reinterpret_cast<const char*>(data), size));
  const bool withKit = size % 2 == 1;
  TMainModel model = Before();
  const TMainModel before = Before();
  TSongFileExtras extras;
  try {
    extras = LoadFile(model, input, withKit);
  } catch (const Exception&) {
    if (!(model.Song == before.Song) || model.SongFileName != before.SongFileName) std::abort();
    return 0;
  }
  // What the writer keeps of the sample lines: those of a user wave.
  TSong expected = model.Song;
  const std::string first = Written(model, extras.AllTracks32nd, "first.bkv");
  drums_fuzz::SongKitMirror kit(model);
  for (int t = 1; t <= SongTracks; ++t)
    if (!kit.WritesSample(t)) expected.SongSamplePath[t] = expected.SongSampleName[t] = std::string();

  TMainModel back = Before();
  const TSongFileExtras backExtras = LoadFile(back, first, true);
  if (!(back.Song == expected) || backExtras.AllTracks32nd != extras.AllTracks32nd) std::abort();
  const std::string second = Written(back, backExtras.AllTracks32nd, "second.bkv");
  if (drums_fuzz::ReadWholeFile(first) != drums_fuzz::ReadWholeFile(second)) std::abort();
  return 0;
}
