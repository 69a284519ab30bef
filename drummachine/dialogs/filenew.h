// The New File dialog: the kit a new song starts with, one line per
// built-in kit so that the line's index is the kit's id.
#pragma once

#include "drummachine/core/MainModel.h"
#include "platform/vcl/Forms.h"
#include "platform/vcl/StdCtrls.h"

class TfrmNewFile : public TForm {
  DRUMS_CLASS(TfrmNewFile, TForm)

 public:
  explicit TfrmNewFile(TComponent* AOwner) : TForm(AOwner) {}
  ~TfrmNewFile() override;

  // Set once by the main window after the dialog's creation.
  TMainModel* Model = nullptr;

  // Published components.
  TLabel* Label1 = nullptr;
  TListBox* ListBox1 = nullptr;
  TButton* btnOk = nullptr;
  TButton* btnCancel = nullptr;

  static void Publish(TPublisher<TfrmNewFile>& p);

 private:
  void FormCreate(TObject* Sender);
  void FormActivate(TObject* Sender);
  void btnOkClick(TObject* Sender);
  void btnCancelClick(TObject* Sender);
};

extern TfrmNewFile* frmNewFile;
