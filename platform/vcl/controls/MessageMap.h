// Message-handler methods dispatched by message number, one short table per
// class, searched from the object's own class up to TControl.
//
//   class TKnob : public TGraphicControl {
//     DRUMS_CLASS(TKnob, TGraphicControl)
//     DRUMS_MESSAGE_MAP(TKnob)
//    public:
//     static void Messages(TMessageMap<TKnob>& m) {
//       m.On(CM_MOUSEENTER, &TKnob::CMMouseEnter);
//     }
//    private:
//     void CMMouseEnter(TMessage& message) {
//       InheritedMessage(message);  // the parent classes' handler, or DefaultHandler
//       ...
//     }
//   };
#pragma once

#include <algorithm>
#include <utility>
#include <vector>

#include "platform/vcl/controls/ControlMessages.h"

template <class T>
class TMessageMap {
 public:
  using Handler = void (T::*)(TMessage&);
  void On(UINT msg, Handler handler) { FEntries.emplace_back(msg, handler); }
  Handler Find(UINT msg) const {
    for (const auto& e : FEntries)
      if (e.first == msg) return e.second;
    return nullptr;
  }

 private:
  std::vector<std::pair<UINT, Handler>> FEntries;
};

namespace vcl::detail {
template <class T>
const TMessageMap<T>& MessageMapOf() {
  static const TMessageMap<T> map = [] {
    TMessageMap<T> m;
    T::Messages(m);
    return m;
  }();
  return map;
}
}  // namespace vcl::detail

// Declares Self's dispatch over Self::Messages and InheritedMessage, which
// hands a message on to the parent classes' handlers.
#define DRUMS_MESSAGE_MAP(Self)                                                 \
 protected:                                                                     \
  bool DispatchMessageTable(TMessage& message) override {                       \
    if (auto handler = ::vcl::detail::MessageMapOf<Self>().Find(message.Msg)) { \
      (this->*handler)(message);                                                \
      return true;                                                              \
    }                                                                           \
    return inherited::DispatchMessageTable(message);                            \
  }                                                                             \
  void InheritedMessage(TMessage& message) {                                    \
    if (!inherited::DispatchMessageTable(message)) DefaultHandler(message);     \
  }                                                                             \
  template <class X>                                                            \
  friend const TMessageMap<X>& ::vcl::detail::MessageMapOf();                   \
                                                                                \
 private:
