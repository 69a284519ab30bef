// The program's readers on the crafted files fuzzing found (make bench):
//
// BM_ImportMetaEventMidi: MIDI import of a 20 MB file of empty meta events
//   around one drum note (741 MB held before the import kept only notes);
//   the peak resident memory of the process is reported.
// BM_ReadLongLine/song and /recent: a song file whose kit name line, and a
//   "Recent.inf" whose first line, is 100 MB long (18-24 s and 400 MB before
//   lines were read with a bound).
// BM_LoadEmptyItemBank: a wave collection file of 100,000 empty items
//   (200 KB) read into a bank that holds as many (47 s before clearing a
//   collection stopped searching for each item). Last, as the peak memory
//   the others report is the process's.
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

#include "drummachine/core/MIDIRead.h"
#include "drummachine/core/MidiImport.h"
#include "drummachine/core/RecentFiles.h"
#include "drummachine/core/SongCommands.h"
#include "platform/vcl/Classes.h"
#include "sound/WaveCollection.h"

namespace {

const std::string& Folder() {
  static const std::string folder = [] {
    std::string pattern = (std::filesystem::temp_directory_path() / "drums-bench-XXXXXX").string();
    return std::string(::mkdtemp(pattern.data()));
  }();
  return folder;
}

struct RemoveFolder {
  ~RemoveFolder() {
    std::error_code ec;
    std::filesystem::remove_all(Folder(), ec);
  }
} removeFolder;

// head, then pattern repeated count times, then tail, written in blocks.
void WriteFile(const std::string& path, const std::string& head, const std::string& pattern, std::size_t count,
               const std::string& tail) {
  std::FILE* f = std::fopen(path.c_str(), "wb");
  std::fwrite(head.data(), 1, head.size(), f);
  const std::size_t perBlock = (1 << 20) / pattern.size();
  std::string block;
  for (std::size_t i = 0; i < perBlock; ++i) block += pattern;
  for (std::size_t left = count; left > 0;) {
    const std::size_t n = left < perBlock ? left : perBlock;
    std::fwrite(block.data(), 1, n * pattern.size(), f);
    left -= n;
  }
  std::fwrite(tail.data(), 1, tail.size(), f);
  std::fclose(f);
}

double PeakResidentMegabytes() {
  rusage u{};
  getrusage(RUSAGE_SELF, &u);
  return static_cast<double>(u.ru_maxrss) / 1024.0;
}

void BM_ImportMetaEventMidi(benchmark::State& state) {
  const std::string path = Folder() + "/meta.mid";
  const std::size_t events = 5 * 1000 * 1000;  // 4 bytes each: 20 MB
  const std::string meta("\x00\xFF\x01\x00", 4), tail("\x00\x99\x24\x64\x00\xFF\x2F\x00", 8);
  const std::size_t length = events * meta.size() + tail.size();
  const std::string head =
      std::string("MThd\0\0\0\x06\0\0\0\x01\0\x60", 14) + "MTrk" +
      std::string{char(length >> 24 & 0xFF), char(length >> 16 & 0xFF), char(length >> 8 & 0xFF), char(length & 0xFF)};
  WriteFile(path, head, meta, events, tail);
  SetMidiErrorReport([](const std::string&) {});
  std::size_t notes = 0;
  for (auto _ : state) {
    TMainModel model;
    ImportMidiFile(model, path);
    notes = ReadDrumNotes(path).size();
  }
  state.counters["notes_held"] = static_cast<double>(notes);
  state.counters["peak_MB"] = PeakResidentMegabytes();
  std::filesystem::remove(path);
}
BENCHMARK(BM_ImportMetaEventMidi)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_ReadLongLine(benchmark::State& state) {
  const bool song = state.range(0) == 0;
  const std::string path = Folder() + (song ? "/long.bkv" : "/Recent.inf");
  const std::size_t length = 100u << 20;
  if (song) {
    // A song as written, its kit name line (978) 100 MB long.
    TMainModel written;
    written.SaveConfirmed = true;
    written.SongFileName = Folder() + "/short.bkv";
    struct NoKit : ISongKit {
      int GetWaveCount(int) const override { return 0; }
      std::string GetWaveName(int, int) const override { return std::string(); }
      void LoadKit(int) override {}
      void LoadKitFile() override {}
    } kit;
    SaveBKVFile(written, kit, false);
    std::string text;
    if (std::FILE* f = std::fopen(written.SongFileName.c_str(), "rb")) {
      char buffer[65536];
      for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, f)) > 0;) text.append(buffer, n);
      std::fclose(f);
    }
    std::size_t at = 0;
    for (int line = 1; line < 978; ++line) at = text.find("\r\n", at) + 2;
    const std::size_t end = text.find("\r\n", at);
    WriteFile(path, text.substr(0, at), "k", length, text.substr(end));
  } else {
    WriteFile(path, "", "x", length, "\r\n");
  }
  for (auto _ : state) {
    TMainModel model;
    if (song)
      LoadFile(model, path, true);
    else
      LoadRecent(model, path);
  }
  state.counters["peak_MB"] = PeakResidentMegabytes();
  std::filesystem::remove(path);
}
BENCHMARK(BM_ReadLongLine)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(1);

// Written as the crafted file was: each item a list with no properties (2
// bytes), inside the resource header and component stream the writer makes.
void BM_LoadEmptyItemBank(benchmark::State& state) {
  TWaveCollection empty(nullptr);
  TMemoryStream framing;
  empty.SaveToStream(&framing);
  std::string bytes(static_cast<const char*>(framing.GetMemory()), static_cast<std::size_t>(framing.GetSize()));
  // The empty bank ends with the collection's, the component's and the
  // children's end marks; the items go before them, and the resource's
  // length, just before its 39 bytes of component stream, grows by theirs.
  std::string items;
  for (int i = 0; i < 100000; ++i) items += std::string("\x01\x00", 2);
  const std::size_t lengthAt = bytes.size() - 39 - 4;
  bytes.insert(bytes.size() - 3, items);
  std::uint32_t length = 0;
  std::memcpy(&length, bytes.data() + lengthAt, 4);
  length += static_cast<std::uint32_t>(items.size());
  std::memcpy(bytes.data() + lengthAt, &length, 4);
  TMemoryStream file;
  file.WriteBuffer(bytes.data(), static_cast<int>(bytes.size()));
  TWaveCollection bank(nullptr);
  for (auto _ : state) {
    file.SetPosition(0);
    bank.LoadFromStream(&file);
  }
  state.counters["file_KB"] = static_cast<double>(file.GetSize()) / 1024.0;
  state.counters["items"] = bank.GetCount();
}
BENCHMARK(BM_LoadEmptyItemBank)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
