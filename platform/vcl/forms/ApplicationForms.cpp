// The application object's dealings with the forms: creation, the main
// form, running until it closes.
#include "platform/vcl/forms/Application.h"
#include "platform/vcl/controls/HintWindow.h"
#include "platform/vcl/forms/Form.h"
#include "platform/vcl/Buttons.h"
#include "platform/vcl/ExtCtrls.h"
#include "platform/vcl/FileCtrl.h"
#include "platform/vcl/StdCtrls.h"
#include "platform/vcl/classes/typeinfo/ClassRegistry.h"
#include "platform/vcl/rtl/Exceptions.h"

namespace vcl::forms {
// The classes form resources may name from this unit.
void RegisterFormClasses() {
  RegisterClasses({TForm::StaticClass()});
  // The controls form resources are made of.
  vcl::RegisterStdCtrlsClasses();
  vcl::RegisterExtCtrlsClasses();
  vcl::RegisterFileCtrlClasses();
  vcl::RegisterButtonsClasses();
}
}  // namespace vcl::forms

void TApplication::CreateFormOfClass(TClass formClass, const std::function<void(TCustomForm*)>& store) {
  TObject* object = formClass->Create(this);
  auto* form = dynamic_cast<TCustomForm*>(object);
  if (form == nullptr) {
    delete object;
    throw EInvalidCast(std::string(formClass->Name) + " is not a form class");
  }
  // The reference is valid while the form's creation handler runs.
  store(form);
  try {
    form->AfterConstruction();
  } catch (...) {
    store(nullptr);
    delete form;
    throw;
  }
  if (FMainForm == nullptr) {
    FMainForm = form;
    // The main form's window is made now, so that it exists before Run.
    form->HandleNeeded();
  }
}

void TApplication::CreateForm(TClass formClass, TCustomForm** reference) {
  CreateFormOfClass(formClass, [reference](TCustomForm* f) {
    if (reference != nullptr) *reference = f;
  });
}

void TApplication::ShowMainFormNow() {
  if (FMainForm == nullptr || !FShowMainForm) return;
  if (FMainForm->GetWindowState() == wsMinimized) Minimize();
  FMainForm->SetVisible(true);
}

void TApplication::Run() {
  FRunning = true;
  struct Stop {
    bool& running;
    ~Stop() { running = false; }
  } stop{FRunning};
  GetHandle();
  if (FMainForm != nullptr) {
    ShowMainFormNow();
    while (!FTerminate) {
      try {
        HandleMessage();
      } catch (...) {
        HandleException(this);
      }
    }
  }
}

void TApplication::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FMainForm) FMainForm = nullptr;
  if (AComponent == FHintControl) {
    FHintControl = nullptr;
    CancelHint();
  }
  if (AComponent == FHintWindow) FHintWindow = nullptr;
}

void TApplication::FormDestroyed(TCustomForm* form) {
  if (form == FMainForm) FMainForm = nullptr;
}

void TApplication::AppWindowClose() {
  if (FMainForm != nullptr)
    FMainForm->Close();
  else
    Terminate();
}

void TApplication::BringToFront() {
  if (FMainForm == nullptr || !FMainForm->HandleAllocated()) return;
  // A modal form on top keeps the focus; otherwise the main form takes it.
  HWND active = GetActiveWindow();
  SetForegroundWindow(active != nullptr ? active : FMainForm->GetHandle());
}

// The application window is never seen here: minimising the program
// minimises its main form, and restoring brings that back.
void TApplication::Minimize() {
  if (FMainForm == nullptr || !FMainForm->HandleAllocated() || IsIconic(FMainForm->GetHandle())) return;
  NormalizeTopMosts();
  ShowWindow(FMainForm->GetHandle(), SW_MINIMIZE);
  if (OnMinimize) OnMinimize(this);
}

void TApplication::Restore() {
  if (FMainForm == nullptr || !FMainForm->HandleAllocated() || !IsIconic(FMainForm->GetHandle())) return;
  ShowWindow(FMainForm->GetHandle(), SW_RESTORE);
  RestoreTopMosts();
  if (OnRestore) OnRestore(this);
}
