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
    int code = frame.Run(frame.Item(edt1));
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
        if (code == LBN_SELCHANGE) SetWindowTextA(frame_->Item(edt1), ListText(lst1, i).c_str());
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
          }
        }
        return;
      default: return;
    }
  }

  void Enter(const std::string& name) {
    folder_ = name == kParentEntry ? ParentFolder(folder_) : FullPath(JoinPath(folder_, name));
    Refill();
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
