// TCustomImageList / TImageList: equally sized pictures with masks, drawn
// onto canvases transparently, blended or greyed. The library keeps the
// pictures itself; Handle is an opaque value naming the list.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/vcl/classes/components/Component.h"
#include "platform/vcl/graphics/Bitmap.h"
#include "platform/vcl/graphics/Canvas.h"
#include "platform/vcl/graphics/Colors.h"

enum TDrawingStyle { dsFocus, dsSelected, dsNormal, dsTransparent };
DRUMS_ENUM_NAMES(TDrawingStyle, "dsFocus", "dsSelected", "dsNormal", "dsTransparent")
enum TImageType { itImage, itMask };
DRUMS_ENUM_NAMES(TImageType, "itImage", "itMask")

class TCustomImageList;

// Tells its owner when the list it is registered with changes.
class TChangeLink : public TObject {
  DRUMS_CLASS(TChangeLink, TObject)

 public:
  TChangeLink() = default;
  ~TChangeLink() override;
  TCustomImageList* GetSender() const { return FSender; }
  void SetSender(TCustomImageList* value) { FSender = value; }
  void Change();
  TNotifyEvent OnChange;

 private:
  TCustomImageList* FSender = nullptr;
};

class TCustomImageList : public TComponent {
  DRUMS_CLASS(TCustomImageList, TComponent)

 public:
  explicit TCustomImageList(TComponent* AOwner);
  TCustomImageList(TComponent* AOwner, int width, int height);
  ~TCustomImageList() override;
  static TCustomImageList* CreateSize(int width, int height);

  int GetWidth() const { return FWidth; }
  // Changing the size clears the list.
  void SetWidth(int value);
  int GetHeight() const { return FHeight; }
  void SetHeight(int value);
  int GetCount() const { return static_cast<int>(FImages.size()); }
  int GetAllocBy() const { return FAllocBy; }
  void SetAllocBy(int value) { FAllocBy = value > 0 ? value : 1; }
  TColor GetBkColor() const { return FBkColor; }
  void SetBkColor(TColor value);
  TColor GetBlendColor() const { return FBlendColor; }
  void SetBlendColor(TColor value);
  TDrawingStyle GetDrawingStyle() const { return FDrawingStyle; }
  void SetDrawingStyle(TDrawingStyle value);
  TImageType GetImageType() const { return FImageType; }
  void SetImageType(TImageType value);
  bool GetMasked() const { return FMasked; }
  void SetMasked(bool value);
  // An opaque value naming the list (never a GDI object).
  HANDLE GetHandle() const { return reinterpret_cast<HANDLE>(const_cast<TCustomImageList*>(this)); }
  bool HandleAllocated() const { return true; }

  // Adds the picture (cut or padded to the list's size) with mask (white:
  // transparent; none: fully opaque); returns its index.
  int Add(TBitmap* image, TBitmap* mask);
  // Adds the picture with every pixel of maskColor transparent (and black
  // in the stored picture).
  int AddMasked(TBitmap* image, TColor maskColor);
  void Replace(int index, TBitmap* image, TBitmap* mask);
  void ReplaceMasked(int index, TBitmap* image, TColor maskColor);
  void Delete(int index);
  void Clear();
  void Move(int curIndex, int newIndex);

  void Draw(TCanvas* canvas, int x, int y, int index, bool enabled = true);
  void Draw(TCanvas* canvas, int x, int y, int index, TDrawingStyle drawingStyle, TImageType imageType,
            bool enabled = true);
  // Copies the picture into image (resized to the list's size).
  void GetBitmap(int index, TBitmap* image);

  void RegisterChanges(TChangeLink* value);
  void UnRegisterChanges(TChangeLink* value);
  TNotifyEvent OnChange;

  static void Publish(TPublisher<TCustomImageList>& p);

 protected:
  virtual void Change();
  virtual void DoDraw(int index, TCanvas* canvas, int x, int y, TDrawingStyle style, TImageType type, bool enabled);

 private:
  struct Image {
    std::vector<std::uint32_t> pixels;  // 0x00RRGGBB
    std::vector<std::uint8_t> clear;  // 1: transparent
  };
  Image Read(TBitmap* image, TBitmap* mask, bool byColor, TColor maskColor);
  void CheckIndex(int index) const;

  int FWidth = 16;
  int FHeight = 16;
  int FAllocBy = 4;
  TColor FBkColor = clNone;
  TColor FBlendColor = clNone;
  TDrawingStyle FDrawingStyle = dsNormal;
  TImageType FImageType = itImage;
  bool FMasked = true;
  std::vector<Image> FImages;
  std::vector<TChangeLink*> FLinks;
};

class TImageList : public TCustomImageList {
  DRUMS_CLASS(TImageList, TCustomImageList)

 public:
  explicit TImageList(TComponent* AOwner) : TCustomImageList(AOwner) {}
  TImageList(TComponent* AOwner, int width, int height) : TCustomImageList(AOwner, width, height) {}
};
