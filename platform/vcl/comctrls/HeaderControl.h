// THeaderControl: the window manager's header control as a control: a row
// of sections the user resizes by dragging their dividers (kept within
// MinWidth..MaxWidth) and clicks, optionally owner-drawn.
#pragma once

#include <string>

#include "platform/vcl/classes/components/Collection.h"
#include "platform/vcl/comctrls/CommonControl.h"
#include "platform/vcl/controls/ControlTypes.h"

class THeaderControl;

enum THeaderSectionStyle { hsText, hsOwnerDraw };
DRUMS_ENUM_NAMES(THeaderSectionStyle, "hsText", "hsOwnerDraw")
enum THeaderStyle { hsButtons, hsFlat };
DRUMS_ENUM_NAMES(THeaderStyle, "hsButtons", "hsFlat")
enum TSectionTrackState { tsTrackBegin, tsTrackMove, tsTrackEnd };
DRUMS_ENUM_NAMES(TSectionTrackState, "tsTrackBegin", "tsTrackMove", "tsTrackEnd")

class THeaderSection : public TCollectionItem {
  DRUMS_CLASS(THeaderSection, TCollectionItem)

 public:
  explicit THeaderSection(TCollection* Collection);

  const std::string& GetText() const { return FText; }
  void SetText(const std::string& value);
  int GetWidth() const { return FWidth; }
  // Kept within MinWidth..MaxWidth.
  void SetWidth(int value);
  int GetMinWidth() const { return FMinWidth; }
  void SetMinWidth(int value);
  int GetMaxWidth() const { return FMaxWidth; }
  void SetMaxWidth(int value);
  bool GetAllowClick() const { return FAllowClick; }
  void SetAllowClick(bool value) { FAllowClick = value; }
  TAlignment GetAlignment() const { return FAlignment; }
  void SetAlignment(TAlignment value);
  THeaderSectionStyle GetStyle() const { return FStyle; }
  void SetStyle(THeaderSectionStyle value);
  // The section's edges in the header's client area.
  int GetLeft() const;
  int GetRight() const { return GetLeft() + FWidth; }

  void Assign(TPersistent* source) override;
  std::string GetDisplayName() override;

  static void Publish(TPublisher<THeaderSection>& p);

 private:
  friend class THeaderControl;
  std::string GetTextValue() const { return FText; }

  std::string FText;
  int FWidth = 50;
  int FMinWidth = 0;
  int FMaxWidth = 10000;
  bool FAllowClick = true;
  TAlignment FAlignment = taLeftJustify;
  THeaderSectionStyle FStyle = hsText;
};

class THeaderSections : public TControlItems {
  DRUMS_CLASS(THeaderSections, TControlItems)

 public:
  explicit THeaderSections(THeaderControl* headerControl);

  THeaderSection* Add() { return static_cast<THeaderSection*>(TCollection::Add()); }
  THeaderSection* GetItem(int index) const { return static_cast<THeaderSection*>(TCollection::GetItem(index)); }
  THeaderSection* operator[](int index) const { return GetItem(index); }

 protected:
  void Update(TCollectionItem* item) override;

 private:
  THeaderControl* FHeaderControl;
};

using TSectionNotifyEvent = TEvent<void(THeaderControl*, THeaderSection*)>;
// Width may be changed by the handler: the divider goes there.
using TSectionTrackEvent = TEvent<void(THeaderControl*, THeaderSection*, int&, TSectionTrackState)>;
using TDrawSectionEvent = TEvent<void(THeaderControl*, THeaderSection*, const TRect&, bool)>;

class THeaderControl : public TCommonControl {
  DRUMS_CLASS(THeaderControl, TCommonControl)
  DRUMS_MESSAGE_MAP(THeaderControl)

 public:
  explicit THeaderControl(TComponent* AOwner);
  ~THeaderControl() override;

  THeaderSections* GetSections() const { return FSections.get(); }
  void SetSections(THeaderSections* value) { FSections->Assign(value); }
  bool GetHotTrack() const { return FHotTrack; }
  void SetHotTrack(bool value);
  THeaderStyle GetStyle() const { return FStyle; }
  void SetStyle(THeaderStyle value);
  // The sections follow the divider while it is dragged (else only at the end).
  bool GetFullDrag() const { return FFullDrag; }
  void SetFullDrag(bool value);

  // The user clicked a section whose AllowClick is set.
  TSectionNotifyEvent OnSectionClick;
  // The user changed a section's width (by dragging its divider).
  TSectionNotifyEvent OnSectionResize;
  // A divider drag begins, moves and ends.
  TSectionTrackEvent OnSectionTrack;
  // Owner-drawn sections (Style hsOwnerDraw) are drawn by this on the Canvas.
  TDrawSectionEvent OnDrawSection;

  static void Publish(TPublisher<THeaderControl>& p);
  static void Messages(TMessageMap<THeaderControl>& m);

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  virtual void SectionClick(THeaderSection* section);
  virtual void SectionResize(THeaderSection* section);
  virtual void SectionTrack(THeaderSection* section, int& width, TSectionTrackState state);
  virtual void DrawSection(THeaderSection* section, const TRect& rect, bool pressed);

 private:
  friend class THeaderSections;
  // Sends one section (or, with null, all of them) to the window.
  void UpdateSections(THeaderSection* only);
  THeaderSection* SectionOf(int index) const;
  void CNNotify(TMessage& m);
  void CNDrawItem(TMessage& m);

  std::unique_ptr<THeaderSections> FSections;
  bool FHotTrack = false;
  THeaderStyle FStyle = hsButtons;
  bool FFullDrag = true;
  // Set while the library itself changes the window's items, whose
  // notifications are then no user's doing.
  int FSyncing = 0;
};
