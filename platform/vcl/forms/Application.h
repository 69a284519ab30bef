// TApplication: the program as a whole. It owns the hidden application
// window (the owner of every form), runs the message loop and the idle
// handlers, reports exceptions that reach the loop, and hands the
// application-wide activation to whoever hooked its window.
//
// One object exists per process, made by InitApplication() at start-up.
#pragma once

#include <cstdint>
#include <exception>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/vcl/classes/typeinfo/ClassDecl.h"
#include "platform/vcl/classes/components/Component.h"
#include "platform/vcl/classes/typeinfo/Event.h"
#include "platform/vcl/controls/ControlMessages.h"
#include "platform/vcl/forms/OwnedHandlers.h"
#include "platform/vcl/graphics/Colors.h"
#include "platform/vcl/graphics/Geometry.h"
#include "platform/win/winuser.h"

class Exception;
class TControl;
class TCustomForm;
class THintWindow;

using TIdleEvent = TEvent<void(TObject* Sender, bool& Done)>;
using TMessageEvent = TEvent<void(MSG& Msg, bool& Handled)>;
using TExceptionEvent = TEvent<void(TObject* Sender, Exception& E)>;
// A hook on the application window: true when it handled the message (the
// window then does nothing more with it).
using TWindowHook = std::function<bool(TMessage& Message)>;

class TApplication : public TComponent {
  DRUMS_CLASS(TApplication, TComponent)

 public:
  explicit TApplication(TComponent* AOwner);
  ~TApplication() override;

  // Makes the application window (if not yet made) and installs the idle
  // hook of the window manager's modal loops.
  void Initialize();

  const std::string& GetTitle() const { return FTitle; }
  void SetTitle(const std::string& value);
  // The hidden application window; made on first use.
  HWND GetHandle();
  bool HandleAllocated() const { return FHandle != nullptr; }
  std::string GetExeName() const;

  // Builds a form of the class T owned by the application, stores it in
  // reference before its creation handler runs, and makes the first form
  // the main form.
  template <class T>
  void CreateForm(T*& reference) {
    CreateFormOfClass(T::StaticClass(), [&reference](TCustomForm* f) { reference = static_cast<T*>(f); });
  }
  // The same for a class reference; reference may be null.
  void CreateForm(TClass formClass, TCustomForm** reference);

  // Shows the main form (when ShowMainForm) and runs the message loop until
  // Terminate; returns when the main form has closed.
  void Run();
  // Ends the loop: posts WM_QUIT.
  void Terminate();
  bool GetTerminated() const { return FTerminate; }
  // Handles every waiting message, then returns (no idle, no wait).
  void ProcessMessages();
  // Handles one message; with none waiting, runs the idle handlers and waits.
  void HandleMessage();
  // Runs the idle handlers once (an idle pass) and, as they ask, waits for a
  // message, for the next millisecond of the clock, or until the time they
  // asked to be woken. The loops of modal forms use it.
  void Idle();

  // Idle handlers of components, beside OnIdle (which is the program's own):
  // each idle pass calls OnIdle, then every registered handler in the order
  // registered. The loop waits for messages alone only when all of them
  // said done. Registering an owner again replaces its handler in its
  // place. A handler may add or remove handlers, or free its owner, during
  // the pass: one removed before its turn is not called, one added runs
  // from the next pass on.
  void AddIdleHandler(const void* owner, TIdleEvent handler);
  void RemoveIdleHandler(const void* owner);
  // Called by an idle handler during a pass: the wait after the pass ends no
  // later than `micros` (the time of the clock seam, win::clock::NowMicros),
  // even when every handler said done; a message still ends it earlier. The
  // earliest request of the pass wins. Outside a pass it does nothing.
  void WakeNoLaterThan(std::uint64_t micros);

  TCustomForm* GetMainForm() const { return FMainForm; }
  bool GetActive() const { return FActive; }
  bool GetShowMainForm() const { return FShowMainForm; }
  void SetShowMainForm(bool value) { FShowMainForm = value; }
  bool GetRunning() const { return FRunning; }

  // Help: routed to the help viewer, which is not attached yet (false).
  const std::string& GetHelpFile() const { return FHelpFile; }
  void SetHelpFile(const std::string& value) { FHelpFile = value; }
  bool HelpContext(int context);
  bool HelpCommand(int command, LONG_PTR data);
  bool HelpJump(const std::string& jumpId);

  // Hints.
  const std::string& GetHint() const { return FHint; }
  void SetHint(const std::string& value);
  bool GetShowHint() const { return FShowHint; }
  void SetShowHint(bool value);
  int GetHintPause() const { return FHintPause; }
  void SetHintPause(int value) { FHintPause = value; }
  int GetHintHidePause() const { return FHintHidePause; }
  void SetHintHidePause(int value) { FHintHidePause = value; }
  int GetHintShortPause() const { return FHintShortPause; }
  void SetHintShortPause(int value) { FHintShortPause = value; }
  TColor GetHintColor() const { return FHintColor; }
  void SetHintColor(TColor value) { FHintColor = value; }
  void CancelHint();
  void HideHint();
  // The control whose hint the application is timing or showing, or null.
  TControl* GetHintControl() const { return FHintControl; }
  bool HintShowing() const;

  // Exceptions that reach the loop. Call HandleException inside a catch
  // block: it reports the exception being handled.
  void HandleException(TObject* Sender);
  // The same for an exception caught elsewhere (a control's window procedure).
  void HandleException(TObject* Sender, const std::exception_ptr& error);
  void ShowException(Exception& E);
  // The same report for any exception.
  void ShowException(const std::exception_ptr& error);

  // Hooks see every message of the application window first, in the order
  // installed; the owner identifies the hook for UnhookMainWindow.
  void HookMainWindow(const void* owner, TWindowHook hook);
  void UnhookMainWindow(const void* owner);

  void Minimize();
  void Restore();
  void BringToFront();
  void NormalizeTopMosts();
  void RestoreTopMosts();
  int MessageBox(const std::string& text, const std::string& caption, UINT flags = MB_OK);

  // Events.
  TIdleEvent OnIdle;
  TMessageEvent OnMessage;
  TExceptionEvent OnException;
  TNotifyEvent OnHint;
  TNotifyEvent OnActivate;
  TNotifyEvent OnDeactivate;
  TNotifyEvent OnMinimize;
  TNotifyEvent OnRestore;

  // The forms' part: a form tells the application about itself.
  void FormDestroyed(TCustomForm* form);

  // The window procedure of the application window.
  void WndProc(TMessage& Message);

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  void CreateFormOfClass(TClass formClass, const std::function<void(TCustomForm*)>& store);
  bool ProcessMessage(MSG& msg);
  // One idle pass: OnIdle, the registered handlers and the idle-time
  // chores; returns "done", or gives the window manager the time to wake.
  bool DoIdle();
  // Calls one handler of the pass and notes what it said. It gets its own
  // copy: OnIdle may be assigned while it runs.
  void CallIdleHandler(TIdleEvent handler);
  void CreateHandle();
  bool CallHooks(TMessage& Message);
  bool IsKeyMsg(MSG& msg);
  void ShowMainFormNow();
  // WM_CLOSE of the application window: closes the main form.
  void AppWindowClose();

  // Hints: every mouse move over a control comes here; two timers of the
  // application window time the pause before showing and the hiding.
  void HintMouseMessage(TControl* control, TMessage& message);
  void HintTimerExpired(UINT_PTR id);
  void ShowHintNow();

  // What the handlers of the running idle pass said.
  struct IdlePass {
    bool done = true;
    // A handler not done that asked for no time: the loop comes back at the
    // next millisecond.
    bool soon = false;
    // The handler being called asked for a time.
    bool asked = false;
    std::optional<std::uint64_t> wake;
  };

  HWND FHandle = nullptr;
  std::string FTitle;
  std::string FHelpFile;
  std::string FHint;
  TCustomForm* FMainForm = nullptr;
  bool FTerminate = false;
  bool FActive = true;
  bool FShowMainForm = true;
  bool FRunning = false;
  bool FShowHint = true;
  bool FHandleCreatedHere = false;
  int FHintPause = 500;
  int FHintHidePause = 2500;
  int FHintShortPause = 50;
  TColor FHintColor = clInfoBk;
  int FTopMostLevel = 0;
  std::vector<HWND> FTopMostList;
  vcl::forms::OwnedHandlers<TWindowHook> FHooks;
  vcl::forms::OwnedHandlers<TIdleEvent> FIdleHandlers;
  // The running pass; null outside one. A handler may open a modal loop,
  // whose passes run inside its own: each keeps what its handlers said.
  IdlePass* FIdlePass = nullptr;
  TControl* FHintControl = nullptr;
  THintWindow* FHintWindow = nullptr;
  TPoint FHintCursor;
};

// The process's application object (null before InitApplication).
extern TApplication* Application;

// The class library's start-up, in this order: the colour and character-set
// names for streaming, Screen and Mouse (vcl::InitControls), the library's
// classes for form reading with the menus' hooks, and the application
// object. Call it from the program's entry, after the host and before any
// form. A second start only counts.
//
// DoneApplication, matching the last start, undoes it in reverse: frees the
// application object and the forms it owns, ends the menus' hooks, takes
// the library's classes and names back out of the registries and frees
// Screen and Mouse. A shutdown with no start to match does nothing.
void InitApplication();
void DoneApplication();
