// The format list, its enumerator and the data objects of dragged items.
#include <cstring>

#include "TransferFixture.h"

namespace {

TEST_F(TransferTest, QueryGetDataTellsAMissingFormatFromAMissingMedium) {
  TNavFormatEtcList formats({CF_SHELLIDLIST(), CF_HDROP});
  struct Case {
    CLIPFORMAT format;
    DWORD aspect;
    DWORD tymed;
    HRESULT expected;
  };
  const std::vector<Case> cases = {
      {CF_HDROP, DVASPECT_CONTENT, TYMED_HGLOBAL, S_OK},
      {CF_HDROP, DVASPECT_CONTENT, TYMED_HGLOBAL | TYMED_ISTREAM, S_OK},
      {CF_HDROP, DVASPECT_CONTENT, TYMED_ISTREAM, DV_E_TYMED},
      {CF_TEXT, DVASPECT_CONTENT, TYMED_HGLOBAL, DV_E_FORMATETC},
      {CF_HDROP, 2 /* DVASPECT_THUMBNAIL */, TYMED_HGLOBAL, DV_E_FORMATETC},
      {CF_HDROP, 4 /* DVASPECT_ICON */, TYMED_HGLOBAL, DV_E_FORMATETC},
  };
  for (const Case& c : cases) {
    FORMATETC asked{c.format, nullptr, c.aspect, -1, c.tymed};
    EXPECT_EQ(formats.QueryGetData(asked), c.expected) << c.format << " " << c.aspect << " " << c.tymed;
  }
}

TEST_F(TransferTest, TheEnumeratorWalksCopiesAndClones) {
  TNavFormatEtcList formats({CF_SHELLIDLIST(), CF_HDROP});
  // A target device is copied deeply: the caller's block may go at once.
  auto* device = static_cast<DVTARGETDEVICE*>(CoTaskMemAlloc(16));
  const DWORD deviceSize = 16;
  std::memset(device, 7, 16);
  std::memcpy(device, &deviceSize, 4);
  formats.Add({CF_TEXT, device, DVASPECT_CONTENT, -1, TYMED_HGLOBAL});
  CoTaskMemFree(device);

  IEnumFORMATETC* walker = nullptr;
  (new TNavFormatEtcList_IEnumFormatEtc(&formats, 0))->QueryInterface(IID_IEnumFORMATETC, (void**)&walker);
  FORMATETC got[5] = {};
  ULONG fetched = 99;
  EXPECT_EQ(walker->Skip(1), S_OK);
  IEnumFORMATETC* clone = nullptr;
  EXPECT_EQ(walker->Clone(&clone), S_OK);
  EXPECT_EQ(walker->Next(5, got, &fetched), S_FALSE);
  EXPECT_EQ(fetched, 2u);
  EXPECT_EQ(got[0].cfFormat, CF_HDROP);
  EXPECT_EQ(got[1].cfFormat, CF_TEXT);
  ASSERT_NE(got[1].ptd, nullptr);
  EXPECT_EQ(reinterpret_cast<const BYTE*>(got[1].ptd)[8], 7);
  CoTaskMemFree(got[1].ptd);
  EXPECT_EQ(walker->Skip(1), S_FALSE);
  EXPECT_EQ(walker->Reset(), S_OK);
  EXPECT_EQ(walker->Next(1, got, nullptr), S_OK);
  EXPECT_EQ(got[0].cfFormat, CF_SHELLIDLIST());
  // The clone stayed where the walker was when it was made.
  EXPECT_EQ(clone->Next(1, got, &fetched), S_OK);
  EXPECT_EQ(got[0].cfFormat, CF_HDROP);
  EXPECT_EQ(clone->Release(), 0u);
  EXPECT_EQ(walker->Release(), 0u);
}

TEST_F(TransferTest, AListSelectionTravelsAsIdListsAndPaths) {
  home.MakeFile("beats/kick.wav");
  home.MakeFile("beats/snare one.wav");
  TFolderSelection selection(home.Home + "/beats");
  selection.Select("kick.wav");
  selection.Select("");  // an item without shell data is left out
  selection.Select("snare one.wav");
  IDataObject* data = nullptr;
  ASSERT_EQ((new TDataObject_shlv(selection))->QueryInterface(IID_IDataObject, (void**)&data), S_OK);

  const std::string folder = win::kernel::ToWindowsPath(home.Home + "/beats");
  const std::string paths = folder + "\\kick.wav" + '\0' + folder + "\\snare one.wav" + '\0' + '\0';
  const std::string drop = DataBytes(data, CF_HDROP);
  EXPECT_EQ(drop.size(), 541u);
  EXPECT_EQ(drop.substr(20, paths.size()), paths);

  const std::string cida = DataBytes(data, CF_SHELLIDLIST());
  UINT count = 0, parentAt = 0;
  std::memcpy(&count, cida.data(), 4);
  std::memcpy(&parentAt, cida.data() + 4, 4);
  EXPECT_EQ(count, 2u);
  EXPECT_EQ(cida.substr(parentAt, PidlSize(selection.GetPidl())),
            std::string(reinterpret_cast<const char*>(selection.GetPidl()), PidlSize(selection.GetPidl())));

  // Each GetData hands out a copy of its own.
  FORMATETC asked{CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
  STGMEDIUM first{}, second{};
  ASSERT_EQ(data->GetData(&asked, &first), S_OK);
  ASSERT_EQ(data->GetData(&asked, &second), S_OK);
  EXPECT_NE(first.hGlobal, second.hGlobal);
  EXPECT_EQ(first.pUnkForRelease, nullptr);
  ReleaseStgMedium(&first);
  ReleaseStgMedium(&second);

  asked.tymed = TYMED_ISTREAM;
  EXPECT_EQ(data->GetData(&asked, &first), DV_E_TYMED);
  IEnumFORMATETC* formats = nullptr;
  EXPECT_EQ(data->EnumFormatEtc(DATADIR_SET, &formats), E_NOTIMPL);
  EXPECT_EQ(formats, nullptr);
  EXPECT_EQ(data->SetData(&asked, &first, FALSE), E_NOTIMPL);
  EXPECT_EQ(data->DAdvise(&asked, 0, nullptr, nullptr), OLE_E_ADVISENOTSUPPORTED);

  // The caller may let go of the object before its format enumerator.
  ASSERT_EQ(data->EnumFormatEtc(DATADIR_GET, &formats), S_OK);
  EXPECT_EQ(data->Release(), 1u);
  FORMATETC offered[5] = {};
  ULONG fetched = 0;
  EXPECT_EQ(formats->Next(5, offered, &fetched), S_FALSE);
  EXPECT_EQ(fetched, 2u);
  EXPECT_EQ(offered[0].cfFormat, CF_SHELLIDLIST());
  EXPECT_EQ(offered[1].cfFormat, CF_HDROP);
  EXPECT_EQ(formats->Release(), 0u);
}

TEST_F(TransferTest, ASelectionWithoutShellItemsAbortsSilently) {
  home.MakeFolder("empty");
  TFolderSelection selection(home.Home + "/empty");
  selection.Select("");
  EXPECT_THROW(new TDataObject_shlv(selection), EAbort);
  TFolderSelection nothing(home.Home + "/empty");
  EXPECT_THROW(new TDataObject_shlv(nothing), EAbort);
}

TEST_F(TransferTest, ATreeNodeTravelsWithItsParentNodesList) {
  home.MakeFolder("kits/rock");
  TFolderSelection kits(home.Home + "/kits");
  kits.Select("rock");
  // The root node holds the absolute list of the tree's base folder.
  TNavShTreeData root(nullptr), rock(nullptr);
  root.Init(nullptr, ShellMalloc(), kits.GetPidl());
  rock.Init(&root, ShellMalloc(), kits.GetSelectedRelIdLists()[0]);
  const std::vector<std::pair<TNavShTreeData*, std::string>> cases = {
      {&rock, home.Home + "/kits/rock"},
      {&root, home.Home + "/kits"},
  };
  for (const auto& [node, path] : cases) {
    IDataObject* data = nullptr;
    ASSERT_EQ((new TDataObject_shtv(node))->QueryInterface(IID_IDataObject, (void**)&data), S_OK);
    const std::string drop = DataBytes(data, CF_HDROP);
    EXPECT_EQ(std::string(drop.data() + 20), win::kernel::ToWindowsPath(path));
    EXPECT_EQ(GetAllowedDropEffects(data), static_cast<DWORD>(DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK));
    data->Release();
  }
}

}  // namespace
