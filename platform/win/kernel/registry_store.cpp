#include "platform/win/kernel/registry_store.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "platform/win/kernel/paths.h"
#include "platform/win/winreg.h"

namespace win::kernel {
namespace {

const char* const kRootNames[RegistryStore::kRootCount] = {
    "HKEY_CLASSES_ROOT",     "HKEY_CURRENT_USER",   "HKEY_LOCAL_MACHINE", "HKEY_USERS",
    "HKEY_PERFORMANCE_DATA", "HKEY_CURRENT_CONFIG", "HKEY_DYN_DATA"};

std::string Lowered(std::string_view s) {
  std::string out(s);
  for (char& c : out)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return out;
}

bool IsText(DWORD type) {
  return type == REG_SZ || type == REG_EXPAND_SZ;
}

std::string Quote(std::string_view s) {
  std::string out = "\"";
  for (unsigned char c : s) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c == '\n') {
      out += "\\n";
    } else if (c == '\r') {
      out += "\\r";
    } else if (c == '\t') {
      out += "\\t";
    } else if (c < 0x20 || c == 0x7f) {
      char hex[8];
      std::snprintf(hex, sizeof hex, "\\x%02x", c);
      out += hex;
    } else {
      out += static_cast<char>(c);
    }
  }
  return out + "\"";
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Reads a quoted string at `pos`; advances past the closing quote.
bool Unquote(std::string_view s, size_t& pos, std::string& out) {
  if (pos >= s.size() || s[pos] != '"') return false;
  out.clear();
  for (++pos; pos < s.size(); ++pos) {
    char c = s[pos];
    if (c == '"') {
      ++pos;
      return true;
    }
    if (c != '\\' || pos + 1 >= s.size()) {
      out += c;
      continue;
    }
    char e = s[++pos];
    if (e == 'n')
      out += '\n';
    else if (e == 'r')
      out += '\r';
    else if (e == 't')
      out += '\t';
    else if (e == 'x' && pos + 2 < s.size() && HexDigit(s[pos + 1]) >= 0 && HexDigit(s[pos + 2]) >= 0) {
      out += static_cast<char>(HexDigit(s[pos + 1]) * 16 + HexDigit(s[pos + 2]));
      pos += 2;
    } else
      out += e;
  }
  return false;
}

// `path` is the key's full name; it grows for the subkeys and is restored.
void SerialiseKey(const RegKey& key, std::string& path, std::string& out) {
  out += '[';
  out += path;
  out += "]\r\n";
  for (const RegValue& v : key.values) {
    out += v.name.empty() ? std::string("@") : Quote(v.name);
    out += '=';
    if (IsText(v.type)) {
      out += v.type == REG_SZ ? "sz:" : "expand:";
      out += Quote(std::string_view(reinterpret_cast<const char*>(v.data.data()), v.data.size()));
    } else if (v.type == REG_DWORD && v.data.size() == 4) {
      DWORD d;
      std::memcpy(&d, v.data.data(), 4);
      char hex[16];
      std::snprintf(hex, sizeof hex, "dword:%08x", d);
      out += hex;
    } else {
      char head[24];
      std::snprintf(head, sizeof head, "hex(%u):", static_cast<unsigned>(v.type));
      out += head;
      for (size_t i = 0; i < v.data.size(); ++i) {
        char byte[4];
        std::snprintf(byte, sizeof byte, i ? ",%02x" : "%02x", v.data[i]);
        out += byte;
      }
    }
    out += "\r\n";
  }
  out += "\r\n";
  const std::size_t length = path.size();
  for (const auto& child : key.subkeys) {
    path += '\\';
    path += child->name;
    SerialiseKey(*child, path, out);
    path.resize(length);
  }
}

bool ParseValueLine(std::string_view line, RegValue& value) {
  size_t pos = 0;
  if (line.empty()) return false;
  if (line[0] == '@') {
    value.name.clear();
    pos = 1;
  } else if (!Unquote(line, pos, value.name)) {
    return false;
  }
  if (pos >= line.size() || line[pos] != '=') return false;
  std::string_view rest = line.substr(pos + 1);
  value.data.clear();
  auto textValue = [&](std::string_view prefix, DWORD type) {
    if (rest.substr(0, prefix.size()) != prefix) return false;
    size_t at = prefix.size();
    std::string text;
    if (!Unquote(rest, at, text)) return false;
    value.type = type;
    value.data.assign(text.begin(), text.end());
    return true;
  };
  if (textValue("sz:", REG_SZ) || textValue("expand:", REG_EXPAND_SZ)) return true;
  if (rest.substr(0, 6) == "dword:") {
    DWORD d = static_cast<DWORD>(std::strtoul(std::string(rest.substr(6)).c_str(), nullptr, 16));
    value.type = REG_DWORD;
    value.data.resize(4);
    std::memcpy(value.data.data(), &d, 4);
    return true;
  }
  if (rest.substr(0, 4) == "hex(") {
    size_t close = rest.find("):");
    if (close == std::string_view::npos) return false;
    value.type = static_cast<DWORD>(std::strtoul(std::string(rest.substr(4, close - 4)).c_str(), nullptr, 10));
    size_t i = close + 2;
    while (i + 2 <= rest.size()) {
      int hi = HexDigit(rest[i]), lo = HexDigit(rest[i + 1]);
      if (hi < 0 || lo < 0) break;
      value.data.push_back(static_cast<BYTE>(hi * 16 + lo));
      i += 2;
      if (i < rest.size() && rest[i] == ',') ++i;
    }
    return true;
  }
  return false;
}

}  // namespace

RegKey* RegKey::Find(std::string_view child) {
  for (auto& k : subkeys)
    if (EqualsIgnoringCase(k->name, child)) return k.get();
  return nullptr;
}

RegKey& RegKey::Add(std::string_view child) {
  if (RegKey* existing = Find(child)) return *existing;
  auto key = std::make_unique<RegKey>();
  key->name = std::string(child);
  std::string lowered = Lowered(child);
  auto at = std::find_if(subkeys.begin(), subkeys.end(), [&](const auto& k) { return Lowered(k->name) > lowered; });
  return **subkeys.insert(at, std::move(key));
}

bool RegKey::Remove(std::string_view child) {
  for (auto it = subkeys.begin(); it != subkeys.end(); ++it) {
    if (EqualsIgnoringCase((*it)->name, child)) {
      subkeys.erase(it);
      return true;
    }
  }
  return false;
}

RegValue* RegKey::FindValue(std::string_view valueName) {
  for (auto& v : values)
    if (EqualsIgnoringCase(v.name, valueName)) return &v;
  return nullptr;
}

int RegistryStore::RootIndex(HKEY key) {
  for (int i = 0; i < kRootCount; ++i)
    if (key ==
        reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<LONG>(0x80000000u + static_cast<unsigned>(i)))))
      return i;
  return -1;
}

RegKey* RegistryStore::Walk(int root, std::string_view path) {
  RegKey* key = &roots_[root];
  for (auto& part : SplitKeyPath(path)) {
    key = key->Find(part);
    if (!key) return nullptr;
  }
  return key;
}

std::string RegistryStore::Serialise() const {
  std::string out = "; drums registry: one block per key\r\n\r\n";
  for (int i = 0; i < kRootCount; ++i) {
    const RegKey& root = roots_[i];
    if (root.subkeys.empty() && root.values.empty()) continue;
    std::string path = kRootNames[i];
    SerialiseKey(root, path, out);
  }
  return out;
}

RegistryStore RegistryStore::Parse(std::string_view text) {
  RegistryStore store;
  RegKey* current = nullptr;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    start = end + 1;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.empty() || line[0] == ';') continue;
    if (line[0] == '[' && line.back() == ']') {
      auto parts = SplitKeyPath(line.substr(1, line.size() - 2));
      current = nullptr;
      // A key deeper than the registry allows is skipped with its values.
      if (parts.empty() || parts.size() > kMaxKeyDepth + 1) continue;
      for (int i = 0; i < kRootCount; ++i)
        if (EqualsIgnoringCase(parts[0], kRootNames[i])) current = &store.roots_[i];
      for (size_t p = 1; current && p < parts.size(); ++p) current = &current->Add(parts[p]);
      continue;
    }
    RegValue value;
    if (current && ParseValueLine(line, value)) {
      if (RegValue* existing = current->FindValue(value.name))
        *existing = std::move(value);
      else
        current->values.push_back(std::move(value));
    }
  }
  return store;
}

std::vector<std::string> SplitKeyPath(std::string_view path) {
  std::vector<std::string> parts;
  size_t start = 0;
  while (start <= path.size()) {
    size_t end = path.find('\\', start);
    if (end == std::string_view::npos) end = path.size();
    if (end > start) parts.emplace_back(path.substr(start, end - start));
    start = end + 1;
  }
  return parts;
}

}  // namespace win::kernel
