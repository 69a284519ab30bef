// The library's run-time basics: exceptions, Format, conversions, strings,
// file names and files, dates, maths, Pascal text files and the start count
// of a library's start-up and shutdown pair.
#pragma once

#include "platform/vcl/rtl/Conversions.h"
#include "platform/vcl/rtl/DateTime.h"
#include "platform/vcl/rtl/Exceptions.h"
#include "platform/vcl/rtl/FileHandles.h"
#include "platform/vcl/rtl/FileNames.h"
#include "platform/vcl/rtl/FileSystem.h"
#include "platform/vcl/rtl/Format.h"
#include "platform/vcl/rtl/Maths.h"
#include "platform/vcl/rtl/OSErrors.h"
#include "platform/vcl/rtl/ShortString.h"
#include "platform/vcl/rtl/StartCount.h"
#include "platform/vcl/rtl/StringUtils.h"
#include "platform/vcl/rtl/TextFile.h"
#include "platform/vcl/rtl/VarRec.h"
