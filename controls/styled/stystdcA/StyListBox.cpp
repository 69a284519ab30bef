#include "controls/styled/stystdcA/StyListBox.h"

#include <algorithm>

#include "controls/styled/stycompo.h"
#include "controls/styled/stystdcA/ListBoxColumns.h"
#include "platform/vcl/Classes.h"
#include "platform/vcl/Forms.h"
#include "platform/win/windows.h"

TStyListBox::TStyListBox(TComponent* AOwner)
    : TStyCustomScrollBox(AOwner), FSections(std::make_unique<TStyHeaderStrings>()) {
  TControlStyle style = GetControlStyle();
  style.Exclude(csAcceptsControls);
  style.Exclude(csSetCaption);
  SetControlStyle(style);
  SetBounds(GetLeft(), GetTop(), 100, 100);
  SetTabStop(false);
  SetAutoScroll(true);
  GetVertScrollBar()->SetVisible(false);

  FHeader = new TStyHeaderControl(this);
  FHeader->SetParent(this);
  FHeader->SetAlign(alTop);
  FHeader->SetTabStop(false);
  FHeader->SetHeight(25);
  FHeader->GetSections()->Add();
  FHeader->OnSectionResize = [this](THeaderControl*, THeaderSection* section) { HeaderSectionResized(section); };

  FListBox = new TListBox(this);
  FListBox->SetParent(this);
  FListBox->SetCtl3D(false);
  FListBox->SetBorderStyle(bsNone);
  FListBox->SetColor(clWhite);
  FListBox->SetStyle(lbOwnerDrawFixed);
  FListBox->SetAlign(alClient);
  FListBox->OnDrawItem = [this](TWinControl*, int index, TRect rect, TOwnerDrawState state) {
    DrawListItem(index, rect, state);
  };
  FItemHeight = FListBox->GetItemHeight();
  // Color is the inner list's: white, whatever the parent's colour.
  SetParentColor(false);
  SetColor(clWhite);
}

TStyListBox::~TStyListBox() {
  if (!GetComponentState().Contains(csDesigning)) {
    // A store that refuses the widths must not take the program down while
    // its window closes: the error is reported like any other.
    try {
      WriteIniData();
    } catch (...) {
      if (Application) Application->HandleException(this);
    }
  }
  FSections.reset();
  if (FIniLink) FIniLink->RemoveFreeNotification(this);
  FListBox->OnDrawItem = nullptr;
  FHeader->OnSectionResize = nullptr;
}

void TStyListBox::Publish(TPublisher<TStyListBox>& p) {
  p.Prop("Delimiter", &TStyListBox::GetDelimiter, &TStyListBox::SetDelimiter).Default(';');
  p.Prop("SelectedColor", &TStyListBox::GetSelectedColor, &TStyListBox::SetSelectedColor).Default(clHighlight);
  p.Prop("GridHorzColor", &TStyListBox::GetGridHorzColor, &TStyListBox::SetGridHorzColor).Default(clSilver);
  p.Prop("GridVertColor", &TStyListBox::GetGridVertColor, &TStyListBox::SetGridVertColor).Default(clSilver);
  p.Prop("GridLines", &TStyListBox::GetGridLines, &TStyListBox::SetGridLines).Default(glNone);
  p.Prop("Style", &TStyListBox::GetStyle, &TStyListBox::SetStyle).Default(lbStandard);
  p.Prop("VirtualWidth", &TStyListBox::GetVirtualWidth, &TStyListBox::SetVirtualWidth).Default(0);
  p.Prop("IniLink", &TStyListBox::GetIniLink, &TStyListBox::SetIniLink);
  p.Prop("IniUse", &TStyListBox::GetIniUse, &TStyListBox::SetIniUse).Default(ioNone);
  p.Prop("Section", &TStyListBox::GetSection, &TStyListBox::SetSection).Stored([](TStyListBox& b) {
    return !b.FSection.empty() && b.FSection != "Common";
  });
  p.Prop("IniKey", &TStyListBox::GetIniKey, &TStyListBox::SetIniKey).Stored([](TStyListBox& b) {
    return !b.FIniKey.empty() && b.FIniKey != "ListBoxData";
  });
  p.Prop("AllowResize", &TStyListBox::GetAllowResize, &TStyListBox::SetAllowResize).Default(true);
  p.Prop("ExtendedSelect", &TStyListBox::GetExtendedSelect, &TStyListBox::SetExtendedSelect).Default(true);
  p.Prop("MultiSelect", &TStyListBox::GetMultiSelect, &TStyListBox::SetMultiSelect).Default(false);
  p.Prop("Sorted", &TStyListBox::GetSorted, &TStyListBox::SetSorted).Default(false);
  // Tabbing stops at the inner list, never at the box around it.
  p.Prop("TabStop", &TStyListBox::GetListTabStop, &TStyListBox::SetListTabStop).Default(true);
  p.Prop("HeaderVisible", &TStyListBox::GetHeaderVisible, &TStyListBox::SetHeaderVisible).Default(true);
  p.Prop("HeaderHotTrack", &TStyListBox::GetHeaderHotTrack, &TStyListBox::SetHeaderHotTrack).Default(false);
  p.Prop("HeaderFlat", &TStyListBox::GetHeaderFlat, &TStyListBox::SetHeaderFlat).Default(false);
  p.Prop("HeaderFont", &TStyListBox::GetHeaderFont, &TStyListBox::SetHeaderFont);
  p.Prop("HeaderHeight", &TStyListBox::GetHeaderHeight, &TStyListBox::SetHeaderHeight).Default(25);
  p.Prop("HeaderSections", &TStyListBox::GetHeaderSections, &TStyListBox::SetHeaderSections);
  p.Prop("Items", &TStyListBox::GetItems, &TStyListBox::SetItems);
  p.Prop("Hint", &TStyListBox::GetHint, &TStyListBox::SetHint);
  p.Prop("DragMode", &TStyListBox::GetDragMode, &TStyListBox::SetDragMode).Default(dmManual);
  p.Prop("DragCursor", &TStyListBox::GetDragCursor, &TStyListBox::SetDragCursor).Default(crDrag).Idents("TCursor");
  p.Prop("Sections", &TStyListBox::GetSections, &TStyListBox::SetSections).Stored(false);
  p.Prop("OnDrawItem", &TStyListBox::OnDrawItem);
  p.Prop("OnHeaderSized", &TStyListBox::OnHeaderSized);
  p.Prop("OnHeaderSectionResize", &TStyListBox::OnHeaderSectionResize);
  p.Prop("OnIniReadData", &TStyListBox::OnIniReadData);
  p.Prop("OnIniWriteData", &TStyListBox::OnIniWriteData);
}

void TStyListBox::Messages(TMessageMap<TStyListBox>& m) {
  m.On(WM_ERASEBKGND, &TStyListBox::WMEraseBkgnd);
  m.On(CM_ENABLEDCHANGED, &TStyListBox::CMEnabledChanged);
  m.On(CM_COLORCHANGED, &TStyListBox::CMColorChanged);
  m.On(CM_FONTCHANGED, &TStyListBox::CMFontChanged);
  m.On(CM_CURSORCHANGED, &TStyListBox::CMCursorChanged);
}

// Properties ----------------------------------------------------------------------

void TStyListBox::RepaintList() {
  FListBox->Invalidate();
}

void TStyListBox::SetDelimiter(char value) {
  if (FDelimiter == value) return;
  FDelimiter = value;
  RepaintList();
}

void TStyListBox::SetSelectedColor(TColor value) {
  FSelectedColor = value;
  RepaintList();
}

void TStyListBox::SetGridHorzColor(TColor value) {
  FGridHorzColor = value;
  RepaintList();
}

void TStyListBox::SetGridVertColor(TColor value) {
  FGridVertColor = value;
  RepaintList();
}

void TStyListBox::SetGridLines(TStyLBGridLines value) {
  if (FGridLines == value) return;
  FGridLines = value;
  RepaintList();
}

void TStyListBox::SetStyle(TListBoxStyle value) {
  FStyle = value;
  if (value == lbStandard) {
    // The control draws the columns itself.
    FItemHeight = FListBox->GetItemHeight();
    FListBox->SetStyle(lbOwnerDrawFixed);
    FListBox->SetItemHeight(FItemHeight);
  } else {
    FListBox->SetStyle(value);
  }
}

void TStyListBox::SetItemHeight(int value) {
  if (FStyle == lbStandard) return;
  FItemHeight = value;
  FListBox->SetItemHeight(value);
}

void TStyListBox::SetExtendedSelect(bool value) {
  if (FListBox->GetExtendedSelect() != value) FListBox->SetExtendedSelect(value);
}
void TStyListBox::SetMultiSelect(bool value) {
  if (FListBox->GetMultiSelect() != value) FListBox->SetMultiSelect(value);
}
void TStyListBox::SetSorted(bool value) {
  if (FListBox->GetSorted() != value) FListBox->SetSorted(value);
}
void TStyListBox::SetListTabStop(bool value) {
  if (FListBox->GetTabStop() != value) FListBox->SetTabStop(value);
}

void TStyListBox::SetHeaderVisible(bool value) {
  FHeader->SetVisible(value);
  Realign();
}

void TStyListBox::SetHeaderHeight(int value) {
  if (FHeader->GetHeight() == value) return;
  FHeader->SetHeight(value);
  Realign();
}

void TStyListBox::SetIniLink(TStyIniCtrl* value) {
  if (FIniLink == value) return;
  if (FIniLink) FIniLink->RemoveFreeNotification(this);
  FIniLink = value;
  if (FIniLink) FIniLink->FreeNotification(this);
}

void TStyListBox::SetSections(TStyHeaderStrings*) {
  throw Exception("This property is no longer used in the styled control library!");
}

void TStyListBox::SetFocus() {
  FListBox->SetFocus();
}

std::string TStyListBox::GetColumnWidths() const {
  return ColumnWidthsText(FHeader->GetSections());
}

void TStyListBox::SetColumnWidths(const std::string& value) {
  ApplyColumnWidths(value, FHeader->GetSections());
}

void TStyListBox::SetHint(const std::string& value) {
  inherited::SetHint(value);
  FListBox->SetHint(value);
  FHeader->SetHint(value);
}

void TStyListBox::SetDragMode(TDragMode value) {
  inherited::SetDragMode(value);
  FListBox->SetDragMode(value);
}

void TStyListBox::SetDragCursor(TCursor value) {
  inherited::SetDragCursor(value);
  FListBox->SetDragCursor(value);
}

void TStyListBox::CMCursorChanged(TMessage& m) {
  InheritedMessage(m);
  FListBox->SetCursor(GetCursor());
}

void TStyListBox::CMEnabledChanged(TMessage& m) {
  InheritedMessage(m);
  if (FListBox->GetEnabled() != GetEnabled()) {
    FListBox->SetEnabled(GetEnabled());
    FHeader->SetEnabled(GetEnabled());
  }
}

void TStyListBox::CMColorChanged(TMessage& m) {
  InheritedMessage(m);
  FListBox->SetColor(GetColor());
  Invalidate();
}

void TStyListBox::CMFontChanged(TMessage& m) {
  InheritedMessage(m);
  FListBox->SetFont(GetFont());
}

// Drawing -----------------------------------------------------------------------

void TStyListBox::DrawListItem(int Index, TRect Rect, TOwnerDrawState State) {
  if (GetComponentState().Contains(csLoading)) return;
  if (FStyle != lbStandard && OnDrawItem) {
    OnDrawItem(FListBox, Index, Rect, State);
    return;
  }
  TCanvas* canvas = FListBox->GetCanvas();
  TBrush* brush = canvas->GetBrush();
  brush->SetStyle(bsSolid);
  if (State.Contains(odSelected)) {
    brush->SetColor(FSelectedColor);
    canvas->GetFont()->SetColor(clHighlightText);
  } else {
    brush->SetColor(FListBox->GetColor());
    canvas->GetFont()->SetColor(FListBox->GetEnabled() ? FListBox->GetFont()->GetColor() : clGrayText);
  }
  canvas->FillRect(Rect);
  // The list draws the focus rectangle of a focused line itself, after
  // this: a second one here would invert it away again.
  brush->SetStyle(bsClear);
  const std::string line = Index < FListBox->GetItems()->GetCount() ? FListBox->GetItems()->GetStrings(Index) : "";
  if (IsBlankString(line)) return;

  THeaderSections* sections = FHeader->GetSections();
  if (sections->GetCount() == 0) {
    canvas->TextRect(Rect, Rect.Left + 2, Rect.Top, line);
  } else {
    TStringList fields;
    SplitAtDelimiter(line, FDelimiter, &fields);
    int left = Rect.Left;
    for (int i = 0; i < sections->GetCount() && i < fields.GetCount(); ++i) {
      const TRect column(left, Rect.Top, left + sections->GetItem(i)->GetWidth(), Rect.Bottom);
      canvas->TextRect(column, column.Left + 2, column.Top + 1, fields.GetStrings(i));
      left = column.Right + 1;
    }
    if (FGridLines == glVertical || FGridLines == glBoth) {
      canvas->GetPen()->SetStyle(psSolid);
      canvas->GetPen()->SetColor(FGridVertColor);
      const int height = FListBox->GetClientHeight();
      int x = Rect.Left;
      for (int i = 0; i < sections->GetCount(); ++i) {
        x += sections->GetItem(i)->GetWidth();
        canvas->MoveTo(x - 1, 0);
        canvas->LineTo(x - 1, height);
      }
    }
  }
  if (FGridLines == glHorizontal || FGridLines == glBoth) {
    canvas->GetPen()->SetStyle(psSolid);
    canvas->GetPen()->SetColor(FGridHorzColor);
    canvas->MoveTo(Rect.Left, Rect.Bottom - 1);
    canvas->LineTo(Rect.Right, Rect.Bottom - 1);
  }
}

void TStyListBox::HeaderSectionResized(THeaderSection* Section) {
  FListBox->Repaint();
  if (OnHeaderSized) OnHeaderSized(this, Section->GetIndex(), Section->GetWidth());
  if (OnHeaderSectionResize) OnHeaderSectionResize(this, Section);
}

void TStyListBox::WMEraseBkgnd(TMessage& m) {
  if (FGridLines == glVertical || FGridLines == glBoth) RepaintList();
  m.Result = 1;
}

// Settings store ----------------------------------------------------------------

TStyIniCtrl* TStyListBox::Store() const {
  if (FIniUse == ioUseLink) return FIniLink;
  if (FIniUse == ioUseGlobal) return StyApplication ? StyApplication->GetIniCtrl() : nullptr;
  return nullptr;
}

void TStyListBox::ReadIniData() {
  TStyIniCtrl* store = Store();
  if (store) {
    const std::string widths = store->ReadString(FSection, FIniKey, "");
    if (!widths.empty()) SetColumnWidths(widths);
  }
  if (OnIniReadData) OnIniReadData(this, store, FSection);
}

void TStyListBox::WriteIniData() {
  TStyIniCtrl* store = Store();
  if (store) {
    const std::string widths = GetColumnWidths();
    if (!widths.empty())
      store->WriteString(FSection, FIniKey, widths);
    else
      store->DeleteKey(FSection, FIniKey);
  }
  if (OnIniWriteData) OnIniWriteData(this, store, FSection);
}

// Streaming and layout ------------------------------------------------------------

void TStyListBox::DefineProperties(TFiler* Filer) {
  inherited::DefineProperties(Filer);
  Filer->DefineProperty(
      "ItemHeight", [this](TReader* reader) { SetItemHeight(reader->ReadInteger()); },
      [this](TWriter* writer) { writer->WriteInteger(FItemHeight); }, FStyle != lbStandard);
}

void TStyListBox::ReadState(TReader* Reader) {
  FHeader->GetSections()->Clear();
  inherited::ReadState(Reader);
}

void TStyListBox::Loaded() {
  inherited::Loaded();
  const bool designing = GetComponentState().Contains(csDesigning);
  if (FSections) {
    for (int i = 0; i < FSections->GetCount(); ++i) AddLegacySection(FSections->GetStrings(i), FHeader->GetSections());
    if (!designing) FSections.reset();
  }
  // The handlers the form gave the control fire from the inner list.
  FListBox->OnClick = OnClick;
  FListBox->OnDblClick = OnDblClick;
  FListBox->OnEnter = OnEnter;
  FListBox->OnExit = OnExit;
  FListBox->OnMouseDown = OnMouseDown;
  FListBox->OnMouseMove = OnMouseMove;
  FListBox->OnMouseUp = OnMouseUp;
  FListBox->OnKeyDown = OnKeyDown;
  FListBox->OnKeyUp = OnKeyUp;
  FListBox->OnKeyPress = OnKeyPress;
  if (!designing) ReadIniData();
  Realign();
}

void TStyListBox::Notification(TComponent* AComponent, TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FIniLink) FIniLink = nullptr;
  if (Operation == opInsert && FIniUse == ioUseLink && !FIniLink)
    if (auto* ini = dynamic_cast<TStyIniCtrl*>(AComponent)) SetIniLink(ini);
}

void TStyListBox::Resize() {
  inherited::Resize();
  Realign();
}

void TStyListBox::AlignControls(TControl* AControl, TRect& Rect) {
  const TComponentState state = GetComponentState();
  if (state.Contains(csLoading) || state.Contains(csDestroying)) return;
  inherited::AlignControls(AControl, Rect);
  if (FVirtualWidth <= 0) {
    GetHorzScrollBar()->SetRange(0);
    return;
  }
  GetHorzScrollBar()->SetRange(FVirtualWidth);
  FListBox->SetAlign(alNone);
  const int height = GetClientHeight();
  if (FHeader->GetVisible()) {
    FHeader->SetWidth(FVirtualWidth);
    FListBox->SetBounds(FListBox->GetLeft(), FHeader->GetHeight(), FHeader->GetWidth(),
                        std::max(0, height - FHeader->GetHeight()));
  } else {
    FListBox->SetBounds(FListBox->GetLeft(), 0, FVirtualWidth, height);
  }
}

void TStyListBox::SetVirtualWidth(int value) {
  if (value == FVirtualWidth || value < 0) return;
  FVirtualWidth = value;
  if (value != 0) {
    GetHorzScrollBar()->SetRange(value);
    GetHorzScrollBar()->SetPosition(0);
    FListBox->SetAlign(alNone);
    FHeader->SetAlign(alNone);
    FListBox->SetLeft(0);
    FHeader->SetLeft(0);
    FListBox->SetWidth(value);
  } else {
    FListBox->SetAlign(alClient);
    FHeader->SetAlign(alTop);
  }
  Realign();
}
