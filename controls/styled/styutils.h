// Small stand-alone helpers of the styled library: rectangles, number arrays,
// strings and directories. They keep no state.
#pragma once

#include <string>

#include "platform/vcl/Graphics.h"

// Where GetPrefixDirectory looks.
enum TStyPathPrefix { ppWindows, ppSystem, ppProgram, ppFixed };
DRUMS_ENUM_NAMES(TStyPathPrefix, "ppWindows", "ppSystem", "ppProgram", "ppFixed")

void AdjustRect(TRect& R, int DLeft, int DTop, int DRight, int DBottom);
void RectSize(const TRect& R, int& Width, int& Height);
// Src's size scaled to fit Dest keeping its aspect ratio, at Dest's left-top.
// A Src of zero width or height raises EZeroDivide.
void FitRectKeepAspect(const TRect& Src, const TRect& Dest, TRect& R);
// R becomes (0, 0, w, h) of its bounding box after a rotation by Angle
// degrees; an Angle of 0 leaves R as it is.
void RotatedBounds(TRect& R, int Angle);
int MaxIntOf(const int* Values, int High);
int MinIntOf(const int* Values, int High);
long double MinFloatOf(const long double* Values, int High);

// True for "" or a string of blanks only (a tab counts as text).
bool IsBlankString(const std::string& S);
std::string FillString(int Count, char Ch);
std::string TrimString(const std::string& S);
std::string AddBackslash(const std::string& S);
std::string RemoveBackslash(const std::string& S);
std::string GetProgramDirectory();
std::string WindowsDirectory();
std::string SystemDirectory();
std::string GetPrefixDirectory(TStyPathPrefix Prefix, bool WithBackslash);
