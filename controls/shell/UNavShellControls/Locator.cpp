#include "controls/shell/UNavShellControls/Locator.h"

#include <cstdint>
#include <cstring>

#include "controls/shell/UNavShellUtils.h"
#include "platform/vcl/Forms.h"

namespace {

// True when the bytes hold items that end exactly at a terminator in their
// last two bytes.
bool ChainEndsAtTerminator(const BYTE* bytes, std::size_t size) {
  if (size < 2) return false;
  std::size_t at = 0;
  for (;;) {
    if (at + 2 > size) return false;
    const USHORT cb = static_cast<USHORT>(bytes[at] | (bytes[at + 1] << 8));
    if (cb == 0) return at + 2 == size;
    if (cb < 2) return false;
    at += cb;
  }
}

}  // namespace

TNavShellLocator::~TNavShellLocator() {
  FreeList();
}

void TNavShellLocator::FreeList() {
  ShellFree(FPidl);
  FPidl = nullptr;
}

void TNavShellLocator::LoadDesktop() {
  FreeList();
  FKind = 0;
  FSpecialFolder = 0;
}

LPCITEMIDLIST TNavShellLocator::GetPidl() {
  if (FKind == 0) return FPidl;
  if (FKind != 1) return nullptr;
  if (!FPidl) {
    HWND owner = Application ? Application->GetHandle() : nullptr;
    LPITEMIDLIST resolved = nullptr;
    if (SUCCEEDED(SHGetSpecialFolderLocation(owner, FSpecialFolder, &resolved)))
      FPidl = resolved;
    else
      ShellFree(resolved);
  }
  return FPidl;
}

void TNavShellLocator::SetPidl(LPCITEMIDLIST list) {
  const bool wasSpecial = FKind == 1;
  FKind = 0;
  bool changed = wasSpecial;
  LPITEMIDLIST old = FPidl;
  FPidl = nullptr;
  if (list && PidlSize(list) > 2) FPidl = CopyPidl(nullptr, list);
  if (!wasSpecial) {
    if (old) {
      const int order = ComparePidls(old, FPidl);
      changed = order != 0 && order != kPidlCompareFailed;
    } else {
      changed = list != nullptr;
    }
  }
  ShellFree(old);
  if (changed) Changed();
}

void TNavShellLocator::Clear() {
  SetPidl(nullptr);
}

std::string TNavShellLocator::GetFolderPath() {
  return PidlToPath(GetPidl());
}

void TNavShellLocator::SetFolderPath(const std::string& path) {
  LPITEMIDLIST parsed = nullptr;
  if (SUCCEEDED(PathToPidl(path, &parsed))) {
    try {
      SetPidl(parsed);
    } catch (...) {
      ShellFree(parsed);
      throw;
    }
    ShellFree(parsed);
  } else {
    SetPidl(nullptr);
  }
}

void TNavShellLocator::Assign(TPersistent* source) {
  if (!source) {
    if (!FPidl) return;
    FreeList();
    FKind = 0;
    Changed();
    return;
  }
  auto* other = dynamic_cast<TNavShellLocator*>(source);
  if (!other) {
    inherited::Assign(source);
    return;
  }
  if (SameFolder(other)) return;
  FreeList();
  FKind = other->FKind;
  if (FKind == 0) {
    if (other->FPidl) FPidl = CopyPidl(nullptr, other->FPidl);
  } else {
    FSpecialFolder = other->FSpecialFolder;
  }
  Changed();
}

bool TNavShellLocator::SameFolder(TNavShellLocator* other) {
  if (!other) return false;
  if (other == this) return true;
  if (FKind != other->FKind) return false;
  if (FKind == 0) return ComparePidls(FPidl, other->FPidl) == 0;
  if (FKind == 1) return FSpecialFolder == other->FSpecialFolder;
  return false;
}

void TNavShellLocator::Changed() {
  if (FOnChange) FOnChange(this);
}

void TNavShellLocator::DefineProperties(TFiler* filer) {
  inherited::DefineProperties(filer);
  filer->DefineBinaryProperty(
      "Pidl", [this](TStream* s) { ReadPidl(s); }, [this](TStream* s) { WritePidl(s); },
      FPidl != nullptr || FKind == 1);
}

void TNavShellLocator::WritePidl(TStream* stream) {
  stream->WriteBuffer(&FKind, 1);
  if (FKind != 0) {
    stream->WriteBuffer(&FSpecialFolder, 1);
    return;
  }
  const std::int32_t size = PidlSize(FPidl);
  const BYTE bytes[4] = {static_cast<BYTE>(size), static_cast<BYTE>(size >> 8), static_cast<BYTE>(size >> 16),
                         static_cast<BYTE>(size >> 24)};
  stream->WriteBuffer(bytes, 4);
  if (size > 0) stream->WriteBuffer(FPidl, size);
}

void TNavShellLocator::ReadPidl(TStream* stream) {
  // A record that does not hold together loads the desktop: nothing is
  // allocated for a size the stream cannot hold, and a list is kept only when
  // its items end exactly at its terminator.
  const std::int64_t left = stream->GetSize() - stream->GetPosition();
  BYTE kind = 0;
  if (left < 1 || stream->Read(&kind, 1) != 1) return LoadDesktop();
  if (kind != 0) {
    BYTE id = 0;
    if (stream->Read(&id, 1) != 1) return LoadDesktop();
    FreeList();
    FKind = 1;
    FSpecialFolder = id;
    return;
  }
  BYTE sizeBytes[4];
  if (left < 5 || stream->Read(sizeBytes, 4) != 4) return LoadDesktop();
  const std::uint32_t size =
      static_cast<std::uint32_t>(sizeBytes[0]) | (static_cast<std::uint32_t>(sizeBytes[1]) << 8) |
      (static_cast<std::uint32_t>(sizeBytes[2]) << 16) | (static_cast<std::uint32_t>(sizeBytes[3]) << 24);
  if (size == 0) {
    FreeList();
    FKind = 1;
    FSpecialFolder = 0;
    return;
  }
  if (size < 2 || size > static_cast<std::uint64_t>(left - 5)) return LoadDesktop();
  auto* block = static_cast<BYTE*>(ShellAlloc(size));
  if (!block) return LoadDesktop();
  if (stream->Read(block, static_cast<int>(size)) != static_cast<int>(size) || !ChainEndsAtTerminator(block, size)) {
    ShellFree(block);
    return LoadDesktop();
  }
  FreeList();
  FKind = 0;
  FPidl = reinterpret_cast<LPITEMIDLIST>(block);
}
