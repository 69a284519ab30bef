#include "sound/DsSound.h"

#include "sound/DsErrors.h"

// ---- TDsSoundDirectSound ---------------------------------------------------

TDsSoundDirectSound::TDsSoundDirectSound(TCustomDsSound* dsSound, const GUID* guid)
    : TDirectSound(guid), FDsSound(dsSound) {}

void TDsSoundDirectSound::DoRestoreBuffers() {
  TDirectSound::DoRestoreBuffers();
  FDsSound->Restore();
}

// ---- TCustomDsSound --------------------------------------------------------

TCustomDsSound::TCustomDsSound(TComponent* AOwner) : TComponent(AOwner) {
  FAutoInitialize = true;
  SetOptions({});
}

TCustomDsSound::~TCustomDsSound() {
  Finalize();
  Notify(nkDestroying);
  FListeners.clear();
}

void TCustomDsSound::Loaded() {
  TComponent::Loaded();
  if (!FAutoInitialize || GetComponentState().Contains(csDesigning)) return;
  try {
    Initialize();
  } catch (EDirectSoundError&) {
    // No device: the component stays uninitialised and its tracks are silent.
  }
}

void TCustomDsSound::Notify(TDsSoundNotifyType kind) {
  // From the last registered to the first; a listener may remove itself.
  for (size_t i = FListeners.size(); i-- > 0;) {
    if (i >= FListeners.size()) continue;
    TDsSoundNotifyEvent callback = FListeners[i].callback;
    callback(this, kind);
  }
}

void TCustomDsSound::Initialize() {
  Finalize();
  TComponent* owner = GetOwner();
  while (owner && !dynamic_cast<TCustomForm*>(owner)) owner = owner->GetOwner();
  if (!owner) throw EDsSoundError(DsStrings::SNoForm);
  FForm = static_cast<TCustomForm*>(owner);
  Notify(nkInitializing);
  DoInitializing();
  FCreated = true;
  try {
    FDSound = std::make_unique<TDsSoundDirectSound>(this, FDriver);
    FDSound->SetGlobalFocus(FNowOptions.Contains(soGlobalFocus));
    FPrimary = std::make_unique<TDirectSoundBuffer>(FDSound.get());
    DSBUFFERDESC desc{};
    desc.dwSize = sizeof desc;
    desc.dwFlags = DSBCAPS_PRIMARYBUFFER;
    if (!FPrimary->CreateFromDesc(desc))
      throw EDsSoundError(DsStrings::SCannotMade, {DsStrings::SDirectSoundPrimaryBuffer});
    FInitialized = true;
    SetForm(FForm);
  } catch (...) {
    Finalize();
    throw;
  }
  Notify(nkInitialized);
  FCalling = true;
  DoInitialize();
  Restore();
}

void TCustomDsSound::Finalize() {
  if (!FCreated) return;
  FWindowHook.reset();
  try {
    if (FCalling) {
      FCalling = false;
      DoFinalize();
    }
  } catch (...) {
    Notify(nkFinalized);
    FInitialized = false;
    FCreated = false;
    SetOptions(FOptions);
    FPrimary.reset();
    FDSound.reset();
    throw;
  }
  Notify(nkFinalized);
  FInitialized = false;
  FCreated = false;
  SetOptions(FOptions);
  FPrimary.reset();
  FDSound.reset();
}

void TCustomDsSound::Restore() {
  if (!FInitialized) return;
  Notify(nkRestore);
  DoRestore();
}

void TCustomDsSound::AddListener(const void* object, TDsSoundNotifyEvent callback) {
  for (auto it = FListeners.begin(); it != FListeners.end(); ++it)
    if (it->object == object) {
      FListeners.erase(it);
      break;
    }
  FListeners.push_back({object, callback});
  if (FInitialized) {
    callback(this, nkInitialized);
    callback(this, nkRestore);
  }
}

void TCustomDsSound::RemoveListener(const void* object) {
  for (auto it = FListeners.begin(); it != FListeners.end(); ++it)
    if (it->object == object) {
      TDsSoundNotifyEvent callback = it->callback;
      FListeners.erase(it);
      if (FInitialized) callback(this, nkFinalized);
      return;
    }
}

void TCustomDsSound::SetOptions(TDsSoundOptions value) {
  FOptions = value;
  if (FInitialized) {
    TDsSoundOptions now = value;
    now.Exclude(soExclusive);
    if (FNowOptions.Contains(soExclusive)) now.Include(soExclusive);
    FNowOptions = now;
    FDSound->SetGlobalFocus(FNowOptions.Contains(soGlobalFocus));
    FDSound->SetStickyFocus(FNowOptions.Contains(soStickyFocus));
  } else {
    FNowOptions = value;
  }
}

void TCustomDsSound::SetForm(TCustomForm* form) {
  FForm = form;
  // The hook stays while it is on this form's window procedure; a
  // re-created window comes back here through it.
  if (!FWindowHook || FWindowHook->GetControl() != form)
    FWindowHook = std::make_unique<TControlSubClass>(
        form, this, [this](void*, TMessage& m, const TWndMethod& def) { FormWndProc(m, def); });
  if (FInitialized) {
    const DWORD level = FNowOptions.Contains(soExclusive) ? DSSCL_EXCLUSIVE : DSSCL_NORMAL;
    FDSound->SetDsResult(FDSound->GetIDSound()->SetCooperativeLevel(form->GetHandle(), level));
  }
}

void TCustomDsSound::FormWndProc(TMessage& message, const TWndMethod& defWindowProc) {
  defWindowProc(message);
  if (message.Msg == WM_CREATE) SetForm(FForm);
}

void TCustomDsSound::DoFinalize() {
  if (OnFinalize) OnFinalize(this);
}

void TCustomDsSound::DoInitialize() {
  if (OnInitialize) OnInitialize(this);
}

void TCustomDsSound::DoInitializing() {
  if (OnInitializing) OnInitializing(this);
}

void TCustomDsSound::DoRestore() {
  if (OnRestore) OnRestore(this);
}
