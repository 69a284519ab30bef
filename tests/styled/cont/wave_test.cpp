// The wave object: what counts as wave data, how it keeps its data when the
// data offered is not, its "Data" property and its payload forms.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "controls/styled/stycont.h"
#include "controls/styled/stywave.h"
#include "platform/vcl/Classes.h"
#include "platform/vcl/SysUtils.h"
#include "support/ByteStrings.h"

namespace {

using testsupport::PutBytes;
using testsupport::StreamBytes;

using Bytes = std::vector<std::uint8_t>;

void PutInt(Bytes& b, std::uint32_t v, int size) {
  for (int i = 0; i < size; ++i) b.push_back(std::uint8_t(v >> (8 * i)));
}

// A canonical PCM header: 44 bytes, then Samples bytes of sound.
Bytes PcmWave(int samples = 0, const char* riff = "RIFF") {
  Bytes b(riff, riff + 4);
  PutInt(b, 36 + std::uint32_t(samples), 4);
  for (char c : std::string("WAVEfmt ")) b.push_back(std::uint8_t(c));
  PutInt(b, 16, 4);
  PutInt(b, 1, 2);
  PutInt(b, 1, 2);
  PutInt(b, 22050, 4);
  PutInt(b, 44100, 4);
  PutInt(b, 2, 2);
  PutInt(b, 16, 2);
  for (char c : std::string("data")) b.push_back(std::uint8_t(c));
  PutInt(b, std::uint32_t(samples), 4);
  for (int i = 0; i < samples; ++i) b.push_back(std::uint8_t(i * 37));
  return b;
}

Bytes WaveBytes(TStyWave& wave) {
  TMemoryStream s;
  wave.SaveToStream(&s);
  return StreamBytes(s);
}

TEST(StyWave, HeaderCheckDecidesWhatBecomesData) {
  TStyWave wave;
  EXPECT_TRUE(wave.IsEmpty());
  EXPECT_EQ(wave.GetSize(), 0);
  TMemoryStream s;
  PutBytes(s, PcmWave());
  wave.LoadFromStream(&s);
  EXPECT_FALSE(wave.IsEmpty());
  EXPECT_EQ(wave.GetSize(), 44);

  int changes = 0;
  wave.OnChange = [&](TObject*) { ++changes; };
  struct Bad {
    const char* name;
    Bytes bytes;
    bool tooShort;
  };
  Bytes riff10 = {'R', 'I', 'F', 'F', 1, 2, 3, 4, 5, 6};
  Bytes noFmt = PcmWave();
  noFmt[12] = 'd';
  const Bad cases[] = {
      {"RIFX", PcmWave(0, "RIFX"), false},
      {"no fmt chunk first", noFmt, false},
      {"ten bytes starting RIFF", riff10, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    PutBytes(s, c.bytes);
    if (c.tooShort) {
      try {
        wave.LoadFromStream(&s);
        ADD_FAILURE() << "no exception";
      } catch (const EErrorCheckingWave& e) {
        EXPECT_EQ(e.GetMessage().rfind("GetWaveData: ", 0), 0u) << e.GetMessage();
      }
    } else {
      EXPECT_THROW(wave.LoadFromStream(&s), EInvalidWave);
    }
    EXPECT_EQ(WaveBytes(wave), PcmWave());
  }
  EXPECT_EQ(changes, 0);

  // At its end a stream offers no bytes: no header, not wave data.
  PutBytes(s, PcmWave(8));
  s.SetPosition(s.GetSize());
  EXPECT_THROW(wave.LoadFromStream(&s), EInvalidWave);
  // A stream of size 0 clears the wave.
  TMemoryStream empty;
  wave.LoadFromStream(&empty);
  EXPECT_TRUE(wave.IsEmpty());
  EXPECT_EQ(changes, 1);
}

TEST(StyWave, CountsBeyondTheStreamAreReadErrorsBeforeAllocation) {
  TStyWave wave;
  TMemoryStream s;
  Bytes framed;
  PutInt(framed, 0x7FFFFFF0u, 4);
  const Bytes body = PcmWave(4);
  framed.insert(framed.end(), body.begin(), body.end());
  PutBytes(s, framed);
  EXPECT_THROW(wave.ReadPlain(&s), EReadError);
  Bytes negative;
  PutInt(negative, 0xFFFFFFFFu, 4);
  negative.insert(negative.end(), body.begin(), body.end());
  PutBytes(s, negative);
  EXPECT_THROW(wave.ReadPlain(&s), EReadError);
  EXPECT_TRUE(wave.IsEmpty());
}

TEST(StyWave, PayloadFormsRoundTrip) {
  TStyWave wave;
  TMemoryStream in;
  PutBytes(in, PcmWave(300));
  wave.LoadFromStream(&in);
  for (bool compressed : {false, true}) {
    SCOPED_TRACE(compressed);
    TMemoryStream s;
    WriteWavePayload(&s, &wave, compressed);
    if (!compressed) {
      const Bytes bytes = StreamBytes(s);
      ASSERT_EQ(bytes.size(), 4u + 344u);
      EXPECT_EQ(bytes[0] | bytes[1] << 8, 344);
    }
    s.SetPosition(0);
    TStyWave back;
    ReadWavePayload(&s, &back, compressed);
    EXPECT_EQ(WaveBytes(back), PcmWave(300));
    EXPECT_EQ(s.GetPosition(), s.GetSize());
  }
}

TEST(StyWave, AssignCopiesTheBytesAndAnEmptySourceLeavesAnEmptyStream) {
  TStyWave source;
  TMemoryStream in;
  PutBytes(in, PcmWave(2));
  source.LoadFromStream(&in);
  TStyWave copy;
  copy.Assign(&source);
  EXPECT_EQ(WaveBytes(copy), PcmWave(2));
  EXPECT_EQ(source.GetData()->GetPosition(), 0);

  TStyWave empty;
  copy.Assign(&empty);
  EXPECT_TRUE(copy.IsEmpty());
  ASSERT_NE(copy.GetData(), nullptr);
  // With a data stream, even an empty one, "Data" is written: the int32 0.
  TMemoryStream data;
  copy.WriteData(&data);
  EXPECT_EQ(StreamBytes(data), (Bytes{0, 0, 0, 0}));
  copy.Assign(nullptr);
  EXPECT_EQ(copy.GetData(), nullptr);

  TStringList other;
  EXPECT_THROW(copy.Assign(&other), EConvertError);
}

}  // namespace
