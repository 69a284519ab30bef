#include "platform/vcl/forms/Form.h"

#include <algorithm>
#include <vector>

#include "platform/vcl/classes/streaming/FormResources.h"
#include "platform/vcl/controls/Screen.h"
#include "platform/vcl/forms/Application.h"
#include "platform/vcl/menus/Menu.h"
#include "platform/vcl/rtl/Exceptions.h"
#include "platform/win/winuser_help.h"

namespace {

// The windows a modal form disables while it runs, to enable them again.
std::vector<HWND> DisableOtherWindows(HWND except) {
  struct Walk {
    HWND except;
    std::vector<HWND> list;
  } walk{except, {}};
  EnumWindows(
      [](HWND hwnd, LPARAM data) -> BOOL {
        auto* w = reinterpret_cast<Walk*>(data);
        if (hwnd != w->except && IsWindowVisible(hwnd) && IsWindowEnabled(hwnd)) w->list.push_back(hwnd);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&walk));
  for (HWND hwnd : walk.list) EnableWindow(hwnd, FALSE);
  return walk.list;
}

void EnableWindowsAgain(const std::vector<HWND>& list) {
  for (HWND hwnd : list)
    if (IsWindow(hwnd)) EnableWindow(hwnd, TRUE);
}

}  // namespace

TCustomForm::TCustomForm(TComponent* AOwner) : TScrollingWinControl(AOwner) {
  Init(false);
}

TCustomForm::TCustomForm(TComponent* AOwner, TCreateNew) : TScrollingWinControl(AOwner) {
  Init(true);
}

void TCustomForm::Init(bool createdNew) {
  FCreatedNew = createdNew;
  FFormState.Include(fsCreating);
  // A form is hidden until shown; its frame is part of its size.
  FVisible = false;
  FControlStyle = TControlStyle{csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
  FColor = clBtnFace;
  FBrush->SetColor(FColor);
  FParentColor = false;
  FParentFont = false;
  FLeft = 0;
  FTop = 0;
  FWidth = 320;
  FHeight = 240;
  FIcon = std::make_unique<TIcon>();
  FCanvas = std::make_unique<TControlCanvas>();
  FCanvas->SetControl(this);
  if (Screen != nullptr) Screen->AddForm(this);
}

TCustomForm::~TCustomForm() {
  // Deleted without BeforeDestruction (by its owner): OnDestroy still runs,
  // though a handler may only use what TCustomForm itself holds by now.
  if (!FDestroyCalled) BeforeDestruction();
  Destroying();
  if (Screen != nullptr) {
    if (Screen->GetActiveForm() == this) Screen->SetActiveForm(nullptr);
    Screen->RemoveForm(this);
  }
  if (Application != nullptr) Application->FormDestroyed(this);
  // The window goes before the canvas its painting uses.
  FCanvas->FreeHandle();
  DestroyHandle();
}

void TCustomForm::Publish(TPublisher<TCustomForm>& p) {
  p.Prop("ActiveControl", &TCustomForm::GetActiveControl, &TCustomForm::SetActiveControl);
  p.Prop("BorderIcons", &TCustomForm::GetBorderIcons, &TCustomForm::SetBorderIcons)
      .Default(TBorderIcons{biSystemMenu, biMinimize, biMaximize});
  p.Prop("BorderStyle", &TCustomForm::GetBorderStyle, &TCustomForm::PublishedBorderStyle).Default(bsSizeable);
  p.Prop("ClientWidth", &TCustomForm::GetClientWidthProp, &TCustomForm::SetClientWidthProp).Stored(false);
  p.Prop("ClientHeight", &TCustomForm::GetClientHeightProp, &TCustomForm::SetClientHeightProp).Stored(false);
  p.Prop("Color", &TCustomForm::GetColor, &TCustomForm::SetColor).Default(clBtnFace).Idents("TColor");
  p.Prop("FormStyle", &TCustomForm::GetFormStyle, &TCustomForm::SetFormStyle).Default(fsNormal);
  p.Prop("HelpFile", &TCustomForm::FHelpFile);
  p.Prop("Icon", &TCustomForm::GetIcon, &TCustomForm::SetIcon);
  p.Prop("KeyPreview", &TCustomForm::GetKeyPreview, &TCustomForm::SetKeyPreview).Default(false);
  p.Prop("Menu", &TCustomForm::GetMenu, &TCustomForm::SetMenu);
  p.Prop("PixelsPerInch", &TCustomForm::GetPixelsPerInch, &TCustomForm::SetPixelsPerInch).NoDefault();
  p.Prop("Position", &TCustomForm::GetPosition, &TCustomForm::SetPosition).Default(poDesigned);
  p.Prop("Scaled", &TCustomForm::GetScaled, &TCustomForm::SetScaled).Default(true);
  p.Prop("TextHeight", &TCustomForm::FTextHeight).NoDefault();
  p.Prop("Visible", &TCustomForm::GetVisible, &TCustomForm::SetVisible).Default(false);
  p.Prop("WindowState", &TCustomForm::GetWindowState, &TCustomForm::SetWindowState).Default(wsNormal);
  p.Prop("OnActivate", &TCustomForm::OnActivate);
  p.Prop("OnClose", &TCustomForm::OnClose);
  p.Prop("OnCloseQuery", &TCustomForm::OnCloseQuery);
  p.Prop("OnCreate", &TCustomForm::OnCreate);
  p.Prop("OnDeactivate", &TCustomForm::OnDeactivate);
  p.Prop("OnDestroy", &TCustomForm::OnDestroy);
  p.Prop("OnHide", &TCustomForm::OnHide);
  p.Prop("OnPaint", &TCustomForm::OnPaint);
  p.Prop("OnShow", &TCustomForm::OnShow);
}

void TCustomForm::Messages(TMessageMap<TCustomForm>& m) {
  m.On(WM_ACTIVATE, &TCustomForm::WMActivate);
  m.On(WM_CLOSE, &TCustomForm::WMClose);
  m.On(WM_SIZE, &TCustomForm::WMSize);
  m.On(WM_QUERYENDSESSION, &TCustomForm::WMQueryEndSession);
  m.On(CM_SHOWINGCHANGED, &TCustomForm::CMShowingChanged);
  m.On(CM_RELEASE, &TCustomForm::CMRelease);
  m.On(CM_ACTIVATE, &TCustomForm::CMActivate);
  m.On(CM_DEACTIVATE, &TCustomForm::CMDeactivate);
  for (UINT msg : {WM_COMMAND, WM_INITMENUPOPUP, WM_DRAWITEM, WM_MEASUREITEM, WM_MENUSELECT})
    m.On(msg, &TCustomForm::WMMenuMessage);
  m.On(WM_HELP, &TCustomForm::WMHelp);
}

// ---- Creation and destruction ------------------------------------------

void TCustomForm::AfterConstruction() {
  if (FCreated) return;
  FCreated = true;
  try {
    if (!FCreatedNew) {
      TClass root = InheritsFrom(TForm::StaticClass()) ? TForm::StaticClass() : TCustomForm::StaticClass();
      if (!InitInheritedComponent(this, root)) throw EResNotFound("Resource %s not found", {ClassName()});
    }
  } catch (...) {
    FFormState.Exclude(fsCreating);
    throw;
  }
  FFormState.Exclude(fsCreating);
  DoCreate();
  if (FFormState.Contains(fsVisible)) {
    FFormState.Exclude(fsVisible);
    SetVisible(true);
  }
}

void TCustomForm::DoCreate() {
  if (!OnCreate) return;
  try {
    OnCreate(this);
  } catch (...) {
    // The form is still made and shown: the report tells what went wrong.
    if (Application == nullptr) throw;
    Application->HandleException(this);
  }
}

void TCustomForm::BeforeDestruction() {
  if (FDestroyCalled) return;
  FDestroyCalled = true;
  DoDestroy();
}

void TCustomForm::DoDestroy() {
  if (!OnDestroy) return;
  try {
    OnDestroy(this);
  } catch (...) {
    if (Application == nullptr) throw;
    Application->HandleException(this);
  }
}

void TCustomForm::Loaded() {
  // Visible from the resource takes effect after OnCreate.
  if (FVisible) {
    FVisible = false;
    FFormState.Include(fsVisible);
  }
  inherited::Loaded();
  MenuChanged();
  if (FPendingClientWidth >= 0) SetClientWidthProp(FPendingClientWidth);
  if (FPendingClientHeight >= 0) SetClientHeightProp(FPendingClientHeight);
  FPendingClientWidth = FPendingClientHeight = -1;
}

void TCustomForm::GetChildren(const TGetChildProc& proc, TComponent* root) {
  inherited::GetChildren(proc, root);
  if (root != this) return;
  for (int i = 0; i < GetComponentCount(); i++)
    if (TComponent* c = GetComponents(i); !c->HasParent()) proc(c);
}

void TCustomForm::Notification(TComponent* component, TOperation operation) {
  inherited::Notification(component, operation);
  if (operation != opRemove) return;
  if (component == FActiveControl) FActiveControl = nullptr;
  if (component == FMenu) {
    FMenu = nullptr;
    MenuChanged();
  }
}

// ---- The window ----------------------------------------------------------

void TCustomForm::CreateParams(TCreateParams& params) {
  inherited::CreateParams(params);
  params.Style &= ~(WS_CHILD | WS_TABSTOP);
  params.Style |= WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
  params.ExStyle &= ~WS_EX_CONTROLPARENT;
  params.WndParent = Application != nullptr ? Application->GetHandle() : nullptr;
  DWORD style = 0;
  DWORD exStyle = 0;
  switch (static_cast<int>(FBorderStyle)) {
    case bsNone: style = WS_POPUP; break;
    case bsSingle: style = WS_CAPTION | WS_BORDER; break;
    case bsSizeable: style = WS_CAPTION | WS_THICKFRAME; break;
    case bsDialog:
      style = WS_POPUP | WS_CAPTION;
      exStyle = WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE;
      break;
    case bsToolWindow:
      style = WS_CAPTION;
      exStyle = WS_EX_TOOLWINDOW;
      break;
    case bsSizeToolWin:
      style = WS_CAPTION | WS_THICKFRAME;
      exStyle = WS_EX_TOOLWINDOW;
      break;
  }
  if (FBorderStyle != fbsNone && FBorderIcons.Contains(biSystemMenu)) {
    style |= WS_SYSMENU;
    bool framed = FBorderStyle == fbsSingle || FBorderStyle == bsSizeable;
    if (framed && FBorderIcons.Contains(biMinimize)) style |= WS_MINIMIZEBOX;
    if (framed && FBorderIcons.Contains(biMaximize)) style |= WS_MAXIMIZEBOX;
    // The help button only shows where there are no minimise/maximise boxes.
    if (FBorderIcons.Contains(biHelp) && (style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX)) == 0) exStyle |= WS_EX_CONTEXTHELP;
  }
  if (FFormStyle == fsStayOnTop) exStyle |= WS_EX_TOPMOST;
  params.Style |= style;
  params.ExStyle |= exStyle;
  params.WindowClass.style = CS_DBLCLKS;
}

void TCustomForm::CreateWnd() {
  inherited::CreateWnd();
  if (FIcon && !FIcon->Empty())
    SendMessageA(GetHandle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(FIcon->GetHandle()));
  MenuChanged();
}

void TCustomForm::UpdateWindowStyle() {
  if (!HandleAllocated() || GetComponentState().Contains(csLoading)) return;
  RecreateWnd();
}

void TCustomForm::SetBorderStyle(TFormBorderStyle value) {
  if (value == FBorderStyle) return;
  FBorderStyle = value;
  UpdateWindowStyle();
}

void TCustomForm::SetBorderIcons(TBorderIcons value) {
  if (value == FBorderIcons) return;
  FBorderIcons = value;
  UpdateWindowStyle();
}

void TCustomForm::SetPosition(TPosition value) {
  FPosition = value;
}

void TCustomForm::SetFormStyle(TFormStyle value) {
  if (value == FFormStyle) return;
  if (value == fsMDIChild || value == fsMDIForm) throw EInvalidOperation("MDI forms are not supported");
  FFormStyle = value;
  if (HandleAllocated() && !GetComponentState().Contains(csLoading))
    SetWindowPos(GetHandle(), value == fsStayOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TCustomForm::SetWindowState(TWindowState value) {
  if (value == FWindowState) return;
  FWindowState = value;
  if (HandleAllocated() && Showing()) {
    static constexpr int kShow[] = {SW_RESTORE, SW_MINIMIZE, SW_MAXIMIZE};
    ShowWindow(GetHandle(), kShow[value]);
  }
}

void TCustomForm::SetIcon(TIcon* value) {
  FIcon->Assign(value);
  if (HandleAllocated()) SendMessageA(GetHandle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(FIcon->GetHandle()));
}

void TCustomForm::SetMenu(TComponent* value) {
  if (value == FMenu) return;
  if (auto* old = dynamic_cast<TMainMenu*>(FMenu)) old->SetWindowHandle(nullptr);
  if (FMenu != nullptr) FMenu->RemoveFreeNotification(this);
  FMenu = value;
  if (FMenu != nullptr) FMenu->FreeNotification(this);
  MenuChanged();
}

void TCustomForm::SetClientWidthProp(int value) {
  if (GetComponentState().Contains(csLoading)) {
    FPendingClientWidth = value;
    return;
  }
  if (HandleAllocated()) {
    SetClientWidth(value);
    return;
  }
  // No window yet: the frame the window will have decides the outer size.
  TCreateParams params;
  CreateParams(params);
  RECT r{0, 0, value, 100};
  AdjustWindowRectEx(&r, params.Style, FALSE, params.ExStyle);
  SetWidth(r.right - r.left);
}

void TCustomForm::SetClientHeightProp(int value) {
  if (GetComponentState().Contains(csLoading)) {
    FPendingClientHeight = value;
    return;
  }
  if (HandleAllocated()) {
    SetClientHeight(value);
    return;
  }
  TCreateParams params;
  CreateParams(params);
  RECT r{0, 0, 100, value};
  AdjustWindowRectEx(&r, params.Style, FALSE, params.ExStyle);
  SetHeight(r.bottom - r.top);
}

// ---- Showing ---------------------------------------------------------------

void TCustomForm::Show() {
  SetVisible(true);
  BringToFront();
}

void TCustomForm::Hide() {
  SetVisible(false);
}

void TCustomForm::PlaceWindow() {
  TCustomForm* center = nullptr;
  switch (FPosition) {
    case poMainFormCenter:
      if (Application != nullptr && Application->GetMainForm() != this) center = Application->GetMainForm();
      break;
    case poOwnerFormCenter:
      center = dynamic_cast<TCustomForm*>(GetOwner());
      if (center == nullptr && Application != nullptr && Application->GetMainForm() != this)
        center = Application->GetMainForm();
      break;
    case poScreenCenter:
    case poDesktopCenter: break;
    default: return;
  }
  int x, y;
  if (center != nullptr && center->HandleAllocated()) {
    x = center->GetLeft() + (center->GetWidth() - GetWidth()) / 2;
    y = center->GetTop() + (center->GetHeight() - GetHeight()) / 2;
  } else {
    x = (GetSystemMetrics(SM_CXSCREEN) - GetWidth()) / 2;
    y = (GetSystemMetrics(SM_CYSCREEN) - GetHeight()) / 2;
  }
  SetBounds(std::max(x, 0), std::max(y, 0), GetWidth(), GetHeight());
}

void TCustomForm::CMShowingChanged(TMessage&) {
  if (FFormState.Contains(fsShowing)) return;
  FFormState.Include(fsShowing);
  struct Done {
    TCustomForm* f;
    ~Done() { f->FFormState.Exclude(fsShowing); }
  } done{this};
  if (Showing()) {
    DoShow();
    PlaceWindow();
    static constexpr int kShow[] = {SW_SHOWNORMAL, SW_SHOWMINIMIZED, SW_SHOWMAXIMIZED};
    ShowWindow(GetHandle(), kShow[FWindowState]);
  } else {
    DoHide();
    if (GetActiveWindow() == GetHandle() && Screen != nullptr && Screen->GetActiveForm() == this)
      Screen->SetActiveForm(nullptr);
    ShowWindow(GetHandle(), SW_HIDE);
  }
}

void TCustomForm::DoShow() {
  if (OnShow) OnShow(this);
}

void TCustomForm::DoHide() {
  if (OnHide) OnHide(this);
}

// ---- Activation and focus ------------------------------------------------

void TCustomForm::WMActivate(TMessage& m) {
  DefaultHandler(m);
  SetActive(LOWORD(m.WParam) != WA_INACTIVE);
}

void TCustomForm::SetActive(bool value) {
  if (value == FActive) return;
  FActive = value;
  if (value) {
    if (Screen != nullptr) Screen->SetActiveForm(this);
    if (FActiveControl == nullptr) FActiveControl = FindNextControl(nullptr, true, true, false);
    if (FActiveControl != nullptr && FActiveControl->CanFocus())
      ::SetFocus(FActiveControl->GetHandle());
    else
      ::SetFocus(GetHandle());
    Perform(CM_ACTIVATE, 0, 0);
  } else {
    Perform(CM_DEACTIVATE, 0, 0);
  }
}

void TCustomForm::CMActivate(TMessage&) {
  Activate();
}
void TCustomForm::CMDeactivate(TMessage&) {
  Deactivate();
}

void TCustomForm::Activate() {
  if (OnActivate) OnActivate(this);
}

void TCustomForm::Deactivate() {
  if (OnDeactivate) OnDeactivate(this);
}

void TCustomForm::SetActiveControl(TWinControl* control) {
  if (control == FActiveControl) return;
  bool loading = GetComponentState().Contains(csLoading) || FFormState.Contains(fsCreating);
  if (!loading && control != nullptr && (!control->CanFocus() || GetParentForm(control) != this))
    throw EInvalidOperation("Cannot focus a disabled or invisible window");
  FActiveControl = control;
  if (!loading && FActive && control != nullptr) ::SetFocus(control->GetHandle());
}

bool TCustomForm::SetFocusedControl(TWinControl* control) {
  if (control != this) FActiveControl = control;
  const bool moved = FFocusedControl != control;
  bool result = inherited::SetFocusedControl(control);
  // Every control of the form hears where the focus went (buttons show which
  // of them Enter presses).
  if (moved && !GetComponentState().Contains(csDestroying))
    Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(control));
  if (Screen != nullptr) {
    Screen->SetActiveForm(this);
    Screen->SetActiveControl(control);
  }
  return result;
}

void TCustomForm::FocusControl(TWinControl* control) {
  bool wasActive = FActive;
  SetActiveControl(control);
  if (!wasActive) SetFocus();
}

void TCustomForm::SetFocus() {
  if (!GetVisible() || !GetEnabled()) throw EInvalidOperation("Cannot focus a disabled or invisible window");
  if (FActiveControl != nullptr && FActiveControl->CanFocus())
    ::SetFocus(FActiveControl->GetHandle());
  else
    ::SetFocus(GetHandle());
}

void TCustomForm::DefocusControl(TWinControl* control, bool removing) {
  if (control == nullptr) return;
  if (removing && FFocusedControl != nullptr && control->ContainsControl(FFocusedControl))
    FFocusedControl = control->GetParent();
  if (FActiveControl != nullptr && (control == FActiveControl || control->ContainsControl(FActiveControl)))
    FActiveControl = nullptr;
}

// ---- Closing -----------------------------------------------------------------

bool TCustomForm::CloseQuery() {
  bool canClose = true;
  if (OnCloseQuery) OnCloseQuery(this, canClose);
  return canClose;
}

void TCustomForm::DoClose(TCloseAction& action) {
  if (OnClose) OnClose(this, action);
}

void TCustomForm::Close() {
  if (FFormState.Contains(fsModal)) {
    FModalResult = mrCancel;
    return;
  }
  if (!CloseQuery()) return;
  TCloseAction action = caHide;
  DoClose(action);
  if (action == caNone) return;
  if (Application != nullptr && Application->GetMainForm() == this) {
    Application->Terminate();
    return;
  }
  switch (action) {
    case caHide: Hide(); break;
    case caMinimize: SetWindowState(wsMinimized); break;
    case caFree: Release(); break;
    default: break;
  }
}

void TCustomForm::CMRelease(TMessage&) {
  // Whoever sends or posts CM_RELEASE may be inside one of the form's own
  // events: the form goes through the one deferred release, from the loop.
  Release();
}

void TCustomForm::WMClose(TMessage&) {
  Close();
}

void TCustomForm::WMQueryEndSession(TMessage& m) {
  m.Result = CloseQuery() ? 1 : 0;
}

void TCustomForm::WMSize(TMessage& m) {
  InheritedMessage(m);
  switch (m.WParam) {
    case SIZE_MINIMIZED: FWindowState = wsMinimized; break;
    case SIZE_MAXIMIZED: FWindowState = wsMaximized; break;
    case SIZE_RESTORED: FWindowState = wsNormal; break;
    default: break;
  }
}

// ---- Modal -----------------------------------------------------------------

void TCustomForm::CloseModal() {
  TCloseAction action = caNone;
  if (CloseQuery()) {
    action = caHide;
    DoClose(action);
  }
  if (action == caNone) FModalResult = mrNone;
}

int TCustomForm::ShowModal() {
  if (GetVisible() || !GetEnabled() || FFormState.Contains(fsModal) || FFormState.Contains(fsCreating))
    throw EInvalidOperation("Cannot make a visible window modal");
  if (HWND capture = GetCapture()) {
    SendMessageA(capture, WM_CANCELMODE, 0, 0);
    ReleaseCapture();
  }
  FFormState.Include(fsModal);
  HWND activeBefore = GetActiveWindow();
  std::vector<HWND> disabled = DisableOtherWindows(GetHandle());
  struct Restore {
    TCustomForm* form;
    std::vector<HWND>& disabled;
    HWND activeBefore;
    ~Restore() {
      EnableWindowsAgain(disabled);
      if (activeBefore != nullptr && IsWindow(activeBefore)) SetActiveWindow(activeBefore);
      form->FFormState.Exclude(fsModal);
    }
  } restore{this, disabled, activeBefore};
  Show();
  FModalResult = mrNone;
  do {
    try {
      if (Application != nullptr)
        Application->HandleMessage();
      else
        FModalResult = mrCancel;
    } catch (...) {
      Application->HandleException(this);
    }
    if (Application != nullptr && Application->GetTerminated())
      FModalResult = mrCancel;
    else if (FModalResult != mrNone)
      CloseModal();
  } while (FModalResult == mrNone);
  // Enable the others before hiding, so that activation has somewhere to go.
  EnableWindowsAgain(disabled);
  disabled.clear();
  Hide();
  return FModalResult;
}

// ---- Painting ----------------------------------------------------------------

void TCustomForm::PaintWindow(HDC dc) {
  FCanvas->Lock();
  struct Unlock {
    TCanvas* canvas;
    ~Unlock() { canvas->Unlock(); }
  } unlock{FCanvas.get()};
  FCanvas->PaintOn(dc, [this] { Paint(); });
}

void TCustomForm::Paint() {
  if (OnPaint) OnPaint(this);
}

// ---- Helpers -------------------------------------------------------------------

TCustomForm* GetParentForm(TControl* control) {
  if (control == nullptr) return nullptr;
  TControl* top = control;
  while (top->GetParent() != nullptr) top = top->GetParent();
  return dynamic_cast<TCustomForm*>(top);
}
