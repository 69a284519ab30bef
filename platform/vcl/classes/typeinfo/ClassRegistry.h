// The process-wide registry of classes that form streams create by name.
#pragma once

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "platform/vcl/classes/typeinfo/Object.h"

// Registers cls and its ancestors; registering again does nothing.
void RegisterClass(TClass cls);
void RegisterClasses(std::initializer_list<TClass> classes);
void UnRegisterClass(TClass cls);
// The registered class of that name (case-insensitive), or null.
TClass GetClass(const std::string& name);
// As GetClass; raises EClassNotFound "Class %s not found" when missing.
TClass FindClass(const std::string& name);
// Every registered class, ordered by name.
std::vector<TClass> RegisteredClasses();

// The classes a library's start-up added to the registry, which its shutdown
// takes back: its own and no other's (an ancestor another library registered
// before stays).
class TLibraryClasses {
 public:
  // Runs the library's registrations and remembers what they added.
  void Register(const std::function<void()>& registrations);
  // Unregisters what Register added.
  void UnRegister();

 private:
  std::vector<TClass> FAdded;
};

template <class T>
void RegisterClass() {
  RegisterClass(T::StaticClass());
}
