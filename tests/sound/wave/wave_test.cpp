// WAV samples in memory and the RIFF WAVE images they read and write.
#include <gtest/gtest.h>

#include <string>

#include "sound/Wave.h"
#include "sound/support/sound_fixture.h"
#include "support/ByteStrings.h"

namespace {

using testsupport::Le32;
using testsupport::StreamText;

std::string Pcm16(std::uint32_t rate, int channels) {
  WAVEFORMATEX f{};
  MakePCMFormat(f, static_cast<int>(rate), 16, channels);
  return std::string(reinterpret_cast<const char*>(&f), sizeof f);
}

std::string Chunk(const std::string& id, const std::string& body) {
  return id + Le32(static_cast<std::uint32_t>(body.size())) + body;
}

std::string Riff(const std::string& chunks, const char* riff = "RIFF") {
  return riff + Le32(static_cast<std::uint32_t>(chunks.size() + 4)) + "WAVE" + chunks;
}

TEST(Wave, MemoryGrowsAndShrinksInBlocksOf8096Bytes) {
  TWave w;
  w.SetSize(8096);
  EXPECT_EQ(w.GetCapacity(), 8096);
  w.SetSize(8097);
  EXPECT_EQ(w.GetCapacity(), 16192);
  w.SetSize(8000);
  EXPECT_EQ(w.GetCapacity(), 8096);
  w.SetSize(7000);
  EXPECT_EQ(w.GetCapacity(), 8096);
  EXPECT_EQ(w.GetSize(), 7000);
  w.SetSize(-4);
  EXPECT_EQ(w.GetSize(), 0);
  EXPECT_EQ(w.GetCapacity(), 0);
}

TEST(Wave, SavesItsFormatAndDataAsTwoChunksAndReadsThemBack) {
  TWave w;
  soundtest::FillConstant(w, 0, 250, 44100, 2);  // 1000 bytes of 16-bit stereo
  static_cast<std::uint8_t*>(w.GetDataMemory())[999] = 0x7F;
  TMemoryStream s;
  w.SaveToStream(&s);
  const std::string bytes = StreamText(s);
  ASSERT_EQ(bytes.size(), 1046u);
  EXPECT_EQ(bytes.substr(0, 4), "RIFF");
  EXPECT_EQ(bytes.substr(4, 4), Le32(1038));
  EXPECT_EQ(bytes.substr(8, 8), "WAVEfmt ");
  EXPECT_EQ(bytes.substr(16, 4), Le32(18));
  EXPECT_EQ(bytes.substr(38, 8), "data" + Le32(1000));
  EXPECT_EQ(s.GetPosition(), 1046);

  s.SetPosition(0);
  TWave back;
  back.LoadFromStream(&s);
  EXPECT_EQ(back.GetFormatSize(), 18);
  EXPECT_EQ(back.GetSize(), 1000);
  EXPECT_EQ(std::memcmp(back.GetFormat(), w.GetFormat(), 18), 0);
  EXPECT_EQ(std::memcmp(back.GetData(), w.GetData(), 1000), 0);
}

TEST(Wave, AnEmptyWaveWritesNothingAndAFormatIsNeededToWrite) {
  TWave w;
  TMemoryStream s;
  w.SaveToStream(&s);
  EXPECT_EQ(s.GetSize(), 0);
  TWaveStream ws(&s);
  try {
    ws.Open(true);
    FAIL();
  } catch (const EWaveStreamError& e) {
    EXPECT_STREQ(e.what(), "Format is invalid");
  }
  TWaveStream closed(&s);
  char c;
  EXPECT_THROW(closed.Read(&c, 1), EWaveStreamError);
}

TEST(Wave, ChunksAreWalkedWhateverComesBetween) {
  const std::string fmt = Chunk("fmt ", Pcm16(22050, 1));
  const std::string data = Chunk("data", "\x01\x02\x03\x04");
  struct Case {
    const char* what;
    std::string image;
    int dataSize;
  } cases[] = {
      {"a LIST chunk between", Riff(fmt + Chunk("LIST", "INFOsome") + data), 4},
      {"an odd chunk followed directly", Riff(fmt + Chunk("odd ", "abc") + data), 4},
      {"an odd chunk and its pad byte", Riff(fmt + Chunk("odd ", "abc") + std::string(1, '\0') + data), 4},
      {"no data chunk", Riff(fmt), 0},
      {"a later data chunk replaces", Riff(fmt + Chunk("data", "zz") + data), 4},
  };
  for (const Case& c : cases) {
    TStringStream s(c.image);
    TWave w;
    ASSERT_NO_THROW(w.LoadFromStream(&s)) << c.what;
    EXPECT_EQ(w.GetFormatSize(), 18) << c.what;
    EXPECT_EQ(w.GetSize(), c.dataSize) << c.what;
    if (c.dataSize == 4) {
      EXPECT_EQ(static_cast<const char*>(w.GetData())[3], '\x04') << c.what;
    }
  }
  TStringStream noFormat(Riff(data));
  TWave w;
  w.LoadFromStream(&noFormat);
  EXPECT_EQ(w.GetFormatSize(), 0);
  EXPECT_EQ(w.GetSize(), 4);
}

TEST(Wave, DamagedImagesAreRefusedBeforeAnythingIsReadPastTheEnd) {
  const std::string fmt = Chunk("fmt ", Pcm16(44100, 2));
  TStringStream rifx(Riff(fmt + Chunk("data", "ab"), "RIFX"));
  TWave w;
  try {
    w.LoadFromStream(&rifx);
    FAIL();
  } catch (const EWaveStreamError& e) {
    EXPECT_STREQ(e.what(), "Wave is invalid");
  }
  EXPECT_EQ(w.GetFormatSize(), 0);
  const std::string cases[] = {
      std::string("RIFF\0\0\0\0WAV", 11),  // shorter than the header
      Riff(fmt + "data" + Le32(1000) + "short"),  // data past the end
      Riff(fmt + "data" + Le32(0xFFFFFFF0u)),  // a length that reads as negative when signed
      Riff("fmt " + Le32(0x7FFFFFF0u) + "xx"),  // a format record past the end
      Riff(fmt + "LIST" + Le32(0x80000000u) + Chunk("data", "ab")),
  };
  for (const std::string& image : cases) {
    TStringStream s(image);
    TWave damaged;
    EXPECT_THROW(damaged.LoadFromStream(&s), EReadError) << image.size();
  }
}

TEST(Wave, TheWaveStreamPresentsTheDataChunk) {
  TStringStream s("junk" + Riff(Chunk("fmt ", Pcm16(8000, 1)) + Chunk("data", "0123456789")));
  s.SetPosition(4);
  TWaveStream ws(&s);
  EXPECT_EQ(ws.GetSize(), 0);
  ws.Open(false);
  EXPECT_THROW(ws.Open(false), EWaveStreamError);
  EXPECT_EQ(ws.GetSize(), 10);
  EXPECT_EQ(ws.Seek(-3, soEnd), 7);
  char buffer[8] = {};
  EXPECT_EQ(ws.Read(buffer, 8), 3);
  EXPECT_EQ(std::string(buffer, 3), "789");
  EXPECT_EQ(ws.Seek(100, soBeginning), 10);
  EXPECT_EQ(ws.Seek(-100, soCurrent), 0);
}

TEST(Wave, AssignCopiesAndNoneClears) {
  TWave a, b;
  soundtest::FillConstant(a, 77, 10);
  b.Assign(&a);
  EXPECT_EQ(b.GetSize(), 20);
  EXPECT_EQ(std::memcmp(b.GetData(), a.GetData(), 20), 0);
  b.Assign(&b);
  EXPECT_EQ(b.GetSize(), 20);
  b.Assign(nullptr);
  EXPECT_EQ(b.GetSize(), 0);
  EXPECT_EQ(b.GetFormatSize(), 0);
}

TEST(Wave, FilesAreReadByName) {
  const auto path = std::filesystem::temp_directory_path() / ("wave-test-" + std::to_string(::getpid()) + ".wav");
  {
    TWave w;
    soundtest::FillConstant(w, 5, 100);
    TFileStream f(path.string(), fmCreate);
    w.SaveToStream(&f);
  }
  TWave back;
  back.LoadFromFile(path.string());
  EXPECT_EQ(back.GetSize(), 200);
  std::filesystem::remove(path);
  EXPECT_THROW(back.LoadFromFile(path.string()), EFOpenError);
}

}  // namespace
