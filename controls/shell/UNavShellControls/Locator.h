// TNavShellLocator: the folder reference the shell tree, list and combo hold
// and hand to each other. It names a folder by an absolute item-ID list (kind
// 0, nil = the desktop) or by a special-folder number resolved on first use
// (kind 1), tells its owner about every change, converts to and from paths,
// and streams as the binary form property "Pidl".
#pragma once

#include <string>

#include "platform/vcl/Classes.h"
#include "platform/win/shlobj.h"

class TNavShellLocator : public TPersistent {
  DRUMS_CLASS(TNavShellLocator, TPersistent)

 public:
  TNavShellLocator() = default;
  ~TNavShellLocator() override;
  TNavShellLocator(const TNavShellLocator&) = delete;
  TNavShellLocator& operator=(const TNavShellLocator&) = delete;

  // The folder's absolute list, owned by the locator: neither free it nor
  // keep it past the next change. Nil is the desktop (also when a special
  // folder cannot be resolved; the next call tries again).
  LPCITEMIDLIST GetPidl();
  // Refers to a copy of list (kind 0); nil and the empty list are the
  // desktop. Calls Changed when the folder changed (see the source).
  void SetPidl(LPCITEMIDLIST list);
  // The desktop.
  void Clear();
  // The folder's file-system path without a trailing separator: the desktop
  // directory for the desktop, empty for a folder outside the file system.
  std::string GetFolderPath();
  // A path that does not parse selects the desktop, without a message.
  void SetFolderPath(const std::string& path);
  void Assign(TPersistent* source) override;
  bool SameFolder(TNavShellLocator* other);
  virtual void Changed();

  BYTE GetKind() const { return FKind; }
  BYTE GetSpecialFolder() const { return FSpecialFolder; }
  const TNotifyEvent& GetOnChange() const { return FOnChange; }
  void SetOnChange(TNotifyEvent value) { FOnChange = std::move(value); }

  // The "Pidl" record: kind byte, then the special-folder number (kind 1) or
  // the list's int32 size and bytes (kind 0). Reading checks the record
  // against the bytes it has and loads the desktop for one that does not
  // hold together; it does not call Changed.
  void ReadPidl(TStream* stream);
  void WritePidl(TStream* stream);

 protected:
  void DefineProperties(TFiler* filer) override;

 private:
  void FreeList();
  void LoadDesktop();

  BYTE FKind = 0;
  LPITEMIDLIST FPidl = nullptr;
  BYTE FSpecialFolder = 0;
  TNotifyEvent FOnChange;
};
