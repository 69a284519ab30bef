// The context menu of shell items: its commands, Copy and Paste, Delete to
// the trash after a question.
#include <filesystem>

#include "platform/win/user/message_box.h"
#include "platform/win/windows.h"
#include "shell_fixture.h"

namespace shell_test {
namespace {

constexpr UINT kFirst = 50;

class ContextMenuTest : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    dataHome_ = Env("XDG_DATA_HOME");
    setenv("XDG_DATA_HOME", (home_ + "/.local/share").c_str(), 1);
    tree_ = root_ + "/tree";
    std::filesystem::create_directories(tree_ + "/kits");
    MakeFile(tree_ + "/a.wav", "wave");
    Pidl list;
    ASSERT_EQ(Parse(tree_, &list), S_OK);
    ASSERT_EQ(desktop->BindToObject(list.p, nullptr, IID_IShellFolder, folder.OutVoid()), S_OK);
  }
  void TearDown() override {
    win::user::SetMessageBoxAnswer(nullptr);
    if (dataHome_.empty())
      unsetenv("XDG_DATA_HOME");
    else
      setenv("XDG_DATA_HOME", dataHome_.c_str(), 1);
    ShellTest::TearDown();
  }

  Ref<IContextMenu> MenuOf(const std::string& name) {
    Pidl child;
    std::wstring wide = Wide(name);
    EXPECT_EQ(folder->ParseDisplayName(nullptr, nullptr, wide.data(), nullptr, child.Out(), nullptr), S_OK);
    LPCITEMIDLIST items[] = {child.p};
    Ref<IContextMenu> menu;
    EXPECT_EQ(folder->GetUIObjectOf(nullptr, 1, items, IID_IContextMenu, nullptr, menu.OutVoid()), S_OK);
    return menu;
  }

  static HRESULT Invoke(IContextMenu* menu, const char* verb, DWORD mask = 0) {
    CMINVOKECOMMANDINFO info{};
    info.cbSize = sizeof info;
    info.fMask = mask;
    info.lpVerb = verb;
    info.nShow = SW_SHOWNORMAL;
    return menu->InvokeCommand(&info);
  }

  static std::string Verb(IContextMenu* menu, UINT offset) {
    char verb[261] = {};
    if (menu->GetCommandString(offset, GCS_VERBA, nullptr, verb, sizeof verb) != S_OK) return "<none>";
    return verb;
  }

  static std::string Env(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
  }

  std::string tree_, dataHome_;
  Ref<IShellFolder> folder;
};

TEST_F(ContextMenuTest, CommandsSitAtTheirOffsets) {
  Ref<IContextMenu> menu = MenuOf("a.wav");
  HMENU popup = CreatePopupMenu();
  const HRESULT added = menu->QueryContextMenu(popup, 0, kFirst, 0x7FFF, CMF_EXPLORE | CMF_CANRENAME);
  ASSERT_TRUE(SUCCEEDED(added));
  EXPECT_GT(HRESULT_CODE(added), 18);
  EXPECT_EQ(Verb(menu.p, 18), "rename");
  EXPECT_EQ(Verb(menu.p, 0), "open");
  EXPECT_EQ(GetMenuDefaultItem(popup, FALSE, 0), kFirst + 0);
  std::vector<std::string> verbs;
  for (int i = 0; i < GetMenuItemCount(popup); ++i) {
    const UINT id = GetMenuItemID(popup, i);
    if (id != 0 && id != static_cast<UINT>(-1)) verbs.push_back(Verb(menu.p, id - kFirst));
  }
  const std::vector<std::string> expected = {"open", "cut", "copy", "delete", "rename", "properties"};
  EXPECT_EQ(verbs, expected);
  // The Send To popup holds one grayed placeholder for the caller to fill.
  HMENU sendTo = nullptr;
  for (int i = 0; i < GetMenuItemCount(popup) && !sendTo; ++i) sendTo = GetSubMenu(popup, i);
  ASSERT_NE(sendTo, nullptr);
  EXPECT_EQ(GetMenuItemCount(sendTo), 1);
  EXPECT_TRUE(GetMenuState(sendTo, 0, MF_BYPOSITION) & MF_GRAYED);
  DestroyMenu(popup);
  char help[261] = {};
  EXPECT_EQ(menu->GetCommandString(25, GCS_HELPTEXTA, nullptr, help, sizeof help), S_OK);
  EXPECT_STRNE(help, "");
  EXPECT_EQ(menu->GetCommandString(99, GCS_VERBA, nullptr, help, sizeof help), E_INVALIDARG);
}

TEST_F(ContextMenuTest, CopyThenPasteIntoTheSameFolderMakesASecondFile) {
  ASSERT_EQ(Invoke(MenuOf("a.wav").p, "copy"), S_OK);
  Ref<IContextMenu> background;
  ASSERT_EQ(folder->CreateViewObject(nullptr, IID_IContextMenu, background.OutVoid()), S_OK);
  ASSERT_EQ(Invoke(background.p, "paste"), S_OK);
  EXPECT_TRUE(std::filesystem::exists(tree_ + "/a.wav"));
  EXPECT_TRUE(std::filesystem::exists(tree_ + "/Copy of a.wav"));
  ASSERT_EQ(Invoke(background.p, MAKEINTRESOURCEA(26)), S_OK);
  EXPECT_TRUE(std::filesystem::exists(tree_ + "/Copy (2) of a.wav"));
  std::ifstream copy(tree_ + "/Copy of a.wav");
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(copy), {}), "wave");
}

TEST_F(ContextMenuTest, CutThenPasteIntoAFolderMovesTheFileOnce) {
  ASSERT_EQ(Invoke(MenuOf("a.wav").p, "cut"), S_OK);
  ASSERT_EQ(Invoke(MenuOf("kits").p, "paste"), S_OK);
  EXPECT_FALSE(std::filesystem::exists(tree_ + "/a.wav"));
  EXPECT_TRUE(std::filesystem::exists(tree_ + "/kits/a.wav"));
  EXPECT_TRUE(FAILED(Invoke(MenuOf("kits").p, "paste")));
}

TEST_F(ContextMenuTest, DeleteAsksThenMovesToTheTrash) {
  std::vector<std::string> asked;
  int answer = IDNO;
  win::user::SetMessageBoxAnswer([&](const win::user::MessageBoxRecord& box) {
    asked.push_back(box.text);
    return answer;
  });
  Ref<IContextMenu> menu = MenuOf("a.wav");
  EXPECT_TRUE(FAILED(Invoke(menu.p, "delete")));
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_NE(asked[0].find("a.wav"), std::string::npos);
  EXPECT_TRUE(std::filesystem::exists(tree_ + "/a.wav"));

  answer = IDYES;
  EXPECT_EQ(Invoke(menu.p, "delete"), S_OK);
  EXPECT_EQ(asked.size(), 2u);
  EXPECT_FALSE(std::filesystem::exists(tree_ + "/a.wav"));
  const std::string trash = home_ + "/.local/share/Trash";
  EXPECT_TRUE(std::filesystem::exists(trash + "/files/a.wav"));
  std::ifstream info(trash + "/info/a.wav.trashinfo");
  const std::string text(std::istreambuf_iterator<char>(info), {});
  EXPECT_NE(text.find("Path=" + tree_ + "/a.wav"), std::string::npos) << text;

  // A second item of the same name keeps the first one in the trash.
  MakeFile(tree_ + "/a.wav", "again");
  EXPECT_EQ(Invoke(MenuOf("a.wav").p, "delete", CMIC_MASK_FLAG_NO_UI), S_OK);
  EXPECT_EQ(asked.size(), 2u);
  EXPECT_TRUE(std::filesystem::exists(trash + "/files/a.wav.2"));
}

}  // namespace
}  // namespace shell_test
