// TDirectoryListBox: the folders from the root down to Directory, one line
// each and indented by depth, followed by Directory's own sub-folders. A
// double click opens the folder of its line; a linked file list box
// follows Directory.
#pragma once

#include <vector>

#include "platform/vcl/stdctrls/ListBox.h"

class TFileListBox;

class TDirectoryListBox : public TCustomListBox {
  DRUMS_CLASS(TDirectoryListBox, TCustomListBox)

 public:
  explicit TDirectoryListBox(TComponent* AOwner);

  // An absolute folder, as the run-time library's file names have it
  // ("/home/user"; "\" and a drive letter are taken too); starts as the
  // current directory.
  const std::string& GetDirectory() const { return FDirectory; }
  void SetDirectory(const std::string& value);
  TFileListBox* GetFileList() const { return FFileList; }
  void SetFileList(TFileListBox* value);
  // The folder a line names.
  std::string GetItemPath(int index) const;
  // Opens the selected line's folder.
  void OpenCurrent();

  TNotifyEvent OnChange;

  static void Publish(TPublisher<TDirectoryListBox>& p);

 protected:
  void DblClick() override;
  void Notification(TComponent* component, TOperation operation) override;
  void DrawItem(int index, TRect rect, TOwnerDrawState state) override;
  virtual void ReadDirectoryNames();

 private:
  std::string FDirectory;
  TFileListBox* FFileList = nullptr;
  std::vector<std::string> FPaths;  // the folder of each line
  std::vector<int> FLevels;  // each line's indent
};
