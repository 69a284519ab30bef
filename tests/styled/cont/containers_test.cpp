// Change links, containers and their items: the "Internal" records byte for
// byte, the order in which links and the container's own handler hear of
// changes, Assign, form streaming of the items, the bitmap list's image
// operations and the neutral results outside the list.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "controls/styled/stycont.h"
#include "platform/vcl/Classes.h"
#include "platform/vcl/SysUtils.h"
#include "styled/shared/fixture.h"
#include "styled/cont/item_record.h"

namespace {
using stycont_test::ItemRecord;

using testsupport::StreamBytes;

using Bytes = std::vector<std::uint8_t>;
using styledtest::Sheet;
using styledtest::StyledProcs;

void ReadRecord(TStyListItem& item, const Bytes& bytes) {
  TMemoryStream s;
  s.WriteBuffer(bytes.data(), int(bytes.size()));
  s.SetPosition(0);
  item.ReadData(&s);
  EXPECT_EQ(s.GetPosition(), s.GetSize());
}

TEST_F(StyledProcs, ItemRecordsAreExact) {
  TStyBitmapListItem bitmap(nullptr);
  EXPECT_EQ(ItemRecord(bitmap), (Bytes{0x00}));
  bitmap.SetIdent(5);
  EXPECT_EQ(ItemRecord(bitmap), (Bytes{0x04, 0x05, 0x00, 0x00, 0x00}));

  TStyStringListItem strings(nullptr);
  strings.GetItems()->Add("a");
  strings.GetItems()->Add("bc");
  EXPECT_EQ(ItemRecord(strings), (Bytes{0x08, 0x07, 0x00, 0x00, 0x00, 0x61, 0x0D, 0x0A, 0x62, 0x63, 0x0D, 0x0A}));
  strings.SetCompressed(true);
  const Bytes packed = {0x09, 0x0C, 0x00, 0x00, 0x00, 0x08, 0x00, 0x00, 0x00,
                        0x80, 0x61, 0x0D, 0x0A, 0x62, 0x63, 0x0D, 0x0A};
  EXPECT_EQ(ItemRecord(strings), packed);
  TStyStringListItem back(nullptr);
  ReadRecord(back, packed);
  EXPECT_TRUE(back.GetCompressed());
  EXPECT_EQ(back.GetItems()->GetText(), "a\r\nbc\r\n");

  // A description: flag $02, its length byte and its characters.
  TStyStringListItem described(nullptr);
  described.SetDescription("Hat");
  EXPECT_EQ(ItemRecord(described), (Bytes{0x02, 0x03, 'H', 'a', 't'}));

  // An empty wave item writes no payload.
  TStyWaveListItem wave(nullptr);
  wave.SetIdent(2);
  EXPECT_EQ(ItemRecord(wave), (Bytes{0x04, 0x02, 0x00, 0x00, 0x00}));
}

TEST_F(StyledProcs, LongDescriptionKeepsItsLengthByteTrue) {
  TStyBitmapListItem item(nullptr);
  item.SetDescription(std::string(300, 'd'));
  const Bytes bytes = ItemRecord(item);
  ASSERT_EQ(bytes.size(), 2u + 255u);
  EXPECT_EQ(bytes[1], 255);
  TStyBitmapListItem back(nullptr);
  ReadRecord(back, bytes);
  EXPECT_EQ(back.GetDescription(), std::string(255, 'd'));

  // A character of two bytes that would straddle the limit is left out whole.
  item.SetDescription(std::string(254, 'd') + "\xC3\xA9");
  const Bytes cut = ItemRecord(item);
  ASSERT_EQ(cut.size(), 2u + 254u);
  EXPECT_EQ(cut[1], 254);
}

TEST_F(StyledProcs, BitmapRecordKeepsColourFlagsAndCompression) {
  Sheet sheet(6, 4, clLime);
  sheet.Canvas()->SetPixels(2, 1, clRed);
  TStyBitmapListItem item(nullptr);
  item.SetBitmap(sheet.bitmap.get());
  item.SetCompressed(true);
  item.SetPixelFormat(spf8bit);
  const Bytes bytes = ItemRecord(item);
  EXPECT_EQ(bytes[0], 0x49);
  TStyBitmapListItem back(nullptr);
  ReadRecord(back, bytes);
  EXPECT_EQ(back.GetPixelFormat(), spf8bit);
  EXPECT_TRUE(back.GetCompressed());
  EXPECT_EQ(back.GetBitmap()->GetWidth(), 6);
  EXPECT_EQ(back.GetBitmap()->GetCanvas()->GetPixels(2, 1) & 0xFFFFFF, clRed);
  EXPECT_EQ(ItemRecord(back)[0], 0x49);
}

TEST_F(StyledProcs, DamagedRecordsAreReadErrors) {
  const Bytes cases[] = {
      {},
      {0x02, 0x05, 'a'},  // description cut short
      {0x04, 0x01, 0x00},  // ident cut short
      {0x08, 0xFF, 0xFF, 0xFF, 0x7F, 'x'},  // payload longer than the data
      {0x08, 0xF0, 0xFF, 0xFF, 0xFF},  // negative payload length
  };
  for (const Bytes& bytes : cases) {
    SCOPED_TRACE(bytes.size());
    TMemoryStream s;
    s.WriteBuffer(bytes.data(), int(bytes.size()));
    s.SetPosition(0);
    TStyStringListItem item(nullptr);
    EXPECT_THROW(item.ReadData(&s), EReadError);
  }
}

struct Heard {
  std::vector<std::string> log;
  TNotifyEvent Note(const std::string& who) {
    return [this, who](TObject*) { log.push_back(who); };
  }
};

TEST_F(StyledProcs, LinksHearEveryChangeBeforeTheContainersOwnHandler) {
  Heard heard;
  TStyBitmapList list(nullptr);
  list.OnChange = heard.Note("list");
  TStyChangeLink first, second, stranger;
  first.OnChange = heard.Note("first");
  second.OnChange = heard.Note("second");
  list.RegisterChanges(&first);
  list.RegisterChanges(&second);
  EXPECT_EQ(first.GetSender(), &list);
  list.UnRegisterChanges(&stranger);
  EXPECT_EQ(list.GetLinkCount(), 2);

  list.AddItem(nullptr);
  EXPECT_EQ(heard.log, (std::vector<std::string>{"first", "second", "list"}));
  heard.log.clear();
  list.BeginUpdate();
  list.ClearItems();
  EXPECT_EQ(heard.log, (std::vector<std::string>{"first", "second"}));
  list.EndUpdate(true);
  EXPECT_EQ(heard.log, (std::vector<std::string>{"first", "second", "first", "second", "list"}));

  // An item's own change reaches the container's handler only.
  heard.log.clear();
  TStyBitmapListItem* item = list.GetBitmapItem(list.AddItem(nullptr));
  heard.log.clear();
  item->Change();
  EXPECT_EQ(heard.log, (std::vector<std::string>{"list"}));
}

TEST_F(StyledProcs, LinksAndContainersLetGoOfEachOther) {
  TStyChangeLink kept;
  {
    auto* list = new TStyBitmapList(nullptr);
    auto* early = new TStyChangeLink;
    list->RegisterChanges(early);
    list->RegisterChanges(&kept);
    delete early;  // leaves the list
    EXPECT_EQ(list->GetLinkCount(), 1);
    delete list;
  }
  EXPECT_EQ(kept.GetSender(), nullptr);
}

TEST_F(StyledProcs, AssignCopiesItemsAndSettingsOnlyBetweenLikeLists) {
  TStyBitmapList source(nullptr);
  source.SetDefaultCompressed(true);
  source.SetDefaultPixelFormat(spf4bit);
  Sheet sheet(3, 2, clBlue);
  for (int i = 0; i < 2; ++i) {
    auto* item = source.GetBitmapItem(source.AddItem(nullptr));
    item->SetIdent(std::uint16_t(10 + i));
    item->SetDescription("face " + std::to_string(i));
  }
  source.GetBitmapItem(1)->SetBitmap(sheet.bitmap.get());

  TStyBitmapList target(nullptr);
  target.AddItem(nullptr);
  int told = 0;
  target.OnChange = [&](TObject*) { ++told; };
  target.Assign(&source);
  EXPECT_EQ(told, 1);
  ASSERT_EQ(target.GetCount(), 2);
  EXPECT_TRUE(target.GetDefaultCompressed());
  EXPECT_EQ(target.GetDefaultPixelFormat(), spf4bit);
  EXPECT_EQ(target.GetBitmapItem(1)->GetIdent(), 11);
  EXPECT_EQ(target.GetBitmapItem(1)->GetDescription(), "face 1");
  EXPECT_EQ(target.GetBitmapItem(1)->GetBitmap()->GetWidth(), 3);
  EXPECT_NE(target.GetBitmapItem(1)->GetBitmap(), source.GetBitmapItem(1)->GetBitmap());
  EXPECT_EQ(target.GetItems(0)->GetOwner(), &target);

  TStyImageList strips(nullptr);
  EXPECT_THROW(target.Assign(&strips), EConvertError);
  EXPECT_EQ(target.GetCount(), 2);
  TStyStringListItem stranger(nullptr);
  EXPECT_THROW(target.AddItem(&stranger), EInvalidOperation);
  EXPECT_EQ(stranger.GetOwner(), nullptr);
  EXPECT_THROW(target.GetItems(2), EListError);
  EXPECT_THROW(target.GetItems(-1), EListError);
}

TEST_F(StyledProcs, StringItemTakesAnyStrings) {
  TStringList lines;
  lines.Add("one");
  TStyStringListItem item(nullptr);
  item.SetIdent(4);
  item.Assign(&lines);
  EXPECT_EQ(item.GetItems()->GetText(), "one\r\n");
  EXPECT_EQ(item.GetIdent(), 4);
}

// A bitmap list of two pictures: the left half red, the right blue; and an
// empty item.
struct FaceList {
  TStyBitmapList list{nullptr};
  FaceList() {
    Sheet face(4, 3, clRed);
    face.Canvas()->GetBrush()->SetColor(clBlue);
    face.Canvas()->FillRect(TRect(2, 0, 4, 3));
    face.Canvas()->SetPixels(0, 2, clLime);
    list.GetBitmapItem(list.AddItem(nullptr))->SetBitmap(face.bitmap.get());
    list.AddItem(nullptr);
  }
};

TEST_F(StyledProcs, BitmapListImageOperations) {
  FaceList faces;
  TStyBitmapList& list = faces.list;
  TRect r;
  list.GetImageRect(0, 7, r);
  EXPECT_EQ(r, TRect(0, 0, 4, 3));
  EXPECT_EQ(list.GetImageSize(0, 0), 4);
  EXPECT_EQ(list.GetImageSize(0, 1), 3);
  EXPECT_EQ(list.GetImageSize(0, 2), 0);
  EXPECT_EQ(list.GetImageCount(0), 1);
  EXPECT_EQ(list.GetImageCount(1), 0);
  EXPECT_TRUE(list.IsValidIndex(0, 99));
  EXPECT_FALSE(list.IsValidIndex(1, 0));
  EXPECT_FALSE(list.IsMasked(0));
  EXPECT_EQ(list.GetTransparentColor(0, 0) & 0xFFFFFF, clLime);
  EXPECT_EQ(list.GetPixel(TPoint(3, 0), 0, 0) & 0xFFFFFF, clBlue);
  ASSERT_NE(list.GetCanvas(0), nullptr);
  Sheet copy(1, 1);
  list.GetImage(0, 0, copy.bitmap.get());
  EXPECT_EQ(copy.bitmap->GetWidth(), 4);

  Sheet target(10, 10, clWhite);
  list.DrawAt(target.Canvas(), 5, 5, 0, 0);
  EXPECT_EQ(target.At(5, 5), clRed);
  EXPECT_EQ(target.At(8, 5), clBlue);
  EXPECT_EQ(target.At(9, 5), clWhite);
  TRect painted;
  Sheet stretched(8, 6, clWhite);
  list.DrawInRect(stretched.Canvas(), TRect(0, 0, 8, 6), dfStretch, 0, 0, painted);
  EXPECT_EQ(painted, TRect(0, 0, 8, 6));
  EXPECT_EQ(stretched.At(7, 0), clBlue);
  Sheet clipped(8, 6, clWhite);
  list.DrawFlagged(clipped.Canvas(), TRect(0, 0, 4, 3), dfClip, PackOrigin(0, 0), clNone, 0, 0);
  EXPECT_EQ(clipped.At(0, 0), clRed);
}

TEST_F(StyledProcs, IndexesOutsideTheListGiveNeutralResults) {
  FaceList faces;
  Sheet target(6, 6, clWhite);
  for (TStyCustomImageList* list : {static_cast<TStyCustomImageList*>(&faces.list),
                                    static_cast<TStyCustomImageList*>(StyContainer->GetImageList())}) {
    const bool strips = list == StyContainer->GetImageList();
    for (int index : {-1, -1000, 2, 50}) {
      SCOPED_TRACE(std::string(list->ClassName()) + " " + std::to_string(index));
      TRect r(1, 1, 2, 2);
      list->GetImageRect(index, 0, r);
      EXPECT_EQ(r, TRect(0, 0, 0, 0));
      EXPECT_EQ(list->GetImageSize(index, 0), 0);
      EXPECT_EQ(list->GetImageCount(index), strips ? -1 : 0);
      EXPECT_FALSE(list->IsValidIndex(index, 0));
      EXPECT_FALSE(list->IsMasked(index));
      EXPECT_EQ(list->GetItemPalette(index), nullptr);
      EXPECT_EQ(list->GetTransparentColor(index, 0), 0xFFFFFF);
      EXPECT_EQ(list->GetPixel(TPoint(0, 0), index, 0), 0xFFFFFF);
      EXPECT_EQ(list->GetCanvas(index), nullptr);
      Sheet dest(1, 1, clYellow);
      list->GetImage(index, 0, dest.bitmap.get());
      EXPECT_EQ(dest.bitmap->GetWidth(), 1);
      list->DrawAt(target.Canvas(), 0, 0, index, 0);
      TRect painted(1, 1, 2, 2);
      list->DrawInRect(target.Canvas(), TRect(0, 0, 6, 6), 0, index, 0, painted);
      EXPECT_EQ(painted, TRect(0, 0, 0, 0));
      list->DrawFlagged(target.Canvas(), TRect(0, 0, 6, 6), 0, 0, clNone, index, 0);
    }
  }
  EXPECT_EQ(target.Edges(0), (std::vector<int>{0}));
  EXPECT_EQ(target.At(0, 0), clWhite);
}

// A form root holding a bitmap list, streamed as forms are.
class TListOwner : public TComponent {
  DRUMS_CLASS(TListOwner, TComponent)
 public:
  explicit TListOwner(TComponent* AOwner) : TComponent(AOwner) {}
};

TEST_F(StyledProcs, ItemsStreamAsNamelessChildrenWithTheirRecord) {
  RegisterClass(TListOwner::StaticClass());
  TListOwner root(nullptr);
  root.SetName("Owner");
  auto* strings = new TStyStringList(&root);
  strings->SetName("Words");
  auto* item = static_cast<TStyStringListItem*>(strings->GetItems(strings->AddItem(nullptr)));
  item->SetIdent(3);
  item->SetDescription("greeting");
  item->GetItems()->Add("hello");
  strings->AddItem(nullptr);

  TMemoryStream binary;
  WriteComponent(&binary, &root);
  binary.SetPosition(0);
  TStringStream text;
  ObjectBinaryToText(&binary, &text);
  const std::string form = text.GetDataString();
  EXPECT_NE(form.find("object Words: TStyStringList"), std::string::npos) << form;
  EXPECT_NE(form.find("object TStyStringListItem"), std::string::npos) << form;
  EXPECT_NE(form.find("Internal = {"), std::string::npos) << form;

  binary.SetPosition(0);
  TListOwner copy(nullptr);
  ReadComponent(&binary, &copy);
  auto* words = dynamic_cast<TStyStringList*>(copy.FindComponent("Words"));
  ASSERT_NE(words, nullptr);
  ASSERT_EQ(words->GetCount(), 2);
  auto* first = static_cast<TStyStringListItem*>(words->GetItems(0));
  EXPECT_EQ(first->GetOwner(), words);
  EXPECT_EQ(first->GetIdent(), 3);
  EXPECT_EQ(first->GetDescription(), "greeting");
  EXPECT_EQ(first->GetItems()->GetText(), "hello\r\n");
  EXPECT_TRUE(words->GetItems(1)->IsEmpty());

  // An item of another class inside a list is refused, not kept.
  TStringStream wrong(
      "object Owner: TListOwner\r\n"
      "  object Words: TStyStringList\r\n"
      "    object TStyBitmapListItem\r\n"
      "    end\r\n"
      "  end\r\n"
      "end\r\n");
  TMemoryStream wrongBinary;
  ObjectTextToBinary(&wrong, &wrongBinary);
  wrongBinary.SetPosition(0);
  TListOwner refused(nullptr);
  EXPECT_THROW(ReadComponent(&wrongBinary, &refused), Exception);
}

TEST_F(StyledProcs, GlobalContainerHoldsOneListOfEachKind) {
  ASSERT_NE(StyContainer, nullptr);
  EXPECT_EQ(StyContainer->GetBitmapList()->GetListType(), kListBitmap);
  EXPECT_EQ(StyContainer->GetImageList()->GetListType(), kListImage);
  EXPECT_EQ(StyContainer->GetWaveList()->GetListType(), kListWave);
  EXPECT_EQ(StyContainer->GetStringList()->GetListType(), kListString);
  EXPECT_EQ(StyContainer->GetBitmapList()->GetItemClass(), TStyBitmapListItem::StaticClass());
  // A change of a list reaches the container through its handler.
  int heard = 0;
  StyContainer->OnChange = [&](TObject*) { ++heard; };
  StyContainer->GetWaveList()->AddItem(nullptr);
  EXPECT_EQ(heard, 1);
  StyContainer->OnChange = nullptr;
}

// A container being designed copies each changed list into the global one.
class TDesignedContainer : public TStyContainer {
 public:
  explicit TDesignedContainer(bool designing) : TStyContainer(nullptr) {
    SetComponentStateFlag(csDesigning, designing);
  }
};

TEST_F(StyledProcs, DesignedContainerCopiesItsListsIntoTheGlobalOne) {
  TDesignedContainer running(false);
  running.GetStringList()->AddItem(nullptr);
  EXPECT_EQ(StyContainer->GetStringList()->GetCount(), 0);

  TDesignedContainer designed(true);
  int heard = 0;
  designed.OnChange = [&](TObject*) { ++heard; };
  auto* item = designed.GetBitmapList()->GetItems(designed.GetBitmapList()->AddItem(nullptr));
  item->SetIdent(9);
  designed.GetBitmapList()->Change();
  ASSERT_EQ(StyContainer->GetBitmapList()->GetCount(), 1);
  EXPECT_EQ(StyContainer->GetBitmapList()->GetItems(0)->GetIdent(), 9);
  EXPECT_EQ(StyContainer->GetStringList()->GetCount(), 0);
  EXPECT_GE(heard, 1);
}

}  // namespace
