#include "platform/vcl/classes/components/Persistent.h"

#include "platform/vcl/rtl/Exceptions.h"

TPersistent::~TPersistent() = default;

void TPersistent::Assign(TPersistent* source) {
  if (source == nullptr) AssignError(nullptr);
  source->AssignTo(this);
}

void TPersistent::AssignTo(TPersistent* dest) {
  dest->AssignError(this);
}

void TPersistent::AssignError(TPersistent* source) {
  std::string sourceName = source != nullptr ? source->ClassName() : "nil";
  throw EConvertError("Cannot assign a %s to a %s", {sourceName, ClassName()});
}

void TPersistent::DefineProperties(TFiler*) {}

TPersistent* TPersistent::GetOwner() {
  return nullptr;
}

std::string TPersistent::GetNamePath() {
  std::string result = ClassName();
  if (TPersistent* owner = GetOwner()) {
    std::string ownerPath = owner->GetNamePath();
    if (!ownerPath.empty()) result = ownerPath + "." + result;
  }
  return result;
}

namespace vcl::detail {

TPersistent* AsPersistent(TObject* object) {
  return dynamic_cast<TPersistent*>(object);
}

}  // namespace vcl::detail
