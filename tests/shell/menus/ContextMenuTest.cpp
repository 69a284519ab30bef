// The shell's context menu from the controls' side: building it, finding
// verbs, invoking them, the owner window, and scrolling helpers.
#include "MenusFixture.h"
#include "platform/vcl/Forms.h"
#include "platform/vcl/StdCtrls.h"

namespace {

class ContextMenu : public MenusTest {
 protected:
  void SetUp() override {
    MenusTest::SetUp();
    home.MakeFile("beats/kick.wav");
    folder = BindFolder(home.Home + "/beats");
    kick.p = ChildOf(home.Home + "/beats/kick.wav");
    LPCITEMIDLIST items[] = {kick.p};
    ASSERT_EQ(GetContextMenuOf(nullptr, folder, 1, items, &menu, popup, CMF_EXPLORE, kNavFirstShellCommand), S_OK);
    win::shell::SetExecuteHook([this](const win::shell::ExecuteCall& call) {
      opened.push_back(call.file);
      return INT_PTR(42);
    });
  }
  void TearDown() override {
    win::shell::SetExecuteHook(nullptr);
    DestroyMenu(popup);
    menu->Release();
    folder->Release();
    MenusTest::TearDown();
  }

  IShellFolder* folder = nullptr;
  TShellPidl kick;
  IContextMenu* menu = nullptr;
  HMENU popup = nullptr;
  std::vector<std::string> opened;
};

TEST_F(ContextMenu, VerbsAreFoundAndInvokedByName) {
  EXPECT_GT(GetMenuItemCount(popup), 3);
  EXPECT_EQ(GetMenuItemID(popup, 0), kNavFirstShellCommand);  // "Open", offset 0
  EXPECT_EQ(FindVerbId(menu, "open"), 0);
  EXPECT_EQ(FindVerbId(menu, "COPY"), 25);
  EXPECT_EQ(FindVerbId(menu, "delete"), 17);

  // A verb no command has runs nothing, not the first command (Open).
  EXPECT_EQ(FindVerbId(menu, "print"), -1);
  EXPECT_EQ(InvokeContextMenuVerb(nullptr, menu, "print"), E_INVALIDARG);
  EXPECT_TRUE(opened.empty());

  EXPECT_EQ(InvokeContextMenuVerb(nullptr, menu, "open"), S_OK);
  EXPECT_EQ(opened, std::vector<std::string>{win::kernel::ToWindowsPath(home.Home + "/beats/kick.wav")});
  EXPECT_EQ(InvokeContextMenuVerb(nullptr, menu, 0u), S_OK);
  EXPECT_EQ(opened.size(), 2u);
}

TEST_F(ContextMenu, TheHighlightedCommandsHelpGoesToTheHintHandler) {
  std::vector<std::string> hints;
  TObject* sender = nullptr;
  TNavPopupHintEvent handler = [&](TObject* control, const std::string& hint) {
    sender = control;
    hints.push_back(hint);
  };
  TObject control;
  auto select = [&](UINT id, UINT flags) {
    TMessage message{WM_MENUSELECT, MAKEWPARAM(id, flags), reinterpret_cast<LPARAM>(popup), 0};
    HandleMenuSelect(message, menu, &control, handler);
  };
  select(kNavFirstShellCommand + 25, MF_HILITE);  // Copy
  select(1, MF_HILITE | MF_OWNERDRAW);  // an own Send To entry
  select(2, MF_HILITE | MF_POPUP);  // the Send To popup itself
  select(kNavFirstShellCommand + 40, MF_HILITE);  // a command the shell does not know
  EXPECT_EQ(hints, (std::vector<std::string>{"Copies the selected items to the Clipboard.", "", "", ""}));
  EXPECT_EQ(sender, &control);
  // Without a handler nothing is asked.
  TMessage message{WM_MENUSELECT, MAKEWPARAM(kNavFirstShellCommand, MF_HILITE), 0, 0};
  HandleMenuSelect(message, menu, &control, nullptr);
  EXPECT_EQ(hints.size(), 4u);
}

// A shell extension whose menu cannot be built.
class TBrokenMenu final : public IContextMenu {
 public:
  HRESULT QueryInterface(REFIID, void** ppv) override {
    *ppv = nullptr;
    return E_NOINTERFACE;
  }
  ULONG AddRef() override { return 1; }
  ULONG Release() override { return 1; }
  HRESULT QueryContextMenu(HMENU, UINT, UINT, UINT, UINT) override { return E_OUTOFMEMORY; }
  HRESULT InvokeCommand(CMINVOKECOMMANDINFO*) override {
    ++invoked;
    return S_OK;
  }
  HRESULT GetCommandString(UINT_PTR, UINT, UINT*, LPSTR, UINT) override { return E_FAIL; }
  int invoked = 0;
};

TEST_F(ContextMenu, AMenuThatCannotBeBuiltRaisesAndRunsNothing) {
  TBrokenMenu broken;
  EXPECT_THROW(FindVerbId(&broken, "copy"), EOleSysError);
  EXPECT_THROW(InvokeContextMenuVerb(nullptr, &broken, "copy"), EOleSysError);
  EXPECT_EQ(broken.invoked, 0);
  // No items: no menu, nothing left to free.
  IContextMenu* none = nullptr;
  HMENU handle = reinterpret_cast<HMENU>(1);
  EXPECT_TRUE(FAILED(GetContextMenuOf(nullptr, folder, 0, nullptr, &none, handle, CMF_EXPLORE, kNavFirstShellCommand)));
  EXPECT_EQ(none, nullptr);
  EXPECT_EQ(handle, nullptr);
}

TEST_F(MenusTest, TheOwnerWindowIsTheTopForm) {
  auto* form = new TForm(Application, TCreateNew{});
  auto* button = new TButton(form);
  button->SetParent(form);
  EXPECT_EQ(GetTopFormHandle(button), form->GetHandle());
  auto* loose = new TButton(form);
  EXPECT_EQ(GetTopFormHandle(loose), nullptr);
  delete form;
}

// A form with a vertical bar that can move and a horizontal one that
// cannot, recording the scroll messages it gets.
TEST_F(MenusTest, ScrollingOnlyMovesABarWithRoomToMove) {
  auto* form = new TForm(Application, TCreateNew{});
  form->SetBounds(0, 0, 200, 200);
  HWND handle = form->GetHandle();
  SCROLLINFO info{sizeof info, SIF_RANGE | SIF_PAGE, 0, 99, 20, 0, 0};
  SetScrollInfo(handle, SB_VERT, &info, FALSE);
  info.nMax = 9;
  SetScrollInfo(handle, SB_HORZ, &info, FALSE);
  std::vector<std::pair<UINT, WORD>> scrolls;
  form->WindowProc = [&scrolls, old = form->WindowProc](TMessage& message) {
    if (message.Msg == WM_VSCROLL || message.Msg == WM_HSCROLL) scrolls.emplace_back(message.Msg, message.WParamLo());
    old(message);
  };
  EXPECT_TRUE(WheelScroll(form, nsbVertical, SB_LINEDOWN, SB_PAGEDOWN));
  EXPECT_TRUE(WheelScroll(form, nsbHorizontal, SB_LINERIGHT, SB_PAGERIGHT));
  ScrollIfPossible(form, nsbVertical, SB_PAGEUP);
  const std::vector<std::pair<UINT, WORD>> expected = {
      {WM_VSCROLL, SB_LINEDOWN}, {WM_VSCROLL, SB_LINEDOWN}, {WM_VSCROLL, SB_LINEDOWN}, {WM_VSCROLL, SB_PAGEUP}};
  EXPECT_EQ(scrolls, expected);
  delete form;
}

}  // namespace
