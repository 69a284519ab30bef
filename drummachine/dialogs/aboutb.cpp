#include "drummachine/dialogs/aboutb.h"

#include <string>
#include <string_view>

#include "platform/vcl/Jpeg.h"
#include "resources/texts/ProgramTexts.h"

TAboutBox* AboutBox = nullptr;

TAboutBox::TAboutBox(TComponent* AOwner) : TForm(AOwner) {
  // The box's picture is a JPEG: its format must be known before the form
  // resource is read.
  RegisterJpegGraphics();
}

TAboutBox::~TAboutBox() {
  if (AboutBox == this) AboutBox = nullptr;
}

void TAboutBox::Publish(TPublisher<TAboutBox>& p) {
  p.Field("Panel1", &TAboutBox::Panel1);
  p.Field("ProgramIcon", &TAboutBox::ProgramIcon);
  p.Field("ProductName", &TAboutBox::ProductName);
  p.Field("Version", &TAboutBox::Version);
  p.Field("Copyright", &TAboutBox::Copyright);
  p.Field("Comments", &TAboutBox::Comments);
  p.Field("Panel2", &TAboutBox::Panel2);
  p.Field("Memo1", &TAboutBox::Memo1);
  p.Field("OKButton", &TAboutBox::OKButton);
  p.Field("Timer1", &TAboutBox::Timer1);
  p.Method("FormCreate", &TAboutBox::FormCreate);
  p.Method("FormActivate", &TAboutBox::FormActivate);
  p.Method("FormClose", &TAboutBox::FormClose);
  p.Method("OKButtonClick", &TAboutBox::OKButtonClick);
  p.Method("Timer1Timer", &TAboutBox::Timer1Timer);
}

void TAboutBox::FormCreate(TObject*) {
  ProductName->SetCaption(std::string(program_texts::kAboutProduct));
  Version->SetCaption(std::string(program_texts::kAboutVersion));
  Copyright->SetCaption(std::string(program_texts::kAboutCopyright));
  Comments->SetCaption(std::string(program_texts::kAboutComment));
  TStrings* lines = Memo1->GetLines();
  lines->BeginUpdate();
  lines->Clear();
  for (std::string_view line : program_texts::kAboutCredits) lines->Add(std::string(line));
  lines->EndUpdate();
}

void TAboutBox::FormActivate(TObject*) {
  Timer1->SetEnabled(true);
}

void TAboutBox::FormClose(TObject*, TCloseAction&) {
  Timer1->SetEnabled(false);
}

void TAboutBox::OKButtonClick(TObject*) {
  Close();
}

void TAboutBox::Timer1Timer(TObject*) {
  int top = Memo1->GetTop() - 1;
  if (top <= CreditsEnd) top = CreditsStart;
  Memo1->SetTop(top);
}
