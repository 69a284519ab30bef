// Dialogs driven on their own: the application started as the program starts
// it with the dialogs' form resources, a song model whose program folder is a
// folder of the test's own (also the current directory, the earlier one put
// back afterwards), and message boxes answered at once and kept for the test.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>

#include "drummachine/core/MainModel.h"
#include "drummachine/startup/ProgramStartup.h"
#include "platform/vcl/Forms.h"
#include "platform/win/drums_ext.h"
#include "tests/support/HeadlessApplication.h"
#include "tests/support/TempFolder.h"

namespace testsupport {

class DialogFormsTest : public ::testing::Test {
 protected:
  explicit DialogFormsTest(TProgramResources forms) : dialogForms(forms) {}

  void SetUp() override {
    previous = std::filesystem::current_path();
    std::filesystem::current_path(folder.Path());
    model.ProgramFolder = folder.Path();
    StartApplication("Brenkavar Tambrel", {kAllProgramParts, {dialogForms}});
    win::user::SetMessageBoxAnswer([](const win::user::MessageBoxRecord&) { return IDOK; });
  }

  // Stopping the application forgets the message-box answer too.
  void TearDown() override {
    StopApplication();
    std::filesystem::current_path(previous);
  }

  void Pump() { Application->ProcessMessages(); }

  TempFolder folder;
  std::filesystem::path previous;
  TMainModel model;

 private:
  TProgramResources dialogForms;
};

}  // namespace testsupport
