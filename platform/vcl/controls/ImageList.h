// TCustomImageList / TImageList: equally sized pictures with masks, drawn
// onto canvases transparently, blended or greyed. The pictures live in the
// window manager's image list behind Handle, so list views, tree views and
// combo boxes draw from the same list. A list may wrap a list made elsewhere
// (the shell's system image list): with ShareImages it never destroys it.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/vcl/classes/components/Component.h"
#include "platform/vcl/graphics/Bitmap.h"
#include "platform/vcl/graphics/Canvas.h"
#include "platform/vcl/graphics/Colors.h"
#include "platform/win/commctrl.h"

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
  int GetCount() const;
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
  // The window manager's list, made on first use.
  HIMAGELIST GetHandle();
  // Takes another list (its size with it); the one held before is destroyed
  // unless ShareImages. Null leaves the list without pictures.
  void SetHandle(HIMAGELIST value);
  bool HandleAllocated() const { return FHandle != nullptr; }
  // A shared list belongs to someone else: neither SetHandle nor the
  // destructor destroys it.
  bool GetShareImages() const { return FShareImages; }
  void SetShareImages(bool value) { FShareImages = value; }

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
  // One stored picture and its mask (white: transparent), as bitmaps.
  struct Image {
    std::unique_ptr<TBitmap> picture;
    std::unique_ptr<TBitmap> mask;
  };
  Image ReadImage(int index);
  std::vector<Image> ReadAll();
  void AddAll(const std::vector<Image>& images);
  void CheckIndex(int index) const;
  void FreeHandle();
  void DrawGreyed(int index, TCanvas* canvas, int x, int y);

  int FWidth = 16;
  int FHeight = 16;
  int FAllocBy = 4;
  TColor FBkColor = clNone;
  TColor FBlendColor = clNone;
  TDrawingStyle FDrawingStyle = dsNormal;
  TImageType FImageType = itImage;
  bool FMasked = true;
  bool FShareImages = false;
  HIMAGELIST FHandle = nullptr;
  std::vector<TChangeLink*> FLinks;
};

class TImageList : public TCustomImageList {
  DRUMS_CLASS(TImageList, TCustomImageList)

 public:
  explicit TImageList(TComponent* AOwner) : TCustomImageList(AOwner) {}
  TImageList(TComponent* AOwner, int width, int height) : TCustomImageList(AOwner, width, height) {}
};
