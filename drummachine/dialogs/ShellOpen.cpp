#include "drummachine/dialogs/ShellOpen.h"

#include "platform/vcl/SysUtils.h"
#include "platform/win/shellapi.h"

namespace {

// The shell's failures as the user reads them; null for a code without text.
const char* FailureText(INT_PTR result) {
  switch (result) {
    case 0: return "The operating system is out of memory or resources.";
    case SE_ERR_FNF: return "The specified file was not found.";
    case SE_ERR_PNF: return "The specified path was not found.";
    case SE_ERR_ACCESSDENIED: return "The operating system denied access to the specified file.";
    case SE_ERR_OOM: return "There was not enough memory to complete the operation.";
    case 11: return "The .EXE file is invalid (non-Win32 .EXE or error in .EXE image).";
    case SE_ERR_SHARE: return "A sharing violation occurred.";
    case SE_ERR_ASSOCINCOMPLETE: return "The filename association is incomplete or invalid.";
    case SE_ERR_DDETIMEOUT: return "The DDE transaction could not be completed because the request timed out.";
    case SE_ERR_DDEFAIL: return "The DDE transaction failed.";
    case SE_ERR_DDEBUSY:
      return "The DDE transaction could not be completed because other DDE transactions were being processed.";
    case SE_ERR_NOASSOC: return "There is no application associated with the given filename extension.";
    case SE_ERR_DLLNOTFOUND: return "The specified dynamic-link library was not found.";
    default: return nullptr;
  }
}

}  // namespace

int ShellOpenFile(HWND owner, const std::string& file, const std::string& parameters, const std::string& folder) {
  const INT_PTR result = reinterpret_cast<INT_PTR>(
      ShellExecuteA(owner, "open", file.c_str(), parameters.c_str(), folder.c_str(), SW_SHOWDEFAULT));
  if (result > 32) return static_cast<int>(result);
  if (const char* text = FailureText(result)) throw Exception(text);
  // Every failure is told, also one the shell gives no text for.
  throw Exception("The link \"%s\" could not be opened (error %d).", {file, static_cast<int>(result)});
}
