#include "platform/vcl/filectrl/DirectoryListBox.h"

#include <algorithm>

#include "platform/vcl/filectrl/FileListBox.h"
#include "platform/vcl/rtl/Exceptions.h"
#include "platform/vcl/rtl/FileNames.h"
#include "platform/vcl/rtl/FileSystem.h"
#include "platform/vcl/rtl/StringUtils.h"

namespace {
constexpr int kIndent = 10;  // pixels per folder level

// A folder as the run-time library names it: absolute, "/" between names,
// no separator at the end but for the root.
std::string NormalFolder(const std::string& path) {
  std::string folder = ExpandFileName(path);
  while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
  return folder;
}

std::string Join(const std::string& folder, const std::string& name) {
  return folder == "/" ? "/" + name : folder + "/" + name;
}
}  // namespace

TDirectoryListBox::TDirectoryListBox(TComponent* AOwner) : TCustomListBox(AOwner) {
  SetStyle(lbOwnerDrawFixed);
  // The folder the program was started in.
  FDirectory = NormalFolder(GetCurrentDir());
  ReadDirectoryNames();
}

void TDirectoryListBox::Publish(TPublisher<TDirectoryListBox>& p) {
  p.Prop("Directory", &TDirectoryListBox::GetDirectory, &TDirectoryListBox::SetDirectory).Stored(false);
  p.Prop("FileList", &TDirectoryListBox::GetFileList, &TDirectoryListBox::SetFileList);
  p.Prop("OnChange", &TDirectoryListBox::OnChange);
}

void TDirectoryListBox::SetDirectory(const std::string& value) {
  std::string folder = NormalFolder(value.empty() ? GetCurrentDir() : value);
  if (!DirectoryExists(folder)) throw EInOutError("Directory not found: " + value, 3);
  if (folder == FDirectory) return;
  FDirectory = folder;
  ReadDirectoryNames();
  if (FFileList) FFileList->SetDirectory(FDirectory);
  if (OnChange) OnChange(this);
}

void TDirectoryListBox::SetFileList(TFileListBox* value) {
  if (FFileList == value) return;
  if (FFileList) FFileList->RemoveFreeNotification(this);
  FFileList = value;
  if (value) {
    value->FreeNotification(this);
    value->SetDirectory(FDirectory);
  }
}

void TDirectoryListBox::Notification(TComponent* component, TOperation operation) {
  inherited::Notification(component, operation);
  if (operation == opRemove && component == FFileList) FFileList = nullptr;
}

std::string TDirectoryListBox::GetItemPath(int index) const {
  if (index < 0 || index >= static_cast<int>(FPaths.size()))
    throw EListError("List index out of bounds (" + std::to_string(index) + ")");
  return FPaths[static_cast<size_t>(index)];
}

void TDirectoryListBox::ReadDirectoryNames() {
  FPaths.clear();
  FLevels.clear();
  std::vector<std::string> names;
  // The ancestors, root first: "/", "/home", "/home/user".
  std::string path = FDirectory;
  std::vector<std::string> chain{path};
  while (path != "/" && !path.empty()) {
    path = ExtractFileDir(path);
    chain.push_back(path);
  }
  std::reverse(chain.begin(), chain.end());
  for (size_t i = 0; i < chain.size(); i++) {
    std::string name = i == 0 ? chain[i] : ExtractFileName(chain[i]);
    names.push_back(name);
    FPaths.push_back(chain[i]);
    FLevels.push_back(static_cast<int>(i));
  }
  int current = static_cast<int>(chain.size()) - 1;
  // Then the folders inside the current one, by name.
  std::vector<std::string> subfolders;
  TSearchRec rec;
  if (FindFirst(Join(FDirectory, "*.*"), faDirectory, rec) == 0) {
    do {
      if ((rec.Attr & faDirectory) && rec.Name != "." && rec.Name != "..") subfolders.push_back(rec.Name);
    } while (FindNext(rec) == 0);
    FindClose(rec);
  }
  std::sort(subfolders.begin(), subfolders.end(),
            [](const std::string& a, const std::string& b) { return CompareText(a, b) < 0; });
  for (const std::string& name : subfolders) {
    names.push_back(name);
    FPaths.push_back(Join(FDirectory, name));
    FLevels.push_back(current + 1);
  }
  TStrings* items = GetItems();
  items->BeginUpdate();
  items->Clear();
  for (const std::string& name : names) items->Add(name);
  items->EndUpdate();
  SetItemIndex(current);
}

void TDirectoryListBox::OpenCurrent() {
  int index = GetItemIndex();
  if (index >= 0) SetDirectory(GetItemPath(index));
}

void TDirectoryListBox::DblClick() {
  OpenCurrent();
  inherited::DblClick();
}

void TDirectoryListBox::DrawItem(int index, TRect rect, TOwnerDrawState state) {
  if (OnDrawItem) {
    inherited::DrawItem(index, rect, state);
    return;
  }
  TCanvas* canvas = GetCanvas();
  canvas->FillRect(rect);
  int level = index < static_cast<int>(FLevels.size()) ? FLevels[static_cast<size_t>(index)] : 0;
  int x = rect.Left + 2 + level * kIndent;
  // A small folder: a tab over a box.
  int top = rect.Top + (rect.Height() - 10) / 2;
  canvas->GetPen()->SetColor(state.Contains(odSelected) ? clHighlightText : clBtnShadow);
  TColor face = canvas->GetBrush()->GetColor();
  canvas->GetBrush()->SetColor(clYellow);
  canvas->Rectangle(x, top + 2, x + 13, top + 11);
  canvas->Rectangle(x, top, x + 6, top + 3);
  canvas->GetBrush()->SetColor(face);
  canvas->GetBrush()->SetStyle(bsClear);
  if (index < GetItems()->GetCount()) canvas->TextOut(x + 17, rect.Top, GetItems()->GetStrings(index));
}
