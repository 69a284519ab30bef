// The open and save dialogs: driven through their controls while they run,
// they return the chosen file and leave the current directory alone.
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>

#include "controls_fixture.h"
#include "platform/win/commdlg.h"
#include "platform/win/drums_ext.h"
#include "platform/win/user/message_box.h"

using namespace controlstest;
namespace fs = std::filesystem;

namespace {

class FileDialogTest : public ControlsTest {
 protected:
  void SetUp() override {
    ControlsTest::SetUp();
    dir = fs::temp_directory_path() / ("file_dialog_test_" + std::to_string(getpid()));
    fs::create_directories(dir / "kits");
    for (const char* name : {"kits/Garage.kit", "kits/Studio.kit", "kits/notes.txt", "song.drm"})
      std::ofstream(dir / name) << "x";
    char cwd[1024] = {};
    GetCurrentDirectoryA(sizeof cwd, cwd);
    startDir = cwd;
  }
  void TearDown() override {
    win::user::SetMessageBoxAnswer(nullptr);
    win::user::TakeMessageBoxRecords();
    ControlsTest::TearDown();
    fs::remove_all(dir);
  }
  std::string CurrentDir() {
    char cwd[1024] = {};
    GetCurrentDirectoryA(sizeof cwd, cwd);
    return cwd;
  }
  // Runs `steps` one by one, each when the dialog is idle; returns at the end.
  void WhileOpen(std::vector<std::function<void(HWND)>> steps) {
    auto next = std::make_shared<size_t>(0);  // the hook may be copied between calls
    win::user::SetIdleHook([steps, next]() {
      HWND dlg = FindWindowA("CommonDialogFrame", nullptr);
      if (!dlg || !IsWindowVisible(dlg) || *next >= steps.size()) return true;
      steps[(*next)++](dlg);
      PostMessageA(dlg, WM_NULL, 0, 0);  // the next step runs at the next idle time
      return false;
    });
  }
  std::vector<std::string> Items(HWND list) {
    std::vector<std::string> out;
    for (int i = 0; i < SendMessageA(list, LB_GETCOUNT, 0, 0); i++) {
      char buf[256] = {};
      SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(buf));
      out.push_back(buf);
    }
    return out;
  }
  OPENFILENAMEA Ofn(char* file, DWORD size, const char* filter, DWORD flags) {
    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = parent;
    ofn.lpstrFilter = filter;
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = file;
    ofn.nMaxFile = size;
    ofn.Flags = flags;
    return ofn;
  }

  fs::path dir;
  std::string startDir;
};

TEST_F(FileDialogTest, OpenReturnsTheChosenFileAndKeepsTheCurrentDirectory) {
  static const char filter[] = "Kits (*.kit)\0*.kit\0All files\0*.*\0";
  char file[MAX_PATH] = {};
  char title[64] = {};
  OPENFILENAMEA ofn = Ofn(file, sizeof file, filter, OFN_FILEMUSTEXIST | OFN_HIDEREADONLY);
  std::string initial = dir.string();
  ofn.lpstrInitialDir = initial.c_str();
  ofn.lpstrFileTitle = title;
  ofn.nMaxFileTitle = sizeof title;
  std::vector<std::string> folders, kits, all;
  bool ownerDisabled = false;
  WhileOpen({
      [&](HWND dlg) {
        ownerDisabled = !IsWindowEnabled(parent);
        folders = Items(GetDlgItem(dlg, lst2));
        // Into "kits" by a double-click on its folder entry.
        HWND list = GetDlgItem(dlg, lst2);
        LRESULT i = SendMessageA(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>("kits"));
        SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(i), 0);
        SendMessageA(dlg, WM_COMMAND, MAKEWPARAM(lst2, LBN_DBLCLK), reinterpret_cast<LPARAM>(list));
      },
      [&](HWND dlg) {
        kits = Items(GetDlgItem(dlg, lst1));
        HWND types = GetDlgItem(dlg, cmb1);
        SendMessageA(types, CB_SETCURSEL, 1, 0);
        SendMessageA(dlg, WM_COMMAND, MAKEWPARAM(cmb1, CBN_SELCHANGE), reinterpret_cast<LPARAM>(types));
        all = Items(GetDlgItem(dlg, lst1));
        // The user clicks "Studio.kit" and then OK.
        HWND files = GetDlgItem(dlg, lst1);
        RECT r{};
        SendMessageA(files, LB_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&r));
        AdvanceMs(1000);
        ClickAt(files, 10, (r.top + r.bottom) / 2);
      },
      [&](HWND dlg) { SendMessageA(GetDlgItem(dlg, IDOK), BM_CLICK, 0, 0); },
  });
  ASSERT_TRUE(GetOpenFileNameA(&ofn));
  EXPECT_TRUE(ownerDisabled);
  EXPECT_TRUE(IsWindowEnabled(parent));
  EXPECT_EQ(folders, (std::vector<std::string>{"..", "kits"}));
  EXPECT_EQ(kits, (std::vector<std::string>{"Garage.kit", "Studio.kit"}));
  EXPECT_EQ(all, (std::vector<std::string>{"Garage.kit", "notes.txt", "Studio.kit"}));
  std::string chosen = file;
  EXPECT_EQ(chosen.substr(chosen.size() - 15), "kits\\Studio.kit");
  EXPECT_EQ(std::string(file + ofn.nFileOffset), "Studio.kit");
  EXPECT_EQ(std::string(file + ofn.nFileExtension), "kit");
  EXPECT_STREQ(title, "Studio.kit");
  EXPECT_EQ(ofn.nFilterIndex, 2u);
  EXPECT_EQ(CurrentDir(), startDir) << "the dialog never changes the current directory";
  EXPECT_EQ(GetFileAttributesA(file) & FILE_ATTRIBUTE_DIRECTORY, 0u);
}

TEST_F(FileDialogTest, AMissingFileIsRefusedWhenItMustExist) {
  char file[MAX_PATH] = {};
  OPENFILENAMEA ofn = Ofn(file, sizeof file, "Kits\0*.kit\0", OFN_FILEMUSTEXIST);
  std::string initial = (dir / "kits").string();
  ofn.lpstrInitialDir = initial.c_str();
  ofn.lpstrDefExt = "kit";
  win::user::SetMessageBoxAnswer([](const win::user::MessageBoxRecord&) { return IDOK; });
  WhileOpen({
      [&](HWND dlg) {
        SetWindowTextA(GetDlgItem(dlg, edt1), "Missing");
        SendMessageA(GetDlgItem(dlg, IDOK), BM_CLICK, 0, 0);
      },
      [&](HWND dlg) {
        // Still open after the message; the default extension finds "Garage.kit".
        SetWindowTextA(GetDlgItem(dlg, edt1), "Garage");
        SendMessageA(GetDlgItem(dlg, IDOK), BM_CLICK, 0, 0);
      },
  });
  ASSERT_TRUE(GetOpenFileNameA(&ofn));
  auto boxes = win::user::TakeMessageBoxRecords();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_NE(boxes[0].text.find("File not found"), std::string::npos) << boxes[0].text;
  EXPECT_EQ(std::string(file + ofn.nFileOffset), "Garage.kit");
}

TEST_F(FileDialogTest, SaveAsksBeforeReplacingAndAddsTheDefaultExtension) {
  char file[MAX_PATH] = {};
  OPENFILENAMEA ofn = Ofn(file, sizeof file, "Songs\0*.drm\0", OFN_OVERWRITEPROMPT);
  std::string initial = dir.string();
  ofn.lpstrInitialDir = initial.c_str();
  ofn.lpstrDefExt = "drm";
  int answers = 0;
  win::user::SetMessageBoxAnswer([&](const win::user::MessageBoxRecord&) { return answers++ == 0 ? IDNO : IDYES; });
  WhileOpen({
      [&](HWND dlg) {
        SetWindowTextA(GetDlgItem(dlg, edt1), "song");
        SendMessageA(GetDlgItem(dlg, IDOK), BM_CLICK, 0, 0);  // "No": stays open
      },
      [&](HWND dlg) {
        SetFocus(GetDlgItem(dlg, edt1));
        SendMessageA(GetDlgItem(dlg, IDOK), BM_CLICK, 0, 0);  // "Yes"
      },
  });
  ASSERT_TRUE(GetSaveFileNameA(&ofn));
  EXPECT_EQ(answers, 2);
  EXPECT_EQ(std::string(file + ofn.nFileOffset), "song.drm");
  EXPECT_EQ(CurrentDir(), startDir);

  // A new name needs no question.
  answers = 0;
  WhileOpen({[&](HWND dlg) {
    SetWindowTextA(GetDlgItem(dlg, edt1), "new");
    SendMessageA(GetDlgItem(dlg, IDOK), BM_CLICK, 0, 0);
  }});
  ASSERT_TRUE(GetSaveFileNameA(&ofn));
  EXPECT_EQ(answers, 0);
  EXPECT_EQ(std::string(file + ofn.nFileOffset), "new.drm");
}

TEST_F(FileDialogTest, CancelAndASmallBuffer) {
  char file[MAX_PATH] = {};
  OPENFILENAMEA ofn = Ofn(file, sizeof file, nullptr, 0);
  std::string initial = dir.string();
  ofn.lpstrInitialDir = initial.c_str();
  WhileOpen({[&](HWND dlg) { PostMessageA(dlg, WM_KEYDOWN, VK_ESCAPE, 0); }});
  EXPECT_FALSE(GetOpenFileNameA(&ofn));
  EXPECT_EQ(CommDlgExtendedError(), 0u);

  char tiny[4] = {};
  OPENFILENAMEA small = Ofn(tiny, sizeof tiny, nullptr, 0);
  small.lpstrInitialDir = initial.c_str();
  WhileOpen({[&](HWND dlg) {
    SetWindowTextA(GetDlgItem(dlg, edt1), "song.drm");
    SendMessageA(GetDlgItem(dlg, IDOK), BM_CLICK, 0, 0);
  }});
  EXPECT_FALSE(GetOpenFileNameA(&small));
  EXPECT_EQ(CommDlgExtendedError(), static_cast<DWORD>(FNERR_BUFFERTOOSMALL));
  EXPECT_GT(*reinterpret_cast<WORD*>(tiny), 9) << "the size the name needs";
}

}  // namespace

namespace {

// What the hook of HookTest saw.
struct HookLog {
  std::vector<std::string> events;
  std::vector<std::string> paths;  // CDM_GETFILEPATH at each selection change
  int paints = 0;
  HWND child = nullptr;
};
HookLog* hookLog = nullptr;

UINT_PTR CALLBACK LoggingHook(HWND child, UINT msg, WPARAM, LPARAM lp) {
  switch (msg) {
    case WM_INITDIALOG: {
      hookLog->child = child;
      hookLog->events.push_back("init");
      EXPECT_EQ(reinterpret_cast<OPENFILENAMEA*>(lp)->lCustData, 42);
      RECT r;
      GetClientRect(child, &r);
      SetWindowPos(child, nullptr, 0, 0, 100, r.bottom, SWP_NOMOVE | SWP_NOZORDER);
      return 1;
    }
    case WM_NOTIFY: {
      auto* n = reinterpret_cast<OFNOTIFYA*>(lp);
      EXPECT_EQ(n->hdr.hwndFrom, GetParent(child));
      if (n->hdr.code == CDN_INITDONE) hookLog->events.push_back("initdone");
      if (n->hdr.code == CDN_FOLDERCHANGE) hookLog->events.push_back("folder");
      if (n->hdr.code == CDN_TYPECHANGE) hookLog->events.push_back("type");
      if (n->hdr.code == CDN_SELCHANGE) {
        hookLog->events.push_back("selection");
        char path[MAX_PATH] = {};
        LRESULT need = SendMessageA(GetParent(child), CDM_GETFILEPATH, sizeof path, reinterpret_cast<LPARAM>(path));
        EXPECT_EQ(need, static_cast<LRESULT>(std::strlen(path) + 1));
        hookLog->paths.push_back(path);
      }
      return 0;
    }
    case WM_PAINT: {
      hookLog->paints++;
      PAINTSTRUCT ps;
      BeginPaint(child, &ps);
      EndPaint(child, &ps);
      return 1;
    }
    default: return 0;
  }
}

TEST_F(FileDialogTest, AHookGetsItsChildWindowTheNotificationsAndTheSelectedPath) {
  HookLog log;
  hookLog = &log;
  char file[MAX_PATH] = {};
  OPENFILENAMEA ofn = Ofn(file, sizeof file, "Kits\0*.kit\0All\0*.*\0", OFN_ENABLEHOOK | OFN_EXPLORER);
  std::string initial = dir.string();
  ofn.lpstrInitialDir = initial.c_str();
  ofn.lpfnHook = LoggingHook;
  ofn.lCustData = 42;
  int clientWidth = 0, childLeft = -1;
  char shortPath[8] = {};
  LRESULT shortNeed = 0;
  WhileOpen({
      [&](HWND dlg) {
        RECT r;
        GetClientRect(dlg, &r);
        clientWidth = r.right;
        RECT child;
        GetWindowRect(log.child, &child);
        POINT p{child.left, child.top};
        ScreenToClient(dlg, &p);
        childLeft = p.x;
        HWND list = GetDlgItem(dlg, lst2);
        LRESULT i = SendMessageA(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>("kits"));
        SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(i), 0);
        SendMessageA(dlg, WM_COMMAND, MAKEWPARAM(lst2, LBN_DBLCLK), reinterpret_cast<LPARAM>(list));
      },
      [&](HWND dlg) {
        HWND files = GetDlgItem(dlg, lst1);
        SendMessageA(files, LB_SETCURSEL, 1, 0);
        SendMessageA(dlg, WM_COMMAND, MAKEWPARAM(lst1, LBN_SELCHANGE), reinterpret_cast<LPARAM>(files));
        // A buffer too small gets the start of the path and the size needed.
        shortNeed = SendMessageA(dlg, CDM_GETFILEPATH, sizeof shortPath, reinterpret_cast<LPARAM>(shortPath));
        SendMessageA(GetDlgItem(dlg, IDOK), BM_CLICK, 0, 0);
      },
  });
  ASSERT_TRUE(GetOpenFileNameA(&ofn));
  hookLog = nullptr;
  EXPECT_EQ(log.events, (std::vector<std::string>{"init", "initdone", "folder", "selection"}));
  EXPECT_EQ(clientWidth, 424 + 100) << "the dialog grew by the child's width";
  EXPECT_EQ(childLeft, 424);
  EXPECT_GT(log.paints, 0) << "the hook paints its child";
  ASSERT_EQ(log.paths.size(), 1u);
  EXPECT_EQ(log.paths[0], file) << "the selected path is the one the dialog returns";
  EXPECT_EQ(shortNeed, static_cast<LRESULT>(std::strlen(file) + 1));
  EXPECT_EQ(std::string(shortPath), std::string(file).substr(0, sizeof shortPath - 1));
  EXPECT_FALSE(IsWindow(log.child)) << "the child goes with the dialog";
}

}  // namespace
