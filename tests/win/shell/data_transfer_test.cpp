// The data object of shell items: "Shell IDList Array", CF_HDROP and the
// answers of QueryGetData.
#include <filesystem>

#include "platform/win/ole2.h"
#include "platform/win/shell/data_object.h"
#include "platform/win/windows.h"
#include "shell_fixture.h"

namespace shell_test {
namespace {

class DataTransferTest : public ShellTest {
 protected:
  Ref<IDataObject> DataOf(const std::string& folderPath, const std::vector<std::string>& names) {
    Pidl folderList;
    EXPECT_EQ(Parse(folderPath, &folderList), S_OK);
    Ref<IShellFolder> folder;
    EXPECT_EQ(desktop->BindToObject(folderList.p, nullptr, IID_IShellFolder, folder.OutVoid()), S_OK);
    std::vector<Pidl> children(names.size());
    std::vector<LPCITEMIDLIST> lists;
    for (std::size_t i = 0; i < names.size(); ++i) {
      std::wstring wide = Wide(names[i]);
      EXPECT_EQ(folder->ParseDisplayName(nullptr, nullptr, wide.data(), nullptr, children[i].Out(), nullptr), S_OK);
      lists.push_back(children[i].p);
    }
    Ref<IDataObject> data;
    EXPECT_EQ(folder->GetUIObjectOf(nullptr, static_cast<UINT>(lists.size()), lists.data(), IID_IDataObject, nullptr,
                                    data.OutVoid()),
              S_OK);
    return data;
  }

  static FORMATETC Format(UINT format, DWORD tymed = TYMED_HGLOBAL) {
    return {static_cast<CLIPFORMAT>(format), nullptr, DVASPECT_CONTENT, -1, tymed};
  }

  static std::vector<std::string> DroppedPaths(IDataObject* data) {
    FORMATETC format = Format(CF_HDROP);
    STGMEDIUM medium{};
    EXPECT_EQ(data->GetData(&format, &medium), S_OK);
    std::vector<std::string> paths =
        win::shell::PathsOfDropFiles(GlobalLock(medium.hGlobal), GlobalSize(medium.hGlobal));
    GlobalUnlock(medium.hGlobal);
    ReleaseStgMedium(&medium);
    return paths;
  }
};

TEST_F(DataTransferTest, HdropCarriesALongPathWhole) {
  std::string folder = root_;
  while (folder.size() < 280) folder += "/" + std::string(60, 'd');
  std::filesystem::create_directories(folder);
  const std::string file = folder + "/sample with a long name.wav";
  MakeFile(file);
  ASSERT_GE(file.size(), 300u);
  Ref<IDataObject> data = DataOf(folder, {"sample with a long name.wav"});
  EXPECT_EQ(DroppedPaths(data.p), std::vector<std::string>{Shown(file)});
}

TEST_F(DataTransferTest, IdListArrayHoldsTheParentAndTheItems) {
  MakeFile(root_ + "/a.wav");
  MakeFile(root_ + "/b.wav");
  Ref<IDataObject> data = DataOf(root_, {"a.wav", "b.wav"});
  FORMATETC format = Format(RegisterClipboardFormatA(CFSTR_SHELLIDLIST));
  STGMEDIUM medium{};
  ASSERT_EQ(data->GetData(&format, &medium), S_OK);
  const BYTE* block = static_cast<const BYTE*>(GlobalLock(medium.hGlobal));
  const CIDA* ida = reinterpret_cast<const CIDA*>(block);
  ASSERT_EQ(ida->cidl, 2u);
  const auto list = [&](int i) { return reinterpret_cast<LPCITEMIDLIST>(block + ida->aoffset[i]); };
  EXPECT_EQ(PathOf(list(0)), Shown(root_));
  Ref<IShellFolder> parent;
  ASSERT_EQ(desktop->BindToObject(list(0), nullptr, IID_IShellFolder, parent.OutVoid()), S_OK);
  EXPECT_EQ(NameOf(parent.p, list(1), SHGDN_INFOLDER), "a.wav");
  EXPECT_EQ(NameOf(parent.p, list(2), SHGDN_INFOLDER), "b.wav");
  GlobalUnlock(medium.hGlobal);
  ReleaseStgMedium(&medium);
  const std::vector<std::string> both = {Shown(root_ + "/a.wav"), Shown(root_ + "/b.wav")};
  EXPECT_EQ(DroppedPaths(data.p), both);
}

TEST_F(DataTransferTest, QueryGetDataAnswersAsWindowsDoes) {
  MakeFile(root_ + "/a.wav");
  Ref<IDataObject> data = DataOf(root_, {"a.wav"});
  struct Case {
    FORMATETC format;
    HRESULT expected;
  };
  FORMATETC wrongAspect = Format(CF_HDROP);
  wrongAspect.dwAspect = 4;
  FORMATETC wrongIndex = Format(CF_HDROP);
  wrongIndex.lindex = 0;
  const std::vector<Case> cases = {
      {Format(CF_HDROP), S_OK},
      {Format(RegisterClipboardFormatA(CFSTR_SHELLIDLIST)), S_OK},
      {Format(CF_HDROP, TYMED_ISTREAM), DV_E_TYMED},
      {Format(CF_HDROP, TYMED_HGLOBAL | TYMED_ISTREAM), S_OK},
      {Format(CF_TEXT), DV_E_FORMATETC},
      {Format(CF_TEXT, TYMED_ISTREAM), DV_E_FORMATETC},
      {wrongAspect, DV_E_DVASPECT},
      {wrongIndex, DV_E_LINDEX},
  };
  for (Case c : cases) EXPECT_EQ(data->QueryGetData(&c.format), c.expected) << c.format.cfFormat;
}

TEST_F(DataTransferTest, FormatsAreListedAndSetDataAddsOne) {
  MakeFile(root_ + "/a.wav");
  Ref<IDataObject> data = DataOf(root_, {"a.wav"});
  const UINT effect = RegisterClipboardFormatA(CFSTR_PREFERREDDROPEFFECT);
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, sizeof(DWORD));
  *static_cast<DWORD*>(GlobalLock(block)) = 2;
  GlobalUnlock(block);
  FORMATETC format = Format(effect);
  STGMEDIUM medium{};
  medium.tymed = TYMED_HGLOBAL;
  medium.hGlobal = block;
  ASSERT_EQ(data->SetData(&format, &medium, TRUE), S_OK);

  Ref<IEnumFORMATETC> formats;
  ASSERT_EQ(data->EnumFormatEtc(DATADIR_GET, formats.Out()), S_OK);
  std::vector<UINT> listed;
  FORMATETC got{};
  while (formats->Next(1, &got, nullptr) == S_OK) listed.push_back(got.cfFormat);
  const std::vector<UINT> expected = {RegisterClipboardFormatA("shell idlist array"), CF_HDROP, effect};
  EXPECT_EQ(listed, expected);
  STGMEDIUM back{};
  ASSERT_EQ(data->GetData(&format, &back), S_OK);
  EXPECT_EQ(*static_cast<DWORD*>(GlobalLock(back.hGlobal)), 2u);
  GlobalUnlock(back.hGlobal);
  ReleaseStgMedium(&back);
}

}  // namespace
}  // namespace shell_test
