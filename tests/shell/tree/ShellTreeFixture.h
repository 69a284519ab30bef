// The shell tree's tests: a shown tree over a temporary base folder, linked
// to a shown list unless told not, its change notices counted and a drag or
// popup menu under way simulated; keys, clicks and menu keys through the
// headless host, and the waits for the change thread bounded.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "controls/shell/UNavShConsts.h"
#include "controls/shell/UNavShellControls.h"
#include "controls/shell/UNavShellUtils.h"
#include "platform/host/headless.h"
#include "platform/win/drums_ext.h"
#include "tests/support/HostKeys.h"
#include "tests/shell/shared/NoticeWait.h"
#include "tests/shell/shared/ShellHome.h"
#include "tests/shell/shared/ShellPidl.h"
#include "tests/shell/shared/ViewHost.h"
#include "tests/support/HostMouse.h"

namespace shelltreetest {

namespace fs = std::filesystem;

// The tree with its change notices counted and a drag or popup menu under
// way simulated.
class TTestShellTree : public TNavShellTree {
 public:
  using TNavShellTree::TNavShellTree;
  int notices = 0;
  bool busy = false;
  bool Busy() const override { return busy || TNavShellTree::Busy(); }

 protected:
  void WndProc(TMessage& message) override {
    if (message.Msg == WM_FOLDERCONTENTSCHANGED) ++notices;
    TNavShellTree::WndProc(message);
  }
};

// The shell's name of a path below the temporary home.
inline std::string ShellPath(const std::string& posix) {
  TShellPidl list;
  if (FAILED(PathToPidl(posix, &list.p))) return "";
  return PidlToPath(list.p);
}

inline std::vector<std::string> ChildNames(TTreeNode* node) {
  std::vector<std::string> names;
  for (TTreeNode* child = node->GetFirstChild(); child; child = child->GetNextSibling())
    names.push_back(child->GetText());
  return names;
}

class ShellTreeTest : public shelltest::ViewHostTest {
 protected:
  std::string HostTitle() const override { return "Shell tree"; }
  void SetUp() override {
    ViewHostTest::SetUp();
    base = home.MakeFolder("kit");
  }
  void TearDown() override {
    win::user::SetIdleHook(nullptr);
    delete list;
    delete tree;
    list = nullptr;
    tree = nullptr;
    ViewHostTest::TearDown();
  }

  // A shown tree on the base folder, linked to a shown list unless told not.
  void MakeTree(bool linked = true) {
    tree = new TTestShellTree(host);
    tree->SetParent(host);
    tree->SetBounds(10, 10, 250, 400);
    tree->GetBaseFolder()->SetFolderPath(base);
    if (linked) {
      list = new TNavShellList(host);
      list->SetParent(host);
      list->SetBounds(270, 10, 360, 400);
      list->SetViewStyle(vsReport);
      list->OnFolderChanged = [this](TObject*) { ++listMoves; };
      tree->SetShellList(list);
    }
    Pump();
  }
  // The node at a path of captions below the top node ("" is the top).
  TTreeNode* Node(const std::string& path) {
    TTreeNode* node = tree->TopNode();
    std::size_t start = 0;
    while (node && start < path.size()) {
      std::size_t end = path.find('/', start);
      if (end == std::string::npos) end = path.size();
      const std::string name = path.substr(start, end - start);
      TTreeNode* child = node->GetFirstChild();
      while (child && child->GetText() != name) child = child->GetNextSibling();
      node = child;
      start = end + 1;
    }
    return node;
  }
  std::string NodePath(TTreeNode* node) { return PidlToPath(tree->NodeData(node)->AbsIdList()); }
  std::vector<std::string> ListCaptions() {
    std::vector<std::string> names;
    for (int i = 0; i < list->GetItems()->GetCount(); ++i) names.push_back(list->GetItems()->GetItem(i)->GetCaption());
    return names;
  }
  void PushKey(int vk, std::uint32_t modifiers = 0) { testsupport::PushKey(tree, vk, modifiers); }
  void Key(int vk, std::uint32_t modifiers = 0) {
    PushKey(vk, modifiers);
    Pump();
  }
  void Type(const std::string& text) {
    testsupport::PushText(tree, text);
    Pump();
  }
  // Selects the node at once, with the tree focused.
  void Choose(TTreeNode* node) {
    ASSERT_NE(node, nullptr);
    tree->SetFocus();
    Pump();
    ClickNode(node);
  }
  void ClickNode(TTreeNode* node) {
    const TRect r = node->DisplayRect(true);
    testsupport::PushClick(tree, (r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
    Pump();
  }
  // Runs actions in the popup menu that the next command opens, one per
  // idle pass of the menu loop: a key to push, or a step of the test.
  void InNextMenu(std::vector<std::function<void()>> steps) {
    menuSteps = std::move(steps);
    win::user::SetIdleHook([this] {
      if (!menuSteps.empty()) {
        auto step = menuSteps.front();
        menuSteps.erase(menuSteps.begin());
        step();
      }
      return true;
    });
  }
  std::function<void()> MenuKey(int vk) {
    return [this, vk] { PushKey(vk); };
  }
  void AwaitNotices(int seen) {
    shelltest::AwaitNoticeAfter(tree->notices, seen, [this] { Pump(); });
  }
  void AdvanceMs(int ms) {
    shelltest::AdvanceClockMs(ms, [this] { Pump(); });
  }

  TShellHome home;
  std::string base;
  TTestShellTree* tree = nullptr;
  TNavShellList* list = nullptr;
  int listMoves = 0;
  std::vector<std::function<void()>> menuSteps;
};

}  // namespace shelltreetest
