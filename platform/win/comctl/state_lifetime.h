// A control's state outlives its window while a call of the control's window
// procedure still runs: a notification the control sends may make the parent
// destroy the window (a view freed in its own click handler), and the code
// after the send still reads the state. That code already copes with items
// going away; with the state kept it finds the view empty and its window
// gone, and returns.
#pragma once

namespace win::comctl {

// Part of a control's state: how many window procedure calls use it, and
// whether WM_NCDESTROY has let it go.
struct StateLifetime {
  int uses = 0;
  bool released = false;
};

// Held by the window procedure for one call; the last one out deletes a
// released state.
template <class T>
class StateInUse {
 public:
  explicit StateInUse(T* state) : state_(state) { ++state_->uses; }
  ~StateInUse() {
    if (--state_->uses == 0 && state_->released) delete state_;
  }
  StateInUse(const StateInUse&) = delete;
  StateInUse& operator=(const StateInUse&) = delete;

 private:
  T* state_;
};

}  // namespace win::comctl
