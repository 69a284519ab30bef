#include "drummachine/filedialogs/DialogFileName.h"
#include "platform/win/windows.h"

namespace {

std::size_t LastSeparator(const std::string& path) {
  return path.find_last_of("\\/");
}

}  // namespace

std::string MaskExtension(const std::string& mask) {
  const std::size_t dot = mask.rfind('.');
  if (dot == std::string::npos || mask.find_first_of("*?", dot) != std::string::npos) return {};
  return mask.substr(dot);
}

bool FileNamePartHasExtension(const std::string& path) {
  const std::size_t separator = LastSeparator(path);
  const std::size_t start = separator == std::string::npos ? 0 : separator + 1;
  return path.find('.', start) != std::string::npos;
}

TDialogFileName CompleteDialogFileName(const std::string& text, const std::string& folder,
                                       const std::string& extension) {
  if (text.empty()) return {{}, TDialogNameProblem::Empty};
  std::string path = text;
  if (LastSeparator(path) == std::string::npos) {
    if (folder.empty()) return {{}, TDialogNameProblem::NoFolder};
    path = folder + "\\" + path;
  }
  if (!FileNamePartHasExtension(path)) path += extension;
  return {path, TDialogNameProblem::None};
}

std::string DialogNameProblemText(TDialogNameProblem problem) {
  switch (problem) {
    case TDialogNameProblem::None: return {};
    case TDialogNameProblem::Empty: return "Please type or choose a file name.";
    case TDialogNameProblem::NoFolder: return "Please open a folder for the file first: My Computer holds no files.";
  }
  return {};
}

std::string SystemFullPath(const std::string& path) {
  char full[MAX_PATH] = {};
  const DWORD n = GetFullPathNameA(path.c_str(), sizeof full, full, nullptr);
  return n > 0 && n < sizeof full ? std::string(full, n) : path;
}
