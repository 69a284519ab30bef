#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "platform/vcl/classes/streams/Streams.h"
#include "platform/vcl/rtl/Exceptions.h"
#include "support/TempFolder.h"

namespace {

// A read-only stream over fixed bytes: it cannot take writes.
class FixedStream : public TCustomMemoryStream {
 public:
  explicit FixedStream(std::string bytes) : FBytes(std::move(bytes)) { SetPointer(FBytes.data(), FBytes.size()); }

 private:
  std::string FBytes;
};

std::string Contents(TMemoryStream& m) {
  return std::string(static_cast<char*>(m.GetMemory()), m.GetSize());
}

TEST(Streams, ShortTransfersRaise) {
  FixedStream s("abc");
  char buf[4] = {};
  try {
    s.ReadBuffer(buf, 4);
    FAIL() << "no error";
  } catch (const EReadError& e) {
    EXPECT_EQ(e.GetMessage(), "Stream read error");
  }
  s.SetPosition(1);
  s.ReadBuffer(buf, 2);
  EXPECT_EQ(std::string(buf, 2), "bc");
  s.ReadBuffer(buf, 0);  // nothing asked, nothing raised at the end
  try {
    s.WriteBuffer("x", 1);
    FAIL() << "no error";
  } catch (const EWriteError& e) {
    EXPECT_EQ(e.GetMessage(), "Stream write error");
  }
}

TEST(Streams, CopyFromZeroCopiesTheWholeSourceFromItsStart) {
  TStringStream source("0123456789");
  source.SetPosition(7);
  TMemoryStream target;
  EXPECT_EQ(target.CopyFrom(source, 0), 10);
  EXPECT_EQ(Contents(target), "0123456789");

  source.SetPosition(2);
  target.Clear();
  EXPECT_EQ(target.CopyFrom(&source, 3), 3);
  EXPECT_EQ(Contents(target), "234");
  EXPECT_EQ(source.GetPosition(), 5);
  EXPECT_THROW(target.CopyFrom(source, 6), EReadError);  // only 5 bytes are left
}

TEST(Streams, CopyFromMovesMoreThanOneChunk) {
  std::string big(200000, '\0');
  for (std::size_t i = 0; i < big.size(); ++i) big[i] = static_cast<char>(i * 7);
  TStringStream source(big);
  TMemoryStream target;
  target.CopyFrom(source, 0);
  EXPECT_EQ(Contents(target), big);
}

TEST(Streams, MemoryStreamGrowsInBlocksAndZeroFillsGaps) {
  TMemoryStream m;
  std::vector<char> chunk(1000, 'a');
  for (int i = 0; i < 10; ++i) m.WriteBuffer(chunk.data(), 1000);
  EXPECT_EQ(m.GetSize(), 10000);
  EXPECT_EQ(m.GetCapacity(), 16384);  // whole 8 KB blocks
  EXPECT_EQ(m.GetPosition(), 10000);

  m.Seek(4, soFromEnd);  // past the end
  m.WriteBuffer("z", 1);
  EXPECT_EQ(m.GetSize(), 10005);
  std::string tail = Contents(m).substr(10000);
  EXPECT_EQ(tail, std::string("\0\0\0\0z", 5));

  m.SetSize(3);
  EXPECT_EQ(m.GetPosition(), 3);
  EXPECT_EQ(Contents(m), "aaa");
  m.SetSize(5);
  EXPECT_EQ(Contents(m), std::string("aaa\0\0", 5));

  m.Seek(-10, soCurrent);
  char c;
  EXPECT_EQ(m.Read(&c, 1), 0);  // a position before the start reads nothing
  m.Clear();
  EXPECT_EQ(m.GetSize(), 0);
  EXPECT_EQ(m.GetCapacity(), 0);
}

TEST(Streams, StringStreamWritesEndTheString) {
  TStringStream s("hello world");
  s.Seek(6, soBeginning);
  s.WriteString("there");
  EXPECT_EQ(s.GetDataString(), "hello there");
  s.Seek(5, soBeginning);
  s.WriteString("!");
  EXPECT_EQ(s.GetDataString(), "hello!");
  s.SetPosition(1);
  EXPECT_EQ(s.ReadString(100), "ello!");
  EXPECT_EQ(s.Seek(50, soFromBeginning), 6);  // clamped to the end
  EXPECT_EQ(s.Seek(-50, soFromCurrent), 0);
}

class FileStreams : public ::testing::Test {
 protected:
  static std::string MessageOf(const std::function<void()>& action) {
    try {
      action();
    } catch (const Exception& e) {
      return std::string(e.ClassName()) + ": " + e.GetMessage();
    }
    return "";
  }
  TempFolder dir;
};

TEST_F(FileStreams, ModesCreateOpenAndRefuse) {
  {
    TFileStream s(dir / "data.bin", fmCreate);
    s.WriteBuffer("abcdef", 6);
    EXPECT_EQ(s.GetSize(), 6);
  }
  {
    TFileStream s(dir.Path() + "\\DATA.BIN", fmOpenRead | fmShareDenyWrite);  // found despite case
    char buf[6];
    s.ReadBuffer(buf, 6);
    EXPECT_EQ(std::string(buf, 6), "abcdef");
    EXPECT_THROW(s.WriteBuffer("x", 1), EWriteError);  // opened for reading only
  }
  {
    TFileStream s(dir / "data.bin", fmOpenReadWrite);
    s.Seek(2, soBeginning);
    s.WriteBuffer("XY", 2);
    s.SetSize(5);
  }
  EXPECT_EQ(dir.ReadBytes("data.bin"), "abXYe");
  {
    TFileStream s(dir / "data.bin", fmOpenWrite | fmShareExclusive);
    char c;
    EXPECT_EQ(s.Read(&c, 1), 0);  // opened for writing only
  }
  {
    TFileStream s(dir / "data.bin", fmCreate | fmShareDenyWrite);  // empties it
    EXPECT_EQ(s.GetSize(), 0);
  }
}

TEST_F(FileStreams, FailuresNameTheFileAndTheReason) {
  std::string missing = dir / "missing.dsw";
  EXPECT_EQ(MessageOf([&] { TFileStream s(missing, fmOpenRead); }),
            "EFOpenError: Cannot open file \"" + missing + "\". The system cannot find the file specified");
  std::string nowhere = dir / "no/folder/new.dsw";
  EXPECT_EQ(MessageOf([&] { TFileStream s(nowhere, fmCreate); }),
            "EFCreateError: Cannot create file \"" + nowhere + "\". The system cannot find the path specified");
  EXPECT_EQ(MessageOf([&] { TFileStream s(dir.Path(), fmOpenRead); }),
            "EFOpenError: Cannot open file \"" + dir.Path() + "\". Access is denied");
}

TEST_F(FileStreams, MemoryStreamFileRoundTrip) {
  TMemoryStream m;
  m.WriteBuffer("kit data", 8);
  m.SaveToFile(dir / "kit.bin");
  TMemoryStream back;
  back.WriteBuffer("old", 3);
  back.LoadFromFile(dir / "KIT.bin");
  EXPECT_EQ(Contents(back), "kit data");
  EXPECT_EQ(back.GetPosition(), 0);
  EXPECT_THROW(back.LoadFromFile(dir / "none.bin"), EFOpenError);
}

}  // namespace
