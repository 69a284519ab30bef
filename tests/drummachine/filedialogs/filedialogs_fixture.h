// The drum machine's own file dialogs on their own: the application started
// as the program starts it with the dialogs' form resources, a song model
// whose program folder is a folder of the test's own (also the current
// directory), and message boxes answered at once and kept for the test.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "drummachine/core/MainModel.h"
#include "platform/host/headless.h"
#include "platform/vcl/Forms.h"
#include "platform/win/drums_ext.h"
#include "tests/support/HostKeys.h"
#include "tests/support/HeadlessApplication.h"
#include "tests/support/HostMouse.h"
#include "tests/support/ModalScript.h"
#include "tests/support/TempFolder.h"

void RegisterResources_filedialogs_forms();
void UnregisterResources_filedialogs_forms();

namespace filedialogstest {

namespace fs = std::filesystem;
using testsupport::TModalScript;

class FileDialogs : public ::testing::Test {
 protected:
  void SetUp() override {
    previous = fs::current_path();
    fs::current_path(folder.Path());
    model.ProgramFolder = folder.Path();
    testsupport::StartApplication(
        "Brenkavar Tambrel",
        {kAllProgramParts, {{RegisterResources_filedialogs_forms, UnregisterResources_filedialogs_forms}}});
    win::user::SetMessageBoxAnswer([](const win::user::MessageBoxRecord&) { return IDOK; });
  }

  void TearDown() override {
    win::user::SetMessageBoxAnswer({});
    testsupport::StopApplication();
    fs::current_path(previous);
  }

  void Pump() { Application->ProcessMessages(); }

  // The texts of the message boxes shown since the last call.
  static std::vector<std::string> Messages() {
    std::vector<std::string> texts;
    for (const auto& box : win::user::TakeMessageBoxRecords()) texts.push_back(box.text);
    return texts;
  }

  // A path as the system spells it in full ("C:\...").
  static std::string Full(const std::string& path) {
    char full[MAX_PATH] = {};
    GetFullPathNameA(path.c_str(), sizeof full, full, nullptr);
    return full;
  }

  static void QueueClick(TControl* control, int clicks = 1) {
    testsupport::PushClick(control, control->GetWidth() / 2, control->GetHeight() / 2, clicks);
  }

  TempFolder folder;
  fs::path previous;
  TMainModel model;
};

}  // namespace filedialogstest
