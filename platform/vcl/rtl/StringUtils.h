// String routines of the library. Positions are 1-based, as the programs
// count them; "Ansi" forms compare as the plain ones do (ASCII case rules).
#pragma once

#include <string>

// Trim removes blanks and control characters (up to ' ') at both ends.
std::string Trim(const std::string& s);
std::string TrimLeft(const std::string& s);
std::string TrimRight(const std::string& s);

std::string UpperCase(const std::string& s);
std::string LowerCase(const std::string& s);
std::string AnsiUpperCase(const std::string& s);
std::string AnsiLowerCase(const std::string& s);

// < 0, 0, > 0. CompareText ignores ASCII case; CompareStr does not.
int CompareText(const std::string& a, const std::string& b);
int CompareStr(const std::string& a, const std::string& b);
bool SameText(const std::string& a, const std::string& b);
int AnsiCompareText(const std::string& a, const std::string& b);
int AnsiCompareStr(const std::string& a, const std::string& b);
bool AnsiSameText(const std::string& a, const std::string& b);

// 1-based index of the first occurrence of sub in s; 0 when absent or sub is empty.
int Pos(const std::string& sub, const std::string& s);
// count characters from index (1-based); index and count are clamped to s.
std::string Copy(const std::string& s, int index, int count);
// Removes count characters from index (1-based); out-of-range does nothing.
void Delete(std::string& s, int index, int count);
// Inserts source before index (1-based), clamped to 1 .. length + 1.
void Insert(const std::string& source, std::string& s, int index);
std::string StringOfChar(char c, int count);
// 'abc' with inner quotes doubled.
std::string QuotedStr(const std::string& s);
std::string AnsiQuotedStr(const std::string& s, char quote);
// Reads a quoted string starting at s[pos] (0-based) and advances pos past
// it; without a leading quote returns "" and leaves pos.
std::string AnsiExtractQuotedStr(const std::string& s, std::size_t& pos, char quote);
std::string AnsiDequotedStr(const std::string& s, char quote);
std::string StringReplaceAll(const std::string& s, const std::string& from, const std::string& to, bool ignoreCase);
