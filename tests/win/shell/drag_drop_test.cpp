// OLE drag and drop: the modal loop between two windows, folder drop
// targets, and files dropped from other programs.
#include <filesystem>

#include "platform/host/headless.h"
#include "platform/win/ole2.h"
#include "platform/win/shell/data_object.h"
#include "platform/win/shell/folder_drop_target.h"
#include "platform/win/user/drop_files.h"
#include "platform/win/user/idle_hook.h"
#include "platform/win/windows.h"
#include "shell_fixture.h"

namespace shell_test {
namespace {

// Drops when the left button is up, cancels on Escape.
class ButtonSource final : public IDropSource {
 public:
  HRESULT QueryInterface(REFIID, void** ppv) override {
    *ppv = nullptr;
    return E_NOINTERFACE;
  }
  ULONG AddRef() override { return 1; }
  ULONG Release() override { return 1; }
  HRESULT QueryContinueDrag(BOOL escape, DWORD keys) override {
    if (escape) return DRAGDROP_S_CANCEL;
    return (keys & MK_LBUTTON) ? S_OK : DRAGDROP_S_DROP;
  }
  HRESULT GiveFeedback(DWORD effect) override {
    feedback.push_back(effect);
    return DRAGDROP_S_USEDEFAULTCURSORS;
  }
  std::vector<DWORD> feedback;
};

// Records what reaches it and answers with the folder rules on one volume.
class RecordingTarget final : public IDropTarget {
 public:
  HRESULT QueryInterface(REFIID, void** ppv) override {
    *ppv = nullptr;
    return E_NOINTERFACE;
  }
  ULONG AddRef() override { return ++references; }
  ULONG Release() override { return --references; }
  HRESULT DragEnter(IDataObject* data, DWORD keys, POINTL, DWORD* effect) override {
    calls.push_back("enter");
    entered = data;
    *effect = win::shell::DropEffectFor(keys, true, *effect);
    return S_OK;
  }
  HRESULT DragOver(DWORD keys, POINTL, DWORD* effect) override {
    calls.push_back("over");
    *effect = win::shell::DropEffectFor(keys, true, *effect);
    return S_OK;
  }
  HRESULT DragLeave() override {
    calls.push_back("leave");
    return S_OK;
  }
  HRESULT Drop(IDataObject* data, DWORD keys, POINTL pt, DWORD* effect) override {
    calls.push_back("drop");
    dropPoint = pt;
    dropped = data;
    *effect = win::shell::DropEffectFor(keys, true, *effect);
    dropEffect = *effect;
    FORMATETC format{CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    STGMEDIUM medium{};
    if (data->GetData(&format, &medium) == S_OK) {
      paths = win::shell::PathsOfDropFiles(GlobalLock(medium.hGlobal), GlobalSize(medium.hGlobal));
      GlobalUnlock(medium.hGlobal);
      ReleaseStgMedium(&medium);
    }
    return S_OK;
  }
  ULONG references = 1;
  std::vector<std::string> calls;
  IDataObject* entered = nullptr;
  IDataObject* dropped = nullptr;
  POINTL dropPoint{};
  DWORD dropEffect = DROPEFFECT_NONE;
  std::vector<std::string> paths;
};

class DragDropTest : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    host::headless::SetScreen({0, 0, 1280, 1024}, {0, 0, 1280, 984});
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.lpszClassName = "ShellDragTestWindow";
    RegisterClassA(&wc);
    source = CreateWindowExA(0, "ShellDragTestWindow", "source", WS_POPUP | WS_VISIBLE, 0, 0, 200, 200, nullptr,
                             nullptr, nullptr, nullptr);
    target = CreateWindowExA(0, "ShellDragTestWindow", "target", WS_POPUP | WS_VISIBLE, 400, 0, 200, 200, nullptr,
                             nullptr, nullptr, nullptr);
    ASSERT_EQ(RegisterDragDrop(target, &recorder), S_OK);
    MakeFile(root_ + "/a.wav");
    data = win::shell::CreateDropFilesDataObject({root_ + "/a.wav"});
    Pump();
  }
  void TearDown() override {
    RevokeDragDrop(target);
    DestroyWindow(source);
    DestroyWindow(target);
    data->Release();
    Pump();
    ShellTest::TearDown();
  }

  static void Pump() {
    MSG m;
    for (int guard = 0; guard < 1000 && PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE); ++guard) DispatchMessageA(&m);
  }

  static void Mouse(HWND to, UINT message, DWORD keys, int x, int y) {
    PostMessageA(to, message, keys, MAKELPARAM(x, y));
  }

  HWND source = nullptr, target = nullptr;
  RecordingTarget recorder;
  ButtonSource dropSource;
  IDataObject* data = nullptr;
};

TEST_F(DragDropTest, DropsWithTheEffectTheKeysAskFor) {
  struct Case {
    DWORD keys;
    DWORD allowed;
    DWORD effect;
  };
  const std::vector<Case> cases = {
      {0, DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK, DROPEFFECT_MOVE},
      {MK_CONTROL, DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK, DROPEFFECT_COPY},
      {MK_SHIFT, DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK, DROPEFFECT_MOVE},
      {MK_CONTROL | MK_SHIFT, DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK, DROPEFFECT_LINK},
      {0, DROPEFFECT_COPY, DROPEFFECT_COPY},
  };
  for (const Case& c : cases) {
    recorder.calls.clear();
    Mouse(source, WM_MOUSEMOVE, MK_LBUTTON | c.keys, 50, 50);
    Mouse(target, WM_MOUSEMOVE, MK_LBUTTON | c.keys, 20, 30);
    Mouse(target, WM_MOUSEMOVE, MK_LBUTTON | c.keys, 25, 30);
    Mouse(target, WM_LBUTTONUP, c.keys, 25, 30);
    DWORD effect = 99;
    EXPECT_EQ(DoDragDrop(data, &dropSource, c.allowed, &effect), DRAGDROP_S_DROP);
    EXPECT_EQ(effect, c.effect) << c.keys;
    // The release in place is no move: the target hears of no hover
    // without the button before it is dropped on.
    EXPECT_EQ(recorder.calls, (std::vector<std::string>{"enter", "over", "drop"}));
    EXPECT_EQ(recorder.dropped, data);
    EXPECT_EQ(recorder.dropPoint.x, 425);
    EXPECT_EQ(recorder.dropPoint.y, 30);
  }
  EXPECT_EQ(dropSource.feedback.back(), DROPEFFECT_COPY);
  EXPECT_EQ(recorder.references, 2u);  // only the registration's own
}

TEST_F(DragDropTest, EscapeCancelsAndLeavesTheTarget) {
  Mouse(target, WM_MOUSEMOVE, MK_LBUTTON, 20, 30);
  PostMessageA(target, WM_KEYDOWN, VK_ESCAPE, 0);
  Mouse(target, WM_LBUTTONUP, 0, 20, 30);
  DWORD effect = 99;
  EXPECT_EQ(DoDragDrop(data, &dropSource, DROPEFFECT_COPY, &effect), DRAGDROP_S_CANCEL);
  EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_NONE));
  EXPECT_EQ(recorder.calls, (std::vector<std::string>{"enter", "leave"}));
  Pump();  // the button-up left behind goes to its window
}

TEST_F(DragDropTest, DroppingOutsideAnyTargetDropsNothing) {
  Mouse(target, WM_MOUSEMOVE, MK_LBUTTON, 20, 30);
  Mouse(source, WM_MOUSEMOVE, MK_LBUTTON, 20, 30);
  Mouse(source, WM_LBUTTONUP, 0, 20, 30);
  DWORD effect = 99;
  EXPECT_EQ(DoDragDrop(data, &dropSource, DROPEFFECT_COPY, &effect), DRAGDROP_S_CANCEL);
  EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_NONE));
  EXPECT_EQ(recorder.calls, (std::vector<std::string>{"enter", "leave"}));
}

TEST_F(DragDropTest, TheIdleHookKeepsRunningDuringTheDrag) {
  int idleCalls = 0;
  win::user::SetIdleHook([&] {
    // The idle work of the program goes on; here it also ends the drag.
    if (++idleCalls == 1) {
      Mouse(target, WM_MOUSEMOVE, MK_LBUTTON, 20, 30);
      Mouse(target, WM_LBUTTONUP, 0, 20, 30);
    }
    return true;
  });
  DWORD effect = 0;
  EXPECT_EQ(DoDragDrop(data, &dropSource, DROPEFFECT_COPY, &effect), DRAGDROP_S_DROP);
  win::user::SetIdleHook(nullptr);
  EXPECT_GE(idleCalls, 1);
  EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_COPY));
}

TEST_F(DragDropTest, RegistrationRules) {
  EXPECT_EQ(RegisterDragDrop(target, &recorder), DRAGDROP_E_ALREADYREGISTERED);
  EXPECT_EQ(RevokeDragDrop(source), DRAGDROP_E_NOTREGISTERED);
  EXPECT_EQ(RegisterDragDrop(nullptr, &recorder), DRAGDROP_E_INVALIDHWND);
  // A window destroyed while registered releases its target.
  RecordingTarget other;
  HWND temporary = CreateWindowExA(0, "ShellDragTestWindow", "temporary", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                   nullptr, nullptr);
  ASSERT_EQ(RegisterDragDrop(temporary, &other), S_OK);
  EXPECT_EQ(other.references, 2u);
  DestroyWindow(temporary);
  EXPECT_EQ(other.references, 1u);
  EXPECT_EQ(RevokeDragDrop(temporary), DRAGDROP_E_NOTREGISTERED);
}

TEST_F(DragDropTest, FilesFromOtherProgramsReachTheTargetUnderThePointer) {
  win::user::DeliverDroppedFiles({450, 60}, {root_ + "/a.wav"});
  Pump();
  EXPECT_EQ(recorder.calls, (std::vector<std::string>{"enter", "drop"}));
  EXPECT_EQ(recorder.paths, std::vector<std::string>{Shown(root_ + "/a.wav")});
  EXPECT_EQ(recorder.dropPoint.x, 450);
  EXPECT_EQ(recorder.dropPoint.y, 60);
  // The other program keeps its file: a drop from outside is a copy even
  // where a drag on one volume would move.
  EXPECT_EQ(recorder.dropEffect, static_cast<DWORD>(DROPEFFECT_COPY));
}

TEST_F(DragDropTest, FolderTargetsCopyMoveAndNeverOverwrite) {
  std::filesystem::create_directories(root_ + "/kits");
  Pidl list;
  ASSERT_EQ(Parse(root_, &list), S_OK);
  Ref<IShellFolder> folder;
  ASSERT_EQ(desktop->BindToObject(list.p, nullptr, IID_IShellFolder, folder.OutVoid()), S_OK);
  Pidl kits;
  std::wstring name = L"kits";
  ASSERT_EQ(folder->ParseDisplayName(nullptr, nullptr, name.data(), nullptr, kits.Out(), nullptr), S_OK);
  LPCITEMIDLIST items[] = {kits.p};
  Ref<IDropTarget> intoKits, intoItself;
  ASSERT_EQ(folder->GetUIObjectOf(nullptr, 1, items, IID_IDropTarget, nullptr, intoKits.OutVoid()), S_OK);
  ASSERT_EQ(folder->CreateViewObject(nullptr, IID_IDropTarget, intoItself.OutVoid()), S_OK);

  const DWORD all = DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK;
  DWORD effect = all;
  ASSERT_EQ(intoKits->DragEnter(data, MK_CONTROL, {0, 0}, &effect), S_OK);
  EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_COPY));
  effect = all;
  ASSERT_EQ(intoKits->Drop(data, MK_CONTROL, {0, 0}, &effect), S_OK);
  EXPECT_TRUE(std::filesystem::exists(root_ + "/kits/a.wav"));
  EXPECT_TRUE(std::filesystem::exists(root_ + "/a.wav"));

  effect = all;
  ASSERT_EQ(intoItself->Drop(data, MK_CONTROL, {0, 0}, &effect), S_OK);
  EXPECT_TRUE(std::filesystem::exists(root_ + "/Copy of a.wav"));

  // No key on one volume moves; a name taken in the target gets a new one.
  effect = all;
  ASSERT_EQ(intoKits->Drop(data, 0, {0, 0}, &effect), S_OK);
  EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_MOVE));
  EXPECT_FALSE(std::filesystem::exists(root_ + "/a.wav"));
  EXPECT_TRUE(std::filesystem::exists(root_ + "/kits/Copy of a.wav"));
}

TEST(DropEffects, KeysAndVolumes) {
  const DWORD all = DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK;
  EXPECT_EQ(win::shell::DropEffectFor(0, false, all), static_cast<DWORD>(DROPEFFECT_COPY));
  EXPECT_EQ(win::shell::DropEffectFor(0, true, all), static_cast<DWORD>(DROPEFFECT_MOVE));
  EXPECT_EQ(win::shell::DropEffectFor(MK_ALT, true, all), static_cast<DWORD>(DROPEFFECT_LINK));
  EXPECT_EQ(win::shell::DropEffectFor(MK_SHIFT, false, DROPEFFECT_LINK), static_cast<DWORD>(DROPEFFECT_LINK));
  EXPECT_EQ(win::shell::DropEffectFor(0, true, DROPEFFECT_NONE), static_cast<DWORD>(DROPEFFECT_NONE));
}

}  // namespace
}  // namespace shell_test
