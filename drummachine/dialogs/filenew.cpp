#include "drummachine/dialogs/filenew.h"

#include "drummachine/core/BuiltinKits.h"

TfrmNewFile* frmNewFile = nullptr;

TfrmNewFile::~TfrmNewFile() {
  if (frmNewFile == this) frmNewFile = nullptr;
}

void TfrmNewFile::Publish(TPublisher<TfrmNewFile>& p) {
  p.Field("Label1", &TfrmNewFile::Label1);
  p.Field("ListBox1", &TfrmNewFile::ListBox1);
  p.Field("btnOk", &TfrmNewFile::btnOk);
  p.Field("btnCancel", &TfrmNewFile::btnCancel);

  p.Method("FormCreate", &TfrmNewFile::FormCreate);
  p.Method("FormActivate", &TfrmNewFile::FormActivate);
  p.Method("btnOkClick", &TfrmNewFile::btnOkClick);
  p.Method("btnCancelClick", &TfrmNewFile::btnCancelClick);
}

// The lines come from the kit table itself, so that a line's index is
// always its kit's id.
void TfrmNewFile::FormCreate(TObject*) {
  TStrings* items = ListBox1->GetItems();
  items->Clear();
  for (const TBuiltinKit& kit : BuiltinKits) items->Add(kit.KitName);
}

// The current kit is chosen; a user kit has no line, and none is chosen.
void TfrmNewFile::FormActivate(TObject*) {
  ListBox1->SetMultiSelect(false);
  const int kitId = Model != nullptr ? Model->Song.KitId : -1;
  ListBox1->SetItemIndex(kitId >= 0 && kitId < ListBox1->GetItems()->GetCount() ? kitId : -1);
}

// Also the list's double click.
void TfrmNewFile::btnOkClick(TObject*) {
  if (Model != nullptr) {
    Model->NewConfirmed = true;
    Model->Song.KitId = ListBox1->GetItemIndex();
  }
  SetModalResult(mrOk);
}

void TfrmNewFile::btnCancelClick(TObject*) {
  if (Model != nullptr) Model->NewConfirmed = false;
  SetModalResult(mrCancel);
}
