// The shell declarations the browser controls need beyond the platform's
// headers, COM's start and end for the controls, and the class library's
// OLE errors.
#pragma once

#include <string>

#include "platform/vcl/SysUtils.h"
#include "platform/win/ole2.h"
#include "platform/win/shellapi.h"
#include "platform/win/shlobj.h"
#include "platform/win/windows.h"

// A failed OLE call; ErrorCode is its HRESULT.
DRUMS_DECLARE_EXCEPTION(EOleError, Exception);
class EOleSysError : public EOleError {
 public:
  EOleSysError(std::string msg, HRESULT errorCode) : EOleError(std::move(msg)), FErrorCode(errorCode) {}
  const char* ClassName() const override { return "EOleSysError"; }
  HRESULT GetErrorCode() const { return FErrorCode; }

 private:
  HRESULT FErrorCode;
};

// Raises EOleSysError for a failed result; returns a successful one.
HRESULT OleCheck(HRESULT result);

// COM for the controls' thread: CoInitialize at start, CoUninitialize at the
// end. Counted, so a second start only counts.
void InitNavShell95();
void DoneNavShell95();
