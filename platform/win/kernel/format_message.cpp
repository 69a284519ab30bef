// FormatMessageA: system texts for the error codes this system meets, and
// message strings with "%1".."%99" inserts and the "%n"-style escapes.
#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "platform/win/winbase.h"

namespace {

constexpr DWORD kMessageNotFound = 317;  // the code for "no text for this number"

const std::map<DWORD, const char*>& SystemTexts() {
  static const std::map<DWORD, const char*> texts = {
      {ERROR_SUCCESS, "The operation completed successfully."},
      {ERROR_INVALID_FUNCTION, "The function is not valid here."},
      {ERROR_FILE_NOT_FOUND, "The system could not find the file."},
      {ERROR_PATH_NOT_FOUND, "The system could not find the path."},
      {ERROR_TOO_MANY_OPEN_FILES, "Too many files are open."},
      {ERROR_ACCESS_DENIED, "Access was denied."},
      {ERROR_INVALID_HANDLE, "The handle is not valid."},
      {ERROR_NOT_ENOUGH_MEMORY, "There is not enough memory for this command."},
      {ERROR_OUTOFMEMORY, "There is not enough storage to finish this operation."},
      {ERROR_INVALID_DRIVE, "The drive could not be found."},
      {ERROR_NOT_SAME_DEVICE, "The file cannot be moved to another disk drive."},
      {ERROR_NO_MORE_FILES, "No more files are left."},
      {ERROR_WRITE_PROTECT, "The medium is write-protected."},
      {ERROR_NOT_READY, "The device is not ready."},
      {ERROR_GEN_FAILURE, "A device attached to the system does not work."},
      {ERROR_SHARING_VIOLATION, "Another process is using the file."},
      {ERROR_HANDLE_EOF, "The end of the file has been reached."},
      {ERROR_NOT_SUPPORTED, "The request is not supported."},
      {ERROR_FILE_EXISTS, "The file exists."},
      {ERROR_CANNOT_MAKE, "The folder or file could not be created."},
      {ERROR_INVALID_PARAMETER, "A parameter is not valid."},
      {ERROR_NEGATIVE_SEEK, "The file position would lie before the start of the file."},
      {ERROR_DISK_FULL, "The disk does not have enough space left."},
      {ERROR_BUFFER_OVERFLOW, "The file name is too long."},
      {ERROR_INSUFFICIENT_BUFFER, "The data area given to the call is too small."},
      {ERROR_INVALID_NAME, "The file name, folder name or volume label is not valid."},
      {ERROR_MOD_NOT_FOUND, "The module could not be found."},
      {ERROR_PROC_NOT_FOUND, "The procedure could not be found."},
      {ERROR_DIR_NOT_EMPTY, "The folder is not empty."},
      {ERROR_NOT_LOCKED, "The segment is already unlocked."},
      {ERROR_BUSY, "The resource is in use."},
      {ERROR_ALREADY_EXISTS, "A file with that name already exists, so it cannot be created."},
      {ERROR_ENVVAR_NOT_FOUND, "The environment variable could not be found."},
      {ERROR_FILENAME_EXCED_RANGE, "The file name or extension is too long."},
      {ERROR_MORE_DATA, "More data is available."},
      {WAIT_TIMEOUT, "The wait timed out."},
      {ERROR_NO_MORE_ITEMS, "No more data is available."},
      {ERROR_DIRECTORY, "The folder name is not valid."},
      {ERROR_NOT_OWNER, "The caller does not own the mutex it tried to release."},
      {ERROR_NOACCESS, "The memory location could not be accessed."},
      {ERROR_CANT_RESOLVE_FILENAME, "The name of the file could not be resolved."},
  };
  return texts;
}

struct Arguments {
  const DWORD_PTR* array = nullptr;
  va_list* list = nullptr;
  std::vector<DWORD_PTR> taken;  // read from the va_list, in order

  bool Get(int index, DWORD_PTR& value) {
    if (array) {
      value = array[index - 1];
      return true;
    }
    if (!list) return false;
    while (static_cast<int>(taken.size()) < index) taken.push_back(va_arg(*list, DWORD_PTR));
    value = taken[static_cast<size_t>(index - 1)];
    return true;
  }
};

std::string Insert(DWORD_PTR value, const std::string& spec) {
  char buffer[64];
  if (spec.empty() || spec.back() == 's') {
    const char* text = reinterpret_cast<const char*>(value);
    return text ? text : "";
  }
  char kind = spec.back();
  if (kind == 'd' || kind == 'i')
    std::snprintf(buffer, sizeof buffer, "%lld", static_cast<long long>(static_cast<LONG_PTR>(value)));
  else if (kind == 'x')
    std::snprintf(buffer, sizeof buffer, "%llx", static_cast<unsigned long long>(value));
  else if (kind == 'X')
    std::snprintf(buffer, sizeof buffer, "%llX", static_cast<unsigned long long>(value));
  else
    std::snprintf(buffer, sizeof buffer, "%llu", static_cast<unsigned long long>(value));
  return buffer;
}

// Expands escapes and inserts; false when an insert has no argument.
bool Expand(const std::string& text, Arguments& args, std::string& out) {
  for (size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c != '%' || i + 1 >= text.size()) {
      out += c;
      continue;
    }
    char next = text[++i];
    switch (next) {
      case '0': return true;  // the end, without the line break
      case 'n': out += "\r\n"; continue;
      case 'r': out += '\r'; continue;
      case 't': out += '\t'; continue;
      case 'b': out += ' '; continue;
      default: break;
    }
    if (next >= '1' && next <= '9') {
      int index = next - '0';
      if (i + 1 < text.size() && text[i + 1] >= '0' && text[i + 1] <= '9') index = index * 10 + (text[++i] - '0');
      std::string spec;
      if (i + 1 < text.size() && text[i + 1] == '!') {
        size_t close = text.find('!', i + 2);
        if (close != std::string::npos) {
          spec = text.substr(i + 2, close - i - 2);
          i = close;
        }
      }
      DWORD_PTR value = 0;
      if (!args.Get(index, value)) return false;
      out += Insert(value, spec);
      continue;
    }
    out += next;  // "%%", "%.", "%!" and anything else: the character itself
  }
  return true;
}

}  // namespace

DWORD FormatMessageA(DWORD dwFlags, LPCVOID lpSource, DWORD dwMessageId, DWORD, LPSTR lpBuffer, DWORD nSize,
                     va_list* arguments) {
  std::string text;
  if (dwFlags & FORMAT_MESSAGE_FROM_STRING) {
    if (!lpSource) {
      SetLastError(ERROR_INVALID_PARAMETER);
      return 0;
    }
    text = static_cast<const char*>(lpSource);
  } else if (dwFlags & FORMAT_MESSAGE_FROM_SYSTEM) {
    auto it = SystemTexts().find(dwMessageId);
    if (it == SystemTexts().end()) {
      SetLastError(kMessageNotFound);
      return 0;
    }
    text = std::string(it->second) + "\r\n";
  } else {
    SetLastError(kMessageNotFound);
    return 0;
  }

  std::string out;
  if (dwFlags & FORMAT_MESSAGE_IGNORE_INSERTS) {
    out = text;
  } else {
    Arguments args;
    if (dwFlags & FORMAT_MESSAGE_ARGUMENT_ARRAY)
      args.array = reinterpret_cast<const DWORD_PTR*>(arguments);
    else
      args.list = arguments;
    if (!Expand(text, args, out)) {
      SetLastError(ERROR_INVALID_PARAMETER);
      return 0;
    }
  }

  if (dwFlags & FORMAT_MESSAGE_ALLOCATE_BUFFER) {
    size_t size = out.size() + 1 > nSize ? out.size() + 1 : nSize;
    auto* block = static_cast<char*>(LocalAlloc(LMEM_FIXED | LMEM_ZEROINIT, size));
    if (!block) return 0;
    std::memcpy(block, out.c_str(), out.size() + 1);
    *reinterpret_cast<LPSTR*>(lpBuffer) = block;
    return static_cast<DWORD>(out.size());
  }
  if (!lpBuffer || out.size() + 1 > nSize) {
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return 0;
  }
  std::memcpy(lpBuffer, out.c_str(), out.size() + 1);
  return static_cast<DWORD>(out.size());
}
