// The GDI object table: every pen, brush, font, bitmap, region, palette and
// device context lives here behind an opaque handle.
//
// Handles are never reused, so a stale handle fails the lookup instead of
// reaching a newer object. An object selected into a device context cannot be
// deleted (DeleteObject fails, as on Windows); stock objects ignore deletion.
#pragma once

#include <memory>

#include "platform/win/windef.h"

namespace win::gdi {

class Region;

// The kinds, numbered as GetObjectType reports them (OBJ_PEN ...).
enum class ObjectKind : int {
  Pen = 1,
  Brush = 2,
  DC = 3,
  Palette = 5,
  Font = 6,
  Bitmap = 7,
  Region = 8,
  MemDC = 10,
  ExtPen = 11,
};

class GdiObject {
 public:
  explicit GdiObject(ObjectKind kind) : kind_(kind) {}
  virtual ~GdiObject() = default;
  GdiObject(const GdiObject&) = delete;
  GdiObject& operator=(const GdiObject&) = delete;

  ObjectKind Kind() const { return kind_; }
  HGDIOBJ Handle() const { return handle_; }

  // GetObjectA for this kind: with a null buffer, the size of the description;
  // otherwise copies at most `size` bytes of it and returns the bytes copied
  // (0 on failure). Each kind overrides it with its own structure.
  virtual int Describe(int size, void* buffer) const {
    (void)size;
    (void)buffer;
    return 0;
  }

  // The region an HRGN stands for; nullptr for every other kind.
  virtual const Region* AsRegion() const { return nullptr; }
  virtual Region* AsRegion() { return nullptr; }

  // UnrealizeObject: brushes and palettes reset their realisation.
  virtual bool Unrealize() { return true; }

  // Selection into device contexts: while counted, the object is in use.
  void AddSelection() { ++selections_; }
  void RemoveSelection() {
    if (selections_ > 0) --selections_;
  }
  bool IsSelected() const { return selections_ > 0; }

  bool IsStock() const { return stock_; }
  void MarkStock() { stock_ = true; }

 private:
  friend HGDIOBJ AddObject(std::unique_ptr<GdiObject> object);
  ObjectKind kind_;
  HGDIOBJ handle_ = nullptr;
  int selections_ = 0;
  bool stock_ = false;
};

// Takes ownership and returns the new handle (never null for a non-null object).
HGDIOBJ AddObject(std::unique_ptr<GdiObject> object);

// The object behind a handle, or nullptr when the handle is unknown.
GdiObject* LookupObject(HGDIOBJ handle);
// The same, and nullptr unless the object is of that kind.
GdiObject* LookupObject(HGDIOBJ handle, ObjectKind kind);
// The object as a derived class, or nullptr when it is not one.
template <class T>
T* LookupAs(HGDIOBJ handle) {
  return dynamic_cast<T*>(LookupObject(handle));
}

// Removes and destroys the object. Fails (false) for unknown handles and for
// selected objects; stock objects stay and report success.
bool RemoveObject(HGDIOBJ handle);

// Makes an object live for the process: deletion leaves it alone.
void MarkStock(HGDIOBJ handle);

// Number of live objects, for leak checks in tests.
std::size_t LiveObjectCount();

}  // namespace win::gdi
