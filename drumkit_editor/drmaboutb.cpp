#include "drumkit_editor/drmaboutb.h"

#include <string>

#include "drummachine/dialogs/ShellOpen.h"
#include "platform/vcl/Jpeg.h"
#include "resources/texts/ProgramTexts.h"

TAboutBox* AboutBox = nullptr;

TAboutBox::TAboutBox(TComponent* AOwner) : TForm(AOwner) {
  // The box's pictures are JPEGs: their format must be known before the
  // form resource is read.
  RegisterJpegGraphics();
}

TAboutBox::~TAboutBox() {
  if (AboutBox == this) AboutBox = nullptr;
}

void TAboutBox::Publish(TPublisher<TAboutBox>& p) {
  p.Field("Panel1", &TAboutBox::Panel1);
  p.Field("Image1", &TAboutBox::Image1);
  p.Field("ProductName", &TAboutBox::ProductName);
  p.Field("Version", &TAboutBox::Version);
  p.Field("Copyright", &TAboutBox::Copyright);
  p.Field("Comments", &TAboutBox::Comments);
  p.Field("ProgramIcon", &TAboutBox::ProgramIcon);
  p.Field("Label5", &TAboutBox::Label5);
  p.Field("Label6", &TAboutBox::Label6);
  p.Field("Label7", &TAboutBox::Label7);
  p.Field("OKButton", &TAboutBox::OKButton);
  p.Method("FormCreate", &TAboutBox::FormCreate);
  p.Method("OKButtonClick", &TAboutBox::OKButtonClick);
  p.Method("Label6Click", &TAboutBox::Label6Click);
  p.Method("ProgramIconClick", &TAboutBox::ProgramIconClick);
}

void TAboutBox::FormCreate(TObject*) {
  ProductName->SetCaption(std::string(program_texts::kEditorAboutProduct));
  Version->SetCaption(std::string(program_texts::kEditorAboutVersion));
  Copyright->SetCaption(std::string(program_texts::kEditorAboutCredits));
  Comments->SetCaption(std::string(program_texts::kEditorAboutComment));
  Label6->SetCaption(std::string(program_texts::kEditorAboutSiteLink));
}

void TAboutBox::OKButtonClick(TObject*) {
  Close();
}

void TAboutBox::Label6Click(TObject*) {
  ShellOpenFile(GetHandle(), std::string(program_texts::kMakerSite), "", "");
}

void TAboutBox::ProgramIconClick(TObject*) {
  ShellOpenFile(GetHandle(), std::string(program_texts::kMakerSite), "", "");
}
