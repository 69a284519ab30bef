#include "drummachine/filedialogs/OpenD2.h"

#include "drummachine/filedialogs/SaveD.h"
#include "platform/vcl/SysUtils.h"

TfrmDialogOpen* frmDialogOpen = nullptr;

namespace {

constexpr int OpenHelpContext = 160;

}  // namespace

TfrmDialogOpen::~TfrmDialogOpen() {
  if (frmDialogOpen == this) frmDialogOpen = nullptr;
}

void TfrmDialogOpen::Publish(TPublisher<TfrmDialogOpen>& p) {
  p.Field("btnOpen", &TfrmDialogOpen::btnOpen);
  p.Field("cbxDrumKit", &TfrmDialogOpen::cbxDrumKit);
  p.Field("Button1", &TfrmDialogOpen::Button1);

  p.Method("FormCreate", &TfrmDialogOpen::FormCreate);
  p.Method("btnOpenClick", &TfrmDialogOpen::btnOpenClick);
  p.Method("Button1Click", &TfrmDialogOpen::Button1Click);
}

// The program folder is the current directory when the program starts.
void TfrmDialogOpen::FormCreate(TObject*) {
  SetUpShellControls();
  SetListFolder(GetCurrentDir() + "\\drum patterns");
}

void TfrmDialogOpen::ListMouseUp(TMouseButton, TShiftState, int, int) {
  TakeSelectedFileName();
}

void TfrmDialogOpen::ListDblClickOpen(bool& Handled) {
  TNavShListData* item = SelectedItem();
  if (item == nullptr || item->IsFolder()) return;
  Handled = true;
  TakeSelectedFileName();
  Accept();
}

void TfrmDialogOpen::btnOpenClick(TObject*) {
  Accept();
}

void TfrmDialogOpen::Accept() {
  const std::optional<std::string> path = ChosenPath();
  if (!path) return;
  FChosenFile = *path;
  // The next save starts where this song came from.
  if (frmDialogSave != nullptr && !ListFolder().empty()) frmDialogSave->SetListFolder(ListFolder());
  SetModalResult(mrOk);
}

void TfrmDialogOpen::Button1Click(TObject*) {
  Application->HelpContext(OpenHelpContext);
}
