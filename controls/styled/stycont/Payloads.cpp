#include "controls/styled/stycont/Payloads.h"

#include <string>

#include "controls/styled/stycont/ChunkStreams.h"
#include "controls/styled/stycont/StreamHelpers.h"
#include "controls/styled/styprocs/BitmapFile.h"
#include "controls/styled/stywave.h"
#include "platform/vcl/SysUtils.h"

void WritePayload(TStream* Stream, TMemoryStream* Content, bool Compressed) {
  const auto size = static_cast<int>(Content->GetSize());
  Content->SetPosition(0);
  if (Compressed) {
    CompressStream(Content, Stream, size);
    return;
  }
  WriteInt32(Stream, size);
  Stream->WriteBuffer(Content->GetMemory(), size);
}

void ReadPayload(TStream* Stream, TMemoryStream* Content, bool Compressed) {
  Content->Clear();
  if (Compressed) {
    DecompressStream(Stream, Content);
  } else {
    const std::int32_t length = ReadInt32(Stream);
    CheckRemaining(Stream, length);
    Content->SetSize(length);
    Stream->ReadBuffer(Content->GetMemory(), length);
  }
  Content->SetPosition(0);
}

void WriteStringsPayload(TStream* Stream, TStrings* Strings, bool Compressed) {
  const std::string text = Strings->GetText();
  TMemoryStream content;
  content.WriteBuffer(text.data(), static_cast<int>(text.size()));
  WritePayload(Stream, &content, Compressed);
}

void ReadStringsPayload(TStream* Stream, TStrings* Strings, bool Compressed) {
  TMemoryStream content;
  ReadPayload(Stream, &content, Compressed);
  const auto* bytes = static_cast<const char*>(content.GetMemory());
  Strings->SetText(std::string(bytes, bytes + content.GetSize()));
}

void WriteBitmapPayload(TStream* Stream, TBitmap* Bitmap, bool Compressed, int Colors) {
  TMemoryStream content;
  if (Compressed && (Colors != -1 || Bitmap->GetMonochrome())) {
    BitmapToMemoryStream(&content, Bitmap, Colors == -1 ? 2 : Colors);
  } else if (Colors == -1) {
    Bitmap->SaveToStream(&content);
  } else {
    WriteBitmapFile(&content, Bitmap->GetHandle(), Bitmap->GetPalette(), Colors, false);
  }
  WritePayload(Stream, &content, Compressed);
}

void ReadBitmapPayload(TStream* Stream, TBitmap* Bitmap, bool Compressed) {
  TMemoryStream content;
  ReadPayload(Stream, &content, Compressed);
  Bitmap->LoadFromStream(&content);
}

void WriteWavePayload(TStream* Stream, TStyWave* Wave, bool Compressed) {
  if (Compressed)
    Wave->WriteCompressed(Stream);
  else
    Wave->WritePlain(Stream);
}

void ReadWavePayload(TStream* Stream, TStyWave* Wave, bool Compressed) {
  if (Compressed)
    Wave->ReadCompressed(Stream);
  else
    Wave->ReadPlain(Stream);
}
