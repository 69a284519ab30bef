#include "controls/shell/UNavShellControls/DropTargets.h"

#include <exception>

#include "platform/vcl/Forms.h"

namespace {

// Runs one forwarded call; an exception is reported and becomes a failure
// with no effect, since it must not unwind through the drag loop.
template <class Call>
HRESULT Guarded(DWORD* effect, Call call) {
  try {
    return call();
  } catch (...) {
    if (effect) *effect = DROPEFFECT_NONE;
    if (Application) Application->HandleException(nullptr, std::current_exception());
    return E_UNEXPECTED;
  }
}

}  // namespace

HRESULT TNavDropTarget::DragEnter(IDataObject* data, DWORD keyState, POINTL point, DWORD* effect) {
  if (!effect) return E_INVALIDARG;
  return Guarded(effect, [&] { return FOwner->DragEnter(data, keyState, *effect, point); });
}

HRESULT TNavDropTarget::DragOver(DWORD keyState, POINTL point, DWORD* effect) {
  if (!effect) return E_INVALIDARG;
  return Guarded(effect, [&] { return FOwner->DragOver(keyState, point, *effect); });
}

HRESULT TNavDropTarget::DragLeave() {
  return Guarded(nullptr, [&] { return FOwner->DragLeave(); });
}

HRESULT TNavDropTarget::Drop(IDataObject* data, DWORD keyState, POINTL point, DWORD* effect) {
  if (!effect) return E_INVALIDARG;
  return Guarded(effect, [&] { return FOwner->Drop(data, keyState, *effect, point); });
}
