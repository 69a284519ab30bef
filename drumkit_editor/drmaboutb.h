// The kit editor's about box: its picture, name, version, credits and
// comment, a banner and a link to the maker's web site, both of which open
// the site in the default browser.
#pragma once

#include "platform/vcl/ExtCtrls.h"
#include "platform/vcl/Forms.h"
#include "platform/vcl/StdCtrls.h"

class TAboutBox : public TForm {
  DRUMS_CLASS(TAboutBox, TForm)

 public:
  explicit TAboutBox(TComponent* AOwner);
  ~TAboutBox() override;

  // Published components (set by the form reader).
  TPanel* Panel1 = nullptr;
  TImage* Image1 = nullptr;
  TLabel* ProductName = nullptr;
  TLabel* Version = nullptr;
  TLabel* Copyright = nullptr;
  TLabel* Comments = nullptr;
  TImage* ProgramIcon = nullptr;
  TLabel* Label5 = nullptr;
  TLabel* Label6 = nullptr;
  TLabel* Label7 = nullptr;
  TButton* OKButton = nullptr;

  void FormCreate(TObject* Sender);
  void OKButtonClick(TObject* Sender);
  void Label6Click(TObject* Sender);
  void ProgramIconClick(TObject* Sender);

  static void Publish(TPublisher<TAboutBox>& p);
};

extern TAboutBox* AboutBox;
