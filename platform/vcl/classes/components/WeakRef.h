// TWeakRef: a reference to a component that turns null when the component
// is destroyed.
//
// An event path that calls user code and then touches its control again
// holds one across the call: the handler may free the control (a dialog
// closing from its own button, a view navigating away), and the path then
// stops instead of using freed memory:
//
//   TWeakRef<TControl> self(this);
//   OnClick(this);
//   if (!self) return;
//
// The references to one component form an intrusive list that the
// component clears in its destructor, so taking one allocates nothing.
// A reference belongs to the thread that runs the component's windows.
#pragma once

#include "platform/vcl/classes/components/Component.h"

namespace vcl::detail {

// The untyped link every TWeakRef is; TComponent keeps the head of its list.
class WeakLink {
 public:
  WeakLink(const WeakLink&) = delete;
  WeakLink& operator=(const WeakLink&) = delete;

 protected:
  WeakLink() = default;
  ~WeakLink() { Attach(nullptr); }

  TComponent* Target() const { return FTarget; }
  // Leaves the list of the old target and joins the new one's.
  void Attach(TComponent* target);

 private:
  friend class ::TComponent;

  TComponent* FTarget = nullptr;
  WeakLink* FPrev = nullptr;
  WeakLink* FNext = nullptr;
};

}  // namespace vcl::detail

template <class T = TComponent>
class TWeakRef : private vcl::detail::WeakLink {
 public:
  TWeakRef() = default;
  explicit TWeakRef(T* target) { Attach(target); }

  // The component, or null once it has been destroyed (or none was set).
  T* Get() const { return static_cast<T*>(Target()); }
  T* operator->() const { return Get(); }
  explicit operator bool() const { return Target() != nullptr; }
  void Reset(T* target = nullptr) { Attach(target); }
};
