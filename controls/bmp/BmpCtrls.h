// The bitmap controls: TBmpTrackBar, a slider whose thumb is a picture, drawn
// over the parent's background, a wallpaper or the window colour.
#pragma once

#include <memory>

#include "controls/bmp/BmpUtils.h"
#include "platform/vcl/Classes.h"
#include "platform/vcl/Controls.h"
#include "platform/vcl/Graphics.h"

// The styled controls name values of their own toHorizontal and bvNone; code
// that uses both libraries says BmpCtrls::toHorizontal, as a unit prefix.
namespace BmpCtrls {
enum TTrackOrientation { toHorizontal, toVertical };
enum TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };
}  // namespace BmpCtrls
using BmpCtrls::TBevelCut;
using BmpCtrls::TTrackOrientation;
DRUMS_ENUM_NAMES(TTrackOrientation, "toHorizontal", "toVertical")
DRUMS_ENUM_NAMES(TBevelCut, "bvNone", "bvLowered", "bvRaised", "bvSpace")
enum TTickMark { tmBottomRight, tmTopLeft, tmBoth };
DRUMS_ENUM_NAMES(TTickMark, "tmBottomRight", "tmTopLeft", "tmBoth")
enum TPaintOption { poDrawFocusRect, poDrawTrackBar, poDrawTicks, poDrawThumb, poDrawThumbStates };
DRUMS_ENUM_NAMES(TPaintOption, "poDrawFocusRect", "poDrawTrackBar", "poDrawTicks", "poDrawThumb", "poDrawThumbStates")
using TPaintOptions = TSet<TPaintOption>;
// Of the bitmap controls' options only these three act on the slider.
enum TBmpOption { ocPaintWallpaper, ocTileWallpaper, ocPaintTransparently };
DRUMS_ENUM_NAMES(TBmpOption, "ocPaintWallpaper", "ocTileWallpaper", "ocPaintTransparently")
using TBmpOptions = TSet<TBmpOption>;

// Registers the controls' built-in pictures; called once at start-up.
void InitBmpCtrls();

class TBmpImages;

// Follows a TBmpImages: its OnChange fires whenever one of its bitmaps changes.
class TBmpChangeLink : public TObject {
  DRUMS_CLASS(TBmpChangeLink, TObject)

 public:
  TBmpChangeLink() = default;
  ~TBmpChangeLink() override;
  TBmpImages* GetSender() const { return FSender; }
  void SetSender(TBmpImages* value) { FSender = value; }
  void Change();
  TNotifyEvent OnChange;

 private:
  TBmpImages* FSender = nullptr;
};

// One wallpaper of a TBmpImages.
class TBitmapItem : public TCollectionItem {
  DRUMS_CLASS(TBitmapItem, TCollectionItem)

 public:
  explicit TBitmapItem(TCollection* Collection);
  ~TBitmapItem() override;
  TBitmap* GetBitmap() { return FBitmap.get(); }
  void SetBitmap(TBitmap* value) { FBitmap->Assign(value); }
  void Assign(TPersistent* source) override;
  static void Publish(TPublisher<TBitmapItem>& p);

 private:
  std::unique_ptr<TBitmap> FBitmap;
};

class TBitmaps : public TCollection {
  DRUMS_CLASS(TBitmaps, TCollection)

 public:
  explicit TBitmaps(TBmpImages* owner);
  TBitmapItem* GetItems(int index) const { return static_cast<TBitmapItem*>(GetItem(index)); }

 protected:
  void Update(TCollectionItem* item) override;

 private:
  TBmpImages* FImages;
};

// A collection of wallpapers that controls pick by index; the controls
// follow changes through their TBmpChangeLink.
class TBmpImages : public TComponent {
  DRUMS_CLASS(TBmpImages, TComponent)

 public:
  explicit TBmpImages(TComponent* AOwner);
  ~TBmpImages() override;
  TBitmaps* GetBitmaps() { return FBitmaps.get(); }
  void SetBitmaps(TBitmaps* value) { FBitmaps->Assign(value); }
  void RegisterChanges(TBmpChangeLink* link);
  void UnRegisterChanges(TBmpChangeLink* link);
  // Tells every registered link.
  void Change();
  static void Publish(TPublisher<TBmpImages>& p);

 private:
  std::unique_ptr<TBitmaps> FBitmaps;
  std::vector<TBmpChangeLink*> FLinks;
};

class TBmpTrackBar : public TCustomControl {
  DRUMS_CLASS(TBmpTrackBar, TCustomControl)
  DRUMS_MESSAGE_MAP(TBmpTrackBar)

 public:
  explicit TBmpTrackBar(TComponent* AOwner);
  ~TBmpTrackBar() override;

  TTrackOrientation GetOrientation() const { return FOrientation; }
  void SetOrientation(TTrackOrientation value);
  int GetMinValue() const { return FMinValue; }
  void SetMinValue(int value);
  int GetMaxValue() const { return FMaxValue; }
  void SetMaxValue(int value);
  int GetPosition() const { return FPosition; }
  void SetPosition(int value);
  int GetPageSize() const { return FPageSize; }
  void SetPageSize(int value);
  int GetBarSize() const { return FBarSize; }
  void SetBarSize(int value);
  TColor GetBarColor() const { return FBarColor; }
  void SetBarColor(TColor value);
  TTickMark GetTickMarks() const { return FTickMarks; }
  void SetTickMarks(TTickMark value);
  TPaintOptions GetPaintOptions() const { return FPaintOptions; }
  void SetPaintOptions(TPaintOptions value);
  bool GetTransparentThumb() const { return FTransparentThumb; }
  void SetTransparentThumb(bool value);
  TBevelCut GetBevelInner() const { return FBevelInner; }
  void SetBevelInner(TBevelCut value);
  TBevelCut GetBevelOuter() const { return FBevelOuter; }
  void SetBevelOuter(TBevelCut value);
  TBmpOptions GetOptions() const { return FOptions; }
  void SetOptions(TBmpOptions value);
  int GetTransparencyLevel() const { return FTransparencyLevel; }
  void SetTransparencyLevel(int value);
  TBitmap* GetThumbHorz();
  void SetThumbHorz(TBitmap* value);
  TBitmap* GetThumbVert();
  void SetThumbVert(TBitmap* value);
  TBitmap* GetThumbHorzSelected();
  void SetThumbHorzSelected(TBitmap* value);
  TBitmap* GetThumbVertSelected();
  void SetThumbVertSelected(TBitmap* value);
  TBitmap* GetWallpaper();
  void SetWallpaper(TBitmap* value);
  TBmpImages* GetBmpImages() const { return FBmpImages; }
  void SetBmpImages(TBmpImages* value);
  int GetidWallpaper() const { return FidWallpaper; }
  void SetidWallpaper(int value);
  // Where the bar and the thumb were last drawn.
  TRect GetThumbRect() const { return FThumbRect; }
  TRect GetBarRect() const { return FBarRect; }
  TBitmap* GetCurrentThumb() const { return FThumb.get(); }
  bool GetDragging() const { return FDragging; }

  TNotifyEvent OnChange;
  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseLeave;

  static void Publish(TPublisher<TBmpTrackBar>& p);
  static void Messages(TMessageMap<TBmpTrackBar>& m);

 protected:
  void Loaded() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void Paint() override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void KeyDown(WORD& key, TShiftState shift) override;
  void Resize() override;
  virtual void RefreshThumbImage();
  virtual void DrawTrackBar(TCanvas* canvas);
  virtual void DrawTicks(TCanvas* canvas);
  virtual void DrawThumb(TCanvas* canvas);
  bool PaintWallpaper(HDC dc);

 private:
  // Pixels left free at each end of the axis.
  static constexpr int kInset = 10;
  int Extent() const { return FOrientation == BmpCtrls::toHorizontal ? GetWidth() : GetHeight(); }
  // False when the range or the control is too small to place values on.
  bool HasTravel() const { return FMaxValue > FMinValue && Extent() > 2 * kInset; }
  void DrawBevelAndFocus(TCanvas* canvas);
  void RepaintNow();
  TBitmap* Owned(std::unique_ptr<TBitmap>& slot);
  void WMEraseBkgnd(TMessage& m);
  void WMGetDlgCode(TMessage& m);
  void WMFocus(TMessage& m);
  void CMEnabledChanged(TMessage& m);
  void CMParentColorChanged(TMessage& m);
  void CMMouseEnter(TMessage& m);
  void CMMouseLeave(TMessage& m);

  TTrackOrientation FOrientation = BmpCtrls::toHorizontal;
  int FMinValue = 0;
  int FMaxValue = 10;
  int FPosition = 0;
  int FPageSize = 1;
  int FBarSize = 10;
  TColor FBarColor = clWindow;
  TTickMark FTickMarks = tmBottomRight;
  TPaintOptions FPaintOptions{poDrawFocusRect, poDrawTrackBar, poDrawTicks, poDrawThumb, poDrawThumbStates};
  bool FTransparentThumb = true;
  TBevelCut FBevelInner = BmpCtrls::bvNone;
  TBevelCut FBevelOuter = BmpCtrls::bvNone;
  TBmpOptions FOptions;
  int FTransparencyLevel = 0;
  std::unique_ptr<TBitmap> FThumb;
  std::unique_ptr<TBitmap> FThumbHorz, FThumbVert, FThumbHorzSelected, FThumbVertSelected, FWallpaper;
  TBmpImages* FBmpImages = nullptr;
  int FidWallpaper = -1;
  std::unique_ptr<TBmpChangeLink> FImageChangeLink;
  bool FDragging = false;
  TRect FBarRect;
  TRect FThumbRect;
};
