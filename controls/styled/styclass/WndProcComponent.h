// A component that subclasses its owner form's window procedure: it sees
// every message of the form first and passes on what it does not handle.
// Also the one-per-form check of such components and its exception.
#pragma once

#include "controls/styled/styclass/StyObject.h"
#include "platform/vcl/Controls.h"

class TStyWndProcComponent : public TStyComponent {
  DRUMS_CLASS(TStyWndProcComponent, TStyComponent)
 public:
  explicit TStyWndProcComponent(TComponent* AOwner);
  ~TStyWndProcComponent() override;
  void Loaded() override;

  virtual bool MainWindowHook(TMessage& Message);
  // Hooks when enabled and not hooked yet.
  virtual void Activate();
  virtual void Deactivate() {}
  virtual void WndProc(TMessage& Message);

  bool Hook();
  bool Unhook();
  bool GetHooked() const { return FInstance >= 0; }
  bool GetEnabled() const { return FEnabled; }
  void SetEnabled(bool value);
  // The owner form's window, or none.
  HWND TargetWindow() const;
  // The owner's handle exists and it is neither loading nor going.
  bool HandleReady() const;

 protected:
  // Calls the window procedure that was there before the hook.
  LRESULT CallPrevious(TMessage& Message);

 private:
  friend struct StyWndProcThunks;
  bool FEnabled = true;
  WNDPROC FPrevWndProc = nullptr;
  HWND FHookedWindow = nullptr;
  int FInstance = -1;
  bool FClosing = false;
};

class StyEOneInstError : public Exception {
 public:
  // Kind 0: a wrong owner or a second instance; 1: one per project.
  StyEOneInstError(const std::string& Name, int Kind);
  const char* ClassName() const override { return "StyEOneInstError"; }
};

// True (a violation) when Owner is not a form (nor a data module, when
// allowed) or already owns more than one component of ComponentClass.
bool CheckOwnerForm(TComponent* Owner, TClass ComponentClass, bool AllowDataModule);
