// The file a dialog's name box leads to: a bare name lies in the folder the
// list shows, and a name without an extension gets the dialog's.
#pragma once

#include <string>

enum class TDialogNameProblem {
  None,
  // Nothing typed or taken.
  Empty,
  // A bare name while the list shows no file-system folder (My Computer):
  // there is no folder to put it in.
  NoFolder,
};

struct TDialogFileName {
  std::string Path;
  TDialogNameProblem Problem = TDialogNameProblem::None;
};

// The extension of a file mask: ".bkv" for "*.bkv", empty for none.
std::string MaskExtension(const std::string& mask);

// Whether the part after the path's last separator ("\" or "/") has a ".":
// a dot in a folder's name does not count.
bool FileNamePartHasExtension(const std::string& path);

// The name box's text completed: extension added when the file-name part has
// none; folder + "\" put in front of a name without a separator.
TDialogFileName CompleteDialogFileName(const std::string& text, const std::string& folder,
                                       const std::string& extension);

// The full path in the system's own spelling, so that two spellings of one
// folder ("/x/y\\z", "C:\\x\\y\\z", with "..") compare equal; the path
// itself when it cannot be expanded.
std::string SystemFullPath(const std::string& path);

// The message shown for a problem (empty for None).
std::string DialogNameProblemText(TDialogNameProblem problem);
