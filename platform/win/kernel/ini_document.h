// A profile (INI) file as lines, so that edits keep comments, blank lines
// and the order of everything else. Section and key names compare ignoring
// case; the first of duplicate sections or keys wins.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace win::kernel {

class IniDocument {
 public:
  // Accepts CR LF and LF line ends.
  static IniDocument Parse(std::string_view text);
  // Always CR LF.
  std::string Serialise() const;

  std::vector<std::string> Sections() const;
  std::vector<std::string> Keys(std::string_view section) const;
  // The value with surrounding blanks and one pair of matching quotes removed.
  std::optional<std::string> Get(std::string_view section, std::string_view key) const;

  void Set(std::string_view section, std::string_view key, std::string_view value);
  void DeleteKey(std::string_view section, std::string_view key);
  void DeleteSection(std::string_view section);

 private:
  struct Line {
    std::string text;
    std::string section;  // for a header: its name
    std::string key;  // for a key line: its name
    bool isHeader = false;
    bool isKey = false;
  };
  // Index of the section's header, or -1.
  long FindSection(std::string_view section) const;
  // Lines of the section after its header: [first, end).
  void SectionRange(long header, size_t& first, size_t& end) const;

  std::vector<Line> lines_;
};

}  // namespace win::kernel
