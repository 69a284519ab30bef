// Help files as the help compiler writes them: a title and topics, each with
// a context number, a title and paragraphs of text.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace win::shell {

struct HelpTopic {
  std::uint32_t context = 0;
  std::string title;
  std::string text;  // paragraphs separated by "\n"
};

struct HelpFile {
  std::string title;
  std::vector<HelpTopic> topics;

  const HelpTopic* Find(std::uint32_t context) const;
};

// Nullopt when the bytes are no help file or end early.
std::optional<HelpFile> ParseHelpFile(std::string_view bytes);
std::optional<HelpFile> ReadHelpFile(const std::string& posixPath);

}  // namespace win::shell
