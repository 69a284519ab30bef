// Change links and the containers: non-visual components owning an ordered
// list of items, which tell every registered link of each change.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "controls/styled/styclass.h"
#include "controls/styled/styprocs/Blit.h"
#include "controls/styled/styutils.h"
#include "platform/vcl/Classes.h"
#include "platform/vcl/Graphics.h"

class TStyBaseContainer;
class TStyListItem;

// How an image list saves its pictures: their own format, or 2, 16 or 256
// colours.
enum TStySavePixelFormat { spfDefault, spfMono, spf4bit, spf8bit };
DRUMS_ENUM_NAMES(TStySavePixelFormat, "spfDefault", "spfMono", "spf4bit", "spf8bit")

// The list types, also the index of their container-file magic.
constexpr std::uint8_t kListImage = 0;
constexpr std::uint8_t kListBitmap = 1;
constexpr std::uint8_t kListWave = 2;
constexpr std::uint8_t kListString = 3;
constexpr std::uint8_t kListRichText = 4;

class TStyChangeLink : public TObject {
  DRUMS_CLASS(TStyChangeLink, TObject)
 public:
  TStyChangeLink() = default;
  // A link still registered leaves its container first.
  ~TStyChangeLink() override;
  // Calls OnChange with the container.
  virtual void Change();
  TStyBaseContainer* GetSender() const { return FSender; }
  void SetSender(TStyBaseContainer* value) { FSender = value; }
  TNotifyEvent OnChange;

 private:
  TStyBaseContainer* FSender = nullptr;
};

class TStyBaseContainer : public TStyComponent {
  DRUMS_CLASS(TStyBaseContainer, TStyComponent)
 public:
  explicit TStyBaseContainer(TComponent* AOwner) : TStyComponent(AOwner) {}
  // The links still registered are let go, last one first.
  ~TStyBaseContainer() override;
  void RegisterChanges(TStyChangeLink* Link);
  // A link that is not registered is ignored.
  void UnRegisterChanges(TStyChangeLink* Link);
  // Every link, in registration order, also inside an update bracket; then
  // the container's own OnChange, which waits for EndUpdate.
  void Change() override;
  int GetLinkCount() const { return static_cast<int>(FLinks.size()); }

 private:
  std::vector<TStyChangeLink*> FLinks;
};

class TStyCustomContainer : public TStyBaseContainer {
  DRUMS_CLASS(TStyCustomContainer, TStyBaseContainer)
 public:
  explicit TStyCustomContainer(TComponent* AOwner) : TStyBaseContainer(AOwner) {}
  ~TStyCustomContainer() override;

  int GetCount() const { return static_cast<int>(FItems.size()); }
  // EListError "List index out of bounds (%d)" outside 0 .. Count - 1.
  TStyListItem* GetItems(int Index) const;
  // The item, or a new one of ItemClass when null, is appended; returns its
  // index. An item of another class raises EInvalidOperation.
  int AddItem(TStyListItem* Item);
  void ClearItems();
  // A copy of every item of Source, in order.
  void AppendItemsFrom(TStyCustomContainer* Source);
  // Source must be of this container's class or a descendant.
  void Assign(TPersistent* Source) override;

  // The item count, the offsets table (WithOffsets) and the items' records.
  virtual void SaveToStream(TStream* Stream, bool WithOffsets);
  // Replaces the items by the stream's. A damaged stream raises EReadError;
  // the items read before stay, the update bracket closes either way.
  virtual void LoadFromStream(TStream* Stream, bool SkipOffsets);
  // A container file of this list type; another type raises Exception
  // "Cannot open file <name>: <class>" and the items stay.
  void LoadFromFile(const std::string& FileName);
  // The magic of this list type, then the stream with offsets.
  void SaveToFile(const std::string& FileName);

  bool GetDefaultCompressed() const { return FDefaultCompressed; }
  void SetDefaultCompressed(bool value) { FDefaultCompressed = value; }
  TStyPathPrefix GetPrefix() const { return FPrefix; }
  void SetPrefix(TStyPathPrefix value) { FPrefix = value; }
  std::uint8_t GetSourceKind() const { return FSourceKind; }
  void SetSourceKind(std::uint8_t value) { FSourceKind = value; }
  const std::string& GetFileName() const { return FFileName; }
  void SetFileName(const std::string& value) { FFileName = value; }
  TClass GetItemClass() const { return FItemClass; }
  std::uint8_t GetListType() const { return FListType; }

  // Items stream as this container's nameless children.
  void GetChildren(const TGetChildProc& Proc, TComponent* Root) override;
  TComponent* GetChildOwner() override { return this; }

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;
  // What Assign copies besides the items.
  virtual void AssignSettings(TStyCustomContainer* Source);
  TClass FItemClass = nullptr;
  std::uint8_t FListType = 0;

 private:
  void DeleteItems();
  bool FDefaultCompressed = false;
  std::vector<TStyListItem*> FItems;
  TStyPathPrefix FPrefix = ppProgram;
  std::uint8_t FSourceKind = 0;
  std::string FFileName;
};

// The image interface the controls draw through: ListIndex chooses the
// item, ImageIndex the image inside it. Indexes outside the lists give
// neutral results (nothing drawn, zero sizes, white pixels).
class TStyCustomImageList : public TStyCustomContainer {
  DRUMS_CLASS(TStyCustomImageList, TStyCustomContainer)
 public:
  explicit TStyCustomImageList(TComponent* AOwner) : TStyCustomContainer(AOwner) {}

  TStySavePixelFormat GetDefaultPixelFormat() const { return FDefaultPixelFormat; }
  void SetDefaultPixelFormat(TStySavePixelFormat value) { FDefaultPixelFormat = value; }

  virtual TCanvas* GetCanvas(int ListIndex) = 0;
  virtual void GetImageRect(int ListIndex, int ImageIndex, TRect& R) = 0;
  // Which 0 the width, 1 the height.
  virtual int GetImageSize(int ListIndex, int Which) = 0;
  virtual int GetImageCount(int ListIndex) = 0;
  virtual bool IsValidIndex(int ListIndex, int ImageIndex) = 0;
  virtual void GetImage(int ListIndex, int ImageIndex, TBitmap* Dest) = 0;
  virtual bool IsMasked(int ListIndex) = 0;
  virtual HPALETTE GetItemPalette(int ListIndex) = 0;
  virtual TColor GetTransparentColor(int ListIndex, int ImageIndex) = 0;
  virtual TColor GetPixel(TPoint P, int ListIndex, int ImageIndex) = 0;
  virtual void DrawAt(TCanvas* Canvas, int X, int Y, int ListIndex, int ImageIndex) = 0;
  virtual void DrawInRect(TCanvas* Canvas, const TRect& R, std::uint16_t Flags, int ListIndex, int ImageIndex,
                          TRect& Painted) = 0;
  virtual void DrawFlagged(TCanvas* Canvas, const TRect& R, std::uint16_t Flags, TStyPackedOrigin Offset, TColor Color,
                           int ListIndex, int ImageIndex) = 0;

  static void Publish(TPublisher<TStyCustomImageList>& p);

 protected:
  void AssignSettings(TStyCustomContainer* Source) override;
  // Whether ListIndex names an item (negative indexes do not).
  bool InRange(int ListIndex) const { return ListIndex >= 0 && ListIndex < GetCount(); }

 private:
  TStySavePixelFormat FDefaultPixelFormat = spfDefault;
};
