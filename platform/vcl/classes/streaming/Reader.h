// TReader: reads components and their properties from the binary form format.
//
// Reading a root reads its properties and children, then resolves component
// references and binds events by method name, then calls Loaded on every
// component read, in the order they were created. Naming a component read
// puts it in its owner's published field of that name; a field for another
// class fails the read (EReadError "Field TOwner.name needs a TX, not a TY").
// Every length read from the stream is checked against what the stream
// still holds, and nesting deeper than MaxFormNesting fails the read
// (EReadError "Nesting too deep").
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "platform/vcl/classes/streaming/Filer.h"

class TCollection;
class TObject;
struct TPropInfo;

class TReader : public TFiler {
 public:
  explicit TReader(TStream* stream);
  ~TReader() override;

  void DefineProperty(const std::string& name, TReaderProc readData, TWriterProc writeData, bool hasData) override;
  void DefineBinaryProperty(const std::string& name, TStreamProc readData, TStreamProc writeData,
                            bool hasData) override;

  // Values. A value of another type raises EReadError "Invalid property value".
  TValueType ReadValue();
  TValueType NextValue();
  bool EndOfList();
  void CheckValue(TValueType value);
  void ReadListBegin();
  void ReadListEnd();
  int ReadInteger();
  std::int64_t ReadInt64();
  bool ReadBoolean();
  char ReadChar();
  // Any string value (short, long, wide or UTF-8), as UTF-8.
  std::string ReadString();
  // An identifier; False, True, nil and Null come as their names.
  std::string ReadIdent();
  double ReadFloat();
  float ReadSingle();
  double ReadCurrency();
  // The stored form: ten-thousandths of a unit.
  std::int64_t ReadScaledCurrency();
  double ReadDate();
  // The raw short string of names (length byte and characters).
  std::string ReadStr();
  void ReadSignature();
  void ReadPrefix(TFilerFlags& flags, int& childPos);
  void SkipValue();
  // Exactly count bytes, or EReadError "Stream read error".
  void Read(void* buffer, std::int64_t count);

  // Components.
  TComponent* ReadRootComponent(TComponent* root);
  TComponent* ReadComponent(TComponent* component);
  void ReadData(TComponent* instance);
  void ReadCollection(TCollection* collection);
  void ReadProperty(TPersistent* instance);

  TComponent* GetOwner() const { return FOwner; }
  void SetOwner(TComponent* value) { FOwner = value; }
  TComponent* GetParent() const { return FParent; }
  void SetParent(TComponent* value) { FParent = value; }

 private:
  class NestingLevel;
  struct Fixup {
    TComponent* component;  // the component whose property it is
    TObject* instance;  // the object holding the property
    const TPropInfo* prop;
    std::string name;
  };

  void ReadDataInner(TComponent* instance);
  void ReadPropValue(TObject& instance, const TPropInfo& prop);
  std::uint64_t ReadSet(std::span<const char* const> names);
  std::int64_t Remaining();
  std::string ReadBytes(std::int64_t count);
  void DoFixupReferences();
  TComponent* ResolveReference(const std::string& name, bool& deferred);
  [[noreturn]] void PropertyError(const std::string& name);
  void AbandonLoading();

  TComponent* FOwner = nullptr;
  TComponent* FParent = nullptr;
  TComponent* FCurrent = nullptr;  // the component whose properties are read
  std::string FPropName;
  bool FFixupsActive = false;
  int FDepth = 0;  // components, lists and collections being read
  std::vector<Fixup> FFixups;
  std::vector<TComponent*> FLoaded;
};
