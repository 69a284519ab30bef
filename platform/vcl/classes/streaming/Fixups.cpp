#include "platform/vcl/classes/streaming/Fixups.h"

#include <algorithm>
#include <map>
#include <vector>

#include "platform/vcl/classes/components/Component.h"
#include "platform/vcl/classes/typeinfo/Published.h"

namespace {

struct Pending {
  TComponent* component;
  TObject* instance;
  const TPropInfo* prop;
  std::string rootName;
  std::string name;
};

// The user-interface thread alone reads forms, so no lock.
std::vector<Pending>& PendingList() {
  static std::vector<Pending> list;
  return list;
}

std::map<int, TFindGlobalComponent>& Finders() {
  static std::map<int, TFindGlobalComponent> finders;
  return finders;
}

}  // namespace

int RegisterFindGlobalComponent(TFindGlobalComponent finder) {
  static int nextId = 1;
  int id = nextId++;
  Finders()[id] = std::move(finder);
  return id;
}

void UnRegisterFindGlobalComponent(int id) {
  Finders().erase(id);
}

TComponent* FindGlobalComponent(const std::string& name) {
  for (auto& [id, finder] : Finders())
    if (TComponent* c = finder(name)) return c;
  return nullptr;
}

void GlobalFixupReferences() {
  auto& list = PendingList();
  for (std::size_t i = 0; i < list.size();) {
    Pending p = list[i];
    TComponent* root = FindGlobalComponent(p.rootName);
    TComponent* target = root != nullptr ? root->FindComponent(p.name) : nullptr;
    if (target == nullptr) {
      ++i;
      continue;
    }
    list.erase(list.begin() + static_cast<std::ptrdiff_t>(i));
    p.prop->SetObject(*p.instance, target);
  }
}

namespace vcl::detail {

void AddGlobalFixup(TComponent* component, TObject* instance, const TPropInfo* prop, const std::string& rootName,
                    const std::string& name) {
  PendingList().push_back(Pending{component, instance, prop, rootName, name});
}

void RemoveFixupsOf(TComponent* component) {
  auto& list = PendingList();
  list.erase(std::remove_if(list.begin(), list.end(), [&](const Pending& p) { return p.component == component; }),
             list.end());
}

bool HasGlobalFixups(TComponent* component) {
  auto& list = PendingList();
  return std::any_of(list.begin(), list.end(), [&](const Pending& p) { return p.component == component; });
}

}  // namespace vcl::detail
