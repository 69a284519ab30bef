// Reference counting shared by the shell's COM objects: an object starts
// with the one reference its creator hands out, and Release deletes it when
// the count reaches 0.
#pragma once

#include <atomic>

#include "platform/win/objbase.h"

namespace win::shell {

template <class Interface>
class ComObject : public Interface {
 public:
  ULONG AddRef() override { return ++references_; }
  ULONG Release() override {
    const ULONG left = --references_;
    if (left == 0) delete this;
    return left;
  }

 protected:
  virtual ~ComObject() = default;

  // QueryInterface for objects that answer IUnknown and their interfaces.
  HRESULT Answer(void** ppv, bool known) {
    if (!ppv) return E_POINTER;
    if (!known) {
      *ppv = nullptr;
      return E_NOINTERFACE;
    }
    AddRef();
    *ppv = static_cast<Interface*>(this);
    return S_OK;
  }

 private:
  std::atomic<ULONG> references_{1};
};

}  // namespace win::shell
