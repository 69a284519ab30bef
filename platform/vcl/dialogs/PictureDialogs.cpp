#include "platform/vcl/dialogs/PictureDialogs.h"

#include <algorithm>

#include "platform/vcl/graphics/Canvas.h"
#include "platform/vcl/graphics/FileFormats.h"
#include "platform/vcl/graphics/Graphic.h"
#include "platform/vcl/rtl/Exceptions.h"
#include "platform/win/winbase.h"

namespace {
constexpr int kMargin = 8;
constexpr int kLabelHeight = 18;
}  // namespace

TOpenPictureDialog::TOpenPictureDialog(TComponent* AOwner)
    : TOpenDialog(AOwner), FPicture(std::make_unique<TPicture>()) {
  SetFilter(GraphicFilter(TGraphic::StaticClass()));
}

TOpenPictureDialog::~TOpenPictureDialog() = default;

void TOpenPictureDialog::HookInit(HWND child) {
  FChild = child;
  FPicture->SetGraphic(nullptr);
  FPreviewFile.clear();
  RECT r;
  GetClientRect(child, &r);
  SetWindowPos(child, nullptr, 0, 0, kPreviewWidth, r.bottom, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TOpenPictureDialog::DoSelectionChange() {
  std::string path = CurrentFilePath();
  DWORD attributes = GetFileAttributesA(path.c_str());
  bool isFile = attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
  FPreviewFile.clear();
  FPicture->SetGraphic(nullptr);
  if (isFile) {
    // A file that is no readable picture shows an empty preview.
    try {
      FPicture->LoadFromFile(path);
      FPreviewFile = path;
    } catch (const Exception&) {
      FPicture->SetGraphic(nullptr);
    }
  }
  if (FChild) InvalidateRect(FChild, nullptr, TRUE);
  TOpenDialog::DoSelectionChange();
}

void TOpenPictureDialog::DoClose() {
  FChild = nullptr;
  TOpenDialog::DoClose();
}

UINT_PTR TOpenPictureDialog::HookMessage(HWND child, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg != WM_PAINT) return TOpenDialog::HookMessage(child, msg, wParam, lParam);
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(child, &ps);
  Paint(child, dc);
  EndPaint(child, &ps);
  return 1;
}

void TOpenPictureDialog::Paint(HWND child, HDC dc) {
  RECT client;
  GetClientRect(child, &client);
  TCanvas canvas;
  canvas.SetHandle(dc);
  canvas.GetBrush()->SetColor(clBtnFace);
  canvas.FillRect(TRect(client));
  canvas.GetFont()->SetName("MS Sans Serif");
  canvas.GetBrush()->SetStyle(bsClear);
  bool empty = FPicture->GetGraphic() == nullptr || FPicture->GetGraphic()->Empty();
  std::string caption =
      empty ? "(None)" : "(" + std::to_string(FPicture->GetWidth()) + "x" + std::to_string(FPicture->GetHeight()) + ")";
  canvas.TextOut(kMargin, kMargin, "Picture:");
  canvas.TextOut(client.right - kMargin - canvas.TextWidth(caption), kMargin, caption);
  // A sunken frame holding the picture, shrunk to fit and centred.
  TRect box(kMargin, kMargin + kLabelHeight + 8, client.right - kMargin, client.bottom - kMargin - 8);
  RECT edge = {box.Left, box.Top, box.Right, box.Bottom};
  DrawEdge(dc, &edge, EDGE_SUNKEN, BF_RECT);
  canvas.GetBrush()->SetStyle(bsSolid);
  canvas.GetBrush()->SetColor(clWindow);
  TRect inner(box.Left + 2, box.Top + 2, box.Right - 2, box.Bottom - 2);
  canvas.FillRect(inner);
  if (!empty) {
    int w = FPicture->GetWidth(), h = FPicture->GetHeight();
    int areaW = inner.Right - inner.Left - 4, areaH = inner.Bottom - inner.Top - 4;
    if (w > areaW || h > areaH) {
      double scale = std::min(static_cast<double>(areaW) / w, static_cast<double>(areaH) / h);
      w = std::max(1, static_cast<int>(w * scale));
      h = std::max(1, static_cast<int>(h * scale));
    }
    int x = (inner.Left + inner.Right - w) / 2, y = (inner.Top + inner.Bottom - h) / 2;
    canvas.StretchDraw(TRect(x, y, x + w, y + h), FPicture->GetGraphic());
  }
  canvas.SetHandle(nullptr);
}
