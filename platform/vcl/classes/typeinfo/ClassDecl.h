// DRUMS_CLASS(Self, Parent): the first line of every class below TObject.
// It gives the class its class reference (Self::StaticClass()), the virtual
// ClassType, `inherited` for calls to the parent, a factory for virtual
// construction and the published table (the parent's table extended by
// Self::Publish when the class has one; see Published.h).
#pragma once

#include <type_traits>

#include "platform/vcl/classes/typeinfo/Object.h"
#include "platform/vcl/classes/typeinfo/Published.h"

class TCollection;

namespace vcl::detail {

TCollection* AsCollection(TObject* object);
[[noreturn]] void RaiseCannotCreate(const char* className);

// A friend of every declared class, so that Publish may be private.
template <class T>
struct ClassAccess {
  static constexpr bool HasPublish = requires(TPublisher<T> & p) { T::Publish(p); };
  static void Publish(TPublisher<T>& p) { T::Publish(p); }
};

template <class T>
TObject* Factory(TObject* owner) {
  if constexpr (std::is_abstract_v<T>) {
    (void)owner;
    RaiseCannotCreate(T::StaticClass()->Name);
  } else if constexpr (std::is_constructible_v<T, TComponent*>) {
    return new T(AsComponent(owner));
  } else if constexpr (std::is_constructible_v<T, TCollection*>) {
    return new T(AsCollection(owner));
  } else if constexpr (std::is_default_constructible_v<T>) {
    (void)owner;
    return new T();
  } else {
    (void)owner;
    RaiseCannotCreate(T::StaticClass()->Name);
  }
}

template <class T>
const TPublishedTable& TableOf() {
  static const TPublishedTable table = [] {
    TPublishedTable t = T::inherited::StaticClass()->Published();
    if constexpr (ClassAccess<T>::HasPublish) {
      TPublisher<T> publisher(t);
      ClassAccess<T>::Publish(publisher);
    }
    return t;
  }();
  return table;
}

template <class T>
TClass ClassInfoOf(const char* name) {
  static const TClassInfo info{name, T::inherited::StaticClass(), &Factory<T>, &TableOf<T>};
  return &info;
}

}  // namespace vcl::detail

#define DRUMS_CLASS(Self, Parent)                   \
 public:                                            \
  using inherited = Parent;                         \
  static TClass StaticClass() {                     \
    return ::vcl::detail::ClassInfoOf<Self>(#Self); \
  }                                                 \
  TClass ClassType() const override {               \
    return StaticClass();                           \
  }                                                 \
                                                    \
 private:                                           \
  template <class>                                  \
  friend struct ::vcl::detail::ClassAccess;
