#include "controls/styled/styextcS/ColorComboBox.h"

#include <algorithm>
#include <cctype>

#include "controls/styled/styprocs/Frames.h"
#include "platform/vcl/SysUtils.h"
#include "platform/win/windows.h"

namespace {

constexpr int kDefaultColorCount = 16;
constexpr int kColorStyleHeight = 25;
constexpr int kColorStyleItemHeight = 15;

std::string CustomName(char letter) {
  return std::string("Color") + letter;
}

bool IsHexadecimal(const std::string& s) {
  return !s.empty() && std::all_of(s.begin(), s.end(), [](unsigned char ch) { return std::isxdigit(ch) != 0; });
}

// The colour of an entry: "$" and hexadecimal figures, or a colour name.
bool EntryColor(const std::string& text, TColor& color) {
  if (!text.empty() && text[0] == '$') {
    if (!IsHexadecimal(text.substr(1)) || text.size() > 9) return false;
    color = static_cast<TColor>(std::stoul(text.substr(1), nullptr, 16));
    return true;
  }
  return IdentToColor(text, color);
}

}  // namespace

TStyCustomColorComboBox::TStyCustomColorComboBox(TComponent* AOwner)
    : TStyCustomComboBox(AOwner), FCustomColors(std::make_unique<TStringList>()) {
  SetStyle(csOwnerDrawVariable);
  Remeasure();
  FillColors();
}

TStyCustomColorComboBox::~TStyCustomColorComboBox() = default;

void TStyCustomColorComboBox::Publish(TPublisher<TStyCustomColorComboBox>& p) {
  p.Prop("CustomColors", &TStyCustomColorComboBox::GetCustomColors, &TStyCustomColorComboBox::SetCustomColors);
  p.Prop("DlgOptions", &TStyCustomColorComboBox::GetDlgOptions, &TStyCustomColorComboBox::SetDlgOptions)
      .Default(TColorDialogOptions{});
  p.Prop("DlgHelpContext", &TStyCustomColorComboBox::GetDlgHelpContext, &TStyCustomColorComboBox::SetDlgHelpContext)
      .Default(0);
  p.Prop("DisplayStyle", &TStyCustomColorComboBox::GetDisplayStyle, &TStyCustomColorComboBox::SetDisplayStyle)
      .Default(csColorText);
  p.Prop("Options", &TStyCustomColorComboBox::GetOptions, &TStyCustomColorComboBox::SetOptions)
      .Default(TStyColorCBOptions{coDefaultColors, coAllowAnyColor});
  p.Prop("OnBeforeDialogShow", &TStyCustomColorComboBox::OnBeforeDialogShow);
  p.Prop("OnAfterDialogShow", &TStyCustomColorComboBox::OnAfterDialogShow);
  // The entries come from the options; the item height from the style.
  p.Prop("Items", &TStyCustomColorComboBox::GetItems, &TStyCustomColorComboBox::SetItems).Stored(false);
  p.Prop("Style", &TStyCustomColorComboBox::GetStyle, &TStyCustomColorComboBox::SetStyle).Stored(false);
}

void TStyCustomColorComboBox::Messages(TMessageMap<TStyCustomColorComboBox>& m) {
  m.On(WM_RBUTTONDOWN, &TStyCustomColorComboBox::WMRButtonDown);
}

std::string TStyCustomColorComboBox::CurrentText() {
  const int index = GetItemIndex();
  if (index >= 0 && index < GetItems()->GetCount()) return GetItems()->GetStrings(index);
  return GetStyle() == csDropDown || GetStyle() == csSimple ? GetText() : std::string();
}

TColor TStyCustomColorComboBox::GetCurrentColor() {
  const std::string text = CurrentText();
  if (text.empty()) return -1;
  try {
    return StringToColor(text);
  } catch (const Exception&) {
    return -1;
  }
}

void TStyCustomColorComboBox::SetCurrentColor(TColor value) {
  const std::string name = ColorToString(value);
  if (name == CurrentText()) return;
  int index = GetItems()->IndexOf(name);
  if (index < 0 && FOptions.Contains(coAllowAnyColor) && value != NoColor()) index = GetItems()->Add(name);
  SetItemIndex(index);
  Change();
}

void TStyCustomColorComboBox::FillColors() {
  const bool remember = GetItemIndex() >= 0;
  const TColor remembered = remember ? GetCurrentColor() : -1;
  GetItems()->BeginUpdate();
  GetItems()->Clear();
  if (FOptions.Contains(coDefaultColors) || FOptions.Contains(coSystemColors)) {
    int named = 0;
    GetColorValues([&](const std::string& name) {
      if (name == "clNone") return;
      const bool standard = named++ < kDefaultColorCount;
      if (standard ? FOptions.Contains(coDefaultColors) : FOptions.Contains(coSystemColors)) GetItems()->Add(name);
    });
  }
  if (FOptions.Contains(coCustomColors) && FCustomColors->GetCount() > 0)
    for (char letter = 'A'; letter <= 'P'; ++letter) {
      if (FCustomColors->IndexOfName(CustomName(letter)) < 0) continue;
      std::string value = FCustomColors->GetValues(CustomName(letter));
      if (value == "FFFFFFFF") continue;
      if (value.size() < 8) value.insert(0, 8 - value.size(), '0');
      GetItems()->Add("$" + value);
    }
  GetItems()->EndUpdate();
  if (remember) SetCurrentColor(remembered);
}

void TStyCustomColorComboBox::SetCustomColors(TStrings* value) {
  // A copy first: value may be the combo's own list, which is cleared here.
  TStringList given;
  if (value) given.Assign(value);
  FCustomColors->Clear();
  if (value)
    for (char letter = 'A'; letter <= 'P'; ++letter) {
      if (given.IndexOfName(CustomName(letter)) < 0) continue;
      const std::string full = given.GetValues(CustomName(letter));
      // The colour dialog marks an unused slot with FFFFFFFF.
      if (SameText(full, "FFFFFFFF")) continue;
      const std::string figures = full.substr(0, 6);
      if (IsHexadecimal(figures)) FCustomColors->SetValues(CustomName(letter), figures);
    }
  FillColors();
}

void TStyCustomColorComboBox::SetOptions(TStyColorCBOptions value) {
  if (FOptions == value) return;
  FOptions = value;
  FillColors();
}

void TStyCustomColorComboBox::Loaded() {
  inherited::Loaded();
  FillColors();
}

void TStyCustomColorComboBox::SetDisplayStyle(TStyColorCBStyle value) {
  if (FDisplayStyle == value) return;
  FDisplayStyle = value;
  Remeasure();
}

void TStyCustomColorComboBox::FontChanged(TObject* sender) {
  inherited::FontChanged(sender);
  Remeasure();
}

void TStyCustomColorComboBox::Remeasure() {
  const bool selected = GetItemIndex() >= 0;
  const TColor previous = selected ? GetCurrentColor() : -1;
  if (FDisplayStyle == csColor) {
    SetHeight(kColorStyleHeight);
  } else {
    TBitmap measure;
    measure.GetCanvas()->SetFont(GetFont());
    const int textHeight = measure.GetCanvas()->TextHeight("Wg");
    FMeasuredItemHeight = textHeight + 2;
    SetItemHeight(FMeasuredItemHeight);
    SetHeight(textHeight + 11);
  }
  if (HandleAllocated()) RecreateWnd();
  if (selected) SetCurrentColor(previous);
}

void TStyCustomColorComboBox::MeasureItem(int index, int& height) {
  height = FDisplayStyle == csColor ? kColorStyleItemHeight : FMeasuredItemHeight;
  inherited::MeasureItem(index, height);
}

void TStyCustomColorComboBox::DrawItem(int index, TRect rect, TOwnerDrawState state) {
  TCanvas* canvas = GetCanvas();
  if (state.Contains(odSelected)) {
    canvas->GetBrush()->SetColor(clHighlight);
    canvas->GetFont()->SetColor(clHighlightText);
  } else {
    canvas->GetBrush()->SetColor(GetColor());
    canvas->GetFont()->SetColor(state.Contains(odDisabled) ? clGrayText : GetFont()->GetColor());
  }
  canvas->GetBrush()->SetStyle(bsSolid);
  canvas->FillRect(rect);
  if (state.Contains(odFocused)) canvas->DrawFocusRect(rect);
  if (index < 0 || index >= GetItems()->GetCount()) return;
  const std::string text = GetItems()->GetStrings(index);
  TColor color = clNone;
  if (!EntryColor(text, color) || color == NoColor()) return;
  const std::string label = !text.empty() && text[0] == 'c' ? text.substr(2) : text;
  const TColor textBrush = canvas->GetBrush()->GetColor();
  auto writeLabel = [&](int x) {
    canvas->GetBrush()->SetStyle(bsClear);
    canvas->TextOut(x, rect.Top + 2, label);
    canvas->GetBrush()->SetStyle(bsSolid);
    canvas->GetBrush()->SetColor(textBrush);
  };
  switch (FDisplayStyle) {
    case csColor:
      canvas->GetBrush()->SetColor(color);
      canvas->FillRect(TRect(rect.Left + 3, rect.Top + 3, rect.Right - 3, rect.Bottom - 3));
      break;
    case csText: writeLabel(rect.Left + 2); break;
    case csColorText:
    case csColor3DText: {
      TRect swatch(rect.Left + 4, rect.Top + 2, rect.Left + GetItemHeight() + 8, rect.Bottom - 2);
      canvas->GetBrush()->SetColor(color);
      if (FDisplayStyle == csColorText) {
        canvas->GetPen()->SetColor(canvas->GetFont()->GetColor());
        canvas->Rectangle(swatch);
      } else {
        canvas->FillRect(swatch);
        TRect frame = swatch;
        DrawBorderStyle(canvas, frame, lsSingleRaised, 0);
      }
      writeLabel(swatch.Right + 6);
      break;
    }
  }
}

void TStyCustomColorComboBox::WMRButtonDown(TMessage& m) {
  if (!FOptions.Contains(coAllowDialog) || GetComponentState().Contains(csDesigning)) return InheritedMessage(m);
  ExecuteColorDialog();
}

void TStyCustomColorComboBox::ExecuteColorDialog() {
  auto dialog = std::make_unique<TColorDialog>(this);
  dialog->SetCustomColors(FCustomColors.get());
  dialog->SetOptions(FDlgOptions);
  const TColor current = GetCurrentColor();
  if (current != -1) dialog->SetColor(current);
  dialog->SetHelpContext(FDlgHelpContext);
  if (OnBeforeDialogShow) OnBeforeDialogShow(this, dialog.get());
  if (dialog->Execute()) {
    SetCustomColors(dialog->GetCustomColors());
    SetCurrentColor(dialog->GetColor());
  }
  if (OnAfterDialogShow) OnAfterDialogShow(this, dialog.get());
}
