#include "controls/styled/stywave.h"

#include <cstring>

#include "controls/styled/stycont/ChunkStreams.h"
#include "controls/styled/stycont/StreamHelpers.h"
#include "platform/win/mmsystem.h"

namespace {
// Tags, RIFF length, chunk length and the format record up to the block
// alignment: what the header check reads.
constexpr int kWaveHeaderCheck = 4 + 4 + 4 + 4 + 4 + 14;
}  // namespace

TStyWave::~TStyWave() {
  if (FData) StopSimpleSound();
}

std::unique_ptr<TStyWave> TStyWave::CreateFromFile(const std::string& FileName) {
  auto wave = std::make_unique<TStyWave>();
  wave->LoadFromFile(FileName);
  return wave;
}

void TStyWave::StopSimpleSound() const {
  sndPlaySoundA(nullptr, 0);
}

bool TStyWave::IsEmpty() const {
  return !FData || FData->GetSize() == 0;
}

int TStyWave::GetSize() const {
  return IsEmpty() ? 0 : static_cast<int>(FData->GetSize());
}

void TStyWave::SetData(std::unique_ptr<TMemoryStream> Stream) {
  if (FData) StopSimpleSound();
  FData = std::move(Stream);
  if (FData) FData->SetPosition(0);
  Change();
}

void TStyWave::Clear() {
  SetData(nullptr);
}

bool TStyWave::IsWaveData(TStream* Stream) {
  if (Stream == nullptr || Stream->GetSize() == 0) return false;
  Stream->SetPosition(0);
  char header[kWaveHeaderCheck];
  const int got = Stream->Read(header, kWaveHeaderCheck);
  Stream->SetPosition(0);
  if (got < kWaveHeaderCheck)
    throw EErrorCheckingWave("GetWaveData: the data ends inside the wave header (" + std::to_string(got) + " bytes)");
  return std::memcmp(header, "RIFF", 4) == 0 && std::memcmp(header + 8, "WAVE", 4) == 0 &&
         std::memcmp(header + 12, "fmt ", 4) == 0;
}

void TStyWave::LoadData(std::int64_t Count, TStream* Stream) {
  if (Stream->GetSize() == 0) {
    Clear();
    return;
  }
  CheckRemaining(Stream, Count);
  auto data = std::make_unique<TMemoryStream>();
  data->SetSize(Count);
  if (Count > 0) Stream->ReadBuffer(data->GetMemory(), static_cast<int>(Count));
  if (!IsWaveData(data.get())) throw EInvalidWave(std::string(ClassName()) + ": the data is not a RIFF WAVE image");
  SetData(std::move(data));
}

void TStyWave::ReadData(TStream* Stream) {
  ReadPlain(Stream);
}

void TStyWave::WriteData(TStream* Stream) {
  WriteWaveData(Stream, true);
}

void TStyWave::WriteWaveData(TStream* Stream, bool WithLength) {
  if (!FData) FData = std::make_unique<TMemoryStream>();
  const auto size = static_cast<int>(FData->GetSize());
  if (WithLength) WriteInt32(Stream, size);
  if (size > 0) Stream->WriteBuffer(FData->GetMemory(), size);
}

void TStyWave::DefineProperties(TFiler* Filer) {
  inherited::DefineProperties(Filer);
  Filer->DefineBinaryProperty(
      "Data", [this](TStream* s) { ReadData(s); }, [this](TStream* s) { WriteData(s); }, FData != nullptr);
}

void TStyWave::LoadFromFile(const std::string& FileName) {
  TFileStream file(FileName, fmOpenRead | fmShareDenyWrite);
  LoadData(file.GetSize(), &file);
}

void TStyWave::LoadFromStream(TStream* Stream) {
  LoadData(Stream->GetSize() - Stream->GetPosition(), Stream);
}

void TStyWave::SaveToFile(const std::string& FileName) {
  TFileStream file(FileName, fmCreate);
  SaveToStream(&file);
}

void TStyWave::SaveToStream(TStream* Stream) {
  WriteWaveData(Stream, false);
}

void TStyWave::ReadPlain(TStream* Stream) {
  const std::int32_t count = ReadInt32(Stream);
  LoadData(count, Stream);
}

void TStyWave::WritePlain(TStream* Stream) {
  WriteWaveData(Stream, true);
}

void TStyWave::ReadCompressed(TStream* Stream) {
  TMemoryStream data;
  DecompressStream(Stream, &data);
  data.SetPosition(0);
  LoadFromStream(&data);
}

void TStyWave::WriteCompressed(TStream* Stream) {
  TMemoryStream data;
  SaveToStream(&data);
  data.SetPosition(0);
  CompressStream(&data, Stream, static_cast<int>(data.GetSize()));
}

void TStyWave::Assign(TPersistent* Source) {
  if (Source == nullptr) {
    Clear();
    return;
  }
  auto* other = dynamic_cast<TStyWave*>(Source);
  if (other == nullptr) {
    inherited::Assign(Source);
    return;
  }
  auto data = std::make_unique<TMemoryStream>();
  if (!other->IsEmpty()) {
    data->SetSize(other->FData->GetSize());
    std::memcpy(data->GetMemory(), other->FData->GetMemory(), static_cast<size_t>(other->FData->GetSize()));
  }
  if (other->FData) other->FData->SetPosition(0);
  SetData(std::move(data));
}
