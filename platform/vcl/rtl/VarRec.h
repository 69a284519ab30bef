// The argument of Format and of the exceptions' formatted constructors: a
// small tagged value, built implicitly so that calls read
// Format("%d of %s", {3, name}).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

class TVarRec {
 public:
  enum TVType { vtInteger, vtInt64, vtExtended, vtString, vtPointer, vtChar };

  TVarRec(int v) : FVType(vtInteger), FInt(v) {}
  TVarRec(unsigned v) : FVType(vtInt64), FInt(v) {}
  TVarRec(long v) : FVType(vtInt64), FInt(v) {}
  TVarRec(unsigned long v) : FVType(vtInt64), FInt(static_cast<std::int64_t>(v)) {}
  TVarRec(long long v) : FVType(vtInt64), FInt(v) {}
  TVarRec(unsigned long long v) : FVType(vtInt64), FInt(static_cast<std::int64_t>(v)) {}
  TVarRec(short v) : FVType(vtInteger), FInt(v) {}
  TVarRec(unsigned short v) : FVType(vtInteger), FInt(v) {}
  TVarRec(double v) : FVType(vtExtended), FFloat(v) {}
  TVarRec(float v) : FVType(vtExtended), FFloat(v) {}
  TVarRec(long double v) : FVType(vtExtended), FFloat(static_cast<double>(v)) {}
  TVarRec(char v) : FVType(vtChar), FChar(v) {}
  TVarRec(const char* v) : FVType(vtString), FString(v ? v : "") {}
  TVarRec(std::string v) : FVType(vtString), FString(std::move(v)) {}
  TVarRec(std::string_view v) : FVType(vtString), FString(v) {}
  TVarRec(const void* v) : FVType(vtPointer), FPointer(v) {}
  TVarRec(std::nullptr_t) : FVType(vtPointer), FPointer(nullptr) {}

  TVType VType() const { return FVType; }
  bool IsInteger() const { return FVType == vtInteger || FVType == vtInt64; }
  std::int64_t AsInt64() const { return FInt; }
  double AsFloat() const { return FFloat; }
  const std::string& AsString() const { return FString; }
  const void* AsPointer() const { return FPointer; }
  char AsChar() const { return FChar; }

 private:
  TVType FVType;
  std::int64_t FInt = 0;
  double FFloat = 0;
  std::string FString;
  const void* FPointer = nullptr;
  char FChar = 0;
};
