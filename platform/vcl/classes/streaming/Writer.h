// TWriter: writes components and their properties in the binary form format.
//
// Published properties are written in table order (a class's parent's first),
// leaving out those not stored or equal to their default, then whatever the
// object's DefineProperties declares; nested persistent objects write their
// properties under a dotted path ("Font.Style").
#pragma once

#include <cstdint>
#include <string>

#include "platform/vcl/classes/streaming/Filer.h"

class TCollection;
class TObject;
struct TPropInfo;

class TWriter : public TFiler {
 public:
  explicit TWriter(TStream* stream);
  ~TWriter() override;

  void DefineProperty(const std::string& name, TReaderProc readData, TWriterProc writeData, bool hasData) override;
  void DefineBinaryProperty(const std::string& name, TStreamProc readData, TStreamProc writeData,
                            bool hasData) override;

  // Integers take the smallest of the 1-, 2-, 4- and 8-byte forms.
  void WriteInteger(std::int64_t value);
  void WriteBoolean(bool value);
  void WriteChar(char value);
  // Up to 255 bytes as a short string, longer ones as a long string.
  void WriteString(const std::string& value);
  // False, True, nil and Null are written as their own value types.
  void WriteIdent(const std::string& ident);
  void WriteFloat(double value);
  void WriteSingle(float value);
  // EWriteError "Currency value out of range" when it does not fit.
  void WriteCurrency(double value);
  // The stored form: ten-thousandths of a unit.
  void WriteScaledCurrency(std::int64_t tenThousandths);
  void WriteDate(double value);
  void WriteListBegin();
  void WriteListEnd();
  // A short string of names: length byte and at most 255 characters; a
  // longer name raises EWriteError rather than being cut.
  void WriteStr(const std::string& value);
  // A component's class name: EWriteError beyond MaxClassNameLength.
  void WriteClassName(const std::string& name);
  void WriteSignature();
  void WriteValue(TValueType value);
  void Write(const void* buffer, std::int64_t count);

  void WriteRootComponent(TComponent* root);
  void WriteComponent(TComponent* component);
  // With no ancestor, the same as WriteRootComponent.
  void WriteDescendent(TComponent* root, TComponent* ancestor);
  void WriteData(TComponent* instance);
  void WriteProperties(TPersistent* instance);
  void WriteCollection(TCollection* collection);

 private:
  void WriteProperty(TObject& instance, const TPropInfo& prop);
  void WritePropName(const std::string& name);
  std::string ComponentReferenceName(TComponent* component);

  std::string FPropPath;
};
