// GetOpenFileNameA and GetSaveFileNameA: the file name box with its file
// list, the folder list, the file types and OK / Cancel. The dialog keeps its
// own folder; the process's current directory is never changed.
#include <algorithm>
#include <cstddef>
#include <cstring>
#include <strings.h>
#include <vector>

#include "platform/win/commdlg.h"
#include "platform/win/commdlg/dialog_frame.h"
#include "platform/win/commdlg/file_paths.h"
#include "platform/win/winbase.h"

namespace win::commdlg {
namespace {

constexpr char kParentEntry[] = "..";
constexpr char kHookChildClass[] = "CommonDialogHook";

class FileDialog {
 public:
  FileDialog(OPENFILENAMEA& ofn, bool save) : ofn_(ofn), save_(save) {}

  BOOL Run() {
    if (ofn_.lStructSize < offsetof(OPENFILENAMEA, pvReserved) || !ofn_.lpstrFile || ofn_.nMaxFile == 0) {
      SetDialogError(CDERR_STRUCTSIZE);
      return FALSE;
    }
    filters_ = ParseFilter(ofn_.lpstrFilter);
    StartFolder();
    std::string title = ofn_.lpstrTitle ? ofn_.lpstrTitle : save_ ? "Save As" : "Open";
    DialogFrame frame(ofn_.hwndOwner, title, 424, 236);
    frame_ = &frame;
    Build();
    frame.onCommand = [this](int id, int code) { Command(id, code); };
    frame.onMessage = [this](UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) { return Query(msg, wp, lp, result); };
    if ((ofn_.Flags & OFN_ENABLEHOOK) && ofn_.lpfnHook) MakeHookChild();
    int code = frame.Run(frame.Item(edt1));
    if (hookChild_ && IsWindow(hookChild_)) {
      SetWindowLongPtrA(hookChild_, GWLP_USERDATA, 0);
      DestroyWindow(hookChild_);
    }
    hookChild_ = nullptr;
    frame_ = nullptr;
    if (code != IDOK) return FALSE;
    return Store();
  }

 private:
  void StartFolder() {
    std::string initial = ofn_.lpstrFile ? ofn_.lpstrFile : "";
    if (ofn_.lpstrInitialDir && *ofn_.lpstrInitialDir && IsFolder(ofn_.lpstrInitialDir))
      folder_ = FullPath(ofn_.lpstrInitialDir);
    else if (!FolderPart(initial).empty() && IsFolder(FolderPart(initial)))
      folder_ = FullPath(FolderPart(initial));
    else
      folder_ = FullPath(".");
    name_ = FolderPart(initial).empty() ? initial : NamePart(initial);
    int index = static_cast<int>(ofn_.nFilterIndex) - 1;
    filterIndex_ = std::clamp(index, 0, std::max(0, static_cast<int>(filters_.size()) - 1));
    mask_ = filters_.empty() ? "*.*" : filters_[static_cast<size_t>(filterIndex_)].second;
  }

  void Build() {
    DialogFrame& f = *frame_;
    f.Add("STATIC", "File &name:", SS_LEFT, 8, 8, 170, 16, stc3);
    f.Add("EDIT", name_.c_str(), ES_AUTOHSCROLL | WS_TABSTOP | WS_GROUP, 8, 26, 170, 22, edt1, WS_EX_CLIENTEDGE);
    f.Add("LISTBOX", "", LBS_NOTIFY | WS_VSCROLL | WS_TABSTOP, 8, 52, 170, 124, lst1, WS_EX_CLIENTEDGE);
    f.Add("STATIC", "&Folders:", SS_LEFT, 188, 8, 150, 16, stc4);
    f.Add("STATIC", "", SS_LEFT | SS_NOPREFIX | SS_PATHELLIPSIS, 188, 26, 150, 18, stc1);
    f.Add("LISTBOX", "", LBS_NOTIFY | WS_VSCROLL | WS_TABSTOP, 188, 52, 150, 124, lst2, WS_EX_CLIENTEDGE);
    f.Add("STATIC", "List files of &type:", SS_LEFT, 8, 184, 170, 16, stc2);
    HWND types = f.Add("COMBOBOX", "", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 8, 202, 170, 120, cmb1);
    f.Add("BUTTON", save_ ? "&Save" : "&Open", BS_DEFPUSHBUTTON | WS_TABSTOP, 346, 26, 72, 24, IDOK);
    f.Add("BUTTON", "Cancel", BS_PUSHBUTTON | WS_TABSTOP, 346, 56, 72, 24, IDCANCEL);
    for (const auto& [desc, mask] : filters_)
      SendMessageA(types, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(desc.c_str()));
    if (!filters_.empty()) SendMessageA(types, CB_SETCURSEL, static_cast<WPARAM>(filterIndex_), 0);
    Refill();
  }

  // The hook's child window at the right edge; the dialog grows by the
  // width the hook gives it in WM_INITDIALOG.
  void MakeHookChild() {
    static bool registered = false;
    if (!registered) {
      registered = true;
      WNDCLASSA wc{};
      wc.lpfnWndProc = HookChildProc;
      wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
      wc.hbrBackground = GetSysColorBrush(COLOR_3DFACE);
      wc.lpszClassName = kHookChildClass;
      RegisterClassA(&wc);
    }
    RECT client;
    GetClientRect(frame_->Hwnd(), &client);
    hookChild_ = CreateWindowExA(WS_EX_CONTROLPARENT, kHookChildClass, "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN,
                                 client.right, 0, 0, client.bottom, frame_->Hwnd(), nullptr, nullptr, nullptr);
    SetWindowLongPtrA(hookChild_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    ofn_.lpfnHook(hookChild_, WM_INITDIALOG, 0, reinterpret_cast<LPARAM>(&ofn_));
    if (!IsWindow(hookChild_)) return;
    RECT child;
    GetWindowRect(hookChild_, &child);
    int width = child.right - child.left, height = child.bottom - child.top;
    if (width > 0) {
      frame_->GrowClient(width, std::max(0, height - static_cast<int>(client.bottom)));
      SetWindowPos(hookChild_, nullptr, client.right, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    Notify(CDN_INITDONE);
  }

  static LRESULT CALLBACK HookChildProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto* self = reinterpret_cast<FileDialog*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (self && self->ofn_.lpfnHook) {
      if (UINT_PTR handled = self->ofn_.lpfnHook(hwnd, msg, wp, lp)) return static_cast<LRESULT>(handled);
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
  }

  void Notify(UINT code) {
    if (!hookChild_) return;
    OFNOTIFYA n{};
    n.hdr.hwndFrom = frame_->Hwnd();
    n.hdr.idFrom = 0;
    n.hdr.code = code;
    n.lpOFN = &ofn_;
    n.pszFile = ofn_.lpstrFile;
    ofn_.lpfnHook(hookChild_, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&n));
  }

  // CDM_ questions of the hook.
  bool Query(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    std::string answer;
    switch (msg) {
      case CDM_GETSPEC: answer = WindowTextOf(frame_->Item(edt1)); break;
      case CDM_GETFOLDERPATH: answer = folder_; break;
      case CDM_GETFILEPATH: {
        std::string text = WindowTextOf(frame_->Item(edt1));
        answer = text.empty() ? folder_ : IsAbsolutePath(text) ? text : JoinPath(folder_, text);
        break;
      }
      default: return false;
    }
    auto* buffer = reinterpret_cast<char*>(lp);
    if (!buffer) {
      result = -1;
      return true;
    }
    size_t size = static_cast<size_t>(wp);
    if (size > 0) {
      size_t n = std::min(answer.size(), size - 1);
      std::memcpy(buffer, answer.data(), n);
      buffer[n] = 0;
    }
    result = static_cast<LRESULT>(answer.size() + 1);
    return true;
  }

  void Refill() {
    std::vector<std::string> folders, files;
    ListFolder(folder_, (ofn_.Flags & OFN_FORCESHOWHIDDEN) != 0, folders, files);
    HWND fileList = frame_->Item(lst1), folderList = frame_->Item(lst2);
    SendMessageA(fileList, LB_RESETCONTENT, 0, 0);
    SendMessageA(folderList, LB_RESETCONTENT, 0, 0);
    for (const std::string& name : files)
      if (MatchesMasks(name, mask_)) SendMessageA(fileList, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
    if (ParentFolder(folder_) != folder_)
      SendMessageA(folderList, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(kParentEntry));
    for (const std::string& name : folders)
      SendMessageA(folderList, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
    SetWindowTextA(frame_->Item(stc1), folder_.c_str());
  }

  std::string ListText(int id, int index) {
    HWND list = frame_->Item(id);
    LRESULT n = SendMessageA(list, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    if (n < 0) return "";
    std::string s(static_cast<size_t>(n) + 1, 0);
    SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(s.data()));
    s.resize(static_cast<size_t>(n));
    return s;
  }

  void Command(int id, int code) {
    switch (id) {
      case IDOK: Accept(); return;
      case IDCANCEL: frame_->End(IDCANCEL); return;
      case lst1: {
        int i = static_cast<int>(SendMessageA(frame_->Item(lst1), LB_GETCURSEL, 0, 0));
        if (i < 0) return;
        if (code == LBN_SELCHANGE) {
          SetWindowTextA(frame_->Item(edt1), ListText(lst1, i).c_str());
          Notify(CDN_SELCHANGE);
        }
        if (code == LBN_DBLCLK) {
          SetWindowTextA(frame_->Item(edt1), ListText(lst1, i).c_str());
          Accept();
        }
        return;
      }
      case lst2:
        if (code == LBN_DBLCLK) {
          int i = static_cast<int>(SendMessageA(frame_->Item(lst2), LB_GETCURSEL, 0, 0));
          if (i >= 0) Enter(ListText(lst2, i));
        }
        return;
      case cmb1:
        if (code == CBN_SELCHANGE) {
          int i = static_cast<int>(SendMessageA(frame_->Item(cmb1), CB_GETCURSEL, 0, 0));
          if (i >= 0 && i < static_cast<int>(filters_.size())) {
            filterIndex_ = i;
            mask_ = filters_[static_cast<size_t>(i)].second;
            Refill();
            Notify(CDN_TYPECHANGE);
          }
        }
        return;
      default: return;
    }
  }

  void Enter(const std::string& name) {
    folder_ = name == kParentEntry ? ParentFolder(folder_) : FullPath(JoinPath(folder_, name));
    Refill();
    Notify(CDN_FOLDERCHANGE);
  }

  int Ask(const std::string& text, UINT type) {
    std::string title = ofn_.lpstrTitle ? ofn_.lpstrTitle : save_ ? "Save As" : "Open";
    return MessageBoxA(frame_->Hwnd(), text.c_str(), title.c_str(), type);
  }

  // OK: a mask filters the list, a folder is entered, a file name ends the
  // dialog once the flags' checks pass.
  void Accept() {
    std::string text = WindowTextOf(frame_->Item(edt1));
    text.erase(0, text.find_first_not_of(' '));
    while (!text.empty() && text.back() == ' ') text.pop_back();
    if (text.empty()) return;
    if (text.find_first_of("*?") != std::string::npos) {
      mask_ = text;
      Refill();
      return;
    }
    std::string path = IsAbsolutePath(text) ? text : JoinPath(folder_, text);
    if (IsFolder(path)) {
      folder_ = FullPath(path);
      SetWindowTextA(frame_->Item(edt1), "");
      Refill();
      Notify(CDN_FOLDERCHANGE);
      return;
    }
    std::string name = NamePart(path);
    if (name.find('.') == std::string::npos && ofn_.lpstrDefExt && *ofn_.lpstrDefExt) {
      std::string withExt = path + "." + ofn_.lpstrDefExt;
      if (save_ || FileExists(withExt) || !FileExists(path)) path = withExt;
    }
    std::string folder = FolderPart(path);
    if ((ofn_.Flags & (OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST)) && !folder.empty() && !IsFolder(folder)) {
      Ask(text + "\nPath does not exist.\nPlease verify the correct path was given.", MB_OK | MB_ICONEXCLAMATION);
      return;
    }
    bool exists = FileExists(path);
    if (!save_ && (ofn_.Flags & OFN_FILEMUSTEXIST) && !exists) {
      Ask(text + "\nFile not found.\nPlease verify the correct file name was given.", MB_OK | MB_ICONEXCLAMATION);
      return;
    }
    if (save_ && (ofn_.Flags & OFN_OVERWRITEPROMPT) && exists &&
        Ask(FullPath(path) + " already exists.\nDo you want to replace it?", MB_YESNO | MB_ICONEXCLAMATION) != IDYES)
      return;
    if ((ofn_.Flags & OFN_CREATEPROMPT) && !exists &&
        Ask(text + "\nThis file does not exist.\nCreate the file?", MB_YESNO | MB_ICONQUESTION) != IDYES)
      return;
    result_ = FullPath(path);
    frame_->End(IDOK);
  }

  static std::string WindowTextOf(HWND h) {
    int n = GetWindowTextLengthA(h);
    std::string s(static_cast<size_t>(n) + 1, 0);
    GetWindowTextA(h, s.data(), n + 1);
    s.resize(static_cast<size_t>(n));
    return s;
  }

  BOOL Store() {
    if (result_.size() + 1 > ofn_.nMaxFile) {
      // The first two bytes tell the size the name needs.
      if (ofn_.nMaxFile >= 2) {
        WORD need = static_cast<WORD>(std::min<size_t>(result_.size() + 1, 0xFFFF));
        std::memcpy(ofn_.lpstrFile, &need, sizeof need);
      }
      SetDialogError(FNERR_BUFFERTOOSMALL);
      return FALSE;
    }
    std::memcpy(ofn_.lpstrFile, result_.c_str(), result_.size() + 1);
    size_t nameAt = result_.find_last_of("\\/") + 1;
    ofn_.nFileOffset = static_cast<WORD>(nameAt);
    size_t dot = result_.find_last_of('.');
    ofn_.nFileExtension = static_cast<WORD>(dot != std::string::npos && dot >= nameAt ? dot + 1 : result_.size());
    std::string name = result_.substr(nameAt);
    if (ofn_.lpstrFileTitle && ofn_.nMaxFileTitle > 0) {
      size_t n = std::min<size_t>(name.size(), ofn_.nMaxFileTitle - 1);
      std::memcpy(ofn_.lpstrFileTitle, name.data(), n);
      ofn_.lpstrFileTitle[n] = 0;
    }
    if (!filters_.empty()) ofn_.nFilterIndex = static_cast<DWORD>(filterIndex_ + 1);
    ofn_.Flags &= ~static_cast<DWORD>(OFN_EXTENSIONDIFFERENT);
    if (ofn_.lpstrDefExt && *ofn_.lpstrDefExt && ofn_.nFileExtension < result_.size() &&
        strcasecmp(result_.c_str() + ofn_.nFileExtension, ofn_.lpstrDefExt) != 0)
      ofn_.Flags |= OFN_EXTENSIONDIFFERENT;
    return TRUE;
  }

  OPENFILENAMEA& ofn_;
  bool save_;
  DialogFrame* frame_ = nullptr;
  HWND hookChild_ = nullptr;
  std::vector<std::pair<std::string, std::string>> filters_;
  int filterIndex_ = 0;
  std::string folder_, name_, mask_, result_;
};

}  // namespace
}  // namespace win::commdlg

BOOL GetOpenFileNameA(LPOPENFILENAMEA ofn) {
  if (!ofn) return FALSE;
  return win::commdlg::FileDialog(*ofn, false).Run();
}

BOOL GetSaveFileNameA(LPOPENFILENAMEA ofn) {
  if (!ofn) return FALSE;
  return win::commdlg::FileDialog(*ofn, true).Run();
}
