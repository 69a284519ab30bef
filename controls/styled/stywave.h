// The library's holder of one sound in RIFF WAVE form: a block of bytes it
// checks, streams and copies without interpreting further.
#pragma once

#include <memory>
#include <string>

#include "controls/styled/styclass.h"
#include "platform/vcl/Classes.h"
#include "platform/vcl/SysUtils.h"

DRUMS_DECLARE_EXCEPTION(EInvalidWave, Exception);
DRUMS_DECLARE_EXCEPTION(EErrorCheckingWave, Exception);

class TStyWave : public TStyObject {
  DRUMS_CLASS(TStyWave, TStyObject)
 public:
  TStyWave() = default;
  ~TStyWave() override;
  // A new wave holding the file's data.
  static std::unique_ptr<TStyWave> CreateFromFile(const std::string& FileName);

  void Assign(TPersistent* Source) override;
  bool IsEmpty() const;
  int GetSize() const;
  // The wave's bytes (null when it has no data stream).
  TMemoryStream* GetData() const { return FData.get(); }

  // Takes Stream (or none) as the data, positioned at 0, and reports it.
  void SetData(std::unique_ptr<TMemoryStream> Stream);
  void Clear();
  // Count bytes of Stream from its position become the data when they are a
  // RIFF WAVE image: EInvalidWave when they are not, EErrorCheckingWave when
  // they end inside the header, EReadError when Stream holds fewer than
  // Count bytes; in each case the wave keeps its data. A stream of size 0
  // clears the wave.
  void LoadData(std::int64_t Count, TStream* Stream);
  // Whether Stream starts with the RIFF, WAVE and "fmt " tags; rewinds it.
  bool IsWaveData(TStream* Stream);

  virtual void ReadData(TStream* Stream);
  virtual void WriteData(TStream* Stream);
  void WriteWaveData(TStream* Stream, bool WithLength);
  virtual void LoadFromFile(const std::string& FileName);
  virtual void LoadFromStream(TStream* Stream);
  virtual void SaveToFile(const std::string& FileName);
  virtual void SaveToStream(TStream* Stream);

  // The payload forms of a wave item: plain after an int32 length, or as a
  // chunk stream.
  void ReadPlain(TStream* Stream);
  void WritePlain(TStream* Stream);
  void ReadCompressed(TStream* Stream);
  void WriteCompressed(TStream* Stream);

 protected:
  void DefineProperties(TFiler* Filer) override;

 private:
  void StopSimpleSound() const;
  std::unique_ptr<TMemoryStream> FData;
};
