// Number <-> text conversions of the library (decimal point ".", US locale).
#pragma once

#include <cstdint>
#include <string>

std::string IntToStr(std::int64_t value);
// Upper-case hex, at least `digits` digits; a negative value shows its 64-bit
// two's complement unless digits leave room only for 32 bits.
std::string IntToHex(std::int64_t value, int digits);

// Decimal with an optional sign, or hex as "$FF" / "0xFF" (a 32-bit pattern:
// "$FFFFFFFF" is -1). Leading blanks are skipped; anything after the number,
// trailing blanks included, raises EConvertError
// "'<text>' is not a valid integer value", as do values outside 32 bits.
int StrToInt(const std::string& s);
std::int64_t StrToInt64(const std::string& s);
int StrToIntDef(const std::string& s, int defaultValue);
bool TryStrToInt(const std::string& s, int& value);
bool TryStrToInt64(const std::string& s, std::int64_t& value);

// Fifteen significant digits, no exponent unless needed ("1.5", "1E20").
std::string FloatToStr(double value);
// Raises EConvertError "'<text>' is not a valid floating point value".
double StrToFloat(const std::string& s);
double StrToFloatDef(const std::string& s, double defaultValue);
bool TryStrToFloat(const std::string& s, double& value);

// "True"/"False"
std::string BoolToStr(bool value, bool useBoolStrs = true);
