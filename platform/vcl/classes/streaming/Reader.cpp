#include "platform/vcl/classes/streaming/Reader.h"

#include <algorithm>
#include <cstring>

#include "platform/vcl/classes/typeinfo/ClassRegistry.h"
#include "platform/vcl/classes/components/Collection.h"
#include "platform/vcl/classes/components/Component.h"
#include "platform/vcl/classes/streaming/Extended.h"
#include "platform/vcl/classes/streaming/Fixups.h"
#include "platform/vcl/classes/typeinfo/IntegerIdents.h"
#include "platform/vcl/classes/strings/Utf.h"
#include "platform/vcl/classes/streams/Streams.h"
#include "platform/vcl/rtl/Exceptions.h"

using vcl::detail::RaiseInvalidPropertyValue;
using vcl::detail::SameName;

namespace {

template <class T>
T FromLittleEndian(const std::uint8_t* bytes) {
  T value;
  std::memcpy(&value, bytes, sizeof(T));  // the host is little-endian, as the format
  return value;
}

// Restores a reader field when a scope ends, also by an exception.
template <class T>
class Restore {
 public:
  explicit Restore(T& field) : FField(field), FSaved(field) {}
  ~Restore() { FField = FSaved; }

 private:
  T& FField;
  T FSaved;
};

}  // namespace

// Counts one level of nesting for as long as it lives.
class TReader::NestingLevel {
 public:
  explicit NestingLevel(TReader& reader) : FReader(reader) {
    if (FReader.FDepth >= MaxFormNesting) throw EReadError("Nesting too deep");
    ++FReader.FDepth;
  }
  ~NestingLevel() { --FReader.FDepth; }
  NestingLevel(const NestingLevel&) = delete;
  NestingLevel& operator=(const NestingLevel&) = delete;

 private:
  TReader& FReader;
};

TReader::TReader(TStream* stream) : TFiler(stream) {}

TReader::~TReader() = default;

std::int64_t TReader::Remaining() {
  return FStream->GetSize() - FStream->GetPosition();
}

void TReader::Read(void* buffer, std::int64_t count) {
  if (count < 0 || count > Remaining() || count > INT32_MAX) throw EReadError("Stream read error");
  if (count > 0) FStream->ReadBuffer(buffer, static_cast<int>(count));
}

std::string TReader::ReadBytes(std::int64_t count) {
  if (count < 0 || count > Remaining()) throw EReadError("Stream read error");
  std::string bytes(static_cast<std::size_t>(count), '\0');
  Read(bytes.data(), count);
  return bytes;
}

TValueType TReader::ReadValue() {
  std::uint8_t b;
  Read(&b, 1);
  return static_cast<TValueType>(b);
}

TValueType TReader::NextValue() {
  TValueType v = ReadValue();
  FStream->Seek(-1, soCurrent);
  return v;
}

bool TReader::EndOfList() {
  return NextValue() == vaNull;
}

void TReader::CheckValue(TValueType value) {
  if (ReadValue() != value) RaiseInvalidPropertyValue();
}

void TReader::ReadListBegin() {
  CheckValue(vaList);
}

void TReader::ReadListEnd() {
  CheckValue(vaNull);
}

std::int64_t TReader::ReadInt64() {
  std::uint8_t b[8];
  switch (ReadValue()) {
    case vaInt8: Read(b, 1); return static_cast<std::int8_t>(b[0]);
    case vaInt16: Read(b, 2); return FromLittleEndian<std::int16_t>(b);
    case vaInt32: Read(b, 4); return FromLittleEndian<std::int32_t>(b);
    case vaInt64: Read(b, 8); return FromLittleEndian<std::int64_t>(b);
    default: RaiseInvalidPropertyValue();
  }
}

int TReader::ReadInteger() {
  TValueType next = NextValue();
  if (next != vaInt8 && next != vaInt16 && next != vaInt32) RaiseInvalidPropertyValue();
  return static_cast<int>(ReadInt64());
}

bool TReader::ReadBoolean() {
  TValueType v = ReadValue();
  if (v == vaTrue) return true;
  if (v == vaFalse) return false;
  RaiseInvalidPropertyValue();
}

char TReader::ReadChar() {
  CheckValue(vaString);
  std::uint8_t length;
  Read(&length, 1);
  if (length != 1) RaiseInvalidPropertyValue();
  char c;
  Read(&c, 1);
  return c;
}

std::string TReader::ReadStr() {
  std::uint8_t length;
  Read(&length, 1);
  return ReadBytes(length);
}

std::string TReader::ReadString() {
  std::uint8_t b[4];
  switch (ReadValue()) {
    case vaString: return ReadStr();
    case vaLString:
    case vaUTF8String: Read(b, 4); return ReadBytes(FromLittleEndian<std::int32_t>(b));
    case vaWString: {
      Read(b, 4);
      std::int64_t units = FromLittleEndian<std::int32_t>(b);
      std::string raw = ReadBytes(units * 2);
      return vcl::streaming::Utf16LeToUtf8(raw);
    }
    default: RaiseInvalidPropertyValue();
  }
}

std::string TReader::ReadIdent() {
  switch (ReadValue()) {
    case vaIdent: return ReadStr();
    case vaFalse: return "False";
    case vaTrue: return "True";
    case vaNil: return "nil";
    case vaNull: return "Null";
    default: RaiseInvalidPropertyValue();
  }
}

double TReader::ReadFloat() {
  std::uint8_t b[10];
  switch (NextValue()) {
    case vaExtended:
      ReadValue();
      Read(b, 10);
      return vcl::streaming::ExtendedToDouble(b);
    case vaSingle: return ReadSingle();
    case vaCurrency: return ReadCurrency();
    case vaDate: return ReadDate();
    default: return static_cast<double>(ReadInt64());
  }
}

float TReader::ReadSingle() {
  CheckValue(vaSingle);
  std::uint8_t b[4];
  Read(b, 4);
  return FromLittleEndian<float>(b);
}

double TReader::ReadCurrency() {
  return static_cast<double>(ReadScaledCurrency()) / 10000.0;
}

std::int64_t TReader::ReadScaledCurrency() {
  CheckValue(vaCurrency);
  std::uint8_t b[8];
  Read(b, 8);
  return FromLittleEndian<std::int64_t>(b);
}

double TReader::ReadDate() {
  CheckValue(vaDate);
  std::uint8_t b[8];
  Read(b, 8);
  return FromLittleEndian<double>(b);
}

void TReader::ReadSignature() {
  char signature[4];
  if (Remaining() < 4) throw EReadError("Invalid stream format");
  Read(signature, 4);
  if (std::memcmp(signature, FilerSignature, 4) != 0) throw EReadError("Invalid stream format");
}

void TReader::ReadPrefix(TFilerFlags& flags, int& childPos) {
  flags = TFilerFlags();
  childPos = -1;
  std::uint8_t prefix = static_cast<std::uint8_t>(NextValue());
  if ((prefix & 0xF0) != 0xF0) return;
  ReadValue();
  flags = TFilerFlags::FromBits(prefix & 0x0F);
  if (flags.Contains(ffChildPos)) childPos = ReadInteger();
}

void TReader::SkipValue() {
  NestingLevel level(*this);
  std::uint8_t b[4];
  auto skip = [&](std::int64_t count) {
    if (count < 0 || count > Remaining()) throw EReadError("Stream read error");
    FStream->Seek(count, soCurrent);
  };
  auto skipList = [&] {
    while (!EndOfList()) SkipValue();
    ReadListEnd();
  };
  switch (ReadValue()) {
    case vaNull:
    case vaFalse:
    case vaTrue:
    case vaNil: break;
    case vaList: skipList(); break;
    case vaInt8: skip(1); break;
    case vaInt16: skip(2); break;
    case vaInt32:
    case vaSingle: skip(4); break;
    case vaInt64:
    case vaCurrency:
    case vaDate: skip(8); break;
    case vaExtended: skip(10); break;
    case vaString:
    case vaIdent: ReadStr(); break;
    case vaBinary:
    case vaLString:
    case vaUTF8String:
      Read(b, 4);
      skip(FromLittleEndian<std::int32_t>(b));
      break;
    case vaWString:
      Read(b, 4);
      skip(std::int64_t{FromLittleEndian<std::int32_t>(b)} * 2);
      break;
    case vaSet:
      while (!ReadStr().empty()) {}
      break;
    case vaCollection:
      while (!EndOfList()) {
        TValueType next = NextValue();
        if (next == vaInt8 || next == vaInt16 || next == vaInt32) SkipValue();
        ReadListBegin();
        while (!EndOfList()) {
          ReadStr();
          SkipValue();
        }
        ReadListEnd();
      }
      ReadListEnd();
      break;
    default: throw EReadError("Invalid stream format");
  }
}

void TReader::DefineProperty(const std::string& name, TReaderProc readData, TWriterProc, bool) {
  if (readData && !FPropName.empty() && SameName(name, FPropName)) {
    FPropName.clear();
    readData(this);
  }
}

void TReader::DefineBinaryProperty(const std::string& name, TStreamProc readData, TStreamProc, bool) {
  if (!readData || FPropName.empty() || !SameName(name, FPropName)) return;
  FPropName.clear();
  if (ReadValue() != vaBinary) RaiseInvalidPropertyValue();
  std::uint8_t b[4];
  Read(b, 4);
  std::int64_t count = FromLittleEndian<std::int32_t>(b);
  if (count < 0 || count > Remaining()) throw EReadError("Stream read error");
  // The callback sees exactly the stored bytes and cannot read past them.
  TMemoryStream data;
  data.SetSize(count);
  Read(data.GetMemory(), count);
  data.SetPosition(0);
  readData(&data);
}

void TReader::PropertyError(const std::string& name) {
  throw EReadError("Property %s does not exist", {name});
}

void TReader::ReadProperty(TPersistent* instance) {
  std::string path = ReadStr();
  TObject* target = instance;
  std::size_t start = 0;
  for (std::size_t dot; (dot = path.find('.', start)) != std::string::npos; start = dot + 1) {
    std::string segment = path.substr(start, dot - start);
    const TPropInfo* prop = target->ClassType()->Published().FindProp(segment);
    if (prop == nullptr || prop->Kind != TPropKind::Class) PropertyError(segment);
    TObject* nested = prop->GetObject(*target);
    if (nested == nullptr) PropertyError(segment);
    target = nested;
  }
  std::string name = path.substr(start);
  const TPropInfo* prop = target->ClassType()->Published().FindProp(name);
  if (prop != nullptr) {
    ReadPropValue(*target, *prop);
    return;
  }
  FPropName = name;
  if (TPersistent* persistent = vcl::detail::AsPersistent(target)) persistent->DefineProperties(this);
  if (!FPropName.empty()) PropertyError(name);
}

std::uint64_t TReader::ReadSet(std::span<const char* const> names) {
  CheckValue(vaSet);
  std::uint64_t bits = 0;
  for (std::string name = ReadStr(); !name.empty(); name = ReadStr()) {
    auto it = std::find_if(names.begin(), names.end(), [&](const char* n) { return SameName(n, name); });
    if (it == names.end()) RaiseInvalidPropertyValue();
    bits |= std::uint64_t{1} << (it - names.begin());
  }
  return bits;
}

void TReader::ReadPropValue(TObject& instance, const TPropInfo& prop) {
  if (!prop.Writable && prop.Kind != TPropKind::Class) throw EReadError("Property is read-only");
  switch (prop.Kind) {
    case TPropKind::Integer: {
      std::int64_t value;
      if (!prop.IdentMap.empty() && NextValue() == vaIdent) {
        if (!IdentToIntegerConst(prop.IdentMap, ReadIdent(), value)) RaiseInvalidPropertyValue();
      } else {
        value = ReadInt64();
      }
      prop.SetOrd(instance, value);
      break;
    }
    case TPropKind::Char: prop.SetOrd(instance, static_cast<unsigned char>(ReadChar())); break;
    case TPropKind::Enumeration: {
      std::string ident = ReadIdent();
      auto it = std::find_if(prop.ValueNames.begin(), prop.ValueNames.end(),
                             [&](const char* n) { return SameName(n, ident); });
      if (it == prop.ValueNames.end()) RaiseInvalidPropertyValue();
      prop.SetOrd(instance, it - prop.ValueNames.begin());
      break;
    }
    case TPropKind::Boolean: prop.SetOrd(instance, ReadBoolean() ? 1 : 0); break;
    case TPropKind::Set: prop.SetOrd(instance, static_cast<std::int64_t>(ReadSet(prop.ValueNames))); break;
    case TPropKind::Float: prop.SetFloat(instance, ReadFloat()); break;
    case TPropKind::String: prop.SetStr(instance, ReadString()); break;
    case TPropKind::Class: {
      TValueType next = NextValue();
      if (next == vaNil && prop.SetObject) {
        ReadValue();
        prop.SetObject(instance, nullptr);
      } else if (next == vaCollection) {
        auto* collection = dynamic_cast<TCollection*>(prop.GetObject(instance));
        if (collection == nullptr) RaiseInvalidPropertyValue();
        ReadValue();
        ReadCollection(collection);
      } else {
        RaiseInvalidPropertyValue();
      }
      break;
    }
    case TPropKind::Component:
    case TPropKind::Method: {
      if (NextValue() == vaNil) {
        ReadValue();
        if (prop.Kind == TPropKind::Component)
          prop.SetObject(instance, nullptr);
        else
          prop.SetMethod(instance, nullptr, nullptr);
        break;
      }
      if (NextValue() != vaIdent) RaiseInvalidPropertyValue();
      std::string name = ReadIdent();
      FFixups.push_back(Fixup{FCurrent, &instance, &prop, name});
      if (FCurrent != nullptr) FCurrent->SetComponentStateFlag(csFixups, true);
      break;
    }
  }
}

void TReader::ReadCollection(TCollection* collection) {
  NestingLevel level(*this);
  collection->BeginUpdate();
  struct EndUpdate {
    TCollection* c;
    ~EndUpdate() { c->EndUpdate(); }
  } guard{collection};
  if (!EndOfList()) collection->Clear();
  while (!EndOfList()) {
    TValueType next = NextValue();
    if (next == vaInt8 || next == vaInt16 || next == vaInt32) ReadInteger();
    TCollectionItem* item = collection->Add();
    ReadListBegin();
    while (!EndOfList()) ReadProperty(item);
    ReadListEnd();
  }
  ReadListEnd();
}

void TReader::ReadData(TComponent* instance) {
  if (FFixupsActive) {
    ReadDataInner(instance);
    return;
  }
  FFixupsActive = true;
  try {
    ReadDataInner(instance);
  } catch (...) {
    FFixupsActive = false;
    FFixups.clear();
    throw;
  }
  FFixupsActive = false;
  DoFixupReferences();
}

void TReader::ReadDataInner(TComponent* instance) {
  Restore<TComponent*> keepOwner(FOwner), keepParent(FParent), keepCurrent(FCurrent);
  FParent = instance->GetChildParent();
  FOwner = instance->GetChildOwner();
  if (FOwner == nullptr) FOwner = FRoot;
  FCurrent = instance;
  while (!EndOfList()) ReadProperty(instance);
  ReadListEnd();
  while (!EndOfList()) ReadComponent(nullptr);
  ReadListEnd();
}

TComponent* TReader::ResolveReference(const std::string& name, bool& deferred) {
  deferred = false;
  std::size_t dot = name.find('.');
  if (dot == std::string::npos) {
    if (FRoot != nullptr) {
      if (SameName(FRoot->GetName(), name)) return FRoot;
      if (TComponent* c = FRoot->FindComponent(name)) return c;
    }
    return FindGlobalComponent(name);
  }
  std::string rootName = name.substr(0, dot), componentName = name.substr(dot + 1);
  if (FRoot != nullptr && SameName(FRoot->GetName(), rootName)) return FRoot->FindComponent(componentName);
  if (TComponent* other = FindGlobalComponent(rootName)) return other->FindComponent(componentName);
  deferred = true;
  return nullptr;
}

void TReader::DoFixupReferences() {
  std::vector<Fixup> fixups = std::move(FFixups);
  FFixups.clear();
  for (const Fixup& f : fixups) {
    if (f.prop->Kind == TPropKind::Method) {
      const TMethodInfo* method = FRoot != nullptr ? FRoot->ClassType()->Published().FindMethod(f.name) : nullptr;
      if (method == nullptr) throw EReadError("Invalid property value");
      f.prop->SetMethod(*f.instance, method, FRoot);
      continue;
    }
    bool deferred;
    TComponent* target = ResolveReference(f.name, deferred);
    if (target != nullptr) {
      f.prop->SetObject(*f.instance, target);
    } else if (deferred) {
      std::size_t dot = f.name.find('.');
      vcl::detail::AddGlobalFixup(f.component, f.instance, f.prop, f.name.substr(0, dot), f.name.substr(dot + 1));
    }
  }
  for (const Fixup& f : fixups)
    if (f.component != nullptr && !vcl::detail::HasGlobalFixups(f.component))
      f.component->SetComponentStateFlag(csFixups, false);
}

void TReader::AbandonLoading() {
  for (TComponent* c : FLoaded) {
    c->SetComponentStateFlag(csLoading, false);
    c->SetComponentStateFlag(csReading, false);
  }
  FLoaded.clear();
  FFixups.clear();
}

TComponent* TReader::ReadComponent(TComponent* component) {
  NestingLevel level(*this);
  TFilerFlags flags;
  int childPos;
  ReadPrefix(flags, childPos);
  std::string className = ReadStr();
  std::string name = ReadStr();
  TComponent* result = component;
  bool created = false;
  if (result == nullptr) {
    if (flags.Contains(ffInherited)) {
      result = FOwner != nullptr ? FOwner->FindComponent(name) : nullptr;
      if (result == nullptr) throw EReadError("Ancestor for '%s' not found", {name});
    } else {
      TClass cls = FindClass(className);
      if (!cls->InheritsFrom(TComponent::StaticClass())) throw EClassNotFound("Class %s not found", {className});
      vcl::detail::MarkNextComponentLoading();
      TObject* object = nullptr;
      try {
        object = cls->Create(FOwner);
      } catch (...) {
        vcl::detail::ClearNextComponentLoading();
        throw;
      }
      result = vcl::detail::AsComponent(object);
      created = true;
    }
  }
  try {
    result->SetComponentStateFlag(csLoading, true);
    if (!flags.Contains(ffInherited)) {
      // Checked here so that a form whose field has another class fails as a
      // read; the name setter then binds the field.
      std::string mismatch = vcl::detail::FieldMismatch(result->GetOwner(), name, result);
      if (!mismatch.empty()) throw EReadError(mismatch);
      result->SetName(name);
    }
    if (std::find(FLoaded.begin(), FLoaded.end(), result) == FLoaded.end()) FLoaded.push_back(result);
    if (!flags.Contains(ffInherited) && FParent != nullptr && FParent != result) result->SetParentComponent(FParent);
    result->SetComponentStateFlag(csReading, true);
    result->ReadState(this);
    result->SetComponentStateFlag(csReading, false);
    if (flags.Contains(ffChildPos) && FParent != nullptr) FParent->SetChildOrder(result, childPos);
  } catch (...) {
    if (created) {
      // A half-read component is not kept, nor what it takes with it: the
      // children read into it go when it goes.
      const auto goes = [result](TComponent* c) {
        for (TComponent* p = c; p != nullptr; p = p->GetParentComponent())
          if (p == result) return true;
        return false;
      };
      FLoaded.erase(std::remove_if(FLoaded.begin(), FLoaded.end(), goes), FLoaded.end());
      FFixups.erase(std::remove_if(FFixups.begin(), FFixups.end(), [&](const Fixup& f) { return goes(f.component); }),
                    FFixups.end());
      delete result;
    }
    throw;
  }
  return result;
}

TComponent* TReader::ReadRootComponent(TComponent* root) {
  ReadSignature();
  TFilerFlags flags;
  int childPos;
  ReadPrefix(flags, childPos);
  std::string className = ReadStr();
  std::string name = ReadStr();
  bool created = false;
  if (root == nullptr) {
    TClass cls = FindClass(className);
    if (!cls->InheritsFrom(TComponent::StaticClass())) throw EClassNotFound("Class %s not found", {className});
    vcl::detail::MarkNextComponentLoading();
    try {
      root = vcl::detail::AsComponent(cls->Create(nullptr));
    } catch (...) {
      vcl::detail::ClearNextComponentLoading();
      throw;
    }
    created = true;
  }
  FRoot = root;
  FLookupRoot = root;
  FOwner = root;
  FLoaded.clear();
  FLoaded.push_back(root);
  try {
    root->SetComponentStateFlag(csLoading, true);
    root->SetComponentStateFlag(csReading, true);
    // A second root of the same name gets a unique one, as a second
    // instance of a form does.
    std::string unique = name;
    for (int i = 1; !unique.empty(); ++i) {
      TComponent* other = FindGlobalComponent(unique);
      if (other == nullptr || other == root) break;
      unique = name + "_" + std::to_string(i);
    }
    root->SetName(unique);
    root->ReadState(this);
    root->SetComponentStateFlag(csReading, false);
  } catch (...) {
    AbandonLoading();
    if (created) delete root;
    FRoot = FLookupRoot = FOwner = nullptr;
    throw;
  }
  std::vector<TComponent*> loaded = std::move(FLoaded);
  FLoaded.clear();
  for (TComponent* c : loaded) c->Loaded();
  GlobalFixupReferences();
  return root;
}
