// Seeds of the program's own readers, written by its own writers.
#include <string>
#include <vector>

#include "drummachine/core/MIDIWrite.h"
#include "drummachine/core/MainModel.h"
#include "drummachine/core/RecentFiles.h"
#include "drummachine/core/SongFile.h"
#include "fuzz/seeds.h"
#include "fuzz/song_kit_mirror.h"
#include "platform/vcl/Classes.h"
#include "sound/WaveCollection.h"
#include "sound/WaveSample.h"

namespace drums_fuzz {
namespace {

std::string StreamBytes(TMemoryStream& s) {
  return std::string(static_cast<const char*>(s.GetMemory()), static_cast<std::size_t>(s.GetSize()));
}

void FillWave(TWave& wave, int rate, int bits, int channels, int bytes) {
  wave.SetFormatSize(sizeof(WAVEFORMATEX));
  MakePCMFormat(*static_cast<WAVEFORMATEX*>(wave.GetFormatMemory()), rate, bits, channels);
  wave.SetSize(bytes);
  auto* data = static_cast<std::uint8_t*>(wave.GetDataMemory());
  for (int i = 0; i < bytes; ++i) data[i] = static_cast<std::uint8_t>(i * 29 + 7);
}

std::vector<std::string> WavSeeds() {
  std::vector<std::string> out;
  struct Shape {
    int rate, bits, channels, bytes;
  };
  for (Shape s : {Shape{44100, 16, 2, 64}, Shape{8000, 8, 1, 33}, Shape{22050, 16, 1, 2}}) {
    TWave wave;
    FillWave(wave, s.rate, s.bits, s.channels, s.bytes);
    TMemoryStream image;
    wave.SaveToStream(&image);
    out.push_back(StreamBytes(image));
  }
  return out;
}

std::vector<std::string> WaveCollectionSeeds() {
  std::vector<std::string> out;
  TWaveCollection empty(nullptr);
  TMemoryStream none;
  empty.SaveToStream(&none);
  out.push_back(StreamBytes(none));

  TWaveCollection bank(nullptr);
  const char* names[] = {"Kick", "Snare", "", "Hat open"};
  for (int i = 0; i < 4; ++i) {
    auto* item = static_cast<TWaveCollectionItem*>(bank.Add());
    item->SetName(names[i]);
    item->SetLooped(i == 1);
    item->SetMaxPlayingCount(i * 100);
    if (i != 2) FillWave(*item->GetWave(), 44100, 16, 1 + i % 2, 40 + i * 10);
  }
  TMemoryStream full;
  bank.SaveToStream(&full);
  out.push_back(StreamBytes(full));
  return out;
}

std::vector<std::string> SongSeeds() {
  std::vector<std::string> out;
  for (int variant = 0; variant < 2; ++variant) {
    TMainModel model;
    TSong& song = model.Song;
    song.StepOn(1, 1, 1) = 1;
    song.StepOn(5, 2, 3) = 1;
    song.StepModified(5, 2, 3) = 1;
    song.StepVolume(5, 2, 3) = -300;
    song.StepPan(9, 4, 16) = 2500;
    song.StepPitch(16, 12, 16) = 22050;
    song.Step32On(2, 6, 7) = 1;
    song.Step32Pitch(2, 6, 7) = 30000;
    song.TrackVolume[3] = -2500;
    song.TrackMute[4] = true;
    song.TrackSolo[5] = variant == 1;
    song.SoloActive = variant == 1;
    song.Tempo = variant ? 180 : 96;
    song.Metre = variant ? 3 : 4;
    song.SequenceGrid.Cells(0, 0) = "1";
    song.SequenceGrid.Cells(11, 2) = "16";
    song.KitId = variant ? 14 : 3;
    song.KitName = std::string(variant ? "My kit" : "Rock kit");
    song.TrackSample[2] = variant ? 5 : 0;
    song.SongSamplePath[2] = "C:\\waves\\clap.wav";
    song.SongSampleName[2] = "Clap";
    song.TrackUses32nd[6] = true;
    SongKitMirror kit(model);
    const std::string path = ScratchDir() + "/seed.bkv";
    TextFile f;
    AssignFile(f, path);
    Rewrite(f);
    WriteSongFile(f, model, kit, variant == 1);
    CloseFile(f);
    out.push_back(ReadWholeFile(path));
  }
  return out;
}

std::vector<std::string> RecentSeeds() {
  TMainModel model;
  model.RecentFiles[1] = "C:\\songs\\first.bkv";
  model.RecentFiles[3] = "/home/user/third.bkv";
  model.UserKitNames[1] = "My kit";
  model.UserKitNames[9] = "Last";
  model.SkinSchemeName = "Midnight";
  const std::string path = ScratchDir() + "/seed.inf";
  SaveRecent(model, true, path);
  std::vector<std::string> out{ReadWholeFile(path)};
  SaveRecent(TMainModel(), false, path);
  out.push_back(ReadWholeFile(path));
  return out;
}

std::vector<std::string> MidiSeeds() {
  std::vector<std::string> out;
  const std::string path = ScratchDir() + "/seed.mid";
  // Format 0: drum notes with their note-offs, a text and a tempo event.
  BeginMidiFile(0, 1, 96);
  BeginTrack();
  WriteMidiEvent({0, 0xFF, 0, "drums", 0x03, 0});
  WriteMidiEvent({0, 0xFF, 0, std::string("\x07\xA1\x20", 3), 0x51, 0});
  for (int i = 0; i < 12; ++i) {
    const std::uint8_t note = static_cast<std::uint8_t>(35 + i * 2);
    WriteMidiEvent({static_cast<std::uint32_t>(i % 3 == 0 ? 0 : 24 * i), 0x99, note, "", 0, 100});
    WriteMidiEvent({12, 0x89, note, "", 0, 0});
  }
  EndTrack();
  SaveMidiFile(path);
  out.push_back(ReadWholeFile(path));
  // Format 1: a tempo track, then a track of piano, controllers, a system
  // exclusive message and drum notes.
  BeginMidiFile(1, 2, 480);
  BeginTrack();
  WriteMidiEvent({0, 0xFF, 0, std::string("\x04\x02\x18\x08", 4), 0x58, 0});
  EndTrack();
  BeginTrack();
  WriteMidiEvent({0, 0xC0, 5, "", 0, 0});
  WriteMidiEvent({0, 0xB9, 7, "", 0, 90});
  WriteMidiEvent({0, 0xF0, 0, std::string("\xF0\x7E\x7F\x09\x01\xF7", 6), 0, 0});
  WriteMidiEvent({10, 0x90, 60, "", 0, 80});
  WriteMidiEvent({200, 0x99, 38, "", 0, 127});
  WriteMidiEvent({0, 0x99, 42, "", 0, 1});
  WriteMidiEvent({500, 0x99, 36, "", 0, 64});
  EndTrack();
  SaveMidiFile(path);
  out.push_back(ReadWholeFile(path));
  return out;
}

// Kit files as the kit dialog saves them (there is no writer of its own
// yet): CR LF lines, and one with LF alone, hat tracks at both ends.
std::vector<std::string> UserKitSeeds() {
  std::vector<std::string> out;
  for (const char* end : {"\r\n", "\n"}) {
    std::string text = std::string("My Kit") + end;
    for (int t = 1; t <= 12; ++t) text += "Track " + std::to_string(t) + end;
    text += std::string(end[1] ? "3 4" : "12 1") + end;
    for (int t = 1; t <= 12; ++t) text += std::to_string(t % 4) + (t < 12 ? " " : end);
    out.push_back(text);
  }
  return out;
}

}  // namespace

std::vector<std::string> ProgramSeeds(const std::string& target) {
  if (target == "wav") return WavSeeds();
  if (target == "wave_collection") return WaveCollectionSeeds();
  if (target == "song_file") return SongSeeds();
  if (target == "recent") return RecentSeeds();
  if (target == "midi_import") return MidiSeeds();
  if (target == "user_kit") return UserKitSeeds();
  return {};
}

}  // namespace drums_fuzz
