#include "platform/vcl/classes/typeinfo/ClassRegistry.h"

#include <map>
#include <mutex>
#include <set>

#include "platform/vcl/classes/typeinfo/Published.h"
#include "platform/vcl/rtl/Exceptions.h"

namespace {

struct NameLess {
  bool operator()(const std::string& a, const std::string& b) const {
    std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
      unsigned char x = static_cast<unsigned char>(a[i]), y = static_cast<unsigned char>(b[i]);
      if (x >= 'a' && x <= 'z') x -= 32;
      if (y >= 'a' && y <= 'z') y -= 32;
      if (x != y) return x < y;
    }
    return a.size() < b.size();
  }
};

struct Registry {
  std::mutex lock;
  std::map<std::string, TClass, NameLess> classes;
};

Registry& TheRegistry() {
  static Registry registry;
  return registry;
}

}  // namespace

void RegisterClass(TClass cls) {
  Registry& r = TheRegistry();
  std::lock_guard guard(r.lock);
  for (TClass c = cls; c != nullptr; c = c->Parent) r.classes.emplace(c->Name, c);
}

void RegisterClasses(std::initializer_list<TClass> classes) {
  for (TClass c : classes) RegisterClass(c);
}

void UnRegisterClass(TClass cls) {
  Registry& r = TheRegistry();
  std::lock_guard guard(r.lock);
  auto it = r.classes.find(cls->Name);
  if (it != r.classes.end() && it->second == cls) r.classes.erase(it);
}

TClass GetClass(const std::string& name) {
  Registry& r = TheRegistry();
  std::lock_guard guard(r.lock);
  auto it = r.classes.find(name);
  return it == r.classes.end() ? nullptr : it->second;
}

TClass FindClass(const std::string& name) {
  TClass cls = GetClass(name);
  if (cls == nullptr) throw EClassNotFound("Class %s not found", {name});
  return cls;
}

std::vector<TClass> RegisteredClasses() {
  Registry& r = TheRegistry();
  std::lock_guard guard(r.lock);
  std::vector<TClass> all;
  all.reserve(r.classes.size());
  for (const auto& [name, cls] : r.classes) all.push_back(cls);
  return all;
}

void TLibraryClasses::Register(const std::function<void()>& registrations) {
  const std::vector<TClass> listed = RegisteredClasses();
  const std::set<TClass> before(listed.begin(), listed.end());
  registrations();
  for (TClass c : RegisteredClasses())
    if (!before.contains(c)) FAdded.push_back(c);
}

void TLibraryClasses::UnRegister() {
  for (TClass c : FAdded) UnRegisterClass(c);
  FAdded.clear();
}
