// The name a file dialog's box leads to: the list's folder for a bare name,
// the dialog's extension for a name without one, judged on the file-name
// part alone, and the names no file can come from.
#include <gtest/gtest.h>

#include <string>

#include "drummachine/filedialogs/DialogFileName.h"

namespace {

TEST(DialogFileName, ABareOrExtensionlessNameIsCompletedFromTheListAndTheMask) {
  struct Case {
    const char* text;
    const char* folder;
    const char* path;
  } cases[] = {
      {"groove", "/songs", "/songs\\groove.bkv"},
      {"groove.bkv", "/songs", "/songs\\groove.bkv"},
      {"groove.old", "/songs", "/songs\\groove.old"},
      // A dot in a folder's name is no extension.
      {"/my.songs/groove", "/songs", "/my.songs/groove.bkv"},
      {"C:\\my.songs\\groove", "/songs", "C:\\my.songs\\groove.bkv"},
      {"/elsewhere/groove.bkv", "/songs", "/elsewhere/groove.bkv"},
      // A full path needs no folder, even while the list shows none.
      {"/elsewhere/groove", "", "/elsewhere/groove.bkv"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    const TDialogFileName name = CompleteDialogFileName(c.text, c.folder, ".bkv");
    EXPECT_EQ(name.Problem, TDialogNameProblem::None);
    EXPECT_EQ(name.Path, c.path);
  }
}

TEST(DialogFileName, NothingTypedOrABareNameWithoutAFolderGivesNoFile) {
  EXPECT_EQ(CompleteDialogFileName("", "/songs", ".bkv").Problem, TDialogNameProblem::Empty);
  // My Computer shows no file-system folder: the name would land in the
  // root folder.
  const TDialogFileName bare = CompleteDialogFileName("groove", "", ".bkv");
  EXPECT_EQ(bare.Problem, TDialogNameProblem::NoFolder);
  EXPECT_EQ(bare.Path, "");
  EXPECT_FALSE(DialogNameProblemText(TDialogNameProblem::NoFolder).empty());
}

TEST(DialogFileName, TheMaskGivesTheExtension) {
  EXPECT_EQ(MaskExtension("*.bkv"), ".bkv");
  EXPECT_EQ(MaskExtension("*.mid"), ".mid");
  EXPECT_EQ(MaskExtension("*.*"), "");
  EXPECT_EQ(MaskExtension("*"), "");
  EXPECT_EQ(MaskExtension(""), "");
}

// Folders are compared in one spelling, whichever way they were written.
TEST(DialogFileName, TwoSpellingsOfOneFolderGiveOneFullPath) {
  const std::string full = SystemFullPath("C:\\tmp\\kits");
  EXPECT_EQ(SystemFullPath("/tmp/kits"), full);
  EXPECT_EQ(SystemFullPath("/tmp/other/../kits"), full);
  EXPECT_EQ(SystemFullPath("/tmp\\kits"), full);
}

}  // namespace
