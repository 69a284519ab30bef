// Dragging shell items: the drop source's rules, the drop targets'
// forwarding, the UI objects of absolute lists, and a whole drag from a
// list window onto a folder through the platform's drag loop.
#include <filesystem>

#include "TransferFixture.h"
#include "platform/host/headless.h"
#include "platform/vcl/Forms.h"

namespace {

TEST_F(TransferTest, TheDropSourceFollowsItsDragButton) {
  struct Case {
    TNavDragButton button;
    BOOL escape;
    DWORD keys;
    HRESULT expected;
  };
  const std::vector<Case> cases = {
      {dbLeft, FALSE, MK_LBUTTON, S_OK},
      {dbLeft, FALSE, MK_LBUTTON | MK_CONTROL, S_OK},
      {dbLeft, FALSE, 0, DRAGDROP_S_DROP},
      {dbLeft, TRUE, MK_LBUTTON, DRAGDROP_S_CANCEL},
      {dbLeft, FALSE, MK_LBUTTON | MK_RBUTTON, DRAGDROP_S_CANCEL},
      {dbRight, FALSE, MK_RBUTTON, S_OK},
      {dbRight, FALSE, MK_RBUTTON | MK_LBUTTON, DRAGDROP_S_CANCEL},
      {dbRight, FALSE, MK_SHIFT, DRAGDROP_S_DROP},
      {dbMiddle, FALSE, MK_MBUTTON, S_OK},
      {dbMiddle, FALSE, MK_MBUTTON | MK_LBUTTON, DRAGDROP_S_CANCEL},
  };
  for (const Case& c : cases) {
    TDropSource_shlvtv source(c.button);
    EXPECT_EQ(source.QueryContinueDrag(c.escape, c.keys), c.expected) << c.button << " " << c.keys;
    EXPECT_EQ(source.GiveFeedback(DROPEFFECT_COPY), DRAGDROP_S_USEDEFAULTCURSORS);
  }
}

// An owner whose drag operations fail.
class TFailingOwner : public INavOleDropOwner {
 public:
  HRESULT DragEnter(IDataObject*, DWORD, DWORD& effect, POINTL) override {
    effect = DROPEFFECT_COPY;
    throw Exception("The folder went away");
  }
  HRESULT DragOver(DWORD, POINTL, DWORD& effect) override {
    effect = DROPEFFECT_MOVE;
    return S_OK;
  }
  HRESULT DragLeave() override { throw std::runtime_error("not the library's"); }
  HRESULT Drop(IDataObject*, DWORD, DWORD&, POINTL) override { Abort(); }
};

TEST_F(TransferTest, NoExceptionLeavesADropTarget) {
  win::user::SetMessageBoxAnswer([](const win::user::MessageBoxRecord&) { return IDOK; });
  TFailingOwner owner;
  IDropTarget* target = nullptr;
  ASSERT_EQ((new TDropTarget_shlv(&owner))->QueryInterface(IID_IDropTarget, (void**)&target), S_OK);
  DWORD effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
  EXPECT_EQ(target->DragEnter(nullptr, 0, {1, 2}, &effect), E_UNEXPECTED);
  EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_NONE));
  effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
  EXPECT_EQ(target->DragOver(0, {1, 2}, &effect), S_OK);
  EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_MOVE));
  EXPECT_EQ(target->DragLeave(), E_UNEXPECTED);
  effect = DROPEFFECT_COPY;
  EXPECT_EQ(target->Drop(nullptr, 0, {1, 2}, &effect), E_UNEXPECTED);
  EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_NONE));
  // The library's failure is reported to the user; the silent abort is not.
  const auto boxes = win::user::TakeMessageBoxRecords();
  ASSERT_GE(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, "The folder went away.");
  for (const auto& box : boxes) EXPECT_EQ(box.text.find("aborted"), std::string::npos);
  EXPECT_EQ(target->Release(), 0u);
}

TEST_F(TransferTest, SplitPidlGivesTheParentFolderAndTheLastItem) {
  home.MakeFile("beats/kick.wav");
  // A longer list: its parent folder is bound and names the item.
  TShellPidl kick;
  ASSERT_EQ(PathToPidl(home.Home + "/beats/kick.wav", &kick.p), S_OK);
  IShellFolder* folder = nullptr;
  TShellPidl parent, child;
  ASSERT_EQ(SplitPidl(kick.p, &folder, &parent.p, &child.p), S_OK);
  EXPECT_EQ(PidlToPath(parent.p), win::kernel::ToWindowsPath(home.Home + "/beats"));
  EXPECT_EQ(GetDisplayName(folder, child.p, nkInFolder), "kick.wav");
  EXPECT_EQ(TNavIdListArray(child.p).GetCount(), 1);
  folder->Release();

  // The desktop is the desktop directory, split the same way.
  TShellPidl deskParent, deskChild;
  ASSERT_EQ(SplitPidl(nullptr, &folder, &deskParent.p, &deskChild.p), S_OK);
  EXPECT_EQ(PidlToPath(deskParent.p), win::kernel::ToWindowsPath(home.Home));
  EXPECT_EQ(GetDisplayName(folder, deskChild.p, nkInFolder), "Desktop");
  folder->Release();
  TShellPidl partsParent, partsChild;
  ASSERT_EQ(GetDesktopDirParts(&partsParent.p, &partsChild.p), S_OK);
  EXPECT_EQ(ComparePidls(partsParent.p, deskParent.p), 0);

  // A one-item list: the desktop folder and no parent list.
  TShellPidl drives;
  ASSERT_EQ(GetSpecialFolderPidl(nullptr, CSIDL_DRIVES, &drives.p), S_OK);
  TShellPidl noParent, myComputer;
  ASSERT_EQ(SplitPidl(drives.p, &folder, &noParent.p, &myComputer.p), S_OK);
  EXPECT_EQ(noParent.p, nullptr);
  EXPECT_EQ(PidlSize(myComputer.p), PidlSize(drives.p));
  folder->Release();

  // The desktop directory's own drop target takes files.
  IDropTarget* desktopTarget = nullptr;
  ASSERT_EQ(GetDesktopDropTarget(&desktopTarget), S_OK);
  desktopTarget->Release();
}

// A list window: a button press on it drags its selection with the real
// drag loop, as a shell list does.
class TListWindow {
 public:
  explicit TListWindow(INavShellSelection& selection) : FSelection(selection) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = &TListWindow::Proc;
    wc.lpszClassName = "ShellTransferListWindow";
    RegisterClassA(&wc);
    Handle = CreateWindowExA(0, wc.lpszClassName, "list", WS_POPUP | WS_VISIBLE, 0, 0, 200, 200, nullptr, nullptr,
                             nullptr, nullptr);
    SetWindowLongPtrA(Handle, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  }
  ~TListWindow() { DestroyWindow(Handle); }

  HWND Handle;
  HRESULT Result = E_FAIL;
  DWORD Effect = 0;

 private:
  static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto* self = reinterpret_cast<TListWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (msg == WM_LBUTTONDOWN && self) {
      self->BeginOleDrag();
      return 0;
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
  }
  void BeginOleDrag() {
    IDataObject* data = nullptr;
    IDropSource* source = nullptr;
    (new TDataObject_shlv(FSelection))->QueryInterface(IID_IDataObject, (void**)&data);
    (new TDropSource_shlvtv(dbLeft))->QueryInterface(IID_IDropSource, (void**)&source);
    Result = DoDragDrop(data, source, GetAllowedDropEffects(data), &Effect);
    source->Release();
    data->Release();
  }
  INavShellSelection& FSelection;
};

// A folder window: drops go to the folder's own drop target, limited to
// what the dragged items allow, as the shell list's drop does.
class TFolderWindow : public INavOleDropOwner {
 public:
  explicit TFolderWindow(LPCITEMIDLIST folder) {
    EXPECT_EQ(GetUIObjectOfPidl(folder, IID_IDropTarget, (void**)&FFolderTarget), S_OK);
    Handle = CreateWindowExA(0, "ShellTransferListWindow", "folder", WS_POPUP | WS_VISIBLE, 400, 0, 200, 200, nullptr,
                             nullptr, nullptr, nullptr);
    (new TDropTarget_shlv(this))->QueryInterface(IID_IDropTarget, (void**)&FTarget);
    EXPECT_EQ(RegisterDragDrop(Handle, FTarget), S_OK);
  }
  ~TFolderWindow() {
    RevokeDragDrop(Handle);
    DestroyWindow(Handle);
    FTarget->Release();
    if (FFolderTarget) FFolderTarget->Release();
  }
  HRESULT DragEnter(IDataObject* data, DWORD keys, DWORD& effect, POINTL point) override {
    return FFolderTarget->DragEnter(data, keys, point, &effect);
  }
  HRESULT DragOver(DWORD keys, POINTL point, DWORD& effect) override {
    return FFolderTarget->DragOver(keys, point, &effect);
  }
  HRESULT DragLeave() override { return FFolderTarget->DragLeave(); }
  HRESULT Drop(IDataObject* data, DWORD keys, DWORD& effect, POINTL point) override {
    effect &= GetAllowedDropEffects(data);
    return FFolderTarget->Drop(data, keys, point, &effect);
  }

  HWND Handle;

 private:
  IDropTarget* FFolderTarget = nullptr;
  IDropTarget* FTarget = nullptr;
};

void PushMouse(HWND window, host::EventType type, int x, int y, std::uint32_t modifiers) {
  RECT r{};
  GetWindowRect(window, &r);
  host::Event e;
  e.type = type;
  e.window = win::user::HostWindowOf(window);
  e.x = x;
  e.y = y;
  e.screenX = r.left + x;
  e.screenY = r.top + y;
  e.modifiers = modifiers;
  host::headless::PushEvent(e);
}

void Pump() {
  MSG m;
  for (int guard = 0; guard < 1000 && PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE); ++guard) DispatchMessageA(&m);
}

TEST_F(TransferTest, AFileDraggedFromAListOntoAFolderMovesOrCopiesWithTheCopyKey) {
  home.MakeFile("beats/kick.wav", "kick");
  home.MakeFile("beats/snare.wav", "snare");
  const std::string kits = home.MakeFolder("kits");
  TShellPidl kitsList;
  ASSERT_EQ(PathToPidl(kits, &kitsList.p), S_OK);
  struct Case {
    const char* file;
    std::uint32_t modifiers;
    DWORD effect;
    bool sourceStays;
  };
  const std::vector<Case> cases = {
      {"kick.wav", 0, DROPEFFECT_MOVE, false},
      {"snare.wav", host::ModCtrl, DROPEFFECT_COPY, true},
  };
  for (const Case& c : cases) {
    TFolderSelection selection(home.Home + "/beats");
    selection.Select(c.file);
    TListWindow list(selection);
    TFolderWindow folder(kitsList.p);
    Pump();
    PushMouse(list.Handle, host::EventType::MouseDown, 20, 20, c.modifiers);
    PushMouse(list.Handle, host::EventType::MouseMove, 60, 20, c.modifiers);
    PushMouse(folder.Handle, host::EventType::MouseMove, 30, 30, c.modifiers);
    PushMouse(folder.Handle, host::EventType::MouseMove, 40, 30, c.modifiers);
    PushMouse(folder.Handle, host::EventType::MouseUp, 40, 30, c.modifiers);
    Pump();
    EXPECT_EQ(list.Result, DRAGDROP_S_DROP) << c.file;
    EXPECT_EQ(list.Effect, c.effect) << c.file;
    EXPECT_TRUE(std::filesystem::exists(kits + "/" + c.file)) << c.file;
    EXPECT_EQ(std::filesystem::exists(home.Home + "/beats/" + c.file), c.sourceStays) << c.file;
  }
}

}  // namespace
