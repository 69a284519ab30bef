// Events: a callable bound to an object. Code assigns any callable (a lambda);
// a form resource binds a published method of its root by name, and the event
// keeps that name so that the form writer can write it back.
//   Button->OnClick = [this](TObject* sender) { ... };
//   if (FOnClick) FOnClick(this);
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <type_traits>
#include <utility>

class TObject;

template <class Signature>
class TEvent;

template <class R, class... A>
class TEvent<R(A...)> {
 public:
  using Signature = R(A...);
  using Function = std::function<R(A...)>;

  TEvent() = default;
  TEvent(std::nullptr_t) {}
  template <class F>
  requires(!std::is_same_v<std::remove_cvref_t<F>, TEvent> && std::is_invocable_r_v<R, F&, A...>) TEvent(F fn)
      : FFunction(std::move(fn)) {}
  // An event bound to the published method methodName of data.
  TEvent(Function fn, std::string methodName, TObject* data)
      : FFunction(std::move(fn)), FMethodName(std::move(methodName)), FData(data) {}

  explicit operator bool() const { return static_cast<bool>(FFunction); }
  R operator()(A... args) const { return FFunction(std::forward<A>(args)...); }

  // The published method's name when bound by name, else empty.
  const std::string& MethodName() const { return FMethodName; }
  // The object whose method is bound (null for a plain callable).
  TObject* Data() const { return FData; }
  const Function& GetFunction() const { return FFunction; }

 private:
  Function FFunction;
  std::string FMethodName;
  TObject* FData = nullptr;
};

template <class Signature>
bool Assigned(const TEvent<Signature>& event) {
  return static_cast<bool>(event);
}

using TNotifyEvent = TEvent<void(TObject* Sender)>;
