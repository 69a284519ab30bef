// Dates and times as the library keeps them: days since 1899-12-30 in the
// whole part, the time of day in the fraction. US formats: "M/d/yyyy",
// "h:nn:ss AMPM".
#pragma once

#include <string>

typedef double TDateTime;

// The local time of day now, to the millisecond.
TDateTime Now();
TDateTime Date();
TDateTime Time();

// Raise EConvertError "Invalid argument to date encode" / "... time encode".
TDateTime EncodeDate(int year, int month, int day);
TDateTime EncodeTime(int hour, int min, int sec, int msec);
bool TryEncodeDate(int year, int month, int day, TDateTime& date);
bool TryEncodeTime(int hour, int min, int sec, int msec, TDateTime& time);
void DecodeDate(TDateTime date, unsigned short& year, unsigned short& month, unsigned short& day);
void DecodeTime(TDateTime time, unsigned short& hour, unsigned short& min, unsigned short& sec, unsigned short& msec);
bool IsLeapYear(int year);
// 1 = Sunday .. 7 = Saturday.
int DayOfWeek(TDateTime date);

std::string DateToStr(TDateTime date);
std::string TimeToStr(TDateTime time);
// The date, then the time unless it is midnight.
std::string DateTimeToStr(TDateTime dateTime);
// Specifiers: c d dd ddd dddd ddddd dddddd m mm mmm mmmm yy yyyy h hh n nn
// s ss z zzz t tt am/pm a/p ampm / : and quoted literals; "m" right after an
// hour means minutes.
std::string FormatDateTime(const std::string& format, TDateTime dateTime);
