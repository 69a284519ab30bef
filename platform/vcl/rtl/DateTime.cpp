#include "platform/vcl/rtl/DateTime.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "platform/vcl/rtl/Exceptions.h"
#include "platform/win/winbase.h"

namespace {

const char* const kShortDays[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
const char* const kLongDays[] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
const char* const kShortMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
const char* const kLongMonths[] = {"January", "February", "March",     "April",   "May",      "June",
                                   "July",    "August",   "September", "October", "November", "December"};
constexpr const char* kShortDateFormat = "m/d/yyyy";
constexpr const char* kLongDateFormat = "dddd, mmmm d, yyyy";
constexpr const char* kShortTimeFormat = "h:nn AMPM";
constexpr const char* kLongTimeFormat = "h:nn:ss AMPM";

int DaysInMonth(int year, int month) {
  static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeapYear(year) ? 29 : days[month - 1];
}

// Whole milliseconds of the day, rounded, from the fraction of a TDateTime.
long MillisOfDay(TDateTime t) {
  double frac = std::fabs(t - std::trunc(t));
  long ms = std::lround(frac * 86400000.0);
  return ms >= 86400000L ? 86399999L : ms;
}

std::string Pad(int v, int width) {
  std::string s = std::to_string(v);
  while (static_cast<int>(s.size()) < width) s.insert(s.begin(), '0');
  return s;
}

bool StartsWithNoCase(const std::string& s, std::size_t i, const char* word) {
  for (std::size_t k = 0; word[k]; ++k)
    if (i + k >= s.size() || std::tolower(static_cast<unsigned char>(s[i + k])) != word[k]) return false;
  return true;
}

class DateFormatter {
 public:
  explicit DateFormatter(TDateTime t) : FTime(t) {
    DecodeDate(t, FYear, FMonth, FDay);
    DecodeTime(t, FHour, FMin, FSec, FMsec);
  }

  std::string Run(const std::string& f, int depth = 0) {
    std::string out;
    bool afterHour = false;
    std::size_t i = 0;
    // Whether an am/pm specifier follows, which makes hours 12-hour.
    bool twelve = HasAmPm(f);
    while (i < f.size()) {
      char c = f[i];
      char lc = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
      std::size_t run = 1;
      while (i + run < f.size() && std::tolower(static_cast<unsigned char>(f[i + run])) == lc) ++run;
      if (c == '\'' || c == '"') {
        std::size_t end = f.find(c, i + 1);
        if (end == std::string::npos) end = f.size();
        out += f.substr(i + 1, end - i - 1);
        i = end + 1;
        continue;
      }
      if (lc == 'a' &&
          (StartsWithNoCase(f, i, "am/pm") || StartsWithNoCase(f, i, "a/p") || StartsWithNoCase(f, i, "ampm"))) {
        bool pm = FHour >= 12;
        if (StartsWithNoCase(f, i, "am/pm")) {
          out += Cased(pm ? "pm" : "am", f[i]);
          i += 5;
        } else if (StartsWithNoCase(f, i, "a/p")) {
          out += Cased(pm ? "p" : "a", f[i]);
          i += 3;
        } else {
          out += pm ? "PM" : "AM";
          i += 4;
        }
        continue;
      }
      switch (lc) {
        case 'c':
          if (depth < 2) {
            out += Run(kShortDateFormat, depth + 1);
            if (MillisOfDay(FTime) != 0) out += " " + Run(kLongTimeFormat, depth + 1);
          }
          i += 1;
          continue;
        case 'd':
          if (run >= 6 && depth < 2)
            out += Run(kLongDateFormat, depth + 1), run = 6;
          else if (run == 5 && depth < 2)
            out += Run(kShortDateFormat, depth + 1);
          else if (run == 4)
            out += kLongDays[DayOfWeek(FTime) - 1];
          else if (run == 3)
            out += kShortDays[DayOfWeek(FTime) - 1];
          else if (run == 2)
            out += Pad(FDay, 2);
          else
            out += std::to_string(FDay), run = 1;
          i += std::min<std::size_t>(run, 6);
          continue;
        case 'm':
          if (afterHour && run <= 2) {
            out += run == 2 ? Pad(FMin, 2) : std::to_string(FMin);
          } else if (run >= 4) {
            out += kLongMonths[FMonth - 1];
            run = 4;
          } else if (run == 3) {
            out += kShortMonths[FMonth - 1];
          } else {
            out += run == 2 ? Pad(FMonth, 2) : std::to_string(FMonth);
          }
          afterHour = false;
          i += run;
          continue;
        case 'y':
          if (run >= 3)
            out += Pad(FYear, 4), run = std::max<std::size_t>(run, 4);
          else
            out += Pad(FYear % 100, 2), run = 2;
          i += run;
          continue;
        case 'h': {
          int h = FHour;
          if (twelve) h = h % 12 == 0 ? 12 : h % 12;
          run = std::min<std::size_t>(run, 2);
          out += run == 2 ? Pad(h, 2) : std::to_string(h);
          afterHour = true;
          i += run;
          continue;
        }
        case 'n':
          run = std::min<std::size_t>(run, 2);
          out += run == 2 ? Pad(FMin, 2) : std::to_string(FMin);
          i += run;
          continue;
        case 's':
          run = std::min<std::size_t>(run, 2);
          out += run == 2 ? Pad(FSec, 2) : std::to_string(FSec);
          i += run;
          continue;
        case 'z':
          run = run >= 3 ? 3 : 1;
          out += run == 3 ? Pad(FMsec, 3) : std::to_string(FMsec);
          i += run;
          continue;
        case 't':
          if (depth < 2) out += Run(run >= 2 ? kLongTimeFormat : kShortTimeFormat, depth + 1);
          i += std::min<std::size_t>(run, 2);
          continue;
        case '/':
          out += '/';
          i += 1;
          continue;
        default:
          out += c;
          i += 1;
          continue;
      }
    }
    return out;
  }

 private:
  static bool HasAmPm(const std::string& f) {
    for (std::size_t i = 0; i < f.size(); ++i)
      if (StartsWithNoCase(f, i, "am/pm") || StartsWithNoCase(f, i, "a/p") || StartsWithNoCase(f, i, "ampm"))
        return true;
    return false;
  }

  // "am/pm" keeps the case of its first letter.
  static std::string Cased(const char* text, char first) {
    std::string s(text);
    if (std::isupper(static_cast<unsigned char>(first)))
      for (char& ch : s) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    return s;
  }

  TDateTime FTime;
  unsigned short FYear, FMonth, FDay, FHour, FMin, FSec, FMsec;
};

}  // namespace

bool IsLeapYear(int year) {
  return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

bool TryEncodeDate(int year, int month, int day, TDateTime& date) {
  if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month)) return false;
  int y = year - 1;
  long days = 365L * y + y / 4 - y / 100 + y / 400 + day;
  for (int m = 1; m < month; ++m) days += DaysInMonth(year, m);
  date = static_cast<double>(days - 693594L);  // 0001-01-01 is day 1 - 693594
  return true;
}

bool TryEncodeTime(int hour, int min, int sec, int msec, TDateTime& time) {
  if (hour < 0 || hour > 23 || min < 0 || min > 59 || sec < 0 || sec > 59 || msec < 0 || msec > 999) return false;
  time = (hour * 3600000.0 + min * 60000.0 + sec * 1000.0 + msec) / 86400000.0;
  return true;
}

TDateTime EncodeDate(int year, int month, int day) {
  TDateTime d;
  if (!TryEncodeDate(year, month, day, d)) throw EConvertError("Invalid argument to date encode");
  return d;
}

TDateTime EncodeTime(int hour, int min, int sec, int msec) {
  TDateTime t;
  if (!TryEncodeTime(hour, min, sec, msec, t)) throw EConvertError("Invalid argument to time encode");
  return t;
}

void DecodeDate(TDateTime date, unsigned short& year, unsigned short& month, unsigned short& day) {
  long n = static_cast<long>(std::trunc(date)) + 693593L;  // days since 0001-01-01
  if (n < 0) {
    year = month = day = 0;
    return;
  }
  long y400 = n / 146097, r = n % 146097;
  long y100 = r / 36524;
  if (y100 == 4) y100 = 3;
  r -= y100 * 36524;
  long y4 = r / 1461;
  r %= 1461;
  long y1 = r / 365;
  if (y1 == 4) y1 = 3;
  r -= y1 * 365;
  int y = static_cast<int>(y400 * 400 + y100 * 100 + y4 * 4 + y1 + 1);
  int m = 1;
  while (r >= DaysInMonth(y, m)) r -= DaysInMonth(y, m++);
  year = static_cast<unsigned short>(y);
  month = static_cast<unsigned short>(m);
  day = static_cast<unsigned short>(r + 1);
}

void DecodeTime(TDateTime time, unsigned short& hour, unsigned short& min, unsigned short& sec, unsigned short& msec) {
  long ms = MillisOfDay(time);
  hour = static_cast<unsigned short>(ms / 3600000);
  min = static_cast<unsigned short>(ms / 60000 % 60);
  sec = static_cast<unsigned short>(ms / 1000 % 60);
  msec = static_cast<unsigned short>(ms % 1000);
}

int DayOfWeek(TDateTime date) {
  long d = static_cast<long>(std::trunc(date));
  // Day 0, 1899-12-30, was a Saturday (7).
  return static_cast<int>(((d % 7 + 7) % 7 + 6) % 7) + 1;
}

TDateTime Now() {
  SYSTEMTIME st;
  GetLocalTime(&st);
  return EncodeDate(st.wYear, st.wMonth, st.wDay) +
         EncodeTime(st.wHour, st.wMinute, std::min<int>(st.wSecond, 59), st.wMilliseconds);
}

TDateTime Date() {
  return std::trunc(Now());
}
TDateTime Time() {
  TDateTime n = Now();
  return n - std::trunc(n);
}

std::string DateToStr(TDateTime date) {
  return FormatDateTime("ddddd", date);
}
std::string TimeToStr(TDateTime time) {
  return FormatDateTime("tt", time);
}
std::string DateTimeToStr(TDateTime dateTime) {
  return FormatDateTime("c", dateTime);
}

std::string FormatDateTime(const std::string& format, TDateTime dateTime) {
  return DateFormatter(dateTime).Run(format.empty() ? std::string("c") : format);
}
