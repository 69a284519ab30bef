// TCustomForm / TForm: a top-level window of the program, read from its
// embedded form resource, shown normally or modally, closed through
// CloseQuery and OnClose, keeping the control that has the focus.
//
// A form is built in two steps, because the resource can only be read once
// the most derived object exists: construct it, then AfterConstruction()
// reads the resource and runs OnCreate. TCustomForm::Create<T>(owner) and
// Application->CreateForm(ref) do both.
#pragma once

#include <memory>
#include <string>

#include "platform/vcl/controls/ControlCanvas.h"
#include "platform/vcl/controls/ScrollingWinControl.h"
#include "platform/vcl/forms/FormTypes.h"
#include "platform/vcl/graphics/Icon.h"

class TCustomForm : public TScrollingWinControl {
  DRUMS_CLASS(TCustomForm, TScrollingWinControl)
  DRUMS_MESSAGE_MAP(TCustomForm)

 public:
  // A form read from the resource of its class name (EResNotFound without).
  explicit TCustomForm(TComponent* AOwner);
  // A form without a resource: everything is set up in code.
  TCustomForm(TComponent* AOwner, TCreateNew);
  ~TCustomForm() override;

  template <class T>
  static T* Create(TComponent* AOwner) {
    T* form = new T(AOwner);
    form->AfterConstruction();
    return form;
  }
  template <class T>
  static T* CreateNew(TComponent* AOwner) {
    T* form = new T(AOwner, ::CreateNew);
    form->AfterConstruction();
    return form;
  }
  // Reads the form resource (unless made with CreateNew) and runs OnCreate;
  // an exception OnCreate raises is reported and the form lives on.
  virtual void AfterConstruction();
  // Runs OnDestroy once; deleting a form runs it too if nobody did.
  void BeforeDestruction() override;

  // Showing and closing.
  void Show();
  void Hide();
  void Close();
  bool CloseQuery();
  int ShowModal();
  TModalResult GetModalResult() const { return FModalResult; }
  void SetModalResult(TModalResult value) { FModalResult = value; }
  TFormState GetFormState() const { return FFormState; }
  bool GetActive() const { return FActive; }

  // Window kind.
  TFormBorderStyle GetBorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TFormBorderStyle value);
  void SetBorderStyle(TBorderStyle value) { SetBorderStyle(static_cast<TFormBorderStyle>(value)); }
  TBorderIcons GetBorderIcons() const { return FBorderIcons; }
  void SetBorderIcons(TBorderIcons value);
  TPosition GetPosition() const { return FPosition; }
  void SetPosition(TPosition value);
  TFormStyle GetFormStyle() const { return FFormStyle; }
  void SetFormStyle(TFormStyle value);
  TWindowState GetWindowState() const { return FWindowState; }
  void SetWindowState(TWindowState value);
  bool GetKeyPreview() const override { return FKeyPreview; }
  void SetKeyPreview(bool value) { FKeyPreview = value; }
  TIcon* GetIcon() const { return FIcon.get(); }
  void SetIcon(TIcon* value);
  // The main menu component (the menus unit's TMainMenu); MenuChanged is
  // where that unit attaches its bar to the window.
  TComponent* GetMenu() const { return FMenu; }
  void SetMenu(TComponent* value);
  const std::string& GetHelpFile() const { return FHelpFile; }
  void SetHelpFile(const std::string& value) { FHelpFile = value; }
  int GetPixelsPerInch() const { return FPixelsPerInch; }
  void SetPixelsPerInch(int value) { FPixelsPerInch = value; }
  bool GetScaled() const { return FScaled; }
  void SetScaled(bool value) { FScaled = value; }

  // Focus.
  TWinControl* GetActiveControl() const { return FActiveControl; }
  void SetActiveControl(TWinControl* control);
  bool SetFocusedControl(TWinControl* control) override;
  void FocusControl(TWinControl* control) override;
  // control (or the control holding the active one) loses the focus: the
  // active control becomes its parent, or none when it is being removed.
  void DefocusControl(TWinControl* control, bool removing);
  void SetFocus() override;
  bool CanFocus() override { return true; }

  // The form's own canvas: OnPaint draws on it.
  TCanvas* GetCanvas() const { return FCanvas.get(); }

  TNotifyEvent OnCreate;
  TNotifyEvent OnDestroy;
  TNotifyEvent OnShow;
  TNotifyEvent OnHide;
  TNotifyEvent OnActivate;
  TNotifyEvent OnDeactivate;
  TNotifyEvent OnPaint;
  TCloseEvent OnClose;
  TCloseQueryEvent OnCloseQuery;

  // Writes the controls, then the components the form owns that no parent
  // writes (menus, dialogs, timers).
  void GetChildren(const TGetChildProc& proc, TComponent* root) override;

  static void Publish(TPublisher<TCustomForm>& p);
  static void Messages(TMessageMap<TCustomForm>& m);

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void PaintWindow(HDC dc) override;
  void Loaded() override;
  void Notification(TComponent* component, TOperation operation) override;
  virtual void Activate();
  virtual void Deactivate();
  virtual void DoShow();
  virtual void DoHide();
  virtual void DoClose(TCloseAction& action);
  virtual void DoCreate();
  virtual void DoDestroy();
  virtual void Paint();
  // The menu component changed: a TMainMenu becomes the window's menu bar.
  virtual void MenuChanged();

 private:
  void Init(bool createdNew);
  void CloseModal();
  void PlaceWindow();
  void UpdateWindowStyle();
  void SetActive(bool value);
  // Published setters that the streamed names use.
  void PublishedBorderStyle(TFormBorderStyle value) { SetBorderStyle(value); }
  void SetClientWidthProp(int value);
  void SetClientHeightProp(int value);
  int GetClientWidthProp() { return GetClientWidth(); }
  int GetClientHeightProp() { return GetClientHeight(); }

  void WMActivate(TMessage& m);
  void WMClose(TMessage& m);
  void WMSize(TMessage& m);
  void WMQueryEndSession(TMessage& m);
  void CMShowingChanged(TMessage& m);
  void CMRelease(TMessage& m);
  void CMActivate(TMessage& m);
  void CMDeactivate(TMessage& m);
  // Menu messages go to the main menu's items first.
  void WMMenuMessage(TMessage& m);
  // F1: the topic of the focused control or of its nearest parent with one.
  void WMHelp(TMessage& m);

  bool FCreatedNew = false;
  bool FCreated = false;
  bool FDestroyCalled = false;
  bool FActive = false;
  bool FKeyPreview = false;
  bool FScaled = true;
  TFormState FFormState;
  TModalResult FModalResult = mrNone;
  TFormBorderStyle FBorderStyle = bsSizeable;
  TBorderIcons FBorderIcons{biSystemMenu, biMinimize, biMaximize};
  TPosition FPosition = poDesigned;
  TFormStyle FFormStyle = fsNormal;
  TWindowState FWindowState = wsNormal;
  TWinControl* FActiveControl = nullptr;
  TComponent* FMenu = nullptr;
  std::unique_ptr<TIcon> FIcon;
  std::unique_ptr<TControlCanvas> FCanvas;
  std::string FHelpFile;
  int FPixelsPerInch = 96;
  int FTextHeight = 13;
  // Client size read from the resource before the window exists.
  int FPendingClientWidth = -1;
  int FPendingClientHeight = -1;
};

class TForm : public TCustomForm {
  DRUMS_CLASS(TForm, TCustomForm)

 public:
  explicit TForm(TComponent* AOwner) : TCustomForm(AOwner) {}
  TForm(TComponent* AOwner, TCreateNew tag) : TCustomForm(AOwner, tag) {}
};

// The form holding control (the outermost parent when it is a form), or null.
TCustomForm* GetParentForm(TControl* control);
