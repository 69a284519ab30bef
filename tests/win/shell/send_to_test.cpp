// What Send To needs of the shell: programs take dropped files as their
// arguments, the highlighted item of an open menu can be found, and the
// desktop folder exists on a fresh home.
#include <filesystem>

#include "platform/host/headless.h"
#include "platform/win/drums_ext.h"
#include "platform/win/shell/data_object.h"
#include "platform/win/windows.h"
#include "shell_fixture.h"

namespace shell_test {
namespace {

class SendToTargets : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    std::filesystem::create_directories(root_ + "/entries");
    MakeFile(root_ + "/a b.wav");
    MakeFile(root_ + "/c.wav");
    win::shell::SetLauncher([this](const std::vector<std::string>& argv) {
      launched.push_back(argv);
      return launcherWorks;
    });
  }
  void TearDown() override {
    win::shell::SetLauncher(nullptr);
    ShellTest::TearDown();
  }

  // The drop target of an entry of root_/entries, or none.
  HRESULT TargetOf(const std::string& name, Ref<IDropTarget>* target) {
    Pidl folderList;
    EXPECT_EQ(Parse(root_ + "/entries", &folderList), S_OK);
    Ref<IShellFolder> folder;
    EXPECT_EQ(desktop->BindToObject(folderList.p, nullptr, IID_IShellFolder, folder.OutVoid()), S_OK);
    Pidl entry;
    std::wstring wide = Wide(name);
    if (HRESULT parsed = folder->ParseDisplayName(nullptr, nullptr, wide.data(), nullptr, entry.Out(), nullptr);
        parsed != S_OK)
      return parsed;
    LPCITEMIDLIST items[] = {entry.p};
    return folder->GetUIObjectOf(nullptr, 1, items, IID_IDropTarget, nullptr, target->OutVoid());
  }

  std::vector<std::vector<std::string>> launched;
  bool launcherWorks = true;
};

TEST_F(SendToTargets, AProgramRunsOnceWithTheDroppedPathsAsArguments) {
  const std::string program = root_ + "/entries/Mail";
  MakeFile(program, "#!/bin/sh\n");
  std::filesystem::permissions(program, std::filesystem::perms::owner_exec, std::filesystem::perm_options::add);
  Ref<IDropTarget> target;
  ASSERT_EQ(TargetOf("Mail", &target), S_OK);
  IDataObject* data = win::shell::CreateDropFilesDataObject({root_ + "/a b.wav", root_ + "/c.wav"});

  DWORD effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
  EXPECT_EQ(target->DragEnter(data, MK_LBUTTON, {0, 0}, &effect), S_OK);
  EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_COPY));
  effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
  EXPECT_EQ(target->Drop(data, MK_LBUTTON, {0, 0}, &effect), S_OK);
  EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_COPY));
  ASSERT_EQ(launched.size(), 1u);
  EXPECT_EQ(launched[0], (std::vector<std::string>{program, root_ + "/a b.wav", root_ + "/c.wav"}));

  // A program that cannot start is a failed drop, not a silent one.
  launcherWorks = false;
  effect = DROPEFFECT_COPY;
  EXPECT_EQ(target->Drop(data, MK_LBUTTON, {0, 0}, &effect), E_FAIL);
  EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_NONE));
  // Only a copy is offered: a program cannot take a move.
  effect = DROPEFFECT_MOVE;
  EXPECT_EQ(target->Drop(data, MK_LBUTTON, {0, 0}, &effect), S_OK);
  EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_NONE));
  EXPECT_EQ(launched.size(), 2u);
  data->Release();
}

TEST_F(SendToTargets, PlainFilesAreNoTargetsButLinkedFoldersAre) {
  MakeFile(root_ + "/entries/notes.txt");
  Ref<IDropTarget> none;
  EXPECT_EQ(TargetOf("notes.txt", &none), E_NOINTERFACE);
  EXPECT_EQ(none.p, nullptr);

  std::filesystem::create_directories(root_ + "/backup");
  std::filesystem::create_directory_symlink(root_ + "/backup", root_ + "/entries/Backup");
  Ref<IDropTarget> backup;
  ASSERT_EQ(TargetOf("Backup", &backup), S_OK);
  IDataObject* data = win::shell::CreateDropFilesDataObject({root_ + "/c.wav"});
  DWORD effect = DROPEFFECT_COPY;
  EXPECT_EQ(backup->Drop(data, MK_LBUTTON, {0, 0}, &effect), S_OK);
  EXPECT_TRUE(std::filesystem::exists(root_ + "/backup/c.wav"));
  EXPECT_TRUE(std::filesystem::exists(root_ + "/c.wav"));
  EXPECT_TRUE(launched.empty());
  data->Release();
}

TEST_F(ShellTest, TheDesktopFolderIsMadeOnAFreshHome) {
  std::filesystem::remove_all(desktop_);
  Pidl list;
  ASSERT_EQ(SHGetSpecialFolderLocation(nullptr, CSIDL_DESKTOPDIRECTORY, list.Out()), S_OK);
  EXPECT_EQ(PathOf(list.p), Shown(desktop_));
  EXPECT_TRUE(std::filesystem::is_directory(desktop_));
}

// While a popup menu is open, its highlighted item carries MFS_HILITE, so an
// owner answering WM_MENUCHAR can search on from it.
TEST(MenuHighlight, TheHighlightedItemCarriesTheHiliteState) {
  win::clock::UseManual(1'000'000'000);
  host::headless::SetScreen({0, 0, 1280, 1024}, {0, 0, 1280, 984});
  WNDCLASSA wc{};
  wc.lpfnWndProc = DefWindowProcA;
  wc.lpszClassName = "MenuHighlightTestWindow";
  RegisterClassA(&wc);
  HWND owner = CreateWindowExA(0, "MenuHighlightTestWindow", "owner", WS_POPUP | WS_VISIBLE, 50, 50, 300, 200, nullptr,
                               nullptr, nullptr, nullptr);
  HMENU popup = CreatePopupMenu();
  for (UINT id : {7u, 8u, 9u}) AppendMenuA(popup, MF_STRING, id, "item");
  auto hilited = [&] {
    std::vector<int> positions;
    for (int i = 0; i < 3; ++i)
      if (GetMenuState(popup, static_cast<UINT>(i), MF_BYPOSITION) & MFS_HILITE) positions.push_back(i);
    return positions;
  };
  auto key = [&](int vk) {
    host::Event e;
    e.type = host::EventType::KeyDown;
    e.key = vk;
    e.window = win::user::HostWindowOf(owner);
    host::headless::PushEvent(e);
  };
  std::vector<std::vector<int>> seen;
  int step = 0;
  win::user::SetIdleHook([&] {
    switch (step++) {
      case 0: key(VK_DOWN); break;
      case 1:
        seen.push_back(hilited());
        key(VK_DOWN);
        break;
      case 2:
        seen.push_back(hilited());
        key(VK_ESCAPE);
        break;
      default: break;
    }
    return true;
  });
  EXPECT_EQ(TrackPopupMenu(popup, TPM_RETURNCMD, 100, 100, 0, owner, nullptr), 0);
  win::user::SetIdleHook(nullptr);
  EXPECT_EQ(seen, (std::vector<std::vector<int>>{{0}, {1}}));
  EXPECT_TRUE(hilited().empty());
  DestroyMenu(popup);
  DestroyWindow(owner);
  win::clock::UseReal();
}

}  // namespace
}  // namespace shell_test
