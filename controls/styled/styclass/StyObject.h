// The notification pattern of the styled library: a parameter object (or a
// non-visual component) reports each effective change through OnChange,
// unless an update bracket holds it back. The bracket has one level: the
// first EndUpdate ends it whatever the number of BeginUpdates.
#pragma once

#include "controls/styled/StyTypes.h"
#include "platform/vcl/Classes.h"

class TStyObject : public TPersistent {
  DRUMS_CLASS(TStyObject, TPersistent)
 public:
  TStyObject() = default;
  virtual void Change();
  // The handler parameter objects plug into their sub-objects.
  virtual void GetChange(TObject* Sender);
  void BeginUpdate() { FUpdating = true; }
  void EndUpdate(bool DoChange);
  bool GetUpdating() const { return FUpdating; }
  TNotifyEvent OnChange;

 protected:
  // The common setter rule: an equal value is ignored, a new one stored and
  // reported.
  template <class T, class V>
  void SetValue(T& field, const V& value) {
    if (field == value) return;
    field = value;
    Change();
  }

 private:
  bool FUpdating = false;
};

class TStyCustomComponent : public TComponent {
  DRUMS_CLASS(TStyCustomComponent, TComponent)
 public:
  explicit TStyCustomComponent(TComponent* AOwner) : TComponent(AOwner) {}
  virtual void Change();
  virtual void GetChange(TObject* Sender);
  void BeginUpdate() { FUpdating = true; }
  void EndUpdate(bool DoChange);
  const TStyAboutVar& GetAbout() const { return FAbout; }
  void SetAbout(const TStyAboutVar& value) { FAbout = value; }
  TNotifyEvent OnChange;

 private:
  bool FUpdating = false;
  TStyAboutVar FAbout;
};

class TStyComponent : public TStyCustomComponent {
  DRUMS_CLASS(TStyComponent, TStyCustomComponent)
 public:
  explicit TStyComponent(TComponent* AOwner) : TStyCustomComponent(AOwner) {}
};
