// The greeting dialog that the main window shows on the greeting date: a few
// lines of text and two links, the maker's web site and a mail to the author.
#pragma once

#include "platform/vcl/Forms.h"
#include "platform/vcl/StdCtrls.h"

class TfrmBday : public TForm {
  DRUMS_CLASS(TfrmBday, TForm)

 public:
  explicit TfrmBday(TComponent* AOwner);
  ~TfrmBday() override;

  // Published components (set by the form reader).
  TLabel* Label1 = nullptr;  // the title
  TLabel* Label3 = nullptr;  // the greeting
  TLabel* Label4 = nullptr;  // leads to the web site
  TLabel* Label5 = nullptr;  // the maker's web site (a link)
  TLabel* Label6 = nullptr;  // leads to the mail
  TLabel* Label2 = nullptr;  // the author's mail (a link)
  TButton* OKBtn = nullptr;

  void FormCreate(TObject* Sender);
  void OKBtnClick(TObject* Sender);
  void Label5Click(TObject* Sender);
  void Label2Click(TObject* Sender);

  static void Publish(TPublisher<TfrmBday>& p);
};

extern TfrmBday* frmBday;

// Whether today is the greeting date: today's short date ("M/d/yyyy")
// begins with the greeting's month and day.
bool IsGreetingDate();
