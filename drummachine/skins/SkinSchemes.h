// The scheme box: the three built-in skins, then the names of skins saved or
// loaded since the program started. The main window reads its index (0 is
// the default look, whose step rows it draws itself) and keeps its text
// across runs as the saved scheme.
#pragma once

#include <string>
#include <vector>

class TSkinSchemes {
 public:
  TSkinSchemes();

  const std::vector<std::string>& GetNames() const { return FNames; }
  // Entry 0 until another is selected.
  int GetItemIndex() const { return FItemIndex; }
  const std::string& GetText() const { return FNames[static_cast<std::size_t>(FItemIndex)]; }
  bool IsDefaultLook() const { return FItemIndex == 0; }

  // The entry equal to name (case-sensitive; of several, the last), or -1.
  int IndexOf(const std::string& name) const;
  // Selects the entry equal to name, or adds name and selects it.
  void Select(const std::string& name);

 private:
  std::vector<std::string> FNames;
  int FItemIndex = 0;
};

// The name a typed or chosen file name gives a skin: the text after its last
// path separator and before the first "." there ("C:\skins\Night.old" gives
// "Night").
std::string SkinNameOf(const std::string& fileName);
