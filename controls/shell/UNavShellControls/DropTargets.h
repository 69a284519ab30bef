// The drop targets of a shell tree and a shell list: each call goes to the
// owner's drag operations. No exception leaves a call: the owner's failure
// is reported by the application, the drop effect is none and the answer
// E_UNEXPECTED.
#pragma once

#include "controls/shell/UNavShellControls/ComObject.h"
#include "platform/win/ole2.h"

// The drag operations of a control that accepts OLE drops.
class INavOleDropOwner {
 public:
  virtual HRESULT DragEnter(IDataObject* data, DWORD keyState, DWORD& effect, POINTL point) = 0;
  virtual HRESULT DragOver(DWORD keyState, POINTL point, DWORD& effect) = 0;
  virtual HRESULT DragLeave() = 0;
  virtual HRESULT Drop(IDataObject* data, DWORD keyState, DWORD& effect, POINTL point) = 0;

 protected:
  ~INavOleDropOwner() = default;
};

class TNavDropTarget : public TNavComObject<IDropTarget> {
 public:
  explicit TNavDropTarget(INavOleDropOwner* owner) : FOwner(owner) {}

  HRESULT DragEnter(IDataObject* data, DWORD keyState, POINTL point, DWORD* effect) override;
  HRESULT DragOver(DWORD keyState, POINTL point, DWORD* effect) override;
  HRESULT DragLeave() override;
  HRESULT Drop(IDataObject* data, DWORD keyState, POINTL point, DWORD* effect) override;

 protected:
  const IID& InterfaceId() const override { return IID_IDropTarget; }

 private:
  INavOleDropOwner* FOwner;
};

// The tree's: made when the tree's window is created.
class TDropTarget_shtv : public TNavDropTarget {
 public:
  using TNavDropTarget::TNavDropTarget;
};

// The list's: made when its OLE drop option is in force.
class TDropTarget_shlv : public TNavDropTarget {
 public:
  using TNavDropTarget::TNavDropTarget;
};
