// The shell tree's watching: the folders of the expanded nodes (and of the
// collapsed ones that keep their listed children), nearest to the selection
// first, within the change thread's slots; their notices
// refresh the tree after a quiet delay. Volumes coming and going refresh it
// as well.
#include <algorithm>
#include <set>

#include "controls/shell/UNavShConsts.h"
#include "controls/shell/UNavShellControls/ShellTree.h"
#include "controls/shell/UNavShellUtils/MyComputer.h"
#include "controls/shell/UNavShellUtils/ShellItems.h"

namespace {

constexpr int kWatchTagRefresh = 2;

// The node and its ancestors, the node first.
std::vector<TTreeNode*> TreeLineOf(TTreeNode* node) {
  std::vector<TTreeNode*> line;
  for (; node; node = node->GetParent()) line.push_back(node);
  return line;
}

// Steps from one node to the other through their nearest common ancestor.
int TreeDistance(const std::vector<TTreeNode*>& from, TTreeNode* to) {
  int up = 0;
  for (TTreeNode* n = to; n; n = n->GetParent(), ++up) {
    const auto at = std::find(from.begin(), from.end(), n);
    if (at != from.end()) return up + static_cast<int>(at - from.begin());
  }
  return up + static_cast<int>(from.size());
}

}  // namespace

std::vector<std::string> TNavCustomShellTree::WatchCandidates() {
  struct TCandidate {
    int distance;
    std::string path;
  };
  std::vector<TCandidate> candidates;
  const std::vector<TTreeNode*> selection = TreeLineOf(GetSelected());
  TTreeNode* top = TopNode();
  for (TTreeNode* node = GetItems()->GetFirstNode(); node; node = node->GetNext()) {
    // A collapsed node keeps its children: they must not go stale while it
    // is closed.
    if (node != top && !node->GetExpanded() && node->GetCount() == 0) continue;
    TNavShTreeData* data = NodeData(node);
    if (!data) continue;
    const std::string path = PidlToPath(data->AbsIdList());
    if (path.empty()) continue;
    candidates.push_back({TreeDistance(selection, node), path});
  }
  std::stable_sort(candidates.begin(), candidates.end(),
                   [](const TCandidate& a, const TCandidate& b) { return a.distance < b.distance; });
  std::vector<std::string> paths;
  std::set<std::string> seen;
  for (const TCandidate& c : candidates) {
    if (static_cast<int>(paths.size()) == kWatchSlots) break;
    if (seen.insert(c.path).second) paths.push_back(c.path);
  }
  return paths;
}

void TNavCustomShellTree::StartChangeWatch() {
  if (!HandleAllocated()) return;
  if (!FChangeThread) FChangeThread = std::make_unique<TChangeHandlerThread>(GetHandle(), WM_FOLDERCONTENTSCHANGED);
  WatchFolder("");
  for (const std::string& path : WatchCandidates()) WatchFolder(path);
}

void TNavCustomShellTree::UpdateWatches() {
  if (!FChangeThread || !HasOption(navstoDynamicRefresh) || Designing() || FUpdateNesting > 0) return;
  if (WatchCandidates() == FWatched) return;
  StartChangeWatch();
}

void TNavCustomShellTree::WatchFolder(const std::string& path) {
  if (!FChangeThread) {
    if (!HandleAllocated()) return;
    FChangeThread = std::make_unique<TChangeHandlerThread>(GetHandle(), WM_FOLDERCONTENTSCHANGED);
  }
  if (path.empty()) {
    FChangeThread->ClearWatches();
    FWatched.clear();
    return;
  }
  DWORD filter = FILE_NOTIFY_CHANGE_DIR_NAME;
  if (HasOption(navstoIncludeNonFolders)) filter |= FILE_NOTIFY_CHANGE_FILE_NAME;
  int slot = -1;
  if (FChangeThread->AddWatch(path, filter, slot, false)) FWatched.push_back(path);
}

void TNavCustomShellTree::WMFolderContentsChanged(TMessage&) {
  if (FSelfCaused) {
    FSelfCaused = false;
    return;
  }
  // A drag or a popup menu under way: the refresh waits for its end instead
  // of being lost.
  if (Busy()) {
    Defer(false);
    return;
  }
  FPendingRefresh = true;
  StartTimer(Focused() ? TNavCustomShellList::kFocusedRefreshDelay : TNavCustomShellList::kRefreshDelay,
             kWatchTagRefresh);
}

void TNavCustomShellTree::DeviceChange(TMessage& message) {
  if (message.WParam != DBT_DEVICEARRIVAL && message.WParam != DBT_DEVICEREMOVECOMPLETE) return;
  RevalidateMyComputer();
  // The shell reads the drives once, however many refreshes follow.
  BeginMyComputerRefresh();
  try {
    RefreshContents();
  } catch (...) {
    EndMyComputerRefresh();
    throw;
  }
  EndMyComputerRefresh();
}
