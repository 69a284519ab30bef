#include "platform/win/shell/help_file.h"

#include <fstream>
#include <sstream>

namespace win::shell {

namespace {

class Reader {
 public:
  explicit Reader(std::string_view bytes) : bytes_(bytes) {}

  bool U32(std::uint32_t& out) {
    if (bytes_.size() - at_ < 4) return false;
    out = 0;
    for (int i = 0; i < 4; ++i)
      out |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes_[at_ + i])) << (8 * i);
    at_ += 4;
    return true;
  }
  bool String(std::string& out) {
    std::uint32_t size = 0;
    if (!U32(size) || bytes_.size() - at_ < size) return false;
    out.assign(bytes_.substr(at_, size));
    at_ += size;
    return true;
  }
  bool Expect(std::string_view magic) {
    if (bytes_.substr(at_, magic.size()) != magic) return false;
    at_ += magic.size();
    return true;
  }

 private:
  std::string_view bytes_;
  std::size_t at_ = 0;
};

}  // namespace

const HelpTopic* HelpFile::Find(std::uint32_t context) const {
  for (const HelpTopic& topic : topics) {
    if (topic.context == context) return &topic;
  }
  return nullptr;
}

std::optional<HelpFile> ParseHelpFile(std::string_view bytes) {
  Reader in(bytes);
  HelpFile file;
  std::uint32_t count = 0;
  if (!in.Expect(std::string_view("DRUMSHLP\x01\x00", 10)) || !in.String(file.title) || !in.U32(count))
    return std::nullopt;
  for (std::uint32_t i = 0; i < count; ++i) {
    HelpTopic topic;
    if (!in.U32(topic.context) || !in.String(topic.title) || !in.String(topic.text)) return std::nullopt;
    file.topics.push_back(std::move(topic));
  }
  return file;
}

std::optional<HelpFile> ReadHelpFile(const std::string& posixPath) {
  std::ifstream in(posixPath, std::ios::binary);
  if (!in) return std::nullopt;
  std::stringstream bytes;
  bytes << in.rdbuf();
  return ParseHelpFile(bytes.str());
}

}  // namespace win::shell
