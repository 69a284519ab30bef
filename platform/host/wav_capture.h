// Copies everything the audio callback produces into a WAV file
// (DRUMS_AUDIO_CAPTURE), so sound can be checked without hearing it.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

namespace host {

class WavCapture {
 public:
  WavCapture() = default;
  WavCapture(const WavCapture&) = delete;
  WavCapture& operator=(const WavCapture&) = delete;
  ~WavCapture();

  // Creates the file with a header whose sizes are filled in by Finish.
  // A second Open with the same format keeps appending to the open file.
  bool Open(const std::string& path, int rate, int channels);
  bool IsOpen() const { return file_ != nullptr; }
  // Audio thread.
  void Write(const std::int16_t* samples, int frames);
  // Writes the sizes into the header; the file stays open for more data.
  void Finish();
  // Finish and close.
  void Close();

 private:
  std::FILE* file_ = nullptr;
  int channels_ = 2;
  std::uint64_t dataBytes_ = 0;
};

}  // namespace host
