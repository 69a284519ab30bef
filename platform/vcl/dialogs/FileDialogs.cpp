#include "platform/vcl/dialogs/FileDialogs.h"

#include <vector>

#include "platform/vcl/forms/Application.h"
#include "platform/win/commdlg.h"

bool ForceCurrentDirectory = false;

namespace {

constexpr DWORD kOpenOptionFlags[] = {OFN_READONLY,
                                      OFN_OVERWRITEPROMPT,
                                      OFN_HIDEREADONLY,
                                      OFN_NOCHANGEDIR,
                                      OFN_SHOWHELP,
                                      OFN_NOVALIDATE,
                                      OFN_ALLOWMULTISELECT,
                                      OFN_EXTENSIONDIFFERENT,
                                      OFN_PATHMUSTEXIST,
                                      OFN_FILEMUSTEXIST,
                                      OFN_CREATEPROMPT,
                                      OFN_SHAREAWARE,
                                      OFN_NOREADONLYRETURN,
                                      OFN_NOTESTFILECREATE,
                                      OFN_NONETWORKBUTTON,
                                      OFN_NOLONGNAMES,
                                      0,
                                      OFN_NODEREFERENCELINKS,
                                      OFN_ENABLEINCLUDENOTIFY,
                                      OFN_ENABLESIZING};

constexpr char kDialogProp[] = "TOpenDialog";
constexpr size_t kFileBuffer = 64 * 1024;

// "A|*.a|B|*.b" as the platform's list of NUL-ended strings.
std::string PlatformFilter(const std::string& filter) {
  if (filter.empty()) return {};
  std::string out = filter;
  for (char& c : out)
    if (c == '|') c = '\0';
  out.push_back('\0');
  out.push_back('\0');
  return out;
}

// Runs f, passing an exception to the application: none may leave a hook.
template <class F>
UINT_PTR Guarded(F&& f) {
  try {
    return f();
  } catch (...) {
    if (Application) Application->HandleException(nullptr, std::current_exception());
    return 0;
  }
}

}  // namespace

TOpenDialog::TOpenDialog(TComponent* AOwner) : TCommonDialog(AOwner), FFiles(std::make_unique<TStringList>()) {}

TOpenDialog::~TOpenDialog() = default;

void TOpenDialog::Publish(TPublisher<TOpenDialog>& p) {
  p.Prop("DefaultExt", &TOpenDialog::GetDefaultExt, &TOpenDialog::SetDefaultExt);
  p.Prop("FileName", &TOpenDialog::GetFileName, &TOpenDialog::SetFileName);
  p.Prop("Filter", &TOpenDialog::GetFilter, &TOpenDialog::SetFilter);
  p.Prop("FilterIndex", &TOpenDialog::GetFilterIndex, &TOpenDialog::SetFilterIndex).Default(1);
  p.Prop("InitialDir", &TOpenDialog::GetInitialDir, &TOpenDialog::SetInitialDir);
  p.Prop("Options", &TOpenDialog::GetOptions, &TOpenDialog::SetOptions)
      .Default(TOpenOptions{ofHideReadOnly, ofEnableSizing});
  p.Prop("Title", &TOpenDialog::GetTitle, &TOpenDialog::SetTitle);
  p.Prop("OnFolderChange", &TOpenDialog::OnFolderChange);
  p.Prop("OnSelectionChange", &TOpenDialog::OnSelectionChange);
  p.Prop("OnTypeChange", &TOpenDialog::OnTypeChange);
}

bool TOpenDialog::Execute() {
  return DoExecute(false);
}

bool TSaveDialog::Execute() {
  return DoExecute(true);
}

bool TOpenDialog::DoExecute(bool save) {
  std::string filter = PlatformFilter(FFilter);
  std::vector<char> file(kFileBuffer, '\0');
  FFileName.copy(file.data(), std::min(FFileName.size(), kFileBuffer - 1));
  std::string initialDir = FInitialDir.empty() && ForceCurrentDirectory ? "." : FInitialDir;
  OPENFILENAMEA ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = OwnerWindow();
  ofn.lpstrFilter = filter.empty() ? nullptr : filter.c_str();
  ofn.nFilterIndex = static_cast<DWORD>(FFilterIndex);
  ofn.lpstrFile = file.data();
  ofn.nMaxFile = static_cast<DWORD>(file.size());
  ofn.lpstrInitialDir = initialDir.empty() ? nullptr : initialDir.c_str();
  ofn.lpstrTitle = FTitle.empty() ? nullptr : FTitle.c_str();
  ofn.lpstrDefExt = FDefaultExt.empty() ? nullptr : FDefaultExt.c_str();
  for (int i = ofReadOnly; i <= ofEnableSizing; i++)
    if (FOptions.Contains(static_cast<TOpenOption>(i))) ofn.Flags |= kOpenOptionFlags[i];
  if (!FOptions.Contains(ofOldStyleDialog)) ofn.Flags |= OFN_EXPLORER;
  ofn.Flags |= OFN_ENABLEHOOK;
  ofn.lpfnHook = &TOpenDialog::Hook;
  ofn.lCustData = reinterpret_cast<LPARAM>(this);
  BOOL ok = save ? GetSaveFileNameA(&ofn) : GetOpenFileNameA(&ofn);
  FHandle = nullptr;
  DoClose();
  FFiles->Clear();
  if (!ok) return false;
  FFileName = file.data();
  FFiles->Add(FFileName);
  FFilterIndex = static_cast<int>(ofn.nFilterIndex);
  if (ofn.Flags & OFN_READONLY)
    FOptions.Include(ofReadOnly);
  else
    FOptions.Exclude(ofReadOnly);
  if (ofn.Flags & OFN_EXTENSIONDIFFERENT)
    FOptions.Include(ofExtensionDifferent);
  else
    FOptions.Exclude(ofExtensionDifferent);
  return true;
}

UINT_PTR CALLBACK TOpenDialog::Hook(HWND child, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_INITDIALOG) {
    auto* ofn = reinterpret_cast<OPENFILENAMEA*>(lParam);
    auto* self = reinterpret_cast<TOpenDialog*>(ofn->lCustData);
    SetPropA(child, kDialogProp, self);
    self->FHandle = GetParent(child);
    return Guarded([&]() -> UINT_PTR {
      self->HookInit(child);
      self->DoShow();
      return 1;
    });
  }
  auto* self = static_cast<TOpenDialog*>(GetPropA(child, kDialogProp));
  if (!self) return 0;
  if (msg == WM_NOTIFY) {
    auto* note = reinterpret_cast<OFNOTIFYA*>(lParam);
    return Guarded([&]() -> UINT_PTR {
      switch (note->hdr.code) {
        case CDN_SELCHANGE: self->DoSelectionChange(); break;
        case CDN_FOLDERCHANGE: self->DoFolderChange(); break;
        case CDN_TYPECHANGE: self->DoTypeChange(); break;
        default: break;
      }
      return 0;
    });
  }
  if (msg == WM_DESTROY) RemovePropA(child, kDialogProp);
  return Guarded([&] { return self->HookMessage(child, msg, wParam, lParam); });
}

void TOpenDialog::DoSelectionChange() {
  if (OnSelectionChange) OnSelectionChange(this);
}

void TOpenDialog::DoFolderChange() {
  if (OnFolderChange) OnFolderChange(this);
}

void TOpenDialog::DoTypeChange() {
  if (OnTypeChange) OnTypeChange(this);
}

void TOpenDialog::HookInit(HWND) {}

UINT_PTR TOpenDialog::HookMessage(HWND, UINT, WPARAM, LPARAM) {
  return 0;
}

std::string TOpenDialog::CurrentFilePath() const {
  if (!FHandle) return {};
  LRESULT need = SendMessageA(FHandle, CDM_GETFILEPATH, 0, 0);
  std::vector<char> buffer(static_cast<size_t>(std::max<LRESULT>(need, 1)) + 4096, '\0');
  SendMessageA(FHandle, CDM_GETFILEPATH, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()));
  return buffer.data();
}
