// The multimedia button: a graphic button that shows one picture of an
// image list per state and is hit only where its picture is.
#pragma once

#include <array>
#include <cstdint>

#include "controls/styled/stybtn/GraphicButton.h"
#include "controls/styled/stycont.h"

// One face: the list item and the image inside it.
struct TStyButtonFaceIndex {
  std::int32_t ListIndex = 0;
  std::int32_t ImageIndex = 0;
};

class TStyCustomMMButton : public TStyBaseGraphicButton {
  DRUMS_CLASS(TStyCustomMMButton, TStyBaseGraphicButton)

 public:
  explicit TStyCustomMMButton(TComponent* AOwner);
  ~TStyCustomMMButton() override;

  TStyCustomImageList* GetButtonFaceImageList() const { return FButtonFaceImageList; }
  void SetButtonFaceImageList(TStyCustomImageList* value);
  // The face of state 0..7.
  TStyButtonFaceIndex GetFace(int State) const { return FFaces.at(static_cast<size_t>(State)); }
  void SetFace(int State, int ListIndex, int ImageIndex);
  int GetCaptionDown() const { return FCaptionDown; }
  void SetCaptionDown(int value) { FCaptionDown = value; }
  // The colour of the face pictures that is not part of the button.
  TColor GetFaceTransparentColor() const { return FFaceTransparentColor; }
  void SetFaceTransparentColor(TColor value) { FFaceTransparentColor = value; }
  bool GetForceTransparent() const { return FForceTransparent; }
  void SetForceTransparent(bool value);
  bool GetQuickDraw() const { return FQuickDraw; }
  void SetQuickDraw(bool value);
  TStyBitmapStyle GetButtonFaceStyle() const { return FButtonFaceStyle; }
  void SetButtonFaceStyle(TStyBitmapStyle value);
  // Where the current face was painted last.
  TRect GetFaceRect() const { return FFaceRect; }

  bool IsEmpty() override { return FButtonFaceImageList == nullptr; }

  static void Publish(TPublisher<TStyCustomMMButton>& p);

 protected:
  virtual void ButtonFaceListChanged(TObject* Sender);
  void DefineProperties(TFiler* Filer) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void Paint() override;
  bool IsPointInButton(int X, int Y) override;
  bool HotChangeRepaints() override { return true; }

 private:
  // The face drawn for the current state: its own when valid, else the
  // fallback of its kind; false when there is none.
  bool FaceToDraw(TStyButtonFaceIndex& face);
  bool FaceValid(const TStyButtonFaceIndex& face);
  std::uint16_t DrawFlags() const;
  void ReadFaceIndices(TStream* Stream);
  void WriteFaceIndices(TStream* Stream);
  void ReadFaceColor(TStream* Stream);
  void WriteFaceColor(TStream* Stream);

  TStyCustomImageList* FButtonFaceImageList = nullptr;
  std::unique_ptr<TStyChangeLink> FFaceLink;
  std::array<TStyButtonFaceIndex, 8> FFaces{};
  int FCaptionDown = 1;
  TColor FFaceTransparentColor = static_cast<TColor>(0xFFFFFF);
  bool FForceTransparent = true;
  bool FQuickDraw = false;
  TStyBitmapStyle FButtonFaceStyle = sbNone;
  TRect FFaceRect;
};

class TStyMMButton : public TStyCustomMMButton {
  DRUMS_CLASS(TStyMMButton, TStyCustomMMButton)

 public:
  using TStyCustomMMButton::TStyCustomMMButton;
};
