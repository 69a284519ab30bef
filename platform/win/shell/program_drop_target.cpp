#include "platform/win/shell/program_drop_target.h"

#include <sys/stat.h>
#include <unistd.h>

#include <vector>

#include "platform/win/kernel/paths.h"
#include "platform/win/shell/com_base.h"
#include "platform/win/shell/data_object.h"
#include "platform/win/shell/opener.h"
#include "platform/win/windows.h"

namespace win::shell {

namespace {

class ProgramDropTarget final : public ComObject<IDropTarget> {
 public:
  explicit ProgramDropTarget(std::string program) : program_(std::move(program)) {}

  HRESULT QueryInterface(REFIID riid, void** ppv) override {
    return Answer(ppv, riid == IID_IUnknown || riid == IID_IDropTarget);
  }

  HRESULT DragEnter(IDataObject* data, DWORD, POINTL, DWORD* effect) override {
    if (!effect) return E_INVALIDARG;
    hasFiles_ = !DroppedFilePaths(data).empty();
    *effect = Choose(*effect);
    return S_OK;
  }

  HRESULT DragOver(DWORD, POINTL, DWORD* effect) override {
    if (!effect) return E_INVALIDARG;
    *effect = Choose(*effect);
    return S_OK;
  }

  HRESULT DragLeave() override {
    hasFiles_ = false;
    return S_OK;
  }

  HRESULT Drop(IDataObject* data, DWORD, POINTL, DWORD* effect) override {
    if (!effect) return E_INVALIDARG;
    const std::vector<std::string> paths = DroppedFilePaths(data);
    hasFiles_ = !paths.empty();
    *effect = Choose(*effect);
    hasFiles_ = false;
    if (*effect == DROPEFFECT_NONE) return S_OK;
    std::vector<std::string> argv{program_};
    argv.insert(argv.end(), paths.begin(), paths.end());
    if (Launch(argv)) return S_OK;
    *effect = DROPEFFECT_NONE;
    return E_FAIL;
  }

 private:
  // The program only reads the files: a copy is all it can offer.
  DWORD Choose(DWORD allowed) const { return hasFiles_ && (allowed & DROPEFFECT_COPY) ? DROPEFFECT_COPY : 0; }

  std::string program_;
  bool hasFiles_ = false;
};

}  // namespace

bool IsProgramFile(const std::string& path) {
  struct stat info {};
  return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && access(path.c_str(), X_OK) == 0;
}

IDropTarget* CreateProgramDropTarget(const std::string& programPath) {
  return new ProgramDropTarget(programPath);
}

}  // namespace win::shell
