#include "platform/vcl/rtl/Exceptions.h"

#include "platform/vcl/rtl/Format.h"

Exception::Exception(std::string msg) : FMessage(std::move(msg)) {}

Exception::Exception(const std::string& fmt, std::initializer_list<TVarRec> args) : FMessage(Format(fmt, args)) {}

// Out of line so the class's type information lives in this library once.
Exception::~Exception() = default;

void Abort() {
  throw EAbort("Operation aborted");
}
