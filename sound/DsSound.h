// TDsSound: the component that owns one DirectSound device object for its
// form. It creates the device and the primary buffer, sets the cooperative
// level on the form's window (again whenever the window is re-created) and
// tells its listeners (the wave lists) when the device comes, goes or must
// rebuild its buffers.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "platform/vcl/Classes.h"
#include "platform/vcl/Forms.h"
#include "sound/ControlSubClass.h"
#include "sound/DirectSound.h"
#include "sound/DirectSoundBuffer.h"

class TCustomDsSound;

// The device class a TDsSound makes: a lost buffer restores the component.
class TDsSoundDirectSound : public TDirectSound {
  DRUMS_CLASS(TDsSoundDirectSound, TDirectSound)

 public:
  TDsSoundDirectSound(TCustomDsSound* dsSound, const GUID* guid);

 protected:
  void DoRestoreBuffers() override;

 private:
  TCustomDsSound* FDsSound;
};

enum TDsSoundOption { soGlobalFocus, soStickyFocus, soExclusive };
DRUMS_ENUM_NAMES(TDsSoundOption, "soGlobalFocus", "soStickyFocus", "soExclusive")
using TDsSoundOptions = TSet<TDsSoundOption>;

enum TDsSoundNotifyType { nkDestroying, nkInitializing, nkInitialized, nkFinalized, nkRestore };

// A listener is a callback and the object it belongs to; the pair names it.
using TDsSoundNotifyEvent = std::function<void(TCustomDsSound* Sender, TDsSoundNotifyType NotifyType)>;

class TCustomDsSound : public TComponent {
  DRUMS_CLASS(TCustomDsSound, TComponent)

 public:
  explicit TCustomDsSound(TComponent* AOwner);
  ~TCustomDsSound() override;

  void Initialize();
  void Finalize();
  void Restore();
  void AddListener(const void* object, TDsSoundNotifyEvent callback);
  void RemoveListener(const void* object);

  bool GetAutoInitialize() const { return FAutoInitialize; }
  void SetAutoInitialize(bool value) { FAutoInitialize = value; }
  TDsSoundOptions GetOptions() const { return FOptions; }
  void SetOptions(TDsSoundOptions value);
  TDsSoundOptions GetNowOptions() const { return FNowOptions; }
  bool GetInitialized() const { return FInitialized; }
  TDsSoundDirectSound* GetDSound() const { return FDSound.get(); }
  TDirectSoundBuffer* GetPrimary() const { return FPrimary.get(); }
  TCustomForm* GetForm() const { return FForm; }
  // The device to open (its GUID must outlive the component); none: the default.
  const GUID* GetDriver() const { return FDriver; }
  void SetDriver(const GUID* value) { FDriver = value; }

  TNotifyEvent OnFinalize;
  TNotifyEvent OnInitialize;
  TNotifyEvent OnInitializing;
  TNotifyEvent OnRestore;

 protected:
  virtual void DoFinalize();
  virtual void DoInitialize();
  virtual void DoInitializing();
  virtual void DoRestore();
  void Loaded() override;

 private:
  struct Listener {
    const void* object;
    TDsSoundNotifyEvent callback;
  };
  void Notify(TDsSoundNotifyType kind);
  void SetForm(TCustomForm* form);
  void FormWndProc(TMessage& message, const TWndMethod& defWindowProc);

  bool FAutoInitialize = true;
  bool FCalling = false;
  const GUID* FDriver = nullptr;
  std::unique_ptr<TDsSoundDirectSound> FDSound;
  TCustomForm* FForm = nullptr;
  bool FInitialized = false;
  bool FCreated = false;
  std::vector<Listener> FListeners;
  TDsSoundOptions FNowOptions;
  TDsSoundOptions FOptions;
  std::unique_ptr<TDirectSoundBuffer> FPrimary;
  std::unique_ptr<TControlSubClass> FWindowHook;
};

class TDsSound : public TCustomDsSound {
  DRUMS_CLASS(TDsSound, TCustomDsSound)

 public:
  using TCustomDsSound::TCustomDsSound;

 private:
  static void Publish(TPublisher<TDsSound>& p) {
    p.Prop("AutoInitialize", &TDsSound::GetAutoInitialize, &TDsSound::SetAutoInitialize).Default(true);
    p.Prop("Options", &TDsSound::GetOptions, &TDsSound::SetOptions).Default(TDsSoundOptions{});
    p.Prop("OnFinalize", &TDsSound::OnFinalize);
    p.Prop("OnInitialize", &TDsSound::OnInitialize);
    p.Prop("OnInitializing", &TDsSound::OnInitializing);
    p.Prop("OnRestore", &TDsSound::OnRestore);
  }
};
