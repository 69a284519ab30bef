// Format: the class library's printf-like formatting.
//
// Specifiers: %[index:][-][width][.precision]type with type d u x X s n m f e g p.
// "*" stands for a width or precision taken from the arguments. %n groups
// thousands with ","; %m formats money with "$"; the decimal point is ".".
// A specifier that does not match its argument (or a missing argument) raises
// EConvertError "Format '<format>' invalid or incompatible with argument".
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include "platform/vcl/rtl/VarRec.h"

std::string Format(const std::string& fmt, std::initializer_list<TVarRec> args);
std::string Format(const std::string& fmt, const std::vector<TVarRec>& args);
std::string Format(const std::string& fmt, const TVarRec* args, std::size_t count);
