// The context-menu tests' ground: a temporary home and user folder, the
// class library started on the headless host with message boxes answered
// and recorded.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "controls/shell/UNavShell95.h"
#include "controls/shell/UNavShellControls.h"
#include "controls/shell/UNavShellUtils.h"
#include "platform/win/drums_ext.h"
#include "platform/win/windows.h"
#include "tests/shell/shared/ShellHome.h"
#include "tests/shell/shared/ShellPidl.h"
#include "tests/support/HeadlessApplication.h"

class MenusTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testsupport::StartApplication("Shell menus");
    InitNavShellControls();
    win::user::SetMessageBoxAnswer([](const win::user::MessageBoxRecord&) { return IDOK; });
  }
  void TearDown() override {
    DoneNavShellControls();
    testsupport::StopApplication();
  }

  // The folder the shell lists, and one of its items as a relative list.
  IShellFolder* BindFolder(const std::string& path) {
    TShellPidl list;
    EXPECT_EQ(PathToPidl(path, &list.p), S_OK) << path;
    IShellFolder* folder = nullptr;
    EXPECT_EQ(GetShellFolder(list.p, &folder), S_OK);
    return folder;
  }
  // A new list from the shell allocator, for a TShellPidl to own.
  static LPITEMIDLIST ChildOf(const std::string& path) {
    TShellPidl absolute;
    EXPECT_EQ(PathToPidl(path, &absolute.p), S_OK) << path;
    TNavIdListArray items(absolute.p);
    return CopyPidl(nullptr, items.Item(items.GetCount() - 1));
  }

  TShellHome home;
};
