// Component streaming in the binary form format: exact bytes, reading back,
// and the errors a damaged stream raises.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "SampleComponents.h"
#include "support/ByteStrings.h"

using namespace sample;

namespace {

using testsupport::ByteString;

// A short string as streamed: length byte, then the characters.
std::string Str(const std::string& s) {
  return std::string(1, static_cast<char>(s.size())) + s;
}
class BinaryFormat : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterSampleClasses();
    Log().clear();
  }

  // A sample with one property of each kind set away from its default.
  static void Fill(TSample& s) {
    s.SetName("S1");
    s.FSmall = 100;
    s.FMedium = 200;
    s.FLarge = 40000;
    s.FEnabled = false;
    s.FCaption = "Hi";
    s.FNotes = std::string(300, 'n');
    s.FStyles = {ssBold, ssUnderline};
    s.FAlign = saClient;
    s.GetBevel()->FWidth = 3;
    auto* item = static_cast<TSampleItem*>(s.GetItems()->Add());
    item->FName = "Kick";
    item->FLooped = true;
    item->FVoices = -2;
    s.FPayload = ByteString({1, 2, 3});
  }

  static std::string Write(TComponent& c) {
    TMemoryStream stream;
    WriteComponent(&stream, &c);
    return StreamText(stream);
  }

  // Reads bytes into target (or a new component of the stream's class).
  static TComponent* Read(const std::string& bytes, TComponent* target) {
    TMemoryStream stream;
    stream.WriteBuffer(bytes.data(), static_cast<int>(bytes.size()));
    stream.SetPosition(0);
    return ReadComponent(&stream, target);
  }

  static std::string Header() { return "TPF0" + Str("TSample") + Str("S1"); }
};

TEST_F(BinaryFormat, WritesEveryKindOfPropertyInItsExactBytes) {
  TSample sample(nullptr);
  Fill(sample);
  const std::string expected =
      Header() + Str("Small") + ByteString({2, 100}) +  // fits a signed byte
      Str("Medium") + ByteString({3, 0xC8, 0x00}) +  // 200: two bytes
      Str("Large") + ByteString({4, 0x40, 0x9C, 0, 0}) +  // 40000: four bytes
      Str("Enabled") + ByteString({8}) +  // false; true is the default
      Str("Caption") + ByteString({6}) + Str("Hi") + Str("Notes") + ByteString({12, 0x2C, 0x01, 0, 0}) +
      std::string(300, 'n') + Str("Styles") + ByteString({11}) + Str("ssBold") + Str("ssUnderline") + ByteString({0}) +
      Str("Align") + ByteString({7}) + Str("saClient") + Str("Bevel.Width") + ByteString({2, 3}) + Str("Items") +
      ByteString({14, 1}) + Str("Name") + ByteString({6}) + Str("Kick") + Str("Looped") + ByteString({9}) +
      Str("Voices") + ByteString({2, 0xFE}) + ByteString({0, 0}) +  // end of item, end of collection
      Str("Payload") + ByteString({10, 3, 0, 0, 0, 1, 2, 3}) + ByteString({0, 0});  // end of properties, of children
  EXPECT_EQ(Write(sample), expected);
}

TEST_F(BinaryFormat, ReadsBackWhatItWrote) {
  TSample original(nullptr);
  Fill(original);
  std::unique_ptr<TComponent> read(Read(Write(original), nullptr));
  auto* copy = dynamic_cast<TSample*>(read.get());
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(copy->GetName(), "S1");
  EXPECT_EQ(copy->FSmall, 100);
  EXPECT_EQ(copy->FMedium, 200);
  EXPECT_EQ(copy->FLarge, 40000);
  EXPECT_FALSE(copy->FEnabled);
  EXPECT_EQ(copy->FCaption, "Hi");
  EXPECT_EQ(copy->FNotes, std::string(300, 'n'));
  EXPECT_EQ(copy->FStyles, (TSampleStyles{ssBold, ssUnderline}));
  EXPECT_EQ(copy->FAlign, saClient);
  EXPECT_EQ(copy->GetBevel()->FWidth, 3);
  ASSERT_EQ(copy->GetItems()->GetCount(), 1);
  auto* item = static_cast<TSampleItem*>(copy->GetItems()->GetItem(0));
  EXPECT_EQ(item->FName, "Kick");
  EXPECT_TRUE(item->FLooped);
  EXPECT_EQ(item->FVoices, -2);
  EXPECT_EQ(copy->FPayload, ByteString({1, 2, 3}));
  EXPECT_EQ(Write(*copy), Write(original));
  EXPECT_FALSE(copy->GetComponentState().Contains(csLoading));
}

TEST_F(BinaryFormat, LeavesOutDefaultValues) {
  TSample sample(nullptr);
  sample.SetName("S1");
  EXPECT_EQ(Write(sample), Header() + Str("Items") + ByteString({14, 0}) + ByteString({0, 0}));
}

TEST_F(BinaryFormat, IntegersTakeTheSmallestForm) {
  struct Case {
    std::int64_t value;
    std::string bytes;
  } cases[] = {
      {0, ByteString({2, 0})},
      {-128, ByteString({2, 0x80})},
      {127, ByteString({2, 0x7F})},
      {128, ByteString({3, 0x80, 0})},
      {-32768, ByteString({3, 0x00, 0x80})},
      {32768, ByteString({4, 0x00, 0x80, 0, 0})},
      {-2147483648LL, ByteString({4, 0, 0, 0, 0x80})},
      {2147483648LL, ByteString({19, 0, 0, 0, 0x80, 0, 0, 0, 0})},
  };
  for (const Case& c : cases) {
    TMemoryStream stream;
    TWriter writer(&stream);
    writer.WriteInteger(c.value);
    EXPECT_EQ(StreamText(stream), c.bytes) << c.value;
    stream.SetPosition(0);
    TReader reader(&stream);
    EXPECT_EQ(reader.ReadInt64(), c.value);
  }
}

TEST_F(BinaryFormat, FloatsAreTenByteExtendedReals) {
  struct Case {
    double value;
    std::string bytes;
  } cases[] = {
      {1.0, ByteString({5, 0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F})},
      {-2.5, ByteString({5, 0, 0, 0, 0, 0, 0, 0, 0xA0, 0x00, 0xC0})},
      {0.0, ByteString({5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0})},
  };
  for (const Case& c : cases) {
    TMemoryStream stream;
    TWriter writer(&stream);
    writer.WriteFloat(c.value);
    EXPECT_EQ(StreamText(stream), c.bytes) << c.value;
  }
  // Values double can hold come back exactly, subnormal ones included.
  for (double v : {0.1, -1e300, 4.9e-324, 2.2250738585072014e-308, 123456.789}) {
    TMemoryStream stream;
    TWriter writer(&stream);
    writer.WriteFloat(v);
    stream.SetPosition(0);
    TReader reader(&stream);
    EXPECT_EQ(reader.ReadFloat(), v);
  }
}

TEST_F(BinaryFormat, UnknownPropertyStopsReadingAndKeepsWhatCameBefore) {
  const std::string bytes = Header() + Str("Small") + ByteString({2, 100}) + Str("Bogus") + ByteString({2, 1}) +
                            Str("Medium") + ByteString({2, 7}) + ByteString({0, 0});
  TSample target(nullptr);
  try {
    Read(bytes, &target);
    FAIL() << "no error";
  } catch (const EReadError& e) {
    EXPECT_STREQ(e.what(), "Property Bogus does not exist");
  }
  EXPECT_EQ(target.FSmall, 100);
  EXPECT_EQ(target.FMedium, 0);
  EXPECT_FALSE(target.GetComponentState().Contains(csLoading));
  EXPECT_FALSE(target.GetComponentState().Contains(csReading));
}

TEST_F(BinaryFormat, ValueOfTheWrongTypeIsAnInvalidPropertyValue) {
  const std::string cases[] = {
      Str("Small") + ByteString({6}) + Str("xy"),  // string for an integer
      Str("Enabled") + ByteString({2, 1}),  // integer for a boolean
      Str("Align") + ByteString({7}) + Str("saDiagonal"),  // no such value name
      Str("Styles") + ByteString({11}) + Str("ssShadow") + ByteString({0}),
      Str("Caption") + ByteString({2, 5}),  // integer for a string
      Str("Mark") + ByteString({6}) + Str("ab"),  // two characters for a char
      Str("Items") + ByteString({2, 1}),  // integer for a collection
      Str("Payload") + ByteString({6}) + Str("x"),  // string for binary data
      Str("Buddy") + ByteString({2, 1}),  // integer for a reference
  };
  for (const std::string& property : cases) {
    TSample target(nullptr);
    try {
      Read(Header() + property + ByteString({0, 0}), &target);
      ADD_FAILURE() << "no error for " << property.substr(1, static_cast<unsigned char>(property[0]));
    } catch (const EReadError& e) {
      EXPECT_STREQ(e.what(), "Invalid property value");
    }
  }
}

TEST_F(BinaryFormat, BinaryValueLongerThanTheStreamRaisesInsteadOfReadingPastIt) {
  const std::string cases[] = {
      Str("Payload") + ByteString({10, 0xE8, 0x03, 0, 0, 1, 2, 3}),  // 1000 bytes announced, 3 there
      Str("Payload") + ByteString({10, 0xFF, 0xFF, 0xFF, 0xFF}),  // a negative length
      Str("Notes") + ByteString({12, 0xFF, 0xFF, 0xFF, 0x7F}) + "abc",
      Str("Caption") + ByteString({6, 200}) + "abc",
      ByteString({40}) + "Small",
  };
  for (const std::string& property : cases) {
    TSample target(nullptr);
    EXPECT_THROW(Read(Header() + property, &target), EReadError);
  }
}

TEST_F(BinaryFormat, EveryTruncationOfAValidStreamRaises) {
  TSample original(nullptr);
  Fill(original);
  const std::string full = Write(original);
  for (std::size_t length = 0; length < full.size(); ++length) {
    TSample target(nullptr);
    EXPECT_THROW(Read(full.substr(0, length), &target), EFilerError) << "cut at " << length;
  }
}

TEST_F(BinaryFormat, BinaryCallbackSeesExactlyTheStoredBytes) {
  std::string seen;
  struct TPeek : TSample {
    using TSample::TSample;
    std::string* out = nullptr;
    void DefineProperties(TFiler* filer) override {
      filer->DefineBinaryProperty(
          "Payload",
          [this](TStream* s) {
            char buffer[64];
            int n = s->Read(buffer, sizeof buffer);  // asks for more than is there
            out->assign(buffer, static_cast<std::size_t>(n));
          },
          nullptr, false);
    }
  } target(nullptr);
  target.out = &seen;
  Read(Header() + Str("Payload") + ByteString({10, 2, 0, 0, 0, 7, 8}) + Str("Small") + ByteString({2, 5}) +
           ByteString({0, 0}),
       &target);
  EXPECT_EQ(seen, ByteString({7, 8}));
  EXPECT_EQ(target.FSmall, 5);
}

TEST_F(BinaryFormat, UnknownClassOfAChildRaisesClassNotFound) {
  const std::string bytes =
      Header() + ByteString({0}) + Str("TNoSuchThing") + Str("X") + ByteString({0, 0}) + ByteString({0});
  TSample target(nullptr);
  try {
    Read(bytes, &target);
    FAIL() << "no error";
  } catch (const EClassNotFound& e) {
    EXPECT_STREQ(e.what(), "Class TNoSuchThing not found");
  }
  EXPECT_EQ(target.GetComponentCount(), 0);
}

TEST_F(BinaryFormat, SignatureIsChecked) {
  TSample target(nullptr);
  EXPECT_THROW(Read("TPF1" + Str("TSample") + Str("S1") + ByteString({0, 0}), &target), EReadError);
}

}  // namespace
