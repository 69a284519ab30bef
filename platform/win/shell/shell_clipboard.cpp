#include "platform/win/shell/shell_clipboard.h"

namespace win::shell {

namespace {

struct Clipboard {
  IDataObject* data = nullptr;
  bool cut = false;
};

Clipboard& State() {
  static Clipboard clipboard;
  return clipboard;
}

}  // namespace

void SetShellClipboard(IDataObject* data, bool cut) {
  Clipboard& clipboard = State();
  if (data) data->AddRef();
  if (clipboard.data) clipboard.data->Release();
  clipboard.data = data;
  clipboard.cut = data && cut;
}

IDataObject* ShellClipboard(bool* cut) {
  Clipboard& clipboard = State();
  if (cut) *cut = clipboard.cut;
  if (clipboard.data) clipboard.data->AddRef();
  return clipboard.data;
}

}  // namespace win::shell
