// What the song, wave and MIDI file dialogs share: a "Look in" combo over a
// shell list with its up and view buttons, the file name and type boxes and
// Cancel. Each dialog is created once, preset by its caller before it shows
// and then read; none changes the current directory.
#pragma once

#include <optional>
#include <string>

#include "controls/shell/UNavShellControls/ShellCombo.h"
#include "controls/shell/UNavShellControls/ShellList.h"
#include "drummachine/filedialogs/DialogFileName.h"
#include "platform/vcl/Buttons.h"
#include "platform/vcl/Forms.h"
#include "platform/vcl/StdCtrls.h"

class TShellFileDialog : public TForm {
  DRUMS_CLASS(TShellFileDialog, TForm)

 public:
  explicit TShellFileDialog(TComponent* AOwner);
  ~TShellFileDialog() override;

  // The caller's preset: caption, the list's file mask and the one file
  // type; the name box is emptied.
  void Preset(const std::string& caption, const std::string& mask, const std::string& fileType);
  // The folder the list shows, as a path; empty outside the file system
  // (My Computer).
  std::string ListFolder() const;
  void SetListFolder(const std::string& path);
  // The name box completed with the list's folder and the mask's extension;
  // a problem is shown to the person and gives nothing.
  std::optional<std::string> ChosenPath();

  // Published components.
  TNavShellCombo* NavShellCombo1 = nullptr;
  TNavShellList* NavShellList1 = nullptr;
  TSpeedButton* UpOneLevelBtn = nullptr;
  TSpeedButton* LargeIconsBtn = nullptr;
  TSpeedButton* SmallIconsBtn = nullptr;
  TSpeedButton* ListBtn = nullptr;
  TSpeedButton* DetailsBtn = nullptr;
  TEdit* edtFileName = nullptr;
  TComboBox* cbxFileType = nullptr;
  TButton* btnCancel = nullptr;

  static void Publish(TPublisher<TShellFileDialog>& p);

 protected:
  // Links the combo and the list and binds the list's events; the dialogs'
  // creation handlers call it first.
  void SetUpShellControls();
  // The selected item's shell data; none when nothing is selected.
  TNavShListData* SelectedItem() const;

  // The list's events, for each dialog to take up.
  virtual void ListSelectItem(TListItem* Item, bool Selected);
  virtual void ListMouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
  virtual void ListMouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
  // A file double-clicked: the dialog's accept (handled); a folder opens.
  virtual void ListDblClickOpen(bool& Handled);
  // Takes the selected file's name (without its folder) into the name box
  // when it has an extension; a folder or an unreadable item leaves the box.
  void TakeSelectedFileName();

  void UpOneLevelBtnClick(TObject* Sender);
  void LargeIconsBtnClick(TObject* Sender);
  void SmallIconsBtnClick(TObject* Sender);
  void ListBtnClick(TObject* Sender);
  void DetailsBtnClick(TObject* Sender);
  void btnCancelClick(TObject* Sender);

 private:
  std::string FMask;
};
