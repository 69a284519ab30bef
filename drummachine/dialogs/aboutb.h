// The about box: the program's picture, name, version and copyright, and its
// credits scrolling upward in a loop while the box is active.
#pragma once

#include "platform/vcl/ExtCtrls.h"
#include "platform/vcl/Forms.h"
#include "platform/vcl/StdCtrls.h"

class TAboutBox : public TForm {
  DRUMS_CLASS(TAboutBox, TForm)

 public:
  explicit TAboutBox(TComponent* AOwner);
  ~TAboutBox() override;

  // Where the credits start and where they are put back to.
  static constexpr int CreditsStart = 75;
  // The credits' top at which they are put back.
  static constexpr int CreditsEnd = -140;

  // Published components (set by the form reader).
  TPanel* Panel1 = nullptr;
  TImage* ProgramIcon = nullptr;
  TLabel* ProductName = nullptr;
  TLabel* Version = nullptr;
  TLabel* Copyright = nullptr;
  TLabel* Comments = nullptr;
  TPanel* Panel2 = nullptr;
  TMemo* Memo1 = nullptr;
  TButton* OKButton = nullptr;
  TTimer* Timer1 = nullptr;

  void FormCreate(TObject* Sender);
  void FormActivate(TObject* Sender);
  void FormClose(TObject* Sender, TCloseAction& Action);
  void OKButtonClick(TObject* Sender);
  void Timer1Timer(TObject* Sender);

  static void Publish(TPublisher<TAboutBox>& p);
};

extern TAboutBox* AboutBox;
