// TGraphicsObject: the common base of fonts, pens and brushes. Each keeps its
// settings in fields and makes its GDI object only when asked for Handle; a
// changed setting drops the object, so the next Handle reflects it.
#pragma once

#include "platform/vcl/classes/typeinfo/Event.h"
#include "platform/vcl/classes/components/Persistent.h"
#include "platform/win/windef.h"

class TGraphicsObject : public TPersistent {
  DRUMS_CLASS(TGraphicsObject, TPersistent)

 public:
  TGraphicsObject() = default;
  ~TGraphicsObject() override;

  bool HandleAllocated() const { return FHandle != nullptr; }

  TNotifyEvent OnChange;
  TNotifyEvent OnChanging;

 protected:
  // Before a setting changes.
  virtual void Changing();
  // After: drops the GDI object, tells OnChange (a canvas deselects it), then
  // deletes the old object.
  virtual void Changed();
  // Installs a handle made elsewhere (it becomes this object's to delete)
  // and tells OnChange; the previous handle is deleted afterwards.
  void ReplaceHandle(HGDIOBJ handle);
  // The GDI object, made by CreateHandle when there is none.
  HGDIOBJ HandleNeeded();
  virtual HGDIOBJ CreateHandle() = 0;

 private:
  HGDIOBJ FHandle = nullptr;
};
