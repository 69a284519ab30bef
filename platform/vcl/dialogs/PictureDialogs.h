// TOpenPictureDialog: the open dialog for pictures, with a preview beside
// the file list of the picture selected there and its size.
#pragma once

#include <memory>

#include "platform/vcl/dialogs/FileDialogs.h"
#include "platform/vcl/graphics/Picture.h"

class TOpenPictureDialog : public TOpenDialog {
  DRUMS_CLASS(TOpenPictureDialog, TOpenDialog)

 public:
  // The filter starts as every registered picture format.
  explicit TOpenPictureDialog(TComponent* AOwner);
  ~TOpenPictureDialog() override;

  // What the preview shows now (empty when the selection is no picture),
  // and the file it came from.
  TPicture* GetPreviewPicture() const { return FPicture.get(); }
  const std::string& GetPreviewFileName() const { return FPreviewFile; }

  // Size of the preview area beside the file list.
  static constexpr int kPreviewWidth = 176;

 protected:
  void DoSelectionChange() override;
  void DoClose() override;
  void HookInit(HWND child) override;
  UINT_PTR HookMessage(HWND child, UINT msg, WPARAM wParam, LPARAM lParam) override;

 private:
  void Paint(HWND child, HDC dc);

  std::unique_ptr<TPicture> FPicture;
  std::string FPreviewFile;
  HWND FChild = nullptr;
};
