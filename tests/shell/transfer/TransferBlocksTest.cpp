// The "Shell IDList Array" and CF_HDROP blocks, written and read back.
#include <cstring>

#include "TransferFixture.h"

namespace {

UINT U32At(const std::string& bytes, std::size_t at) {
  UINT value = 0;
  std::memcpy(&value, bytes.data() + at, 4);
  return value;
}

std::string ListBytes(LPCITEMIDLIST list) {
  return std::string(reinterpret_cast<const char*>(list), static_cast<std::size_t>(PidlSize(list)));
}

TEST_F(TransferTest, TheIdListArrayOfAFileBelowAVolumeRoot) {
  // "/etc" lies directly below the root volume: My Computer, the volume, the name.
  TShellPidl absolute;
  ASSERT_EQ(PathToPidl("/etc", &absolute.p), S_OK);
  TNavIdListArray items(absolute.p);
  ASSERT_EQ(items.GetCount(), 3);
  TShellPidl root(CopyPidl(nullptr, items.Ancestor(1)));
  TShellPidl child(CopyPidl(nullptr, items.Item(2)));

  HGLOBAL block = nullptr;
  ASSERT_EQ(CreateShellIdListData(root.p, {child.p}, block), S_OK);
  const std::string bytes = BlockBytes(block);
  GlobalFree(block);
  const UINT parentSize = static_cast<UINT>(PidlSize(root.p));
  EXPECT_EQ(bytes.size(), parentSize + 4 + 8 + PidlSize(child.p));
  EXPECT_EQ(U32At(bytes, 0), 1u);
  EXPECT_EQ(U32At(bytes, 4), 12u);
  EXPECT_EQ(U32At(bytes, 8), 12u + parentSize);
  EXPECT_EQ(bytes.substr(12, parentSize), ListBytes(root.p));
  EXPECT_EQ(bytes.substr(12 + parentSize), ListBytes(child.p));

  // A desktop item: the parent part is the terminator alone.
  ASSERT_EQ(CreateShellIdListData(nullptr, {child.p}, block), S_OK);
  const std::string onDesktop = BlockBytes(block);
  GlobalFree(block);
  EXPECT_EQ(U32At(onDesktop, 8), 14u);
  EXPECT_EQ(onDesktop.substr(12, 2), std::string(2, '\0'));
}

TEST_F(TransferTest, TheDropFilesBlockHoldsEveryPathWhole) {
  HGLOBAL block = nullptr;
  ASSERT_EQ(CreateHDropData({"C:\\a.wav", "C:\\kits\\b.wav"}, block), S_OK);
  std::string bytes = BlockBytes(block);
  GlobalFree(block);
  ASSERT_EQ(bytes.size(), 541u);
  EXPECT_EQ(U32At(bytes, 0), 20u);
  EXPECT_EQ(bytes.substr(4, 16), std::string(16, '\0'));  // point, non-client and wide flags
  const std::string paths = std::string("C:\\a.wav") + '\0' + "C:\\kits\\b.wav" + '\0' + '\0';
  EXPECT_EQ(bytes.substr(20, paths.size()), paths);

  // A path longer than the classic buffer arrives whole, nothing past it.
  const std::string longPath = "C:\\" + std::string(297, 'x');
  ASSERT_EQ(CreateHDropData({longPath, "C:\\b"}, block), S_OK);
  bytes = BlockBytes(block);
  GlobalFree(block);
  EXPECT_EQ(std::string(bytes.data() + 20), longPath);
  EXPECT_EQ(std::string(bytes.data() + 20 + longPath.size() + 1), "C:\\b");

  // No paths: a header of zeros.
  ASSERT_EQ(CreateHDropData({}, block), S_OK);
  bytes = BlockBytes(block);
  GlobalFree(block);
  EXPECT_EQ(bytes, std::string(21, '\0'));
}

TEST_F(TransferTest, DuplicateGlobalCopiesSizeAndBytes) {
  HGLOBAL block = nullptr;
  ASSERT_EQ(CreateHDropData({"C:\\x"}, block), S_OK);
  HGLOBAL copy = DuplicateGlobal(block);
  ASSERT_NE(copy, nullptr);
  EXPECT_NE(copy, block);
  EXPECT_EQ(BlockBytes(copy), BlockBytes(block));
  GlobalFree(copy);
  GlobalFree(block);
  EXPECT_EQ(DuplicateGlobal(nullptr), nullptr);
}

// A data object of another program that offers one block of its own.
class TForeignData final : public IDataObject {
 public:
  explicit TForeignData(std::string block) : FBlock(std::move(block)) {}
  HRESULT QueryInterface(REFIID, void** ppv) override {
    *ppv = nullptr;
    return E_NOINTERFACE;
  }
  ULONG AddRef() override { return 1; }
  ULONG Release() override { return 1; }
  HRESULT GetData(FORMATETC* format, STGMEDIUM* medium) override {
    if (format->cfFormat != CF_SHELLIDLIST()) return DV_E_FORMATETC;
    // Exactly the block's size, so that a read past it is a fault.
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, FBlock.size());
    std::memcpy(GlobalLock(block), FBlock.data(), FBlock.size());
    GlobalUnlock(block);
    *medium = {};
    medium->tymed = TYMED_HGLOBAL;
    medium->hGlobal = block;
    return S_OK;
  }
  HRESULT GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
  HRESULT QueryGetData(FORMATETC* format) override {
    return format->cfFormat == CF_SHELLIDLIST() ? S_OK : DV_E_FORMATETC;
  }
  HRESULT GetCanonicalFormatEtc(FORMATETC*, FORMATETC*) override { return E_NOTIMPL; }
  HRESULT SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
  HRESULT EnumFormatEtc(DWORD, IEnumFORMATETC**) override { return E_NOTIMPL; }
  HRESULT DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override { return OLE_E_ADVISENOTSUPPORTED; }
  HRESULT DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
  HRESULT EnumDAdvise(IEnumSTATDATA**) override { return OLE_E_ADVISENOTSUPPORTED; }

 private:
  std::string FBlock;
};

std::string U32(UINT value) {
  return std::string(reinterpret_cast<const char*>(&value), 4);
}

TEST_F(TransferTest, AllowedEffectsAreWhatAllDraggedItemsShare) {
  home.MakeFile("beats/a.wav");
  home.MakeFile("beats/b.wav");
  home.MakeFile("locked/c.wav");
  const DWORD all = DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK;
  {
    TFolderSelection selection(home.Home + "/beats");
    selection.Select("a.wav");
    selection.Select("b.wav");
    IDataObject* data = new TDataObject_shlv(selection);
    data->AddRef();
    EXPECT_EQ(GetAllowedDropEffects(data), all);
    data->Release();
  }
  // Items of a folder that cannot be written to can be copied and linked,
  // not moved (the owner's write bit decides, even for root).
  std::filesystem::permissions(home.Home + "/locked", std::filesystem::perms::owner_write,
                               std::filesystem::perm_options::remove);
  TFolderSelection selection(home.Home + "/locked");
  selection.Select("c.wav");
  IDataObject* data = new TDataObject_shlv(selection);
  data->AddRef();
  EXPECT_EQ(GetAllowedDropEffects(data), static_cast<DWORD>(DROPEFFECT_COPY | DROPEFFECT_LINK));
  data->Release();
  std::filesystem::permissions(home.Home + "/locked", std::filesystem::perms::owner_all);
}

TEST_F(TransferTest, AnIdListArrayThatDoesNotFitItsBlockReadsAsMissing) {
  const std::string empty(2, '\0');
  const std::string item = std::string("\x05\x00\x32x", 4) + '\0';  // a 5-byte item, then the end
  struct Case {
    const char* what;
    std::string block;
  };
  const std::vector<Case> cases = {
      {"shorter than its header", std::string(6, '\0')},
      {"a count past the block", U32(1000) + U32(12) + U32(14) + empty + empty},
      {"an offset past the block", U32(1) + U32(12) + U32(4000) + empty},
      {"an offset inside the header", U32(1) + U32(4) + U32(12) + empty},
      {"a chain running past the block", U32(1) + U32(12) + U32(14) + empty + std::string("\x40\x00", 2)},
      {"an item shorter than its size field", U32(1) + U32(12) + U32(14) + empty + std::string("\x01\x00", 2)},
      {"a last list without its end", U32(1) + U32(12) + U32(14) + empty + item.substr(0, 5)},
      {"no items at all", U32(0) + U32(8) + empty},
  };
  for (const Case& c : cases) {
    TForeignData data(c.block);
    EXPECT_EQ(GetAllowedDropEffects(&data), static_cast<DWORD>(DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK))
        << c.what;
  }
}

}  // namespace
