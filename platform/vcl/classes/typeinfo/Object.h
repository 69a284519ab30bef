// The root of the class library's object model and its class references.
//
// A class reference (TClass) is a record per class: its name, its parent's
// record, a factory that builds an instance for an owner, and the table of
// published properties and methods. Classes below TObject declare their
// record with DRUMS_CLASS (ClassDecl.h).
#pragma once

#include <string>

class TObject;
class TComponent;
class TPublishedTable;

struct TClassInfo;
using TClass = const TClassInfo*;

struct TClassInfo {
  const char* Name;
  TClass Parent;
  // Builds an instance for the owner (a component, a collection or none, as
  // the class's constructor takes it); null for classes that cannot be built.
  TObject* (*Factory)(TObject* owner);
  const TPublishedTable& (*Table)();

  const char* ClassName() const { return Name; }
  TClass ClassParent() const { return Parent; }
  bool InheritsFrom(TClass ancestor) const;
  const TPublishedTable& Published() const { return Table(); }
  // Virtual construction; raises EInvalidOperation for a class without factory.
  TObject* Create(TObject* owner) const;
};

class TObject {
 public:
  TObject() = default;
  TObject(const TObject&) = delete;
  TObject& operator=(const TObject&) = delete;
  virtual ~TObject();

  static TClass StaticClass();
  virtual TClass ClassType() const { return StaticClass(); }
  std::string ClassName() const { return ClassType()->Name; }
  TClass ClassParent() const { return ClassType()->Parent; }
  bool InheritsFrom(TClass ancestor) const { return ClassType()->InheritsFrom(ancestor); }
  // Compares without regard to case, as class names are looked up.
  bool ClassNameIs(const std::string& name) const;
  // The published method with this name, for code that binds events by hand.
  bool HasPublishedMethod(const std::string& name) const;
};
