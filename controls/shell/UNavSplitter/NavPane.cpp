#include "controls/shell/UNavSplitter/NavPane.h"

TNavPane::TNavPane(TComponent* AOwner) : TNavGroup(AOwner) {
  FMinSize = 20;
  SetFrameStyle(navfsLowered);
}

void TNavPane::Publish(TPublisher<TNavPane>& p) {
  p.Prop("MinSize", &TNavPane::GetMinSize, &TNavPane::SetMinSize).Default(20);
  p.Prop("Index", &TNavPane::GetIndex, &TNavPane::SetIndex).Default(0);
  p.Default("FrameStyle", navfsLowered);
}

void TNavPane::Messages(TMessageMap<TNavPane>& m) {
  m.On(CM_DESIGNHITTEST, &TNavPane::CMDesignHitTest);
}

void TNavPane::CMDesignHitTest(TMessage& m) {
  m.Result = 0;
}

void TNavPane::Paint() {
  TNavGroup::Paint();
  if (!Designing() || !FActive) return;
  TCanvas* canvas = GetCanvas();
  TPen saved;
  saved.Assign(canvas->GetPen());
  TBrush savedBrush;
  savedBrush.Assign(canvas->GetBrush());
  canvas->GetPen()->SetStyle(psDot);
  canvas->GetPen()->SetColor(clBlack);
  canvas->GetPen()->SetMode(pmNot);
  canvas->GetBrush()->SetStyle(bsClear);
  canvas->Rectangle(GetClientRect());
  canvas->GetPen()->Assign(&saved);
  canvas->GetBrush()->Assign(&savedBrush);
}
