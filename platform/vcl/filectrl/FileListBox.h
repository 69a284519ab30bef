// TFileListBox: the files of one folder that match a mask ("*.wav", or
// several masks separated by ";"), sorted by name.
#pragma once

#include "platform/vcl/stdctrls/ListBox.h"

class TDirectoryListBox;

class TFileListBox : public TCustomListBox {
  DRUMS_CLASS(TFileListBox, TCustomListBox)

 public:
  explicit TFileListBox(TComponent* AOwner);

  // A folder path; empty: the current directory.
  const std::string& GetDirectory() const { return FDirectory; }
  void SetDirectory(const std::string& value);
  const std::string& GetMask() const { return FMask; }
  void SetMask(const std::string& value);
  // The selected file with its folder, or empty.
  std::string GetFileName();
  // Reads the folder again.
  void Update();

  TNotifyEvent OnChange;

  static void Publish(TPublisher<TFileListBox>& p);

 protected:
  void Loaded() override;
  void Click() override;
  virtual void ReadFileNames();

 private:
  std::string FDirectory;
  std::string FMask = "*.*";
};
