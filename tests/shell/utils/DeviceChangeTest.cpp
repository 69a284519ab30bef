// The device-change dispatcher: handlers run after the broadcast, once each,
// from the posted message, and one failing handler does not stop the others.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "controls/shell/UNavShConsts.h"
#include "controls/shell/UNavShellUtils.h"
#include "platform/vcl/Forms.h"
#include "platform/win/drums_ext.h"
#include "tests/shell/shared/ShellHome.h"
#include "tests/support/HeadlessApplication.h"

namespace {

struct TCall {
  std::string who;
  UINT msg;
  WPARAM event;
  DWORD unitMask;
};

class TRecorder {
 public:
  TRecorder(std::string name, std::vector<TCall>& calls) : FName(std::move(name)), FCalls(calls) {}
  void DeviceChange(TMessage& message) {
    DWORD mask = 0;
    if (message.LParam) mask = reinterpret_cast<const DEV_BROADCAST_VOLUME*>(message.LParam)->dbcv_unitmask;
    FCalls.push_back({FName, message.Msg, message.WParam, mask});
    if (Throw == 1) throw Exception("handler failed");
    if (Throw == 2) throw std::runtime_error("not the library's");
  }
  int Throw = 0;

 private:
  std::string FName;
  std::vector<TCall>& FCalls;
};

void ProcessPending() {
  MSG m;
  while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&m);
}

class DeviceChangeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testsupport::StartApplication("Device changes");
    win::user::SetMessageBoxAnswer([](const win::user::MessageBoxRecord&) { return IDOK; });
    ProcessPending();
  }
  void TearDown() override {
    FreeDeviceChangeHandler();
    testsupport::StopApplication();
  }

  TShellHome home;
  std::vector<TCall> calls;
  TRecorder first{"first", calls};
  TRecorder second{"second", calls};
};

TEST_F(DeviceChangeTest, HandlersRunOnceEachWhenThePostedMessageArrives) {
  TNavDeviceChangeHandler* handler = DeviceChangeHandler();
  EXPECT_EQ(DeviceChangeHandler(), handler);
  handler->RegisterMethod<&TRecorder::DeviceChange>(&first);
  handler->RegisterMethod<&TRecorder::DeviceChange>(&second);

  win::user::AnnounceVolumeArrival("/media/drums-test-stick");
  EXPECT_TRUE(calls.empty()) << "a handler ran inside the broadcast";
  ProcessPending();
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_EQ(calls[0].who, "first");
  EXPECT_EQ(calls[1].who, "second");
  for (const TCall& c : calls) {
    EXPECT_EQ(c.msg, WM_DEFERREDDEVICECHANGE);
    EXPECT_EQ(c.event, static_cast<WPARAM>(DBT_DEVICEARRIVAL));
    // The volume record is still readable after the broadcast has returned.
    EXPECT_NE(c.unitMask, 0u);
  }

  calls.clear();
  handler->UnregisterMethod<&TRecorder::DeviceChange>(&first);
  win::user::AnnounceVolumeRemoval("/media/drums-test-stick");
  ProcessPending();
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].who, "second");
  EXPECT_EQ(calls[0].event, static_cast<WPARAM>(DBT_DEVICEREMOVECOMPLETE));
}

TEST_F(DeviceChangeTest, AFailingHandlerIsReportedAndTheNextStillRuns) {
  TNavDeviceChangeHandler* handler = DeviceChangeHandler();
  handler->RegisterMethod<&TRecorder::DeviceChange>(&first);
  handler->RegisterMethod<&TRecorder::DeviceChange>(&second);
  first.Throw = 1;
  win::user::AnnounceVolumeArrival("/media/drums-test-stick");
  ProcessPending();
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_EQ(calls[1].who, "second");
  const auto boxes = win::user::TakeMessageBoxRecords();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_NE(boxes[0].text.find("handler failed"), std::string::npos);

  // Not the library's exception: the others run, then it goes on.
  calls.clear();
  first.Throw = 2;
  win::user::AnnounceVolumeArrival("/media/drums-test-stick");
  EXPECT_THROW(ProcessPending(), std::runtime_error);
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_EQ(calls[1].who, "second");
}

}  // namespace
