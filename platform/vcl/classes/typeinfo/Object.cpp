#include "platform/vcl/classes/typeinfo/Object.h"

#include "platform/vcl/classes/typeinfo/ClassDecl.h"
#include "platform/vcl/rtl/Exceptions.h"

namespace {

const TPublishedTable& RootTable() {
  static const TPublishedTable table;
  return table;
}

TObject* NoFactory(TObject*) {
  return new TObject();
}

}  // namespace

TObject::~TObject() = default;

TClass TObject::StaticClass() {
  static const TClassInfo info{"TObject", nullptr, &NoFactory, &RootTable};
  return &info;
}

bool TObject::ClassNameIs(const std::string& name) const {
  return vcl::detail::SameName(ClassType()->Name, name);
}

bool TObject::HasPublishedMethod(const std::string& name) const {
  return ClassType()->Published().FindMethod(name) != nullptr;
}

bool TClassInfo::InheritsFrom(TClass ancestor) const {
  for (TClass c = this; c != nullptr; c = c->Parent)
    if (c == ancestor) return true;
  return false;
}

TObject* TClassInfo::Create(TObject* owner) const {
  if (Factory == nullptr) vcl::detail::RaiseCannotCreate(Name);
  return Factory(owner);
}

namespace vcl::detail {

[[noreturn]] void RaiseCannotCreate(const char* className) {
  throw EInvalidOperation("Cannot create an instance of %s", {className});
}

}  // namespace vcl::detail
