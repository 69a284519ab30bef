// TStyListBox: a list box under an optional column header. With header
// sections each line is cut at Delimiter and its fields are drawn in the
// sections' columns, with optional grid lines; the column widths can be
// kept in the settings store as "200,150,90".
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "controls/styled/styclass.h"
#include "controls/styled/styctrl.h"
#include "platform/vcl/ComCtrls.h"
#include "platform/vcl/StdCtrls.h"

class TStyHeaderControl : public THeaderControl {
  DRUMS_CLASS(TStyHeaderControl, THeaderControl)
 public:
  using THeaderControl::THeaderControl;
};

// The section list of old form data, read only to become header sections.
class TStyHeaderStrings : public TStringList {
  DRUMS_CLASS(TStyHeaderStrings, TStringList)
 public:
  TStyHeaderStrings() = default;
};

enum TStyLBGridLines : std::uint8_t { glNone, glHorizontal, glVertical, glBoth };
DRUMS_ENUM_NAMES(TStyLBGridLines, "glNone", "glHorizontal", "glVertical", "glBoth")
enum TStyIniUse : std::uint8_t { ioUseLink, ioUseGlobal, ioNone };
DRUMS_ENUM_NAMES(TStyIniUse, "ioUseLink", "ioUseGlobal", "ioNone")

class TStyListBox;
using TStyHeaderSizedEvent = TEvent<void(TObject* Sender, int Index, int Width)>;
using TStyHeaderSectionEvent = TEvent<void(TObject* Sender, THeaderSection* Section)>;
// The store used (null when none) and the section.
using TStyIniCtrlEvent = TEvent<void(TObject* Sender, TStyIniCtrl* IniCtrl, const std::string& Section)>;

class TStyListBox : public TStyCustomScrollBox {
  DRUMS_CLASS(TStyListBox, TStyCustomScrollBox)
  DRUMS_MESSAGE_MAP(TStyListBox)

 public:
  explicit TStyListBox(TComponent* AOwner);
  ~TStyListBox() override;

  TStyHeaderControl* GetHeader() const { return FHeader; }
  TListBox* GetListBox() const { return FListBox; }

  char GetDelimiter() const { return FDelimiter; }
  void SetDelimiter(char value);
  TColor GetSelectedColor() const { return FSelectedColor; }
  void SetSelectedColor(TColor value);
  TColor GetGridHorzColor() const { return FGridHorzColor; }
  void SetGridHorzColor(TColor value);
  TColor GetGridVertColor() const { return FGridVertColor; }
  void SetGridVertColor(TColor value);
  TStyLBGridLines GetGridLines() const { return FGridLines; }
  void SetGridLines(TStyLBGridLines value);
  TListBoxStyle GetStyle() const { return FStyle; }
  void SetStyle(TListBoxStyle value);
  int GetVirtualWidth() const { return FVirtualWidth; }
  void SetVirtualWidth(int value);
  TStyIniCtrl* GetIniLink() const { return FIniLink; }
  void SetIniLink(TStyIniCtrl* value);
  TStyIniUse GetIniUse() const { return FIniUse; }
  void SetIniUse(TStyIniUse value) { FIniUse = value; }
  const std::string& GetSection() const { return FSection; }
  void SetSection(const std::string& value) { FSection = value; }
  const std::string& GetIniKey() const { return FIniKey; }
  void SetIniKey(const std::string& value) { FIniKey = value; }

  // Forwarded to the inner list and the header (Enabled, Color, Font and
  // Cursor follow the control's own as they change; ShowHint reaches them
  // as their parent's). The inner list and the header cover the control,
  // so they show its hint.
  void SetHint(const std::string& value);
  void SetDragMode(TDragMode value);
  void SetDragCursor(TCursor value);
  bool GetAllowResize() const { return FHeader->GetEnabled(); }
  void SetAllowResize(bool value) { FHeader->SetEnabled(value); }
  bool GetExtendedSelect() const { return FListBox->GetExtendedSelect(); }
  void SetExtendedSelect(bool value);
  bool GetMultiSelect() const { return FListBox->GetMultiSelect(); }
  void SetMultiSelect(bool value);
  bool GetSorted() const { return FListBox->GetSorted(); }
  void SetSorted(bool value);
  bool GetListTabStop() const { return FListBox->GetTabStop(); }
  void SetListTabStop(bool value);
  bool GetHeaderVisible() const { return FHeader->GetVisible(); }
  void SetHeaderVisible(bool value);
  bool GetHeaderHotTrack() const { return FHeader->GetHotTrack(); }
  void SetHeaderHotTrack(bool value) { FHeader->SetHotTrack(value); }
  bool GetHeaderFlat() const { return FHeader->GetStyle() == hsFlat; }
  void SetHeaderFlat(bool value) { FHeader->SetStyle(value ? hsFlat : hsButtons); }
  TStrings* GetItems() const { return FListBox->GetItems(); }
  void SetItems(TStrings* value) { FListBox->GetItems()->Assign(value); }
  TFont* GetHeaderFont() const { return FHeader->GetFont(); }
  void SetHeaderFont(TFont* value) { FHeader->GetFont()->Assign(value); }
  int GetHeaderHeight() const { return FHeader->GetHeight(); }
  void SetHeaderHeight(int value);
  THeaderSections* GetHeaderSections() const { return FHeader->GetSections(); }
  void SetHeaderSections(THeaderSections* value) { FHeader->GetSections()->Assign(value); }
  int GetSectionCount() const { return FHeader->GetSections()->GetCount(); }
  // Only the owner-drawn styles take an item height.
  int GetItemHeight() const { return FItemHeight; }
  void SetItemHeight(int value);
  int GetItemIndex() const { return FListBox->GetItemIndex(); }
  void SetItemIndex(int value) { FListBox->SetItemIndex(value); }
  int GetTopIndex() const { return FListBox->GetTopIndex(); }
  void SetTopIndex(int value) { FListBox->SetTopIndex(value); }
  int GetSelCount() const { return FListBox->GetSelCount(); }
  // Always false.
  bool GetAutoScrollOff() const { return false; }
  void Clear() { FListBox->Clear(); }
  void SetFocus() override;

  // The widths of the sections as "200,150,90" ("" without a section), and
  // back (a field that is no number leaves its section as it is).
  std::string GetColumnWidths() const;
  void SetColumnWidths(const std::string& value);
  // The old form data's section list; setting it raises.
  TStyHeaderStrings* GetSections() const { return FSections.get(); }
  void SetSections(TStyHeaderStrings* value);

  TDrawItemEvent OnDrawItem;
  TStyHeaderSizedEvent OnHeaderSized;
  TStyHeaderSectionEvent OnHeaderSectionResize;
  TStyIniCtrlEvent OnIniReadData;
  TStyIniCtrlEvent OnIniWriteData;

  static void Publish(TPublisher<TStyListBox>& p);
  static void Messages(TMessageMap<TStyListBox>& m);

  // The widths from the store and into it (the settings of IniUse).
  virtual void ReadIniData();
  virtual void WriteIniData();

 protected:
  void DefineProperties(TFiler* Filer) override;
  void Loaded() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void ReadState(TReader* Reader) override;
  void AlignControls(TControl* AControl, TRect& Rect) override;
  void Resize() override;
  // One line of the inner list.
  virtual void DrawListItem(int Index, TRect Rect, TOwnerDrawState State);

 private:
  void WMEraseBkgnd(TMessage& m);
  void CMEnabledChanged(TMessage& m);
  void CMColorChanged(TMessage& m);
  void CMFontChanged(TMessage& m);
  void CMCursorChanged(TMessage& m);
  // The store IniUse names, or null.
  TStyIniCtrl* Store() const;
  void HeaderSectionResized(THeaderSection* Section);
  void RepaintList();

  TStyHeaderControl* FHeader = nullptr;
  TListBox* FListBox = nullptr;
  std::unique_ptr<TStyHeaderStrings> FSections;
  char FDelimiter = ';';
  TColor FSelectedColor = clHighlight;
  TColor FGridHorzColor = clSilver;
  TColor FGridVertColor = clSilver;
  TStyLBGridLines FGridLines = glNone;
  TListBoxStyle FStyle = lbStandard;
  int FItemHeight = 16;
  int FVirtualWidth = 0;
  TStyIniCtrl* FIniLink = nullptr;
  TStyIniUse FIniUse = ioNone;
  std::string FSection = "Common";
  std::string FIniKey = "ListBoxData";
};
