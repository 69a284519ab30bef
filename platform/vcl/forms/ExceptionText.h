// The text of the application's error report.
#pragma once

#include <exception>
#include <string>

namespace vcl::forms {

// The message as the report shows it: a period is added when the text is
// not empty and its last character sorts after '.' (so "Disk full" gets one,
// "Done." and "Stop!" keep theirs, "Why?" becomes "Why?.", as the library
// has always done).
std::string ReportText(const std::string& message);

// The message of any exception: the library's Exception message, what() of
// other standard exceptions, a fixed text for anything else.
std::string MessageOf(const std::exception_ptr& error);

// Whether the exception is the silent EAbort (or derives from it).
bool IsSilent(const std::exception_ptr& error);

}  // namespace vcl::forms
