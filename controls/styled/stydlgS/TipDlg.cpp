#include "controls/styled/stydlgS/TipDlg.h"

#include "controls/styled/styctrl/StyBevelPanel.h"
#include "controls/styled/styctrlA/NImage.h"
#include "controls/styled/styformA/FormFill.h"
#include "controls/styled/styformA/FormStyler.h"
#include "controls/styled/stystdcS/SimpleLabel.h"
#include "platform/vcl/Dialogs.h"
#include "platform/vcl/SysUtils.h"

namespace {

constexpr TColor kTipPaper = static_cast<TColor>(0xDFFFFF);
constexpr int kButtonLeft = 337;

TButton* AddButton(TStyTipForm* Form, int Top, int TabOrder, const std::string& Caption) {
  auto* button = new TButton(Form);
  button->SetParent(Form);
  button->SetBounds(kButtonLeft, Top, 80, 24);
  button->SetTabOrder(TabOrder);
  button->SetCaption(Caption);
  return button;
}

// The hint line when it exists; none otherwise.
void HintFrom(TStrings* Hints, int Line, TControl* Control) {
  if (Line < Hints->GetCount()) Control->SetHint(Hints->GetStrings(Line));
}

// The picture beside the tip comes from the program's resources; a program
// that has none shows the dialog without it.
void LoadTipPicture(TStyNImage* Image) {
  TBitmap picture;
  try {
    picture.LoadFromResourceID(GetModuleHandleA(nullptr), kStyTipPictureResource);
  } catch (const Exception&) {
    return;
  }
  Image->SetBitmap(&picture);
}

}  // namespace

TStyTipDlg::TStyTipDlg(TComponent* AOwner) : TStyBaseDialog(AOwner), FTips(std::make_unique<TStringList>()) {}

TStyTipDlg::~TStyTipDlg() = default;

void TStyTipDlg::Publish(TPublisher<TStyTipDlg>& p) {
  using T = TStyTipDlg;
  p.Prop("CaptionFill", &T::GetCaptionFill, &T::SetCaptionFill).Default(false);
  p.Prop("CaptionHeader", &T::GetCaptionHeader, &T::SetCaptionHeader);
  p.Prop("CaptionHelp", &T::GetCaptionHelp, &T::SetCaptionHelp);
  p.Prop("CaptionTitle", &T::GetCaptionTitle, &T::SetCaptionTitle);
  p.Prop("Colors", &T::GetColors, &T::SetColors).Default(32);
  p.Prop("CustomButton", &T::GetCustomButton, &T::SetCustomButton);
  p.Prop("Effect", &T::GetEffect, &T::SetEffect).Default(deNone);
  p.Prop("HelpContext", &T::GetHelpContext, &T::SetHelpContext).Default(0);
  p.Prop("Hints", &T::GetHints, &T::SetHints);
  p.Prop("Mode", &T::GetMode, &T::SetMode).Default(moNormal);
  p.Prop("Position", &T::GetPosition, &T::SetPosition).Default(bpCenter);
  p.Prop("RelatePos", &T::GetRelatePos, &T::SetRelatePos).Default(brScreen);
  p.Prop("ShowAtStart", &T::GetShowAtStart, &T::SetShowAtStart).Default(false);
  p.Prop("ShowHints", &T::GetShowHints, &T::SetShowHints).Default(true);
  p.Prop("Tips", &T::GetTips, &T::SetTips);
  p.Prop("TipsCount", &T::GetTipsCount, &T::SetTipsCount).Stored(false);
  p.Prop("OnCustomize", &T::OnCustomize);
  p.Prop("OnCustomClick", &T::OnCustomClick);
}

bool TStyTipDlg::Execute() {
  ShowTips(FMode, nullptr);
  return false;
}

void TStyTipDlg::ShowTips(TStyTipsDialogMode AMode, TControl* Anchor) {
  if (AMode == moStart && !FShowAtStart) return;
  if (FTips->GetCount() == 0) {
    MessageDlg("No Tips available - Dialog will not be displayed...", mtWarning, TMsgDlgButtons{mbOK}, 0);
    return;
  }
  FMode = AMode;
  std::unique_ptr<TStyTipForm> form = BuildForm();
  FForm = form.get();
  try {
    ShowForm(form.get(), Anchor, "Tips&Tricks " + (Application ? Application->GetTitle() : std::string()) + "...");
  } catch (...) {
    FForm = nullptr;
    FHistory.reset();
    FActivated = false;
    throw;
  }
  FShowAtStart = form->cbShowAtStart->GetChecked();
  FForm = nullptr;
  FHistory.reset();
  FActivated = false;
}

std::unique_ptr<TStyTipForm> TStyTipDlg::BuildForm() {
  std::unique_ptr<TStyTipForm> form(TCustomForm::CreateNew<TStyTipForm>(nullptr));
  TStyTipForm* f = form.get();
  f->SetBorderStyle(bsDialog);
  f->GetFont()->SetName("MS Sans Serif");
  f->GetFont()->SetHeight(-11);
  f->GetFont()->SetColor(clWindowText);
  f->SetPosition(poDefaultPosOnly);
  f->SetPixelsPerInch(96);

  f->btnOk = AddButton(f, 9, 0, "OK");
  f->btnOk->SetDefault(true);
  f->btnOk->SetCancel(true);
  f->btnOk->SetModalResult(mrOk);
  f->btnNext = AddButton(f, 42, 1, "&Next Tip");
  f->btnPrevious = AddButton(f, 69, 2, "&Previous Tip");
  f->btnCustom = AddButton(f, 104, 3, "");
  f->btnCustom->SetVisible(false);
  f->btnHelp = AddButton(f, 171, 4, FCaptionHelp);
  f->btnHelp->SetVisible(false);
  if (FHelpContext > 0) {
    f->btnHelp->SetVisible(true);
    if (f->btnHelp->GetCaption().empty()) f->btnHelp->SetCaption("&Help");
  }
  f->btnHelp->OnClick = [this](TObject*) {
    if (Application) Application->HelpContext(FHelpContext);
  };

  f->cbShowAtStart = new TCheckBox(f);
  f->cbShowAtStart->SetParent(f);
  f->cbShowAtStart->SetBounds(5, 204, 13, 13);
  f->cbShowAtStart->SetTabOrder(5);
  f->cbShowAtStart->SetChecked(true);
  f->cbShowAtStart->SetChecked(FShowAtStart);

  f->lblShowAtStart = new TStySimpleLabel(f);
  f->lblShowAtStart->SetParent(f);
  f->lblShowAtStart->SetBounds(22, 203, 5, 15);
  f->lblShowAtStart->SetTransparent(true);
  f->lblShowAtStart->SetFocusControl(f->cbShowAtStart);
  f->lblShowAtStart->SetCaption("Show tips at every start");
  TCheckBox* box = f->cbShowAtStart;
  f->lblShowAtStart->OnClick = [box](TObject*) { box->SetChecked(!box->GetChecked()); };
  f->lblShowAtStart->OnDblClick = f->lblShowAtStart->OnClick;

  f->pnlTip = new TStySimplePanel(f);
  f->pnlTip->SetParent(f);
  f->pnlTip->SetBounds(5, 8, 325, 187);
  f->pnlTip->GetBevel()->SetStyleOuter(bvLowered);
  f->pnlTip->GetBevel()->SetWidthOuter(2);
  f->pnlTip->SetColor(kTipPaper);
  f->pnlTip->SetTabOrder(6);

  f->lblHeader = new TLabel(f);
  f->lblHeader->SetParent(f->pnlTip);
  f->lblHeader->SetBounds(38, 22, 5, 16);
  f->lblHeader->SetAutoSize(true);
  f->lblHeader->GetFont()->SetStyle(TFontStyles{fsBold});
  f->lblHeader->GetFont()->SetHeight(-14);
  f->lblHeader->SetTransparent(true);
  f->lblHeader->SetShowAccelChar(false);
  f->lblHeader->SetCaption(FCaptionHeader.empty() ? std::string("Tip...") : FCaptionHeader);

  f->lblTip = new TLabel(f);
  f->lblTip->SetParent(f->pnlTip);
  f->lblTip->SetAutoSize(false);
  f->lblTip->SetBounds(38, 49, 280, 134);
  f->lblTip->SetWordWrap(true);
  f->lblTip->SetTransparent(true);
  f->lblTip->SetColor(kTipPaper);
  f->lblTip->GetFont()->SetHeight(-12);
  f->lblTip->SetShowAccelChar(false);

  f->imgTip = new TStyNImage(f);
  f->imgTip->SetParent(f->pnlTip);
  f->imgTip->SetBounds(5, 7, 30, 40);
  f->imgTip->SetStyle(sbAutosize);
  f->imgTip->GetTransparentStyle()->SetColor(static_cast<TColor>(255));
  f->imgTip->GetTransparentStyle()->SetMode(tpRestoreBack);
  LoadTipPicture(f->imgTip);

  if (GetShowHints() && GetHints()->GetCount() > 0) {
    f->SetShowHint(true);
    TStrings* hints = GetHints();
    HintFrom(hints, 0, f->btnOk);
    HintFrom(hints, 1, f->btnCustom);
    HintFrom(hints, 2, f->btnNext);
    HintFrom(hints, 3, f->btnPrevious);
    HintFrom(hints, 4, f->btnHelp);
    HintFrom(hints, 5, f->lblShowAtStart);
    HintFrom(hints, 5, f->cbShowAtStart);
  }

  f->styler = new TStyFormStyler(f);
  f->styler->SetEnabled(false);
  f->back = new TStyBack(f);
  f->back->SetEnabled(false);

  f->OnActivate = [this](TObject*) { FirstActivation(); };
  f->OnDestroy = [this](TObject*) { FHistory.reset(); };
  f->btnNext->OnClick = [this](TObject*) { NextTip(); };
  f->btnPrevious->OnClick = [this](TObject*) { PreviousTip(); };

  // The client size counts from the window's frame, which exists once the
  // window does; the window is made to fit its controls, so it never scrolls.
  f->SetAutoScroll(false);
  f->HandleNeeded();
  f->SetClientWidth(f->btnOk->GetLeft() + f->btnOk->GetWidth() + 7);
  f->SetClientHeight(f->cbShowAtStart->GetTop() + f->cbShowAtStart->GetHeight() + 6);
  FHistory = std::make_unique<TStringList>();
  FHistoryPos = -1;
  FActivated = false;
  return form;
}

void TStyTipDlg::ShowForm(TStyTipForm* Form, TControl* Anchor, const std::string& DefaultCaption) {
  Form->SetCaption(FCaptionTitle.empty() ? DefaultCaption : FCaptionTitle);
  if (!FCustomButton.empty()) {
    Form->btnCustom->SetCaption(FCustomButton);
    Form->btnCustom->SetVisible(true);
    if (OnCustomClick) Form->btnCustom->OnClick = OnCustomClick;
  } else {
    Form->btnCustom->SetVisible(false);
  }
  if (OnCustomize) OnCustomize(Form);

  TRect reference;
  if (Anchor) {
    reference = Anchor->GetBoundsRect();
  } else {
    GetPlacementRect(GetRelatePos(), reference);
  }
  PlaceWindow(Form->GetHandle(), reference, GetPosition());
  if (GetEffect() == deExplode) {
    ExplodeWindow(Form);
  } else if (GetEffect() == deExplodeExt) {
    ExplodeWindowExt(Form);
  }
  AttachFormStyler(Form);
  Form->ShowModal();
}

void TStyTipDlg::AttachFormStyler(TStyTipForm* Form) {
  // Where the system draws gradient captions itself, the styler leaves the
  // caption bar to it.
  Form->styler->SetEnabled(GetCaptionFill());
  if (GetCaptionFill()) Form->styler->SetColors(static_cast<TStyColorCount>(GetColors()));
  TStyFormStyleOptions options = Form->styler->GetOptions();
  options.Include(fsCheckSystemGradient);
  Form->styler->SetOptions(options);
  if (GetImageList()) {
    Form->back->SetImageList(GetImageList());
    Form->back->SetListIndex(GetListIndex());
    Form->back->SetImageIndex(GetImageIndex());
    Form->back->SetEnabled(true);
  }
}

void TStyTipDlg::FirstActivation() {
  if (FActivated || !FForm) return;
  FActivated = true;
  NextTip();
  FForm->btnPrevious->SetEnabled(FHistoryPos > 0);
  if (FForm->btnOk->CanFocus()) FForm->btnOk->SetFocus();
}

void TStyTipDlg::NextTip() {
  if (!FHistory) return;
  const int n = FTips->GetCount();
  if (FHistoryPos < FHistory->GetCount() - 1) {
    ++FHistoryPos;
    ShowTip(StrToIntDef(FHistory->GetStrings(FHistoryPos), -1));
  } else if (FHistory->GetCount() < n) {
    int r = 0;
    do {
      r = Random(n);
    } while (FHistory->IndexOf(IntToStr(r)) >= 0);
    FHistory->Add(IntToStr(r));
    ShowTip(r);
    FHistoryPos = FHistory->GetCount() - 1;
  }
  UpdateButtons();
}

void TStyTipDlg::PreviousTip() {
  if (!FHistory || FHistoryPos <= 0) return;
  --FHistoryPos;
  ShowTip(StrToIntDef(FHistory->GetStrings(FHistoryPos), -1));
  UpdateButtons();
}

void TStyTipDlg::ShowTip(int Index) {
  if (!FForm || Index < 0 || Index >= FTips->GetCount() || Index >= kStyMaxTips) return;
  FForm->lblTip->SetCaption(FTips->GetStrings(Index));
}

void TStyTipDlg::UpdateButtons() {
  if (!FForm) return;
  FForm->btnPrevious->SetEnabled(FHistoryPos > 0);
  FForm->btnNext->SetEnabled(FHistoryPos + 1 < FTips->GetCount());
}
