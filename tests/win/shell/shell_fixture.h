// A temporary home with a desktop folder, and small helpers over the shell's
// interfaces. HOME and XDG_CONFIG_HOME point into the temporary folder while
// a test runs.
#pragma once

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/win/shlobj.h"

namespace shell_test {

inline std::wstring Wide(const std::string& utf8) {
  std::wstring out;
  for (std::size_t i = 0; i < utf8.size();) {
    const unsigned char c = static_cast<unsigned char>(utf8[i]);
    const int length = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
    char32_t cp = length == 1 ? c : (c & (0x3F >> (length - 1)));
    for (int k = 1; k < length; ++k) cp = (cp << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
    out += static_cast<wchar_t>(cp);
    i += length;
  }
  return out;
}

// Owns one reference of an interface.
template <class T>
struct Ref {
  T* p = nullptr;
  Ref() = default;
  Ref(const Ref&) = delete;
  Ref& operator=(const Ref&) = delete;
  Ref(Ref&& other) noexcept : p(other.p) { other.p = nullptr; }
  ~Ref() {
    if (p) p->Release();
  }
  T* operator->() const { return p; }
  T** Out() { return &p; }
  void** OutVoid() { return reinterpret_cast<void**>(&p); }
};

// Owns an item list from the task allocator.
struct Pidl {
  LPITEMIDLIST p = nullptr;
  Pidl() = default;
  Pidl(const Pidl&) = delete;
  Pidl& operator=(const Pidl&) = delete;
  Pidl(Pidl&& other) noexcept : p(other.p) { other.p = nullptr; }
  ~Pidl() { CoTaskMemFree(p); }
  LPITEMIDLIST* Out() { return &p; }
};

class ShellTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/shell-test-XXXXXX";
    root_ = mkdtemp(pattern);
    home_ = root_ + "/home";
    desktop_ = home_ + "/Desktop";
    std::filesystem::create_directories(desktop_);
    savedHome_ = Env("HOME");
    savedConfig_ = Env("XDG_CONFIG_HOME");
    setenv("HOME", home_.c_str(), 1);
    setenv("XDG_CONFIG_HOME", (home_ + "/.config").c_str(), 1);
    ASSERT_EQ(SHGetDesktopFolder(desktop.Out()), S_OK);
  }

  void TearDown() override {
    Restore("HOME", savedHome_);
    Restore("XDG_CONFIG_HOME", savedConfig_);
    std::error_code ignored;
    std::filesystem::permissions(root_, std::filesystem::perms::owner_all, ignored);
    for (auto& entry : std::filesystem::recursive_directory_iterator(root_, ignored))
      std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_all, std::filesystem::perm_options::add,
                                   ignored);
    std::filesystem::remove_all(root_, ignored);
  }

  void MakeFile(const std::string& path, const std::string& content = "x") { std::ofstream(path) << content; }

  // ParseDisplayName on the desktop.
  HRESULT Parse(const std::string& path, Pidl* out) {
    std::wstring wide = Wide(path);
    return desktop->ParseDisplayName(nullptr, nullptr, wide.data(), nullptr, out->Out(), nullptr);
  }

  std::string PathOf(LPCITEMIDLIST pidl) {
    char buffer[MAX_PATH];
    return SHGetPathFromIDListA(pidl, buffer) ? buffer : "<none>";
  }

  // The Windows form the shell hands out for a POSIX path.
  static std::string Shown(const std::string& posix) {
    std::string out = "C:" + posix;
    for (char& c : out)
      if (c == '/') c = '\\';
    return out;
  }

  static std::string NameOf(IShellFolder* folder, LPCITEMIDLIST pidl, SHGDNF flags) {
    STRRET name{};
    if (folder->GetDisplayNameOf(pidl, flags, &name) != S_OK) return "<failed>";
    EXPECT_EQ(name.uType, static_cast<UINT>(STRRET_CSTR));
    return name.cStr;
  }

  // The in-folder names EnumObjects lists, in its order.
  std::vector<std::string> Names(IShellFolder* folder, SHCONTF flags) {
    Ref<IEnumIDList> items;
    EXPECT_EQ(folder->EnumObjects(nullptr, flags, items.Out()), S_OK);
    std::vector<std::string> names;
    LPITEMIDLIST item = nullptr;
    while (items->Next(1, &item, nullptr) == S_OK) {
      names.push_back(NameOf(folder, item, SHGDN_INFOLDER));
      CoTaskMemFree(item);
    }
    return names;
  }

  Ref<IShellFolder> desktop;
  std::string root_, home_, desktop_;

 private:
  static std::string Env(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "\x01";
  }
  static void Restore(const char* name, const std::string& value) {
    if (value == "\x01")
      unsetenv(name);
    else
      setenv(name, value.c_str(), 1);
  }
  std::string savedHome_, savedConfig_;
};

}  // namespace shell_test
