#include "platform/vcl/classes/streaming/Writer.h"

#include <cmath>
#include <cstring>

#include "platform/vcl/classes/components/Collection.h"
#include "platform/vcl/classes/components/Component.h"
#include "platform/vcl/classes/streaming/Extended.h"
#include "platform/vcl/classes/typeinfo/IntegerIdents.h"
#include "platform/vcl/classes/streams/Streams.h"
#include "platform/vcl/rtl/Exceptions.h"

using vcl::detail::SameName;

namespace {

template <class T>
void PutLittleEndian(TWriter& writer, T value) {
  std::uint8_t bytes[sizeof(T)];
  std::memcpy(bytes, &value, sizeof(T));  // the host is little-endian, as the format
  writer.Write(bytes, sizeof(T));
}

}  // namespace

TWriter::TWriter(TStream* stream) : TFiler(stream) {}

TWriter::~TWriter() = default;

void TWriter::Write(const void* buffer, std::int64_t count) {
  if (count > 0) FStream->WriteBuffer(buffer, static_cast<int>(count));
}

void TWriter::WriteValue(TValueType value) {
  std::uint8_t b = value;
  Write(&b, 1);
}

void TWriter::WriteInteger(std::int64_t value) {
  if (value >= -128 && value <= 127) {
    WriteValue(vaInt8);
    PutLittleEndian<std::int8_t>(*this, static_cast<std::int8_t>(value));
  } else if (value >= -32768 && value <= 32767) {
    WriteValue(vaInt16);
    PutLittleEndian<std::int16_t>(*this, static_cast<std::int16_t>(value));
  } else if (value >= INT32_MIN && value <= INT32_MAX) {
    WriteValue(vaInt32);
    PutLittleEndian<std::int32_t>(*this, static_cast<std::int32_t>(value));
  } else {
    WriteValue(vaInt64);
    PutLittleEndian<std::int64_t>(*this, value);
  }
}

void TWriter::WriteBoolean(bool value) {
  WriteValue(value ? vaTrue : vaFalse);
}

void TWriter::WriteChar(char value) {
  WriteString(std::string(1, value));
}

void TWriter::WriteString(const std::string& value) {
  if (value.size() <= 255) {
    WriteValue(vaString);
    WriteStr(value);
  } else {
    if (value.size() > INT32_MAX) throw EWriteError("Stream write error");
    WriteValue(vaLString);
    PutLittleEndian<std::int32_t>(*this, static_cast<std::int32_t>(value.size()));
    Write(value.data(), static_cast<std::int64_t>(value.size()));
  }
}

void TWriter::WriteIdent(const std::string& ident) {
  if (SameName(ident, "False"))
    WriteValue(vaFalse);
  else if (SameName(ident, "True"))
    WriteValue(vaTrue);
  else if (SameName(ident, "Null"))
    WriteValue(vaNull);
  else if (SameName(ident, "nil"))
    WriteValue(vaNil);
  else {
    WriteValue(vaIdent);
    WriteStr(ident);
  }
}

void TWriter::WriteFloat(double value) {
  std::uint8_t bytes[10];
  vcl::streaming::DoubleToExtended(value, bytes);
  WriteValue(vaExtended);
  Write(bytes, 10);
}

void TWriter::WriteSingle(float value) {
  WriteValue(vaSingle);
  PutLittleEndian<float>(*this, value);
}

void TWriter::WriteCurrency(double value) {
  const double scaled = std::round(value * 10000.0);
  // 2^63 is exact as a double; anything from it up does not fit, nor NaN.
  if (!(scaled >= -9223372036854775808.0 && scaled < 9223372036854775808.0))
    throw EWriteError("Currency value out of range");
  WriteScaledCurrency(static_cast<std::int64_t>(scaled));
}

void TWriter::WriteScaledCurrency(std::int64_t tenThousandths) {
  WriteValue(vaCurrency);
  PutLittleEndian<std::int64_t>(*this, tenThousandths);
}

void TWriter::WriteDate(double value) {
  WriteValue(vaDate);
  PutLittleEndian<double>(*this, value);
}

void TWriter::WriteListBegin() {
  WriteValue(vaList);
}

void TWriter::WriteListEnd() {
  WriteValue(vaNull);
}

void TWriter::WriteStr(const std::string& value) {
  // Cutting a name would read back as another name.
  if (value.size() > 255) throw EWriteError("Name longer than 255 characters: %s...", {value.substr(0, 32)});
  std::uint8_t b = static_cast<std::uint8_t>(value.size());
  Write(&b, 1);
  Write(value.data(), static_cast<std::int64_t>(value.size()));
}

void TWriter::WriteClassName(const std::string& name) {
  if (name.size() > MaxClassNameLength)
    throw EWriteError("Class name longer than 239 characters: %s...", {name.substr(0, 32)});
  WriteStr(name);
}

void TWriter::WriteSignature() {
  Write(FilerSignature, 4);
}

void TWriter::WritePropName(const std::string& name) {
  WriteStr(FPropPath + name);
}

void TWriter::DefineProperty(const std::string& name, TReaderProc, TWriterProc writeData, bool hasData) {
  if (!hasData || !writeData) return;
  WritePropName(name);
  writeData(this);
}

void TWriter::DefineBinaryProperty(const std::string& name, TStreamProc, TStreamProc writeData, bool hasData) {
  if (!hasData || !writeData) return;
  TMemoryStream data;
  writeData(&data);
  std::int64_t size = data.GetSize();
  if (size > INT32_MAX) throw EWriteError("Stream write error");
  WritePropName(name);
  WriteValue(vaBinary);
  PutLittleEndian<std::int32_t>(*this, static_cast<std::int32_t>(size));
  Write(data.GetMemory(), size);
}

std::string TWriter::ComponentReferenceName(TComponent* component) {
  TComponent* owner = component->GetOwner();
  if (owner == FLookupRoot || component == FLookupRoot) return component->GetName();
  if (owner != nullptr && !owner->GetName().empty() && !component->GetName().empty())
    return owner->GetName() + "." + component->GetName();
  return component->GetName();
}

void TWriter::WriteProperty(TObject& instance, const TPropInfo& prop) {
  switch (prop.Kind) {
    case TPropKind::Integer: {
      std::int64_t value = prop.GetOrd(instance);
      std::string ident;
      WritePropName(prop.Name);
      if (!prop.IdentMap.empty() && IntegerConstToIdent(prop.IdentMap, value, ident))
        WriteIdent(ident);
      else
        WriteInteger(value);
      break;
    }
    case TPropKind::Char:
      WritePropName(prop.Name);
      WriteChar(static_cast<char>(prop.GetOrd(instance)));
      break;
    case TPropKind::Enumeration: {
      std::int64_t value = prop.GetOrd(instance);
      if (value < 0 || value >= static_cast<std::int64_t>(prop.ValueNames.size()))
        throw EWriteError("Invalid property value");
      WritePropName(prop.Name);
      WriteIdent(prop.ValueNames[static_cast<std::size_t>(value)]);
      break;
    }
    case TPropKind::Boolean:
      WritePropName(prop.Name);
      WriteBoolean(prop.GetOrd(instance) != 0);
      break;
    case TPropKind::Set: {
      std::uint64_t bits = static_cast<std::uint64_t>(prop.GetOrd(instance));
      WritePropName(prop.Name);
      WriteValue(vaSet);
      for (std::size_t i = 0; i < prop.ValueNames.size() && i < 64; ++i)
        if (bits & (std::uint64_t{1} << i)) WriteStr(prop.ValueNames[i]);
      WriteStr("");
      break;
    }
    case TPropKind::Float:
      WritePropName(prop.Name);
      WriteFloat(prop.GetFloat(instance));
      break;
    case TPropKind::String:
      WritePropName(prop.Name);
      WriteString(prop.GetStr(instance));
      break;
    case TPropKind::Class: {
      TObject* value = prop.GetObject(instance);
      if (auto* collection = dynamic_cast<TCollection*>(value)) {
        WritePropName(prop.Name);
        WriteCollection(collection);
      } else if (auto* persistent = vcl::detail::AsPersistent(value)) {
        std::string saved = FPropPath;
        FPropPath += prop.Name + ".";
        try {
          WriteProperties(persistent);
        } catch (...) {
          FPropPath = saved;
          throw;
        }
        FPropPath = saved;
      }
      break;
    }
    case TPropKind::Component: {
      auto* component = vcl::detail::AsComponent(prop.GetObject(instance));
      if (component == nullptr) break;
      std::string name = ComponentReferenceName(component);
      if (name.empty()) break;
      WritePropName(prop.Name);
      WriteIdent(name);
      break;
    }
    case TPropKind::Method:
      // A handler of another root would bind to a namesake here when read.
      if (prop.GetMethodData(instance) != FLookupRoot) break;
      WritePropName(prop.Name);
      WriteIdent(prop.GetMethodName(instance));
      break;
  }
}

void TWriter::WriteProperties(TPersistent* instance) {
  for (const TPropInfo& prop : instance->ClassType()->Published().Props())
    if (prop.ShouldWrite(*instance)) WriteProperty(*instance, prop);
  instance->DefineProperties(this);
}

void TWriter::WriteCollection(TCollection* collection) {
  WriteValue(vaCollection);
  std::string saved = FPropPath;
  FPropPath.clear();
  try {
    for (int i = 0; i < collection->GetCount(); ++i) {
      WriteListBegin();
      WriteProperties(collection->GetItem(i));
      WriteListEnd();
    }
  } catch (...) {
    FPropPath = saved;
    throw;
  }
  FPropPath = saved;
  WriteListEnd();
}

void TWriter::WriteData(TComponent* instance) {
  WriteClassName(instance->ClassName());
  WriteStr(instance->GetName());
  WriteProperties(instance);
  WriteListEnd();
  instance->GetChildren([this](TComponent* child) { WriteComponent(child); }, FRoot);
  WriteListEnd();
}

void TWriter::WriteComponent(TComponent* component) {
  component->SetComponentStateFlag(csWriting, true);
  try {
    component->WriteState(this);
  } catch (...) {
    component->SetComponentStateFlag(csWriting, false);
    throw;
  }
  component->SetComponentStateFlag(csWriting, false);
}

void TWriter::WriteRootComponent(TComponent* root) {
  WriteDescendent(root, nullptr);
}

void TWriter::WriteDescendent(TComponent* root, TComponent* ancestor) {
  if (ancestor != nullptr) throw EWriteError("Writing against an ancestor is not supported");
  FRoot = root;
  FLookupRoot = root;
  WriteSignature();
  WriteComponent(root);
}
