// The per-class table of published properties and methods that component
// streaming reads and writes by name.
//
// A class publishes by a static member Publish, next to the class:
//
//   class TKnob : public TComponent {
//     DRUMS_CLASS(TKnob, TComponent)
//    public:
//     static void Publish(TPublisher<TKnob>& p) {
//       p.Prop("Position", &TKnob::GetPosition, &TKnob::SetPosition).Default(0);
//       p.Prop("Style", &TKnob::FStyle).Default(ksRound);     // a plain field
//       p.Prop("Color", &TKnob::GetColor, &TKnob::SetColor).Idents("TColor");
//       p.Prop("Font", &TKnob::GetFont, &TKnob::SetFont);      // nested persistent
//       p.Prop("OnChange", &TKnob::FOnChange);                 // event
//       p.Method("KnobChange", &TKnob::KnobChange);            // handler method
//       p.Field("btnReset", &TKnob::btnReset);                 // owned component by name
//     }
//   };
//
// The kind of each property follows from the getter's C++ type: bool, char,
// integers of any size, enumerations with names (DRUMS_ENUM_NAMES), TSet of
// such an enumeration, floating point, std::string, pointers to persistent
// classes (nested objects, collections, string lists), pointers to components
// (references resolved by name) and TEvent (bound by method name). A field
// holds the component its owner owns under the field's name, whether read
// from a stream or named in code, and is cleared when that component goes or
// is renamed. A class's table starts as a copy of its parent's; publishing a
// name again replaces the inherited entry in place.
#pragma once

#include <any>
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <typeindex>
#include <typeinfo>
#include <utility>

#include "platform/vcl/classes/typeinfo/Event.h"
#include "platform/vcl/classes/typeinfo/Object.h"
#include "platform/vcl/classes/typeinfo/Set.h"

class TPersistent;

// Value names of an enumeration, found by argument-dependent lookup; declare
// them in the enumeration's own namespace, in ordinal order:
//   DRUMS_ENUM_NAMES(TAlign, "alNone", "alTop", "alBottom", "alLeft", "alRight", "alClient")
#define DRUMS_ENUM_NAMES(Enum, ...)                                      \
  [[maybe_unused]] inline std::span<const char* const> EnumNames(Enum) { \
    static constexpr const char* names[] = {__VA_ARGS__};                \
    return names;                                                        \
  }

enum class TPropKind { Integer, Char, Enumeration, Boolean, Set, Float, String, Class, Component, Method };

struct TMethodInfo {
  std::string Name;
  std::type_index Signature = typeid(void);
  // Returns a std::function of Signature that calls the method on instance.
  std::function<std::any(TObject& instance)> Bind;
};

struct TPropInfo {
  std::string Name;
  TPropKind Kind = TPropKind::Integer;
  int OrdSize = 4;  // bytes of an integer property
  bool OrdSigned = true;
  std::span<const char* const> ValueNames;  // enumerations and sets
  std::string IdentMap;  // integers written by name through a registered map
  TClass PropClass = nullptr;  // Class and Component: the declared class
  std::optional<std::int64_t> DefaultOrd;  // ordinals and sets; none: always written
  // Brings a value to what the property's own type holds, so that a default
  // given as 0x8000000F matches an int32 property holding it.
  std::function<std::int64_t(std::int64_t)> NormalizeOrd;
  bool Writable = true;

  std::function<std::int64_t(TObject&)> GetOrd;
  std::function<void(TObject&, std::int64_t)> SetOrd;
  std::function<double(TObject&)> GetFloat;
  std::function<void(TObject&, double)> SetFloat;
  std::function<std::string(TObject&)> GetStr;
  std::function<void(TObject&, const std::string&)> SetStr;
  std::function<TObject*(TObject&)> GetObject;
  std::function<void(TObject&, TObject*)> SetObject;  // checks the class itself
  std::type_index MethodSignature = typeid(void);
  std::function<std::string(TObject&)> GetMethodName;
  std::function<TObject*(TObject&)> GetMethodData;  // whose method is bound
  std::function<bool(TObject&)> HasMethod;
  // Binds method of target (null method: clears the event).
  std::function<void(TObject&, const TMethodInfo* method, TObject* target)> SetMethod;
  std::function<bool(TObject&)> IsStored;

  // Whether the writer stores the property of instance: stored, and not
  // equal to its default (strings: not empty; floats: not 0; references and
  // events: assigned).
  bool ShouldWrite(TObject& instance) const;
};

// A component pointer of the class that its owned component of that name
// is put in (and taken out of again when it goes), so that form code can say
// btnOk->... without looking the component up.
struct TFieldInfo {
  std::string Name;
  TClass FieldClass = nullptr;  // the pointee's class: a component must inherit from it
  std::function<TComponent*(TObject& owner)> Get;
  // Stores value, or null when value is not of the field's C++ type.
  std::function<void(TObject& owner, TComponent* value)> Set;
};

class TPublishedTable {
 public:
  const TPropInfo* FindProp(std::string_view name) const;
  const TMethodInfo* FindMethod(std::string_view name) const;
  const TFieldInfo* FindField(std::string_view name) const;
  const std::deque<TPropInfo>& Props() const { return FProps; }
  const std::deque<TMethodInfo>& Methods() const { return FMethods; }
  const std::deque<TFieldInfo>& Fields() const { return FFields; }

  // Adds or, for a name already present, replaces in place.
  TPropInfo& AddProp(TPropInfo info);
  void AddMethod(TMethodInfo info);
  void AddField(TFieldInfo info);

 private:
  std::deque<TPropInfo> FProps;
  std::deque<TMethodInfo> FMethods;
  std::deque<TFieldInfo> FFields;
};

namespace vcl::detail {

bool SameName(std::string_view a, std::string_view b);
TComponent* AsComponent(TObject* object);
TPersistent* AsPersistent(TObject* object);
[[noreturn]] void RaiseInvalidPropertyValue();

template <class E>
concept NamedEnum = std::is_enum_v<E> && requires(E e) {
  EnumNames(e);
};

template <class V>
struct IsTSet : std::false_type {};
template <class E>
struct IsTSet<TSet<E>> : std::true_type {};

template <class V>
struct IsTEvent : std::false_type {};
template <class S>
struct IsTEvent<TEvent<S>> : std::true_type {};

template <class M>
struct MethodTraits;
template <class C, class R, class... A>
struct MethodTraits<R (C::*)(A...)> {
  using Signature = R(A...);
};

}  // namespace vcl::detail

template <class T>
class TPropBuilder {
 public:
  explicit TPropBuilder(TPropInfo& info) : FInfo(info) {}
  // The value not written to streams (ordinals, enumerations and sets).
  template <class V>
  TPropBuilder& Default(V value) {
    if constexpr (vcl::detail::IsTSet<V>::value)
      FInfo.DefaultOrd = static_cast<std::int64_t>(value.Bits());
    else
      FInfo.DefaultOrd = static_cast<std::int64_t>(value);
    if (FInfo.NormalizeOrd) FInfo.DefaultOrd = FInfo.NormalizeOrd(*FInfo.DefaultOrd);
    return *this;
  }
  // Written always, whatever the value.
  TPropBuilder& NoDefault() {
    FInfo.DefaultOrd.reset();
    return *this;
  }
  TPropBuilder& Stored(bool stored) {
    FInfo.IsStored = [stored](TObject&) { return stored; };
    return *this;
  }
  // A predicate of the instance: a member function (bool (T::*)() const or
  // non-const) or any callable taking T&.
  template <class P>
  requires(!std::is_same_v<P, bool>) TPropBuilder& Stored(P predicate) {
    FInfo.IsStored = [predicate](TObject& o) { return static_cast<bool>(std::invoke(predicate, static_cast<T&>(o))); };
    return *this;
  }
  // An integer written as an identifier through the map registered under
  // this name (RegisterIntegerIdents), as colours are ("clRed").
  TPropBuilder& Idents(const char* mapName) {
    FInfo.IdentMap = mapName;
    return *this;
  }

 private:
  TPropInfo& FInfo;
};

template <class T>
class TPublisher {
 public:
  explicit TPublisher(TPublishedTable& table) : FTable(table) {}

  // A property read through get and written through set; each may be a
  // member function or a field of T (or of a base of T).
  template <class G, class S>
  TPropBuilder<T> Prop(const char* name, G get, S set) {
    using V = std::remove_cvref_t<std::invoke_result_t<G, T&>>;
    TPropInfo info = Make<V>(name, get);
    AddSetter<V>(info, set);
    return TPropBuilder<T>(FTable.AddProp(std::move(info)));
  }
  // A field of T read and written directly, or a getter alone (read-only: only
  // nested objects are streamed through it).
  template <class M>
  TPropBuilder<T> Prop(const char* name, M member) {
    using V = std::remove_cvref_t<std::invoke_result_t<M, T&>>;
    TPropInfo info = Make<V>(name, member);
    if constexpr (std::is_member_object_pointer_v<M>)
      AddSetter<V>(info, member);
    else
      info.Writable = false;
    return TPropBuilder<T>(FTable.AddProp(std::move(info)));
  }
  // Changes the stream default of an inherited property.
  template <class V>
  void Default(const char* name, V value) {
    for (const TPropInfo& p : FTable.Props())
      if (vcl::detail::SameName(p.Name, name)) {
        TPropInfo copy = p;
        TPropBuilder<T>(copy).Default(value);
        FTable.AddProp(std::move(copy));
        return;
      }
  }
  // A handler method that form resources bind events to by name.
  template <class M>
  void Method(const char* name, M method) {
    using Sig = typename vcl::detail::MethodTraits<M>::Signature;
    TMethodInfo info;
    info.Name = name;
    info.Signature = typeid(Sig);
    info.Bind = [method](TObject& instance) -> std::any {
      T* self = static_cast<T*>(&instance);
      return std::function<Sig>(BindMember<Sig>::Make(self, method));
    };
    FTable.AddMethod(std::move(info));
  }
  // A component pointer of T (or of a base of T) that the owned component
  // of this name is bound to:  p.Field("btnOk", &TfrmMain::btnOk);
  template <class C, class U>
  requires std::is_base_of_v<C, T>
  void Field(const char* name, U* C::*member) {
    static_assert(std::is_base_of_v<TComponent, U>, "a published field must point to a component");
    TFieldInfo info;
    info.Name = name;
    info.FieldClass = U::StaticClass();
    info.Get = [member](TObject& o) -> TComponent* { return static_cast<T&>(o).*member; };
    info.Set = [member](TObject& o, TComponent* value) { static_cast<T&>(o).*member = dynamic_cast<U*>(value); };
    FTable.AddField(std::move(info));
  }

 private:
  template <class Sig>
  struct BindMember;
  template <class R, class... A>
  struct BindMember<R(A...)> {
    template <class M>
    static std::function<R(A...)> Make(T* self, M method) {
      return [self, method](A... args) -> R { return (self->*method)(std::forward<A>(args)...); };
    }
  };

  template <class V, class G>
  static TPropInfo Make(const char* name, G get) {
    using namespace vcl::detail;
    TPropInfo info;
    info.Name = name;
    if constexpr (std::is_same_v<V, bool>) {
      info.Kind = TPropKind::Boolean;
      info.GetOrd = [get](TObject& o) -> std::int64_t { return std::invoke(get, static_cast<T&>(o)) ? 1 : 0; };
    } else if constexpr (std::is_same_v<V, char>) {
      info.Kind = TPropKind::Char;
      info.GetOrd = [get](TObject& o) -> std::int64_t {
        return static_cast<unsigned char>(std::invoke(get, static_cast<T&>(o)));
      };
    } else if constexpr (NamedEnum<V>) {
      info.Kind = TPropKind::Enumeration;
      info.ValueNames = EnumNames(V{});
      info.GetOrd = [get](TObject& o) -> std::int64_t {
        return static_cast<std::int64_t>(std::invoke(get, static_cast<T&>(o)));
      };
    } else if constexpr (std::is_enum_v<V> || std::is_integral_v<V>) {
      info.Kind = TPropKind::Integer;
      info.OrdSize = sizeof(V);
      if constexpr (std::is_enum_v<V>)
        info.OrdSigned = std::is_signed_v<std::underlying_type_t<V>>;
      else
        info.OrdSigned = std::is_signed_v<V>;
      info.GetOrd = [get](TObject& o) -> std::int64_t {
        return static_cast<std::int64_t>(std::invoke(get, static_cast<T&>(o)));
      };
      info.NormalizeOrd = [](std::int64_t v) { return static_cast<std::int64_t>(static_cast<V>(v)); };
    } else if constexpr (IsTSet<V>::value) {
      static_assert(NamedEnum<typename V::Element>, "a published set needs DRUMS_ENUM_NAMES for its enumeration");
      info.Kind = TPropKind::Set;
      info.ValueNames = EnumNames(typename V::Element{});
      info.GetOrd = [get](TObject& o) -> std::int64_t {
        return static_cast<std::int64_t>(std::invoke(get, static_cast<T&>(o)).Bits());
      };
    } else if constexpr (std::is_floating_point_v<V>) {
      info.Kind = TPropKind::Float;
      info.GetFloat = [get](TObject& o) -> double { return static_cast<double>(std::invoke(get, static_cast<T&>(o))); };
    } else if constexpr (std::is_same_v<V, std::string>) {
      info.Kind = TPropKind::String;
      info.GetStr = [get](TObject& o) -> std::string { return std::invoke(get, static_cast<T&>(o)); };
    } else if constexpr (IsTEvent<V>::value) {
      info.Kind = TPropKind::Method;
      info.MethodSignature = typeid(typename V::Signature);
      info.GetMethodName = [get](TObject& o) -> std::string {
        return std::invoke(get, static_cast<T&>(o)).MethodName();
      };
      info.HasMethod = [get](TObject& o) -> bool { return static_cast<bool>(std::invoke(get, static_cast<T&>(o))); };
      info.GetMethodData = [get](TObject& o) -> TObject* { return std::invoke(get, static_cast<T&>(o)).Data(); };
    } else if constexpr (std::is_pointer_v<V>) {
      using U = std::remove_cv_t<std::remove_pointer_t<V>>;
      static_assert(std::is_base_of_v<TObject, U>, "a published pointer must point to a class-library object");
      info.Kind = std::is_base_of_v<TComponent, U> ? TPropKind::Component : TPropKind::Class;
      info.PropClass = U::StaticClass();
      info.GetObject = [get](TObject& o) -> TObject* { return std::invoke(get, static_cast<T&>(o)); };
    } else {
      static_assert(sizeof(V) == 0, "this type cannot be published");
    }
    return info;
  }

  template <class V, class S>
  static void AddSetter(TPropInfo& info, S set) {
    using namespace vcl::detail;
    auto assign = [set](TObject& o, V value) {
      if constexpr (std::is_member_object_pointer_v<S>)
        std::invoke(set, static_cast<T&>(o)) = std::move(value);
      else
        std::invoke(set, static_cast<T&>(o), std::move(value));
    };
    if constexpr (std::is_same_v<V, bool>) {
      info.SetOrd = [assign](TObject& o, std::int64_t v) { assign(o, v != 0); };
    } else if constexpr (IsTSet<V>::value) {
      info.SetOrd = [assign](TObject& o, std::int64_t v) { assign(o, V::FromBits(static_cast<std::uint64_t>(v))); };
    } else if constexpr (std::is_same_v<V, char> || std::is_enum_v<V> || std::is_integral_v<V>) {
      info.SetOrd = [assign](TObject& o, std::int64_t v) { assign(o, static_cast<V>(v)); };
    } else if constexpr (std::is_floating_point_v<V>) {
      info.SetFloat = [assign](TObject& o, double v) { assign(o, static_cast<V>(v)); };
    } else if constexpr (std::is_same_v<V, std::string>) {
      info.SetStr = [assign](TObject& o, const std::string& v) { assign(o, v); };
    } else if constexpr (IsTEvent<V>::value) {
      info.SetMethod = [assign](TObject& o, const TMethodInfo* method, TObject* target) {
        if (method == nullptr || target == nullptr) {
          assign(o, V());
          return;
        }
        std::any bound = method->Bind(*target);
        auto* fn = std::any_cast<typename V::Function>(&bound);
        if (fn == nullptr) RaiseInvalidPropertyValue();
        assign(o, V(*fn, method->Name, target));
      };
    } else if constexpr (std::is_pointer_v<V>) {
      using U = std::remove_cv_t<std::remove_pointer_t<V>>;
      info.SetObject = [assign](TObject& o, TObject* value) {
        U* typed = dynamic_cast<U*>(value);
        if (value != nullptr && typed == nullptr) RaiseInvalidPropertyValue();
        assign(o, typed);
      };
    }
  }

  TPublishedTable& FTable;
};
