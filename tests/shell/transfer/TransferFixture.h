// The data-transfer tests' ground: a temporary home, the class library
// started on the headless host, a shell list's selection made of real
// items, and the bytes of global blocks.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/shell/UNavShellControls.h"
#include "controls/shell/UNavShellUtils.h"
#include "platform/win/drums_ext.h"
#include "platform/win/windows.h"
#include "tests/shell/shared/ShellHome.h"
#include "tests/shell/shared/ShellPidl.h"
#include "tests/support/HeadlessApplication.h"

// The items of one folder, some of them selected, as a shell list holds
// them; nil entries stand for items without shell data.
class TFolderSelection : public INavShellSelection {
 public:
  explicit TFolderSelection(const std::string& folderPath) {
    EXPECT_EQ(PathToPidl(folderPath, &FFolder.p), S_OK) << folderPath;
    EXPECT_EQ(GetShellFolder(FFolder.p, &FBound), S_OK);
  }
  ~TFolderSelection() {
    if (FBound) FBound->Release();
  }
  TFolderSelection(const TFolderSelection&) = delete;
  TFolderSelection& operator=(const TFolderSelection&) = delete;

  // Selects the item of that name; an empty name adds an item without data.
  void Select(const std::string& name) {
    if (name.empty()) {
      FSelected.emplace_back();
      return;
    }
    TShellPidl absolute;
    EXPECT_EQ(PathToPidl(FolderPath() + "/" + name, &absolute.p), S_OK) << name;
    TNavIdListArray items(absolute.p);
    FSelected.emplace_back(CopyPidl(nullptr, items.Item(items.GetCount() - 1)));
  }
  std::string FolderPath() const { return win::kernel::ResolvePath(PidlToPath(FFolder.p)); }

  LPCITEMIDLIST GetPidl() override { return FFolder.p; }
  IShellFolder* GetSelectionFolder() override { return FBound; }
  std::vector<LPCITEMIDLIST> GetSelectedRelIdLists() override {
    std::vector<LPCITEMIDLIST> lists;
    for (const TShellPidl& item : FSelected) lists.push_back(item.p);
    return lists;
  }

 private:
  TShellPidl FFolder;
  IShellFolder* FBound = nullptr;
  std::vector<TShellPidl> FSelected;
};

// The bytes of a global block.
inline std::string BlockBytes(HGLOBAL block) {
  const char* at = static_cast<const char*>(GlobalLock(block));
  std::string bytes(at, at + GlobalSize(block));
  GlobalUnlock(block);
  return bytes;
}

// A data object's block of one format, or "<HRESULT>" when it has none.
inline std::string DataBytes(IDataObject* data, CLIPFORMAT format) {
  FORMATETC asked{format, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
  STGMEDIUM medium{};
  const HRESULT result = data->GetData(&asked, &medium);
  if (result != S_OK) return "<" + std::to_string(result) + ">";
  std::string bytes = BlockBytes(medium.hGlobal);
  ReleaseStgMedium(&medium);
  return bytes;
}

class TransferTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testsupport::StartApplication("Shell transfer");
    InitNavShellControls();
  }
  void TearDown() override {
    DoneNavShellControls();
    testsupport::StopApplication();
  }

  TShellHome home;
};
