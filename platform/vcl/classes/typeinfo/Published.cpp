#include "platform/vcl/classes/typeinfo/Published.h"

#include "platform/vcl/rtl/Exceptions.h"

namespace vcl::detail {

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    unsigned char x = static_cast<unsigned char>(a[i]), y = static_cast<unsigned char>(b[i]);
    if (x >= 'a' && x <= 'z') x -= 32;
    if (y >= 'a' && y <= 'z') y -= 32;
    if (x != y) return false;
  }
  return true;
}

[[noreturn]] void RaiseInvalidPropertyValue() {
  throw EReadError("Invalid property value");
}

}  // namespace vcl::detail

bool TPropInfo::ShouldWrite(TObject& instance) const {
  if (!Writable && Kind != TPropKind::Class) return false;
  if (IsStored && !IsStored(instance)) return false;
  switch (Kind) {
    case TPropKind::Integer:
    case TPropKind::Char:
    case TPropKind::Enumeration:
    case TPropKind::Boolean:
    case TPropKind::Set: return !DefaultOrd || GetOrd(instance) != *DefaultOrd;
    case TPropKind::Float: return GetFloat(instance) != 0.0;
    case TPropKind::String: return !GetStr(instance).empty();
    case TPropKind::Class:
    case TPropKind::Component: return GetObject(instance) != nullptr;
    case TPropKind::Method: return HasMethod(instance) && !GetMethodName(instance).empty();
  }
  return false;
}

const TPropInfo* TPublishedTable::FindProp(std::string_view name) const {
  for (const TPropInfo& p : FProps)
    if (vcl::detail::SameName(p.Name, name)) return &p;
  return nullptr;
}

const TMethodInfo* TPublishedTable::FindMethod(std::string_view name) const {
  for (const TMethodInfo& m : FMethods)
    if (vcl::detail::SameName(m.Name, name)) return &m;
  return nullptr;
}

const TFieldInfo* TPublishedTable::FindField(std::string_view name) const {
  for (const TFieldInfo& f : FFields)
    if (vcl::detail::SameName(f.Name, name)) return &f;
  return nullptr;
}

TPropInfo& TPublishedTable::AddProp(TPropInfo info) {
  for (TPropInfo& p : FProps)
    if (vcl::detail::SameName(p.Name, info.Name)) {
      p = std::move(info);
      return p;
    }
  FProps.push_back(std::move(info));
  return FProps.back();
}

void TPublishedTable::AddMethod(TMethodInfo info) {
  for (TMethodInfo& m : FMethods)
    if (vcl::detail::SameName(m.Name, info.Name)) {
      m = std::move(info);
      return;
    }
  FMethods.push_back(std::move(info));
}

void TPublishedTable::AddField(TFieldInfo info) {
  for (TFieldInfo& f : FFields)
    if (vcl::detail::SameName(f.Name, info.Name)) {
      f = std::move(info);
      return;
    }
  FFields.push_back(std::move(info));
}
