// The drum machine's own file dialogs on their own: the application started
// as the program starts it with the dialogs' form resources, a song model
// whose program folder is a folder of the test's own (also the current
// directory), and message boxes answered at once and kept for the test.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/host/headless.h"
#include "platform/vcl/Forms.h"
#include "platform/win/drums_ext.h"
#include "tests/support/DialogFormsTest.h"
#include "tests/support/FullPath.h"
#include "tests/support/HostKeys.h"
#include "tests/support/HostMouse.h"
#include "tests/support/ModalScript.h"

void RegisterResources_filedialogs_forms();
void UnregisterResources_filedialogs_forms();

namespace filedialogstest {

namespace fs = std::filesystem;
using testsupport::FullPath;
using testsupport::TModalScript;

class FileDialogs : public testsupport::DialogFormsTest {
 protected:
  FileDialogs() : DialogFormsTest({RegisterResources_filedialogs_forms, UnregisterResources_filedialogs_forms}) {}

  // The texts of the message boxes shown since the last call.
  static std::vector<std::string> Messages() {
    std::vector<std::string> texts;
    for (const auto& box : win::user::TakeMessageBoxRecords()) texts.push_back(box.text);
    return texts;
  }

  static void QueueClick(TControl* control, int clicks = 1) {
    testsupport::PushClick(control, control->GetWidth() / 2, control->GetHeight() / 2, clicks);
  }
};

}  // namespace filedialogstest
