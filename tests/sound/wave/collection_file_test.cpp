// The wave collection file, byte for byte, and what its reader refuses.
#include <gtest/gtest.h>

#include "sound/support/sound_fixture.h"
#include "support/ByteStrings.h"

namespace {

using testsupport::Le32;
using testsupport::StreamText;

const auto B = &testsupport::ByteString;

std::string Short(const std::string& s) {
  return static_cast<char>(s.size()) + s;
}

const std::string kHeaderName = B({0xFF, 0x0A, 0x00}) + "DRUMKITWAVECOLLECTION" + B({0, 0x30, 0x10});
const std::string kStreamStart = "TPF0" + Short("TWaveCollectionComponent") + B({0}) + Short("List") + B({14});

class CollectionFile : public soundtest::SoundTest {
 protected:
  TWaveCollection bank{nullptr};

  TWaveCollectionItem* Add(const std::string& name, bool looped, int limit, int frames) {
    auto* item = static_cast<TWaveCollectionItem*>(bank.Add());
    item->SetName(name);
    item->SetLooped(looped);
    item->SetMaxPlayingCount(limit);
    if (frames) soundtest::FillConstant(*item->GetWave(), static_cast<std::int16_t>(frames), frames, 44100, 2);
    return item;
  }
};

TEST_F(CollectionFile, AnEmptyBankIsSeventyBytes) {
  TMemoryStream s;
  bank.SaveToStream(&s);
  EXPECT_EQ(StreamText(s), kHeaderName + Le32(39) + kStreamStart + B({0, 0, 0}));
  EXPECT_EQ(s.GetSize(), 70);
}

TEST_F(CollectionFile, TheKickItemIsWrittenAsItsPropertiesAndItsWaveImage) {
  Add("Kick", false, 0, 250);  // 1,000 bytes of 16-bit stereo: a 1,046-byte image
  TMemoryStream wave;
  bank.GetItems(0)->GetWave()->SaveToStream(&wave);
  ASSERT_EQ(wave.GetSize(), 1046);
  TMemoryStream s;
  bank.SaveToStream(&s);
  const std::string item = B({1}) + Short("Name") + B({6}) + Short("Kick") + Short("Looped") + B({8}) +
                           Short("MaxPlayingCount") + B({2, 0}) + Short("Wave.WAVE") + B({10}) + Le32(1046) +
                           StreamText(wave) + B({0});
  const std::string body = kStreamStart + item + B({0, 0, 0});
  EXPECT_EQ(StreamText(s), kHeaderName + Le32(static_cast<std::uint32_t>(body.size())) + body);
  EXPECT_EQ(s.GetSize(), 1170);
}

TEST_F(CollectionFile, VoiceLimitsTakeTheSmallestInteger) {
  struct Case {
    int limit;
    std::string bytes;
  } cases[] = {{100, B({2, 100})}, {200, B({3, 200, 0})}, {-3, B({2, 0})}, {40000, B({4, 0x40, 0x9C, 0, 0})}};
  for (const Case& c : cases) {
    bank.Clear();
    Add("", true, c.limit, 0);
    TMemoryStream s;
    bank.SaveToStream(&s);
    const std::string expected =
        B({1}) + Short("Looped") + B({9}) + Short("MaxPlayingCount") + c.bytes + Short("Wave.WAVE") + B({10}) + Le32(0);
    EXPECT_NE(StreamText(s).find(expected), std::string::npos) << c.limit;
  }
}

TEST_F(CollectionFile, WhatIsWrittenReadsBackAndAnEmptyWaveStaysEmpty) {
  Add("Kick", false, 0, 250);
  Add("Ride", true, 200, 0);  // empty wave: written with length 0
  Add(std::string(300, 'n'), false, 100, 33);  // a long name is a long string
  bank.GetItems(0)->SetVolume(-500);
  bank.GetItems(0)->SetPan(100);
  bank.GetItems(0)->SetFrequency(22050);
  const std::string path = (temp / "bank.dsw").string();
  bank.SaveToFile(path);

  TWaveCollection back(nullptr);
  back.LoadFromFile(path);
  ASSERT_EQ(back.GetCount(), 3);
  for (int i = 0; i < 3; ++i) {
    TWaveCollectionItem* a = bank.GetItems(i);
    TWaveCollectionItem* b = back.GetItems(i);
    EXPECT_EQ(b->GetName(), a->GetName());
    EXPECT_EQ(b->GetLooped(), a->GetLooped());
    EXPECT_EQ(b->GetMaxPlayingCount(), a->GetMaxPlayingCount());
    ASSERT_EQ(b->GetWave()->GetSize(), a->GetWave()->GetSize()) << i;
    ASSERT_EQ(b->GetWave()->GetFormatSize(), a->GetWave()->GetFormatSize()) << i;
    if (a->GetWave()->GetSize()) {
      EXPECT_EQ(std::memcmp(b->GetWave()->GetData(), a->GetWave()->GetData(), a->GetWave()->GetSize()), 0);
      EXPECT_EQ(std::memcmp(b->GetWave()->GetFormat(), a->GetWave()->GetFormat(), 18), 0);
    }
    EXPECT_EQ(b->GetFrequency(), 0);
    EXPECT_EQ(b->GetPan(), 0);
    EXPECT_EQ(b->GetVolume(), 0);
  }
  // Reading again replaces what the bank held.
  back.LoadFromFile(path);
  EXPECT_EQ(back.GetCount(), 3);
}

TEST_F(CollectionFile, DamagedFilesRaiseTheReadErrorsAndKeepWhatWasRead) {
  Add("Kick", false, 0, 250);
  Add("Snare", false, 0, 100);
  TMemoryStream s;
  bank.SaveToStream(&s);
  const std::string good = StreamText(s);
  const size_t secondItem = good.find("Snare") - 8;
  ASSERT_EQ(good.substr(secondItem, 8), B({1, 4}) + "Name" + B({6, 5}));
  struct Case {
    const char* what;
    std::string bytes;
    int itemsKept;  // the item being read when the error came stays too
  } cases[] = {
      {"first byte", B({0xFE}) + good.substr(1), 0},
      {"resource type", good.substr(0, 1) + B({0x0B}) + good.substr(2), 0},
      {"name without its end", B({0xFF, 0x0A, 0x00}) + std::string(90, 'N'), 0},
      {"cut inside the first wave", good.substr(0, 400), 1},
      {"cut inside the second wave", good.substr(0, good.size() - 100), 2},
      {"binary longer than the file",
       good.substr(0, secondItem) + B({1}) + Short("Wave.WAVE") + B({10}) + Le32(0x7FFFFFFF) + "xx", 2},
      {"long string longer than the file",
       good.substr(0, secondItem) + B({1}) + Short("Name") + B({12}) + Le32(0x10000000), 2},
      {"a property the items do not have", good.substr(0, secondItem) + B({1}) + Short("Color") + B({2, 1, 0}), 2},
      {"not a wave inside",
       good.substr(0, secondItem) + B({1}) + Short("Wave.WAVE") + B({10}) + Le32(12) + "RIFX0000WAVE", 2},
  };
  for (const Case& c : cases) {
    TStringStream in(c.bytes);
    TWaveCollection back(nullptr);
    try {
      back.LoadFromStream(&in);
      ADD_FAILURE() << c.what << ": no error";
    } catch (const Exception& e) {
      const std::string text = e.what();
      EXPECT_TRUE(text == "Invalid stream format" || text == "Stream read error" ||
                  text == "Property Color does not exist" || text == "Wave is invalid")
          << c.what << ": " << text;
    }
    EXPECT_EQ(back.GetCount(), c.itemsKept) << c.what;
  }
}

// A bank of 100,000 empty items (200 KB) took 47 s to load: reading
// clears the bank, and each item left by a search for its place from the
// front while the items went from the back. Reading into a full bank and
// freeing it look up no item.
TEST_F(CollectionFile, ReadingIntoAFullBankLooksUpNoItem) {
  std::string items;
  for (int i = 0; i < 20000; ++i) items += B({1, 0});  // an item with no properties
  const std::string body = kStreamStart + items + B({0, 0, 0});
  TStringStream s(kHeaderName + Le32(static_cast<std::uint32_t>(body.size())) + body);
  auto* back = new TWaveCollection(nullptr);
  for (int i = 0; i < 20000; ++i) back->Add();
  const std::uint64_t before = vcl::detail::CollectionItemSearches();
  back->LoadFromStream(&s);
  EXPECT_EQ(back->GetCount(), 20000);
  delete back;
  EXPECT_EQ(vcl::detail::CollectionItemSearches() - before, 0u);
}

}  // namespace
