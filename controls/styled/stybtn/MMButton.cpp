#include "controls/styled/stybtn/MMButton.h"

#include "controls/styled/styprocs.h"
#include "platform/vcl/Classes.h"

namespace {

constexpr int kStoredFaces = 7;  // face 7 is never stored

void PutInt32(std::uint8_t* at, std::int32_t value) {
  const auto u = static_cast<std::uint32_t>(value);
  for (int i = 0; i < 4; ++i) at[i] = static_cast<std::uint8_t>(u >> (8 * i));
}

std::int32_t GetInt32(const std::uint8_t* at) {
  std::uint32_t u = 0;
  for (int i = 0; i < 4; ++i) u |= static_cast<std::uint32_t>(at[i]) << (8 * i);
  return static_cast<std::int32_t>(u);
}

// A legacy property of raw bytes: read whole, or the read fails.
void SkipRaw(TReader* Reader, int Count) {
  std::vector<std::uint8_t> ignored(static_cast<size_t>(Count));
  Reader->Read(ignored.data(), Count);
}

bool SameRgb(TColor a, TColor b) {
  return (ColorToRGB(a) & 0xFFFFFF) == (ColorToRGB(b) & 0xFFFFFF);
}

}  // namespace

TStyCustomMMButton::TStyCustomMMButton(TComponent* AOwner)
    : TStyBaseGraphicButton(AOwner), FFaceLink(std::make_unique<TStyChangeLink>()) {
  FControlStyle = TControlStyle{csCaptureMouse, csOpaque, csDoubleClicks, csReplicatable};
  FFaceLink->OnChange = [this](TObject* sender) { ButtonFaceListChanged(sender); };
}

TStyCustomMMButton::~TStyCustomMMButton() {
  FFaceLink->OnChange = nullptr;
  if (TStyBaseContainer* sender = FFaceLink->GetSender()) sender->UnRegisterChanges(FFaceLink.get());
}

void TStyCustomMMButton::Publish(TPublisher<TStyCustomMMButton>& p) {
  using B = TStyCustomMMButton;
  p.Prop("ButtonFaceImageList", &B::GetButtonFaceImageList, &B::SetButtonFaceImageList).Stored([](B& b) {
    return b.FButtonFaceImageList && !IsGlobalList(b.FButtonFaceImageList);
  });
  p.Prop("ButtonFaceStyle", &B::GetButtonFaceStyle, &B::SetButtonFaceStyle).Default(sbNone);
  p.Prop("CaptionDown", &B::GetCaptionDown, &B::SetCaptionDown).Default(1);
  p.Prop("ForceTransparent", &B::GetForceTransparent, &B::SetForceTransparent).Default(true);
  p.Prop("QuickDraw", &B::GetQuickDraw, &B::SetQuickDraw).Default(false);
}

void TStyCustomMMButton::SetButtonFaceImageList(TStyCustomImageList* value) {
  // The link knows its list only while the list is whole: a list being freed
  // has let its links go before it tells the button.
  if (TStyBaseContainer* sender = FFaceLink->GetSender()) sender->UnRegisterChanges(FFaceLink.get());
  FButtonFaceImageList = value;
  if (value) {
    value->RegisterChanges(FFaceLink.get());
    value->FreeNotification(this);
  }
  ButtonFaceListChanged(nullptr);
}

void TStyCustomMMButton::SetFace(int State, int ListIndex, int ImageIndex) {
  TStyButtonFaceIndex& face = FFaces.at(static_cast<size_t>(State));
  if (face.ListIndex == ListIndex && face.ImageIndex == ImageIndex) return;
  face = {ListIndex, ImageIndex};
  Changed(nullptr);
}

void TStyCustomMMButton::SetForceTransparent(bool value) {
  if (FForceTransparent == value) return;
  FForceTransparent = value;
  Invalidate();
}

void TStyCustomMMButton::SetQuickDraw(bool value) {
  if (FQuickDraw == value) return;
  FQuickDraw = value;
  Invalidate();
}

void TStyCustomMMButton::SetButtonFaceStyle(TStyBitmapStyle value) {
  if (FButtonFaceStyle == value) return;
  FButtonFaceStyle = value;
  Invalidate();
}

void TStyCustomMMButton::ButtonFaceListChanged(TObject* Sender) {
  Changed(Sender);
}

void TStyCustomMMButton::Notification(TComponent* AComponent, TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FButtonFaceImageList) SetButtonFaceImageList(nullptr);
}

// Streaming ---------------------------------------------------------------------

void TStyCustomMMButton::DefineProperties(TFiler* Filer) {
  inherited::DefineProperties(Filer);
  DefineGlobalListRef(Filer, "ButtonFace", FButtonFaceImageList,
                      [this](TStyCustomImageList* list) { SetButtonFaceImageList(list); });
  // Older forms kept the faces and the colour as raw memory; they are read
  // past, whole, and not applied.
  Filer->DefineProperty(
      "ButtonFaceIndices", [](TReader* reader) { SkipRaw(reader, kStoredFaces * 8); }, nullptr, false);
  Filer->DefineBinaryProperty(
      "ButtonFaceIndicesNew", [this](TStream* s) { ReadFaceIndices(s); }, [this](TStream* s) { WriteFaceIndices(s); },
      true);
  Filer->DefineProperty(
      "ButtonFaceTransCol", [](TReader* reader) { SkipRaw(reader, 4); }, nullptr, false);
  Filer->DefineBinaryProperty(
      "ButtonFaceTransColNew", [this](TStream* s) { ReadFaceColor(s); }, [this](TStream* s) { WriteFaceColor(s); },
      true);
}

void TStyCustomMMButton::ReadFaceIndices(TStream* Stream) {
  std::uint8_t bytes[kStoredFaces * 8];
  Stream->ReadBuffer(bytes, sizeof bytes);
  for (int i = 0; i < kStoredFaces; ++i) {
    FFaces[static_cast<size_t>(i)].ListIndex = GetInt32(bytes + 4 * i);
    FFaces[static_cast<size_t>(i)].ImageIndex = GetInt32(bytes + 4 * (kStoredFaces + i));
  }
}

void TStyCustomMMButton::WriteFaceIndices(TStream* Stream) {
  std::uint8_t bytes[kStoredFaces * 8];
  for (int i = 0; i < kStoredFaces; ++i) {
    PutInt32(bytes + 4 * i, FFaces[static_cast<size_t>(i)].ListIndex);
    PutInt32(bytes + 4 * (kStoredFaces + i), FFaces[static_cast<size_t>(i)].ImageIndex);
  }
  Stream->WriteBuffer(bytes, sizeof bytes);
}

void TStyCustomMMButton::ReadFaceColor(TStream* Stream) {
  std::uint8_t bytes[4];
  Stream->ReadBuffer(bytes, sizeof bytes);
  FFaceTransparentColor = static_cast<TColor>(GetInt32(bytes));
}

void TStyCustomMMButton::WriteFaceColor(TStream* Stream) {
  std::uint8_t bytes[4];
  PutInt32(bytes, static_cast<std::int32_t>(FFaceTransparentColor));
  Stream->WriteBuffer(bytes, sizeof bytes);
}

// Faces -----------------------------------------------------------------------------

bool TStyCustomMMButton::FaceValid(const TStyButtonFaceIndex& face) {
  return FButtonFaceImageList && FButtonFaceImageList->IsValidIndex(face.ListIndex, face.ImageIndex);
}

bool TStyCustomMMButton::FaceToDraw(TStyButtonFaceIndex& face) {
  const int state = GetState();
  face = FFaces[static_cast<size_t>(state)];
  if (FaceValid(face)) return true;
  switch (state) {
    case bsDisabled:
    case bsHot:
    case 5: face = FFaces[0]; break;
    case bsLatched:
    case bsHeld:
    case bsDropped:
    case bsDisabledLatched: face = FFaces[4]; break;
    default: return false;
  }
  return FaceValid(face);
}

std::uint16_t TStyCustomMMButton::DrawFlags() const {
  std::uint16_t flags = FQuickDraw ? 0 : dfPalette;
  switch (FButtonFaceStyle) {
    case sbCenter: flags |= dfCenter; break;
    case sbStretch: flags |= dfStretch; break;
    case sbTile: flags |= dfTile; break;
    case sbKeepAspRatio: flags |= dfKeepAspect | dfStretch; break;
    case sbKeepWidth: flags |= dfKeepWidth | dfStretch; break;
    case sbKeepHeight: flags |= dfKeepHeight | dfStretch; break;
    default: break;
  }
  return flags;
}

void TStyCustomMMButton::Paint() {
  if (GetComponentState().Contains(csLoading)) return;
  FFaceRect = TRect();
  TCanvas* canvas = GetCanvas();
  const TRect client = GetClientRect();
  TStyCustomImageList* list = FButtonFaceImageList;
  if (!list) {
    if (IsOpaque()) FillBackground();
    if (GetComponentState().Contains(csDesigning)) DrawDesignFrame();
    return;
  }
  const TStyButtonFaceIndex current = FFaces[GetState()];
  if (FButtonFaceStyle == sbAutosize) {
    int w = list->GetImageSize(current.ListIndex, 0);
    int h = list->GetImageSize(current.ListIndex, 1);
    if (w == 0) w = 20;
    if (h == 0) h = 20;
    if (w != GetWidth() || h != GetHeight()) {
      SetBounds(GetLeft(), GetTop(), w, h);
      return;
    }
  }

  TBitmap work;
  work.SetPixelFormat(pf32bit);
  work.SetSize(client.Width(), client.Height());
  TCanvas* wc = work.GetCanvas();
  bool background = false;
  if (IsOpaque()) {
    wc->GetBrush()->SetStyle(bsSolid);
    wc->GetBrush()->SetColor(GetColor());
    wc->FillRect(client);
    background = true;
  } else if (GetTransparent() && UsesParentBackground()) {
    auto* parent = dynamic_cast<TStyCustomControl*>(GetParent());
    if (parent) parent->DrawBackgroundArea(wc, client, TPoint(GetLeft(), GetTop()), 0);
    background = true;
  }

  TStyButtonFaceIndex face;
  const bool hasFace = FaceToDraw(face);
  // A transparent button keys on its face transparent colour, the one its
  // hit test also leaves out.
  const TColor faceColor = FFaceTransparentColor;
  std::uint16_t flags = DrawFlags();
  if (!IsOpaque()) {
    if (!background) {
      wc->GetBrush()->SetStyle(bsSolid);
      wc->GetBrush()->SetColor(faceColor);
      wc->FillRect(client);
    }
    flags |= dfTransparent;
  } else if (FForceTransparent) {
    flags |= dfTransparent;
  }
  if (hasFace) {
    TRect painted;
    list->DrawInRect(wc, client, flags, face.ListIndex, face.ImageIndex, painted);
    FFaceRect = painted;
  }

  TRect captionRect = client;
  const int state = GetState();
  if (state == bsLatched || state == bsHeld || state == bsDropped)
    captionRect = TRect(client.Left + FCaptionDown, client.Top + FCaptionDown, client.Right + FCaptionDown,
                        client.Bottom + FCaptionDown);
  DrawFace(wc, captionRect);

  const HPALETTE palette = hasFace ? list->GetItemPalette(face.ListIndex) : nullptr;
  if (background) {
    canvas->Draw(0, 0, &work);
  } else {
    TRect painted;
    DrawBitmapExt(canvas, client, wc, client, dfPalette | dfTransparent, faceColor, palette, nullptr, painted);
  }
}

bool TStyCustomMMButton::IsPointInButton(int X, int Y) {
  if (!FButtonFaceImageList) return false;
  const TStyButtonFaceIndex face = FFaces[GetState()];
  if (!FaceValid(face)) return false;
  if (X < FFaceRect.Left || X >= FFaceRect.Right || Y < FFaceRect.Top || Y >= FFaceRect.Bottom) return false;
  const TColor pixel =
      FButtonFaceImageList->GetPixel(TPoint(X - FFaceRect.Left, Y - FFaceRect.Top), face.ListIndex, face.ImageIndex);
  return !SameRgb(pixel, FFaceTransparentColor);
}
