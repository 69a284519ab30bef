// The shell controls' own COM objects: a plain object whose reference count
// starts at 0 (its creator takes the first reference through
// QueryInterface), changed without interlocking since every call comes on
// the user-interface thread; Release frees the object at 0. QueryInterface
// answers IUnknown and the object's one interface.
#pragma once

#include "platform/win/objbase.h"

template <class Interface>
class TNavComObject : public Interface {
 public:
  TNavComObject() = default;
  TNavComObject(const TNavComObject&) = delete;
  TNavComObject& operator=(const TNavComObject&) = delete;

  HRESULT QueryInterface(REFIID riid, void** ppv) override {
    if (!ppv) return E_POINTER;
    if (riid == IID_IUnknown || riid == InterfaceId()) {
      AddRef();
      *ppv = static_cast<Interface*>(this);
      return S_OK;
    }
    *ppv = nullptr;
    return E_NOINTERFACE;
  }
  ULONG AddRef() override { return ++FRefCount; }
  ULONG Release() override {
    const ULONG left = --FRefCount;
    if (left == 0) delete this;
    return left;
  }

 protected:
  virtual ~TNavComObject() = default;
  virtual const IID& InterfaceId() const = 0;

 private:
  ULONG FRefCount = 0;
};
