// The shell list's tests: a shown list in details view over a temporary
// folder, its change notices counted, a popup menu or caption edit under
// way simulated, and the waits for the change thread bounded.
#pragma once

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "controls/shell/UNavShConsts.h"
#include "controls/shell/UNavShellControls.h"
#include "controls/shell/UNavShellUtils.h"
#include "platform/win/drums_ext.h"
#include "tests/shell/shared/NoticeWait.h"
#include "tests/shell/shared/ShellHome.h"
#include "tests/shell/shared/ViewHost.h"

namespace shelllisttest {

// The list with its header click reachable, the change notices counted and
// a menu or edit under way simulated.
class TTestShellList : public TNavShellList {
 public:
  using TNavCustomShellList::CanEdit;
  using TNavCustomShellList::ColClick;
  using TNavShellList::TNavShellList;
  int notices = 0;
  // Stands for a popup menu or a caption edit under way.
  bool busy = false;

 protected:
  bool Busy() override { return busy || TNavShellList::Busy(); }
  void WndProc(TMessage& message) override {
    if (message.Msg == WM_FOLDERCONTENTSCHANGED) ++notices;
    TNavShellList::WndProc(message);
  }
};

class ShellListTest : public shelltest::ViewHostTest {
 protected:
  void SetUp() override {
    ViewHostTest::SetUp();
    folder = home.MakeFolder("kit");
  }
  void TearDown() override {
    delete list;
    list = nullptr;
    ViewHostTest::TearDown();
  }

  // A shown list in details view on the folder, filled.
  void MakeList(const std::string& filter = "") {
    list = new TTestShellList(host);
    list->SetParent(host);
    list->SetBounds(10, 10, 600, 380);
    list->SetViewStyle(vsReport);
    list->SetFileFilter(filter);
    list->OnFillComplete = [this](TObject*) { ++fills; };
    list->GetFolder()->SetFolderPath(folder);
    Pump();
  }
  std::vector<std::string> Captions() const {
    std::vector<std::string> names;
    for (int i = 0; i < list->GetItems()->GetCount(); ++i) names.push_back(list->GetItems()->GetItem(i)->GetCaption());
    return names;
  }
  std::set<std::string> CaptionSet() const {
    std::vector<std::string> names = Captions();
    return {names.begin(), names.end()};
  }
  void AwaitNotices(int seen = 0) {
    shelltest::AwaitNoticeAfter(list->notices, seen, [this] { Pump(); });
  }
  void AdvanceMs(int ms) {
    shelltest::AdvanceClockMs(ms, [this] { Pump(); });
  }

  TShellHome home;
  std::string folder;
  TTestShellList* list = nullptr;
  int fills = 0;
};

}  // namespace shelllisttest
