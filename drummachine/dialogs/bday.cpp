#include "drummachine/dialogs/bday.h"

#include <string>

#include "drummachine/dialogs/ShellOpen.h"
#include "platform/vcl/SysUtils.h"
#include "resources/texts/ProgramTexts.h"

TfrmBday* frmBday = nullptr;

TfrmBday::TfrmBday(TComponent* AOwner) : TForm(AOwner) {}

TfrmBday::~TfrmBday() {
  if (frmBday == this) frmBday = nullptr;
}

void TfrmBday::Publish(TPublisher<TfrmBday>& p) {
  p.Field("Label1", &TfrmBday::Label1);
  p.Field("Label3", &TfrmBday::Label3);
  p.Field("Label4", &TfrmBday::Label4);
  p.Field("Label5", &TfrmBday::Label5);
  p.Field("Label6", &TfrmBday::Label6);
  p.Field("Label2", &TfrmBday::Label2);
  p.Field("OKBtn", &TfrmBday::OKBtn);
  p.Method("FormCreate", &TfrmBday::FormCreate);
  p.Method("OKBtnClick", &TfrmBday::OKBtnClick);
  p.Method("Label5Click", &TfrmBday::Label5Click);
  p.Method("Label2Click", &TfrmBday::Label2Click);
}

void TfrmBday::FormCreate(TObject*) {
  SetCaption(std::string(program_texts::kGreetingCaption));
  Label1->SetCaption(std::string(program_texts::kGreetingTitle));
  Label3->SetCaption(std::string(program_texts::kGreetingText));
  Label4->SetCaption(std::string(program_texts::kGreetingSiteLead));
  Label5->SetCaption(std::string(program_texts::kGreetingSiteLink));
  Label6->SetCaption(std::string(program_texts::kGreetingMailLead));
  Label2->SetCaption(std::string(program_texts::kGreetingMailLink));
  // The links size to their text (only the text is clickable) and stand in
  // the middle, under the lines that lead to them.
  for (TLabel* link : {Label5, Label2}) link->SetLeft((GetClientWidth() - link->GetWidth()) / 2);
}

void TfrmBday::OKBtnClick(TObject*) {
  Close();
}

// A failure to open a link leaves the click as an exception, which the
// application reports; the dialog stays open.
void TfrmBday::Label5Click(TObject*) {
  ShellOpenFile(GetHandle(), std::string(program_texts::kMakerSite), "", "");
}

void TfrmBday::Label2Click(TObject*) {
  ShellOpenFile(GetHandle(), std::string(program_texts::kAuthorMail), "", "");
}

bool IsGreetingDate() {
  return DateToStr(Date()).starts_with(program_texts::kGreetingDatePrefix);
}
