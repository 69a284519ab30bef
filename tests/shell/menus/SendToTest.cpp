// Send To from a context menu, end to end: the shell's menu leaves its Send
// To popup empty, the controls fill it with the entries of the Send To
// folder, draw them with their icons, answer typed letters, and drop the
// selection on the chosen entry: a linked folder receives a copy, a program
// runs once with the path as its argument.
#include <sys/stat.h>

#include <chrono>
#include <fstream>
#include <thread>

#include "MenusFixture.h"
#include "platform/host/headless.h"
#include "platform/host/png_file.h"

namespace {

// The open context menu's interface, which the owner's menu messages use.
IContextMenu* CurrentMenu = nullptr;

LRESULT CALLBACK OwnerProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  TMessage message{msg, wp, lp, 0};
  switch (msg) {
    case WM_INITMENUPOPUP: HandleInitMenuPopup(message, CurrentMenu); return 0;
    case WM_MEASUREITEM: HandleMeasureItem(message, CurrentMenu); return message.Result;
    case WM_DRAWITEM: HandleDrawItem(message, CurrentMenu, GetSystemImageList(isSmall)); return message.Result;
    case WM_MENUCHAR: HandleMenuChar(message, CurrentMenu); return message.Result;
    default: return DefWindowProcA(hwnd, msg, wp, lp);
  }
}

// The selection of one file of a folder, as a shell list gives it.
class TOneFile : public INavShellSelection {
 public:
  explicit TOneFile(const std::string& path) {
    EXPECT_EQ(PathToPidl(path, &FAbsolute.p), S_OK);
    TNavIdListArray items(FAbsolute.p);
    FFolder.p = CopyPidl(nullptr, items.Ancestor(1));
    FChild.p = CopyPidl(nullptr, items.Item(items.GetCount() - 1));
    EXPECT_EQ(GetShellFolder(FFolder.p, &FBound), S_OK);
  }
  ~TOneFile() { FBound->Release(); }
  LPCITEMIDLIST GetPidl() override { return FFolder.p; }
  IShellFolder* GetSelectionFolder() override { return FBound; }
  std::vector<LPCITEMIDLIST> GetSelectedRelIdLists() override { return {FChild.p}; }

 private:
  TShellPidl FAbsolute, FFolder, FChild;
  IShellFolder* FBound = nullptr;
};

class SendTo : public MenusTest {
 protected:
  void SetUp() override {
    MenusTest::SetUp();
    song = home.MakeFile("songs/my song.bkv", "song");
    backup = home.MakeFolder("backup");
    sendTo = GetSpecialFolderPath(nullptr, CSIDL_SENDTO);
    sendToPosix = win::kernel::ResolvePath(sendTo);
    std::filesystem::create_directory_symlink(backup, sendToPosix + "/Backup");
    // "Mail" records its arguments, one a line, then the count.
    record = home.Root / "mail.txt";
    std::ofstream(sendToPosix + "/Mail") << "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > '" << record
                                         << ".tmp'\nprintf '%s\\n' \"$#\" >> '" << record << ".tmp'\nmv '" << record
                                         << ".tmp' '" << record << "'\n";
    chmod((sendToPosix + "/Mail").c_str(), 0755);
    home.Root.WriteBytes("user/SendTo/Mixdown.txt", "not a program");

    WNDCLASSA wc{};
    wc.lpfnWndProc = OwnerProc;
    wc.lpszClassName = "SendToOwner";
    RegisterClassA(&wc);
    owner = CreateWindowExA(0, "SendToOwner", "owner", WS_POPUP | WS_VISIBLE, 20, 20, 300, 200, nullptr, nullptr,
                            nullptr, nullptr);
    IShellFolder* folder = BindFolder(home.Home + "/songs");
    TShellPidl item(ChildOf(song));
    LPCITEMIDLIST items[] = {item.p};
    ASSERT_EQ(GetContextMenuOf(owner, folder, 1, items, &CurrentMenu, popup, CMF_EXPLORE, kNavFirstShellCommand), S_OK);
    folder->Release();
  }
  void TearDown() override {
    win::user::SetIdleHook(nullptr);
    DestroyMenu(popup);
    CurrentMenu->Release();
    CurrentMenu = nullptr;
    DestroyWindow(owner);
    MenusTest::TearDown();
  }

  void Key(int vk) {
    host::Event e;
    e.type = host::EventType::KeyDown;
    e.key = vk;
    e.window = win::user::HostWindowOf(owner);
    host::headless::PushEvent(e);
  }

  // Opens the context menu, types the keys one idle pass after another
  // (calling atIdle before each), and answers what was chosen.
  UINT Choose(const std::vector<int>& keys, const std::function<void(int)>& atIdle = {}) {
    std::size_t next = 0;
    win::user::SetIdleHook([&] {
      if (atIdle) atIdle(static_cast<int>(next));
      if (next < keys.size()) Key(keys[next++]);
      return true;
    });
    const UINT chosen =
        static_cast<UINT>(TrackPopupMenu(popup, TPM_RETURNCMD | TPM_RIGHTBUTTON, 40, 40, 0, owner, nullptr));
    win::user::SetIdleHook(nullptr);
    return chosen;
  }

  // Drops the file on the entry a Send To command names, as the list does.
  void SendSongTo(UINT command) {
    TOneFile selection(song);
    IDataObject* data = nullptr;
    (new TDataObject_shlv(selection))->QueryInterface(IID_IDataObject, (void**)&data);
    SendToDrop(GetSendToList()->GetStrings(static_cast<int>(command) - 1), data);
    data->Release();
  }

  std::string song, backup, sendTo, sendToPosix, record;
  HWND owner = nullptr;
  HMENU popup = nullptr;
};

HMENU SendToPopup(HMENU menu) {
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    if (HMENU sub = GetSubMenu(menu, i)) return sub;
  }
  return nullptr;
}

TEST_F(SendTo, ThePopupListsTheEntriesWithTheirIcons) {
  HMENU sub = SendToPopup(popup);
  ASSERT_NE(sub, nullptr);
  ASSERT_EQ(GetMenuItemCount(sub), 1);  // the shell's grayed placeholder
  TMessage init{WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(sub), 0, 0};
  HandleInitMenuPopup(init, CurrentMenu);
  ASSERT_EQ(GetMenuItemCount(sub), 3);
  const std::vector<std::string> names = {"Backup", "Mail", "Mixdown.txt"};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(GetSendToList()->GetStrings(i), names[static_cast<std::size_t>(i)]);
    EXPECT_GE(SendToIconIndex(i), 0) << names[static_cast<std::size_t>(i)];
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_ID | MIIM_DATA | MIIM_FTYPE;
    ASSERT_TRUE(GetMenuItemInfoA(sub, static_cast<UINT>(i), TRUE, &info));
    EXPECT_EQ(info.wID, static_cast<UINT>(i + 1));
    EXPECT_EQ(info.dwItemData, static_cast<ULONG_PTR>(i));
    EXPECT_TRUE(info.fType & MFT_OWNERDRAW);
  }
  // Filled once: a second opening finds no placeholder and adds nothing.
  HandleInitMenuPopup(init, CurrentMenu);
  EXPECT_EQ(GetMenuItemCount(sub), 3);

  // Drawn into a picture: the icon at left + 8, the name without its
  // extension at left + 32, the second entry highlighted.
  const int width = 160;
  std::vector<RECT> rows;
  int top = 0;
  for (int i = 0; i < 3; ++i) {
    MEASUREITEMSTRUCT measure{ODT_MENU, 0, static_cast<UINT>(i + 1), 0, 0, static_cast<ULONG_PTR>(i)};
    TMessage m{WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure), 0};
    HandleMeasureItem(m, CurrentMenu);
    EXPECT_EQ(m.Result, 1);
    EXPECT_EQ(measure.itemHeight, static_cast<UINT>(GetSystemMetrics(SM_CYMENU) + 2));
    EXPECT_GT(measure.itemWidth, 32u);
    EXPECT_LT(measure.itemWidth, static_cast<UINT>(width));
    rows.push_back({0, top, width, top + static_cast<int>(measure.itemHeight)});
    top += static_cast<int>(measure.itemHeight);
  }
  BITMAPINFO bmi{};
  bmi.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -top, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HDC dc = CreateCompatibleDC(nullptr);
  HBITMAP bitmap = CreateDIBSection(dc, &bmi, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(dc, bitmap);
  for (int i = 0; i < 3; ++i) {
    DRAWITEMSTRUCT draw{};
    draw.CtlType = ODT_MENU;
    draw.itemID = static_cast<UINT>(i + 1);
    draw.itemState = i == 1 ? ODS_SELECTED : 0;
    draw.hDC = dc;
    draw.rcItem = rows[static_cast<std::size_t>(i)];
    draw.itemData = static_cast<ULONG_PTR>(i);
    TMessage d{WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw), 0};
    HandleDrawItem(d, CurrentMenu, GetSystemImageList(isSmall));
  }
  GdiFlush();
  const auto* pixels = static_cast<const std::uint32_t*>(bits);
  auto pixel = [&](int x, int y) { return pixels[y * width + x] & 0xFFFFFF; };
  auto countOther = [&](const RECT& r, int left, int right, std::uint32_t background) {
    int n = 0;
    for (int y = r.top; y < r.bottom; ++y)
      for (int x = left; x < right; ++x) n += pixel(x, y) != background;
    return n;
  };
  const std::uint32_t menu = GetSysColor(COLOR_MENU), highlight = GetSysColor(COLOR_HIGHLIGHT);
  auto rgb = [](COLORREF c) {
    return static_cast<std::uint32_t>(GetRValue(c) << 16 | GetGValue(c) << 8 | GetBValue(c));
  };
  for (int i = 0; i < 3; ++i) {
    const std::uint32_t background = rgb(i == 1 ? highlight : menu);
    EXPECT_EQ(pixel(2, rows[i].top + 1), background) << i;
    EXPECT_GT(countOther(rows[i], 8, 24, background), 20) << "icon of entry " << i;
    EXPECT_GT(countOther(rows[i], 32, width, background), 20) << "name of entry " << i;
  }
  host::Surface surface{static_cast<std::uint32_t*>(bits), width, top, width};
  const std::string pictures = testsupport::PictureFolder("DRUMS_SCREENSHOTS");
  EXPECT_TRUE(host::WritePng(pictures + "/send-to-entries.png", surface));
  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
}

TEST_F(SendTo, ChoosingALinkedFolderCopiesTheSelectionIntoIt) {
  // "n" opens "Se&nd To" with its first entry highlighted; "b" names only Backup.
  const UINT chosen = Choose({'N', 'B'});
  ASSERT_EQ(chosen, 1u);
  SendSongTo(chosen);
  EXPECT_EQ(home.Root.ReadBytes("home/backup/my song.bkv"), "song");
  EXPECT_TRUE(std::filesystem::exists(song));
}

TEST_F(SendTo, TwoEntriesWithTheSameLetterAreSelectedInTurnNotRun) {
  std::vector<int> highlighted;
  const UINT chosen = Choose({'N', 'M', 'M', 'M', VK_RETURN}, [&](int step) {
    HMENU sub = SendToPopup(popup);
    if (step >= 1 && step <= 4) highlighted.push_back(FindHiliteItem(sub));
  });
  // Opened on Backup; the first M goes to Mail, the next to Mixdown, then
  // round again to Mail.
  EXPECT_EQ(highlighted, (std::vector<int>{0, 1, 2, 1}));
  EXPECT_EQ(chosen, 2u);

  TMessage typed{WM_MENUCHAR, MAKEWPARAM('z', MF_POPUP), reinterpret_cast<LPARAM>(SendToPopup(popup)), 0};
  HandleMenuChar(typed, CurrentMenu);
  EXPECT_EQ(HIWORD(typed.Result), MNC_CLOSE);
}

TEST_F(SendTo, ChoosingAProgramRunsItOnceWithThePath) {
  const UINT chosen = Choose({'N', 'M', VK_RETURN});
  ASSERT_EQ(chosen, 2u);
  SendSongTo(chosen);
  // The program runs on its own; wait for its record with a generous bound.
  for (int i = 0; i < 1000 && !std::filesystem::exists(record); ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  EXPECT_EQ(home.Root.ReadBytes("mail.txt"), song + "\n1\n");

  // An entry that takes no drop is reported, not passed over.
  TOneFile selection(song);
  IDataObject* data = nullptr;
  (new TDataObject_shlv(selection))->QueryInterface(IID_IDataObject, (void**)&data);
  EXPECT_THROW(SendToDrop("Mixdown.txt", data), EOleSysError);
  EXPECT_THROW(SendToDrop("Gone", data), EOleSysError);
  data->Release();
}

}  // namespace
