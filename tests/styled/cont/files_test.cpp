// Container files: the exact layout with its offsets table, whole and
// single-item reading, the refusal of other list types and of damaged files,
// and the form property naming a list of the global container.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "controls/styled/stycont.h"
#include "platform/vcl/Classes.h"
#include "platform/vcl/SysUtils.h"
#include "styled/shared/fixture.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
using styledtest::Sheet;
using styledtest::StyledProcs;

std::string TempFile(const std::string& name) {
  return styledtest::PictureDir() + "/" + name;
}

Bytes FileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), {});
}

void WriteFile(const std::string& path, const Bytes& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

Bytes Magic(const char* text) {
  Bytes b{8};
  for (int i = 0; i < 8; ++i) b.push_back(static_cast<Bytes::value_type>(text[i]));
  return b;
}

Bytes TwoEmptyItemsFile() {
  Bytes b = Magic("STYBML30");
  const Bytes rest = {0x02, 0x00, 0x00, 0x00, 0x15, 0x00, 0x00, 0x00, 0x1A, 0x00, 0x00,
                      0x00, 0x04, 0x01, 0x00, 0x00, 0x00, 0x04, 0x02, 0x00, 0x00, 0x00};
  b.insert(b.end(), rest.begin(), rest.end());
  return b;
}

TEST_F(StyledProcs, ContainerFileLayoutIsExact) {
  TStyBitmapList list(nullptr);
  list.GetItems(list.AddItem(nullptr))->SetIdent(1);
  list.GetItems(list.AddItem(nullptr))->SetIdent(2);
  const std::string path = TempFile("two.bml");
  list.SaveToFile(path);
  EXPECT_EQ(FileBytes(path), TwoEmptyItemsFile());

  TStyBitmapList none(nullptr);
  for (bool offsets : {true, false}) {
    TMemoryStream s;
    none.SaveToStream(&s, offsets);
    EXPECT_EQ(s.GetSize(), 4);
  }
  TMemoryStream plain;
  list.SaveToStream(&plain, false);
  EXPECT_EQ(plain.GetSize(), 4 + 10);

  std::int32_t count = -1;
  std::vector<std::int32_t> offsets;
  EXPECT_EQ(ReadContainerHeader(path, count, &offsets), kListBitmap);
  EXPECT_EQ(count, 2);
  EXPECT_EQ(offsets, (std::vector<std::int32_t>{21, 26}));
  EXPECT_EQ(GetListExtension(kListBitmap, true), ".bmp");
  EXPECT_EQ(GetListExtension(kListWave, false), "wav");
  EXPECT_EQ(GetListExtension(7, true), "");
}

TEST_F(StyledProcs, ContainerFileRoundTripsPicturesAndReadsSingleItems) {
  TStyBitmapList list(nullptr);
  const TColor colours[] = {clRed, clGreen, clBlue};
  for (int i = 0; i < 3; ++i) {
    Sheet sheet(5 + i, 4, colours[i]);
    auto* item = list.GetBitmapItem(list.AddItem(nullptr));
    item->SetBitmap(sheet.bitmap.get());
    item->SetIdent(std::uint16_t(i));
    item->SetCompressed(i == 1);
  }
  const std::string path = TempFile("three.bml");
  list.SaveToFile(path);

  TStyBitmapList back(nullptr);
  int told = 0;
  back.OnChange = [&](TObject*) { ++told; };
  back.AddItem(nullptr);
  told = 0;
  back.LoadFromFile(path);
  EXPECT_EQ(told, 1);
  ASSERT_EQ(back.GetCount(), 3);
  for (int i = 0; i < 3; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(back.GetImageSize(i, 0), 5 + i);
    EXPECT_EQ(back.GetPixel(TPoint(1, 1), i, 0) & 0xFFFFFF, colours[i]);
    EXPECT_EQ(back.GetItems(i)->GetCompressed(), i == 1);
  }

  TBitmap single;
  LoadBitmapFromContainerFile(path, 2, &single);
  EXPECT_EQ(single.GetWidth(), 7);
  EXPECT_EQ(single.GetCanvas()->GetPixels(0, 0) & 0xFFFFFF, clBlue);
  EXPECT_THROW(LoadBitmapFromContainerFile(path, 3, &single), EReadError);
  EXPECT_THROW(LoadBitmapFromContainerFile(path, -1, &single), EReadError);

  // A list loading lazily reads item Ident of its file.
  TStyBitmapList lazy(nullptr);
  lazy.SetSourceKind(1);
  lazy.SetPrefix(ppFixed);
  lazy.SetFileName(path);
  lazy.GetItems(lazy.AddItem(nullptr))->SetIdent(1);
  EXPECT_EQ(lazy.GetImageSize(0, 0), 6);
  EXPECT_EQ(lazy.GetPixel(TPoint(0, 0), 0, 0) & 0xFFFFFF, clGreen);
}

TEST_F(StyledProcs, OtherListTypesAreRefusedAndTheListKept) {
  const std::string path = TempFile("strip.iml");
  Bytes strip = Magic("STYIML30");
  strip.insert(strip.end(), {0, 0, 0, 0});
  WriteFile(path, strip);
  TStyBitmapList list(nullptr);
  list.AddItem(nullptr);
  int told = 0;
  list.OnChange = [&](TObject*) { ++told; };
  try {
    list.LoadFromFile(path);
    ADD_FAILURE() << "no exception";
  } catch (const Exception& e) {
    EXPECT_EQ(e.GetMessage(), "Cannot open file " + path + ": TStyBitmapList");
  }
  EXPECT_EQ(list.GetCount(), 1);
  EXPECT_EQ(told, 0);

  TStyBitmapListItem item(nullptr);
  try {
    ReadContainerItem(path, kListBitmap, nullptr, &item, 0);
    ADD_FAILURE() << "no exception";
  } catch (const Exception& e) {
    EXPECT_EQ(e.GetMessage(), "Cannot open file " + path + ": " + path);
  }

  Bytes unknown = Magic("STYXYZ30");
  unknown.insert(unknown.end(), {7, 0, 0, 0});
  WriteFile(path, unknown);
  std::int32_t count = 0;
  std::vector<std::int32_t> offsets{9};
  EXPECT_EQ(ReadContainerHeader(path, count, &offsets), kUnknownListType);
  EXPECT_EQ(count, 7);
  EXPECT_EQ(offsets, (std::vector<std::int32_t>{9}));
  EXPECT_THROW(list.LoadFromFile(TempFile("missing.bml")), EFOpenError);
}

TEST_F(StyledProcs, DamagedContainerStreamsAreReadErrorsAfterOneNotification) {
  struct Case {
    const char* name;
    Bytes bytes;
    int kept;
  };
  Bytes good = TwoEmptyItemsFile();
  Bytes body(good.begin() + 9, good.end());
  Bytes hugeCount = {0xFF, 0xFF, 0xFF, 0x7F};
  Bytes negative = {0xFF, 0xFF, 0xFF, 0xFF};
  Bytes cutRecord(body.begin(), body.end() - 2);
  Bytes cutTable = {0x02, 0x00, 0x00, 0x00, 0x15, 0x00};
  const Case cases[] = {
      {"count past the data", hugeCount, 0},
      {"negative count", negative, 0},
      {"offsets table cut short", cutTable, 0},
      {"second record cut short", cutRecord, 1},
      {"nothing at all", {}, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TMemoryStream s;
    s.WriteBuffer(c.bytes.data(), int(c.bytes.size()));
    s.SetPosition(0);
    TStyBitmapList list(nullptr);
    int told = 0;
    list.OnChange = [&](TObject*) { ++told; };
    EXPECT_THROW(list.LoadFromStream(&s, true), EReadError);
    EXPECT_EQ(list.GetCount(), c.kept);
    EXPECT_EQ(told, 1);
  }

  const std::string path = TempFile("damaged.bml");
  Bytes badOffset = TwoEmptyItemsFile();
  badOffset[13] = 0xF0;  // the first offset far past the end
  WriteFile(path, badOffset);
  TStyBitmapListItem item(nullptr);
  EXPECT_THROW(ReadContainerItem(path, kListBitmap, nullptr, &item, 0), EReadError);
  Bytes hugeTable = Magic("STYBML30");
  hugeTable.insert(hugeTable.end(), {0xFF, 0xFF, 0xFF, 0x0F});
  WriteFile(path, hugeTable);
  std::int32_t count = 0;
  std::vector<std::int32_t> offsets;
  EXPECT_THROW(ReadContainerHeader(path, count, &offsets), EReadError);
}

// The build wrote this file with the container tool from a manifest of two
// pictures and an empty item.
TEST_F(StyledProcs, ContainerToolWritesTheManifestsItems) {
  TStyBitmapList list(nullptr);
  list.LoadFromFile(DRUMS_CONT_FIXTURE_FILE);
  ASSERT_EQ(list.GetCount(), 3);
  EXPECT_EQ(list.GetItems(0)->GetIdent(), 1);
  EXPECT_EQ(list.GetImageSize(0, 0), 6);
  EXPECT_EQ(list.GetImageSize(0, 1), 4);
  EXPECT_EQ(list.GetPixel(TPoint(0, 0), 0, 0) & 0xFFFFFF, clRed);
  EXPECT_EQ(list.GetPixel(TPoint(5, 3), 0, 0) & 0xFFFFFF, clBlue);
  EXPECT_EQ(list.GetItems(1)->GetIdent(), 2);
  EXPECT_EQ(list.GetImageCount(1), 0);
  auto* face = list.GetBitmapItem(2);
  EXPECT_TRUE(face->GetCompressed());
  EXPECT_EQ(face->GetPixelFormat(), spf4bit);
  EXPECT_EQ(face->GetDescription(), "Yellow face");
  EXPECT_EQ(list.GetPixel(TPoint(0, 0), 2, 0) & 0xFFFFFF, clLime);
  EXPECT_EQ(list.GetPixel(TPoint(4, 4), 2, 0) & 0xFFFFFF, clYellow);
}

// A control streaming its image list as the "Internal" reference.
class TListUser : public TComponent {
  DRUMS_CLASS(TListUser, TComponent)
 public:
  explicit TListUser(TComponent* AOwner) : TComponent(AOwner) {}
  TStyCustomImageList* List = nullptr;

 protected:
  void DefineProperties(TFiler* Filer) override {
    inherited::DefineProperties(Filer);
    DefineGlobalListRef(Filer, "Internal", List, [this](TStyCustomImageList* list) { List = list; });
  }
};

TEST_F(StyledProcs, GlobalListReferencesStreamAsTheirMagicText) {
  EXPECT_TRUE(IsGlobalList(StyContainer->GetBitmapList()));
  EXPECT_TRUE(IsGlobalList(StyContainer->GetImageList()));
  EXPECT_FALSE(IsGlobalList(nullptr));
  TStyBitmapList own(nullptr);
  EXPECT_FALSE(IsGlobalList(&own));

  struct Case {
    TStyCustomImageList* list;
    const char* text;
  };
  const Case cases[] = {{StyContainer->GetBitmapList(), "STYBML30"},
                        {StyContainer->GetImageList(), "STYIML30"},
                        {&own, nullptr},
                        {nullptr, nullptr}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text ? c.text : "none");
    TListUser user(nullptr);
    user.SetName("User");
    user.List = c.list;
    TMemoryStream binary;
    WriteComponent(&binary, &user);
    binary.SetPosition(0);
    TStringStream text;
    ObjectBinaryToText(&binary, &text);
    const bool written = text.GetDataString().find("Internal = ") != std::string::npos;
    EXPECT_EQ(written, c.text != nullptr) << text.GetDataString();
    if (c.text) {
      EXPECT_NE(text.GetDataString().find(std::string("Internal = '") + c.text + "'"), std::string::npos);
    }
    binary.SetPosition(0);
    TListUser back(nullptr);
    back.List = &own;
    ReadComponent(&binary, &back);
    EXPECT_EQ(back.List, c.text ? c.list : &own);
  }

  // Any other text names no list.
  TStringStream form(
      "object User: TListUser\r\n"
      "  Internal = 'STYWVL30'\r\n"
      "end\r\n");
  TMemoryStream binary;
  ObjectTextToBinary(&form, &binary);
  binary.SetPosition(0);
  TListUser back(nullptr);
  back.List = &own;
  ReadComponent(&binary, &back);
  EXPECT_EQ(back.List, nullptr);
}

}  // namespace
