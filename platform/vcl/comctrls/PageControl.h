// TPageControl and TTabSheet: the window manager's tab control as a row of
// tabs over pages; each page is a TTabSheet holding its own controls, and
// only the active page shows.
#pragma once

#include <string>
#include <vector>

#include "platform/vcl/comctrls/CommonControl.h"

class TPageControl;

class TTabSheet : public TWinControl {
  DRUMS_CLASS(TTabSheet, TWinControl)
  DRUMS_MESSAGE_MAP(TTabSheet)

 public:
  explicit TTabSheet(TComponent* AOwner);
  ~TTabSheet() override;

  TPageControl* GetPageControl() const { return FPageControl; }
  // Makes the sheet a page of value (and a child of it), or of none.
  void SetPageControl(TPageControl* value);
  int GetPageIndex() const;
  void SetPageIndex(int value);
  // The tab's position among the tabs (the page index here: every page has a tab).
  int GetTabIndex() const { return GetPageIndex(); }

  void SetParent(TWinControl* AParent) override;
  bool HasParent() override { return true; }

  static void Publish(TPublisher<TTabSheet>& p);
  static void Messages(TMessageMap<TTabSheet>& m);

 private:
  friend class TPageControl;
  void CMTextChanged(TMessage& m);

  TPageControl* FPageControl = nullptr;
};

using TTabChangingEvent = TEvent<void(TObject*, bool&)>;

class TPageControl : public TCommonControl {
  DRUMS_CLASS(TPageControl, TCommonControl)
  DRUMS_MESSAGE_MAP(TPageControl)

 public:
  explicit TPageControl(TComponent* AOwner);
  ~TPageControl() override;

  int GetPageCount() const { return static_cast<int>(FPages.size()); }
  TTabSheet* GetPages(int index) const;
  TTabSheet* GetActivePage() const { return FActivePage; }
  // Shows value and hides the page shown before; from code this fires
  // neither OnChanging nor OnChange (they are the user's).
  void SetActivePage(TTabSheet* value);
  int GetActivePageIndex() const;
  void SetActivePageIndex(int value);
  // The next (or previous) page after current, wrapping around.
  TTabSheet* FindNextPage(TTabSheet* current, bool goForward) const;
  void SelectNextPage(bool goForward);

  void ShowControl(TControl* control) override;
  void GetChildren(const TGetChildProc& proc, TComponent* root) override;

  // The user picked another tab: OnChanging may refuse it; OnChange comes
  // after the new page shows.
  TTabChangingEvent OnChanging;
  TNotifyEvent OnChange;

  static void Publish(TPublisher<TPageControl>& p);
  static void Messages(TMessageMap<TPageControl>& m);

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void AdjustClientRect(TRect& rect) override;
  virtual bool CanChange();
  virtual void Change();

 private:
  friend class TTabSheet;
  void InsertPage(TTabSheet* page);
  void RemovePage(TTabSheet* page);
  void MovePage(TTabSheet* page, int index);
  void UpdateTabs();
  void UpdateTab(TTabSheet* page);
  void CNNotify(TMessage& m);

  std::vector<TTabSheet*> FPages;
  TTabSheet* FActivePage = nullptr;
};
