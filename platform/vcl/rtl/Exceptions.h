// The class library's exception classes. Thrown by value, caught by reference:
//   throw EConvertError("bad");
//   throw EListError("List index out of bounds (%d)", {index});
#pragma once

#include <exception>
#include <initializer_list>
#include <string>

#include "platform/vcl/rtl/VarRec.h"

class Exception : public std::exception {
 public:
  explicit Exception(std::string msg);
  // The formatted form: the message is Format(fmt, args).
  Exception(const std::string& fmt, std::initializer_list<TVarRec> args);
  ~Exception() override;

  const std::string& GetMessage() const { return FMessage; }
  void SetMessage(std::string msg) { FMessage = std::move(msg); }
  int GetHelpContext() const { return FHelpContext; }
  void SetHelpContext(int context) { FHelpContext = context; }

  // The class name as the library would report it ("EConvertError"), for the
  // application's error report.
  virtual const char* ClassName() const { return "Exception"; }
  const char* what() const noexcept override { return FMessage.c_str(); }

 private:
  std::string FMessage;
  int FHelpContext = 0;
};

// Declares an exception class that adds nothing to its parent.
#define DRUMS_DECLARE_EXCEPTION(Name, Parent)                \
  class Name : public Parent {                               \
   public:                                                   \
    using Parent::Parent;                                    \
    const char* ClassName() const override { return #Name; } \
  }

// Silent: the application's error report ignores it (Abort raises it).
DRUMS_DECLARE_EXCEPTION(EAbort, Exception);
// Raises EAbort with the message "Operation aborted".
[[noreturn]] void Abort();

DRUMS_DECLARE_EXCEPTION(EConvertError, Exception);

// Pascal file I/O failure; ErrorCode is the run-time I/O error number.
class EInOutError : public Exception {
 public:
  using Exception::Exception;
  EInOutError(std::string msg, int errorCode) : Exception(std::move(msg)), ErrorCode(errorCode) {}
  const char* ClassName() const override { return "EInOutError"; }
  int GetErrorCode() const { return ErrorCode; }
  int ErrorCode = 0;
};

// Operating-system failure; ErrorCode is the Windows error number.
class EOSError : public Exception {
 public:
  using Exception::Exception;
  EOSError(std::string msg, unsigned long errorCode) : Exception(std::move(msg)), ErrorCode(errorCode) {}
  const char* ClassName() const override { return "EOSError"; }
  unsigned long GetErrorCode() const { return ErrorCode; }
  unsigned long ErrorCode = 0;
};

// Streams and component streaming.
DRUMS_DECLARE_EXCEPTION(EStreamError, Exception);
DRUMS_DECLARE_EXCEPTION(EFCreateError, EStreamError);
DRUMS_DECLARE_EXCEPTION(EFOpenError, EStreamError);
DRUMS_DECLARE_EXCEPTION(EFilerError, EStreamError);
DRUMS_DECLARE_EXCEPTION(EReadError, EFilerError);
DRUMS_DECLARE_EXCEPTION(EWriteError, EFilerError);
DRUMS_DECLARE_EXCEPTION(EClassNotFound, EFilerError);
DRUMS_DECLARE_EXCEPTION(EMethodNotFound, EFilerError);
DRUMS_DECLARE_EXCEPTION(EInvalidImage, EFilerError);
DRUMS_DECLARE_EXCEPTION(EResNotFound, Exception);

// Lists and components.
DRUMS_DECLARE_EXCEPTION(EListError, Exception);
DRUMS_DECLARE_EXCEPTION(EStringListError, Exception);
DRUMS_DECLARE_EXCEPTION(EBitsError, Exception);
DRUMS_DECLARE_EXCEPTION(EComponentError, Exception);
DRUMS_DECLARE_EXCEPTION(EInvalidOperation, Exception);
DRUMS_DECLARE_EXCEPTION(EInvalidCast, Exception);
DRUMS_DECLARE_EXCEPTION(EPropertyError, Exception);
DRUMS_DECLARE_EXCEPTION(EThread, Exception);

// Graphics.
DRUMS_DECLARE_EXCEPTION(EInvalidGraphic, Exception);
DRUMS_DECLARE_EXCEPTION(EInvalidGraphicOperation, Exception);

// Memory.
DRUMS_DECLARE_EXCEPTION(EHeapException, Exception);
DRUMS_DECLARE_EXCEPTION(EOutOfMemory, EHeapException);
DRUMS_DECLARE_EXCEPTION(EInvalidPointer, EHeapException);
DRUMS_DECLARE_EXCEPTION(EOutOfResources, EOutOfMemory);

// Faults the processor would report, raised here by explicit checks.
DRUMS_DECLARE_EXCEPTION(EExternal, Exception);
DRUMS_DECLARE_EXCEPTION(EAccessViolation, EExternal);
DRUMS_DECLARE_EXCEPTION(EIntError, EExternal);
DRUMS_DECLARE_EXCEPTION(EDivByZero, EIntError);
DRUMS_DECLARE_EXCEPTION(ERangeError, EIntError);
DRUMS_DECLARE_EXCEPTION(EIntOverflow, EIntError);
DRUMS_DECLARE_EXCEPTION(EMathError, EExternal);
DRUMS_DECLARE_EXCEPTION(EZeroDivide, EMathError);
DRUMS_DECLARE_EXCEPTION(EOverflow, EMathError);
DRUMS_DECLARE_EXCEPTION(EInvalidOp, EMathError);
