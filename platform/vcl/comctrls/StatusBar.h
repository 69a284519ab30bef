// TStatusBar: the window manager's status bar as a control, with a
// collection of panels (text, width, alignment, owner drawing) or one
// simple panel across the whole bar.
#pragma once

#include <string>

#include "platform/vcl/classes/components/Collection.h"
#include "platform/vcl/comctrls/CommonControl.h"
#include "platform/vcl/controls/ControlTypes.h"

class TStatusBar;

enum TStatusPanelStyle { psText, psOwnerDraw };
DRUMS_ENUM_NAMES(TStatusPanelStyle, "psText", "psOwnerDraw")

class TStatusPanel : public TCollectionItem {
  DRUMS_CLASS(TStatusPanel, TCollectionItem)

 public:
  explicit TStatusPanel(TCollection* Collection);

  const std::string& GetText() const { return FText; }
  void SetText(const std::string& value);
  int GetWidth() const { return FWidth; }
  void SetWidth(int value);
  TStatusPanelStyle GetStyle() const { return FStyle; }
  void SetStyle(TStatusPanelStyle value);
  TAlignment GetAlignment() const { return FAlignment; }
  void SetAlignment(TAlignment value);

  void Assign(TPersistent* source) override;
  std::string GetDisplayName() override;

  static void Publish(TPublisher<TStatusPanel>& p);

 private:
  std::string GetTextValue() const { return FText; }

  std::string FText;
  int FWidth = 50;
  TStatusPanelStyle FStyle = psText;
  TAlignment FAlignment = taLeftJustify;
};

class TStatusPanels : public TControlItems {
  DRUMS_CLASS(TStatusPanels, TControlItems)

 public:
  explicit TStatusPanels(TStatusBar* statusBar);

  TStatusPanel* Add() { return static_cast<TStatusPanel*>(TCollection::Add()); }
  TStatusPanel* GetItem(int index) const { return static_cast<TStatusPanel*>(TCollection::GetItem(index)); }
  TStatusPanel* operator[](int index) const { return GetItem(index); }

 protected:
  void Update(TCollectionItem* item) override;

 private:
  TStatusBar* FStatusBar;
};

class TStatusBar;
using TDrawPanelEvent = TEvent<void(TStatusBar*, TStatusPanel*, const TRect&)>;

class TStatusBar : public TCommonControl {
  DRUMS_CLASS(TStatusBar, TCommonControl)
  DRUMS_MESSAGE_MAP(TStatusBar)

 public:
  explicit TStatusBar(TComponent* AOwner);
  ~TStatusBar() override;

  TStatusPanels* GetPanels() const { return FPanels.get(); }
  void SetPanels(TStatusPanels* value) { FPanels->Assign(value); }
  bool GetSimplePanel() const { return FSimplePanel; }
  void SetSimplePanel(bool value);
  const std::string& GetSimpleText() const { return FSimpleText; }
  void SetSimpleText(const std::string& value);
  bool GetSizeGrip() const { return FSizeGrip; }
  void SetSizeGrip(bool value);

  // Owner-drawn panels (Style psOwnerDraw) are drawn by this on the Canvas.
  TDrawPanelEvent OnDrawPanel;

  static void Publish(TPublisher<TStatusBar>& p);
  static void Messages(TMessageMap<TStatusBar>& m);

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  virtual void DrawPanel(TStatusPanel* panel, const TRect& rect);

 private:
  friend class TStatusPanels;
  // Sends the panels' edges and texts (one panel, or all when null) to the window.
  void UpdatePanels(TStatusPanel* only);
  void UpdatePanelText(int index);
  void UpdateSimple();
  std::string GetSimpleTextValue() const { return FSimpleText; }
  void CNDrawItem(TMessage& m);

  std::unique_ptr<TStatusPanels> FPanels;
  bool FSimplePanel = false;
  std::string FSimpleText;
  bool FSizeGrip = true;
};
