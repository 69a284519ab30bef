// TPersistent: objects that can be assigned to each other and streamed.
#pragma once

#include <string>

#include "platform/vcl/classes/typeinfo/ClassDecl.h"

class TFiler;
class TReader;
class TWriter;

// Class references name the base they build, for readers of declarations.
using TPersistentClass = TClass;

class TPersistent : public TObject {
  DRUMS_CLASS(TPersistent, TObject)

 public:
  ~TPersistent() override;
  // Copies source into this object. The default asks source's AssignTo;
  // when neither side knows the other: EConvertError "Cannot assign a %s to a %s".
  virtual void Assign(TPersistent* source);
  // Owner path + "." + class name; components give their Name.
  virtual std::string GetNamePath();
  // The object this one belongs to (a component's Owner, an item's collection).
  virtual TPersistent* GetOwner();

 protected:
  virtual void AssignTo(TPersistent* dest);
  // Declares the unpublished data the object streams (DefineProperty,
  // DefineBinaryProperty on the filer).
  virtual void DefineProperties(TFiler* filer);
  [[noreturn]] void AssignError(TPersistent* source);

  friend class TReader;
  friend class TWriter;
};
