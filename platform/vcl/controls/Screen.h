// Screen and Mouse: the process-wide views of the desktop, the cursors and
// the mouse. Both are made by vcl::InitControls() (the class library's
// start-up, InitApplication, calls it) and freed by vcl::DoneControls().
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "platform/vcl/classes/components/Component.h"
#include "platform/vcl/controls/ControlTypes.h"
#include "platform/vcl/graphics/Font.h"
#include "platform/vcl/graphics/Geometry.h"

class TStrings;
class TStringList;
class TWinControl;

class TScreen : public TComponent {
  DRUMS_CLASS(TScreen, TComponent)

 public:
  explicit TScreen(TComponent* AOwner);
  ~TScreen() override;

  int GetWidth() const;
  int GetHeight() const;
  TRect GetWorkAreaRect() const;
  int GetWorkAreaLeft() const { return GetWorkAreaRect().Left; }
  int GetWorkAreaTop() const { return GetWorkAreaRect().Top; }
  int GetWorkAreaWidth() const { return GetWorkAreaRect().Width(); }
  int GetWorkAreaHeight() const { return GetWorkAreaRect().Height(); }
  int GetPixelsPerInch() const { return 96; }

  // The cursor for an index: the built-in ones, the program's own (set
  // here, e.g. index -255), the default arrow for an unknown index.
  HCURSOR GetCursors(TCursor index) const;
  // A null handle removes a program cursor (crDefault: back to the arrow).
  void SetCursors(TCursor index, HCURSOR handle);
  // A cursor over every control of the program (crHourGlass during long
  // work); crDefault lets each control show its own again.
  TCursor GetCursor() const { return FCursor; }
  void SetCursor(TCursor value);

  // The installed font families, sorted.
  TStrings* GetFonts();
  TFont* GetHintFont() const { return FHintFont.get(); }
  void SetHintFont(TFont* value) { FHintFont->Assign(value); }
  TFont* GetIconFont() const { return FIconFont.get(); }
  void SetIconFont(TFont* value) { FIconFont->Assign(value); }
  TFont* GetMenuFont() const { return FMenuFont.get(); }
  void SetMenuFont(TFont* value) { FMenuFont->Assign(value); }

  // Forms: the forms unit keeps this list and the active form and control
  // current through the calls below; the getters are what programs read.
  int GetFormCount() const { return static_cast<int>(FForms.size()); }
  TWinControl* GetForms(int index) const { return FForms.at(static_cast<size_t>(index)); }
  int GetCustomFormCount() const { return GetFormCount(); }
  TWinControl* GetCustomForms(int index) const { return GetForms(index); }
  TWinControl* GetActiveForm() const { return FActiveForm; }
  TWinControl* GetActiveControl() const { return FActiveControl; }
  void AddForm(TWinControl* form);
  void RemoveForm(TWinControl* form);
  // Sets the active form / control and calls the change event when it changed.
  void SetActiveForm(TWinControl* form);
  void SetActiveControl(TWinControl* control);

  TNotifyEvent OnActiveFormChange;
  TNotifyEvent OnActiveControlChange;

 private:
  std::map<TCursor, HCURSOR> FCursors;
  HCURSOR FDefaultCursor = nullptr;
  TCursor FCursor = crDefault;
  std::unique_ptr<TStringList> FFonts;
  std::unique_ptr<TFont> FHintFont;
  std::unique_ptr<TFont> FIconFont;
  std::unique_ptr<TFont> FMenuFont;
  std::vector<TWinControl*> FForms;
  TWinControl* FActiveForm = nullptr;
  TWinControl* FActiveControl = nullptr;
};

class TMouse {
 public:
  TPoint GetCursorPos() const;
  void SetCursorPos(const TPoint& value);
  HWND GetCapture() const;
  void SetCapture(HWND value);
  bool GetDragImmediate() const { return FDragImmediate; }
  void SetDragImmediate(bool value) { FDragImmediate = value; }
  int GetDragThreshold() const { return FDragThreshold; }
  void SetDragThreshold(int value) { FDragThreshold = value; }
  bool GetMousePresent() const { return true; }
  bool GetWheelPresent() const { return true; }
  int GetWheelScrollLines() const { return 3; }

 private:
  bool FDragImmediate = true;
  int FDragThreshold = 5;
};

extern TScreen* Screen;
extern TMouse* Mouse;

namespace vcl {
// Makes Screen and Mouse on the first start; a later start only counts.
void InitControls();
// The shutdown matching the last start frees them; one without a start does
// nothing.
void DoneControls();
}  // namespace vcl
