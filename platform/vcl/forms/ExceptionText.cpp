#include "platform/vcl/forms/ExceptionText.h"

#include "platform/vcl/rtl/Exceptions.h"

namespace vcl::forms {

std::string ReportText(const std::string& message) {
  if (!message.empty() && static_cast<unsigned char>(message.back()) > '.') return message + ".";
  return message;
}

std::string MessageOf(const std::exception_ptr& error) {
  try {
    std::rethrow_exception(error);
  } catch (const Exception& e) {
    return e.GetMessage();
  } catch (const std::exception& e) {
    return e.what();
  } catch (...) {
    return "Unknown exception";
  }
}

bool IsSilent(const std::exception_ptr& error) {
  try {
    std::rethrow_exception(error);
  } catch (const EAbort&) {
    return true;
  } catch (...) {
    return false;
  }
}

}  // namespace vcl::forms
