// A temporary home with a desktop folder and a user folder for the shell
// controls' tests: HOME, the XDG folders and DRUMS_USER_DIR point into it
// while the object lives, and come back afterwards.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "tests/support/TempFolder.h"

class TShellHome {
 public:
  TShellHome() {
    Home = Root / "home";
    Desktop = Home + "/Desktop";
    std::filesystem::create_directories(Desktop);
    std::filesystem::create_directories(Root / "user");
    Set("HOME", Home);
    Set("XDG_CONFIG_HOME", Home + "/.config");
    Set("XDG_DATA_HOME", Home + "/.local/share");
    Set("DRUMS_USER_DIR", Root / "user");
  }
  ~TShellHome() {
    for (auto it = FSaved.rbegin(); it != FSaved.rend(); ++it) {
      if (it->second)
        setenv(it->first.c_str(), it->second->c_str(), 1);
      else
        unsetenv(it->first.c_str());
    }
  }
  TShellHome(const TShellHome&) = delete;
  TShellHome& operator=(const TShellHome&) = delete;

  // Makes a folder (and its parents) below the home; returns its path.
  std::string MakeFolder(const std::string& relative) const {
    const std::string path = Home + "/" + relative;
    std::filesystem::create_directories(path);
    return path;
  }
  std::string MakeFile(const std::string& relative, const std::string& bytes = "x") const {
    Root.WriteBytes("home/" + relative, bytes);
    return Home + "/" + relative;
  }

  TempFolder Root;
  std::string Home;
  std::string Desktop;

 private:
  void Set(const char* name, const std::string& value) {
    const char* old = std::getenv(name);
    FSaved.emplace_back(name, old ? std::optional<std::string>(old) : std::nullopt);
    setenv(name, value.c_str(), 1);
  }

  std::vector<std::pair<std::string, std::optional<std::string>>> FSaved;
};
