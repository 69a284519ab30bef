#include "controls/styled/stystdcS/SimpleLabel.h"

#include "controls/styled/stycompo.h"
#include "controls/styled/styprocs/Text3D.h"
#include "controls/styled/styutils.h"
#include "platform/vcl/Forms.h"
#include "platform/win/shellapi.h"
#include "platform/win/windows.h"

namespace {

// A caption that holds an address but no scheme of its own is a mail address.
bool IsMailAddress(const std::string& Text) {
  if (Text.find('@') == std::string::npos) return false;
  return Text.find("://") == std::string::npos && Text.rfind("mailto:", 0) != 0;
}

}  // namespace

TStyCustomSimpleLabel::TStyCustomSimpleLabel(TComponent* AOwner)
    : TStyBaseLabel(AOwner), FFont3D(std::make_unique<TSty3DCaption>()) {
  FFont3D->OnChange = [this](TObject*) { FontChanged(FFont3D.get()); };
}

TStyCustomSimpleLabel::~TStyCustomSimpleLabel() {
  FFont3D->OnChange = nullptr;
}

void TStyCustomSimpleLabel::Publish(TPublisher<TStyCustomSimpleLabel>& p) {
  p.Prop("Font3D", &TStyCustomSimpleLabel::GetFont3D, &TStyCustomSimpleLabel::SetFont3D);
}

void TStySimpleLabel::Publish(TPublisher<TStySimpleLabel>& p) {
  p.Prop("Jump", &TStySimpleLabel::GetJump, &TStySimpleLabel::SetJump);
  p.Prop("ActiveColor", &TStySimpleLabel::GetActiveColor, &TStySimpleLabel::SetActiveColor)
      .Idents("TColor")
      .Default(0x800080);
  p.Prop("InActiveColor", &TStySimpleLabel::GetInActiveColor, &TStySimpleLabel::SetInActiveColor)
      .Idents("TColor")
      .Default(0xFF0000);
  p.Prop("JumpUnderline", &TStySimpleLabel::GetJumpUnderline, &TStySimpleLabel::SetJumpUnderline).Default(true);
  p.Prop("JumpMode", &TStySimpleLabel::GetJumpMode, &TStySimpleLabel::SetJumpMode).Default(jmNone);
  p.Prop("Options", &TStySimpleLabel::GetOptions, &TStySimpleLabel::SetOptions).Default(TStyLabelOptions{});
  p.Prop("Transparent", &TStySimpleLabel::GetTransparent, &TStySimpleLabel::SetTransparent).Default(true);
}

void TStyCustomSimpleLabel::DefineProperties(TFiler* Filer) {
  inherited::DefineProperties(Filer);
  // Older forms mark links this way; the value must be a Boolean and is
  // otherwise not used.
  Filer->DefineProperty(
      "UseAsJump", [](TReader* reader) { reader->ReadBoolean(); }, nullptr, false);
}

void TStyCustomSimpleLabel::SetUnderline(bool value) {
  TFontStyles style = GetFont()->GetStyle();
  if (value)
    style.Include(fsUnderline);
  else
    style.Exclude(fsUnderline);
  GetFont()->SetStyle(style);
}

void TStyCustomSimpleLabel::SetJumpMode(TStyJumpModes value) {
  if (FJumpMode == value) return;
  FJumpMode = value;
  const bool designing = Designing();
  if (value != jmNone) {
    GetFont()->SetColor(GetInActiveColor());
    if (FJumpUnderline) SetUnderline(true);
    if (!designing) SetCursor(crStyHand);
    return;
  }
  if (Loading()) return;
  if (!designing) SetCursor(crDefault);
  GetFont()->SetColor(clBlack);
  if (FJumpUnderline) SetUnderline(false);
}

void TStyCustomSimpleLabel::AdjustSize() {
  if (!GetAutoSize() || Loading()) return;
  std::string text;
  GetCaption(text);
  TRect r = GetClientRect();
  // Measured with an ellipsis, the text would shrink to fit whatever size
  // the label had before; a label that takes its text's size needs none.
  const UINT format = OptionFormat() & ~static_cast<UINT>(DT_END_ELLIPSIS | DT_PATH_ELLIPSIS);
  MeasureText3D(text, FFont3D.get(), r, GetFont(), GetMultiLine(), GetShowAccelChar(), 0, format);
  SetBounds(GetLeft(), GetTop(), r.Right, r.Bottom);
}

void TStyCustomSimpleLabel::Paint() {
  if (Loading() || FPainting) return;
  FPainting = true;
  struct Done {
    bool& flag;
    ~Done() { flag = false; }
  } done{FPainting};
  if (IsEmpty()) {
    if (Designing()) DrawDesignFrame();
    return;
  }
  std::string text;
  GetCaption(text);
  TRect r = GetClientRect();
  if (!GetTransparent()) FillBackground();
  const UINT options = OptionFormat();
  UINT format = DT_EXPANDTABS | DT_WORDBREAK | AlignmentFormats[GetAlignment()] | options;
  if (!GetShowAccelChar()) format |= DT_NOPREFIX;
  if (!GetMultiLine())
    format |= DT_SINGLELINE;
  else if (GetAlignment() > agTopRight)
    AlignedTextRect(GetAlignment(), text, FFont3D.get(), r, GetFont(), true, GetShowAccelChar(), options, r);
  TCanvas* canvas = GetCanvas();
  canvas->SetFont(GetFont());
  canvas->GetBrush()->SetColor(GetColor());
  canvas->GetFont()->SetColor(GetFont()->GetColor());
  DrawText3D(canvas, text, FFont3D.get(), r, format, GetEnabled() ? tfEnabled : 0, nullptr);
}

void TStyCustomSimpleLabel::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (Button == mbLeft && FJumpMode != jmNone) GetFont()->SetColor(GetActiveColor());
  inherited::MouseDown(Button, Shift, X, Y);
}

bool TStyCustomSimpleLabel::OpenTarget(const std::string& Target) {
  // The target goes to the shell as the document to open, never as part of
  // a command line.
  HINSTANCE result = ShellExecuteA(Application->GetHandle(), nullptr, Target.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
  return reinterpret_cast<INT_PTR>(result) > 32;
}

void TStyCustomSimpleLabel::Click() {
  inherited::Click();
  if (FJumpMode != jmInternet && FJumpMode != jmApplication) return;
  std::string caption;
  GetCaption(caption);
  const std::string jump = TrimString(FJump);
  std::string target = jump.empty() ? caption : jump;
  if (FJumpMode == jmApplication) {
    OpenTarget(target);
    return;
  }
  if (jump.empty() && IsMailAddress(caption)) target = "mailto:" + caption;
  if (!OpenTarget(target)) {
    // A link that leads nowhere stops looking like one that works.
    FJumpMode = jmNone;
    SetEnabled(false);
  }
}
