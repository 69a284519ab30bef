#include "platform/win/shell/folder_drop_target.h"

#include <sys/stat.h>
#include <unistd.h>

#include <vector>

#include "platform/win/kernel/paths.h"
#include "platform/win/shell/com_base.h"
#include "platform/win/shell/data_object.h"
#include "platform/win/shell/file_moves.h"
#include "platform/win/windows.h"

namespace win::shell {

namespace {

class FolderDropTarget final : public ComObject<IDropTarget> {
 public:
  explicit FolderDropTarget(std::string folder) : folder_(std::move(folder)) {}

  HRESULT QueryInterface(REFIID riid, void** ppv) override {
    return Answer(ppv, riid == IID_IUnknown || riid == IID_IDropTarget);
  }

  HRESULT DragEnter(IDataObject* data, DWORD keys, POINTL, DWORD* effect) override {
    if (!effect) return E_INVALIDARG;
    sources_ = DroppedFilePaths(data);
    *effect = Choose(keys, *effect);
    return S_OK;
  }

  HRESULT DragOver(DWORD keys, POINTL, DWORD* effect) override {
    if (!effect) return E_INVALIDARG;
    *effect = Choose(keys, *effect);
    return S_OK;
  }

  HRESULT DragLeave() override {
    sources_.clear();
    return S_OK;
  }

  HRESULT Drop(IDataObject* data, DWORD keys, POINTL, DWORD* effect) override {
    if (!effect) return E_INVALIDARG;
    sources_ = DroppedFilePaths(data);
    *effect = Choose(keys, *effect);
    HRESULT result = S_OK;
    for (const std::string& source : sources_) {
      std::string placed;
      if (*effect == DROPEFFECT_COPY) placed = CopyInto(source, folder_);
      if (*effect == DROPEFFECT_MOVE) placed = MoveInto(source, folder_);
      if (*effect == DROPEFFECT_LINK) placed = LinkInto(source);
      if (placed.empty()) result = E_FAIL;
    }
    sources_.clear();
    return result;
  }

 private:
  DWORD Choose(DWORD keys, DWORD allowed) const {
    if (sources_.empty()) return DROPEFFECT_NONE;
    struct stat target {
    }, source{};
    const bool sameVolume = stat(folder_.c_str(), &target) == 0 && stat(sources_[0].c_str(), &source) == 0 &&
                            target.st_dev == source.st_dev;
    return DropEffectFor(keys, sameVolume, allowed);
  }

  std::string LinkInto(const std::string& source) const {
    const std::string name = source.substr(source.find_last_of('/') + 1);
    const std::string link = folder_ + "/" + FreeCopyName(folder_, name);
    return symlink(source.c_str(), link.c_str()) == 0 ? link : std::string();
  }

  std::string folder_;
  std::vector<std::string> sources_;
};

}  // namespace

DWORD DropEffectFor(DWORD keys, bool sameVolume, DWORD allowed) {
  DWORD wanted = sameVolume ? DROPEFFECT_MOVE : DROPEFFECT_COPY;
  const bool control = keys & MK_CONTROL, shift = keys & MK_SHIFT;
  if ((control && shift) || (keys & MK_ALT))
    wanted = DROPEFFECT_LINK;
  else if (control)
    wanted = DROPEFFECT_COPY;
  else if (shift)
    wanted = DROPEFFECT_MOVE;
  if (allowed & wanted) return wanted;
  for (DWORD fallback : {DROPEFFECT_COPY, DROPEFFECT_MOVE, DROPEFFECT_LINK}) {
    if (allowed & fallback) return fallback;
  }
  return DROPEFFECT_NONE;
}

IDropTarget* CreateFolderDropTarget(const std::string& folderPath) {
  return new FolderDropTarget(folderPath);
}

}  // namespace win::shell
