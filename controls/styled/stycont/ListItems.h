// The items of the containers and their "Internal" record: a flags byte,
// the description and ident when set, then the item's own part.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "controls/styled/stycont/Containers.h"
#include "controls/styled/stywave.h"

// Flags of an "Internal" record.
constexpr std::uint8_t kItemCompressed = 0x01;
constexpr std::uint8_t kItemDescription = 0x02;
constexpr std::uint8_t kItemIdent = 0x04;
constexpr std::uint8_t kItemPayload = 0x08;
constexpr std::uint8_t kItemMono = 0x10;
constexpr std::uint8_t kItem16Colors = 0x20;
constexpr std::uint8_t kItem256Colors = 0x40;

// The colour bits of a pixel format, and back (mono before 16 before 256).
std::uint8_t PixelFormatFlags(TStySavePixelFormat Format);
TStySavePixelFormat PixelFormatFromFlags(std::uint8_t Flags);
// The bitmap payload's colour count: -1 (own format), 2, 16 or 256.
int PixelFormatColors(TStySavePixelFormat Format);

class TStyListItem : public TStyComponent {
  DRUMS_CLASS(TStyListItem, TStyComponent)
 public:
  explicit TStyListItem(TComponent* AOwner) : TStyComponent(AOwner) {}

  virtual void Clear() {}
  virtual bool IsEmpty() { return true; }
  virtual void ReadData(TStream* Stream) = 0;
  virtual void WriteData(TStream* Stream) = 0;
  virtual std::uint8_t GetFlags();

  // Reads the flags, Description and Ident; returns the flags.
  std::uint8_t ReadHeader(TStream* Stream);
  void WriteHeader(TStream* Stream);
  void CopyHeader(TStyListItem* Source);

  // The item's own OnChange, then its container's OnChange with the item as
  // sender (even while the container is updating; the links are not told).
  void Change() override;
  TStyCustomContainer* GetContainer() const;

  const std::string& GetDescription() const { return FDescription; }
  void SetDescription(const std::string& value) { FDescription = value; }
  std::uint16_t GetIdent() const { return FIdent; }
  void SetIdent(std::uint16_t value) { FIdent = value; }
  bool GetCompressed() const { return FCompressed; }
  void SetCompressed(bool value) { FCompressed = value; }

  bool HasParent() override { return true; }
  TComponent* GetParentComponent() override;
  // A container read as the streamed parent takes the item in.
  void SetParentComponent(TComponent* value) override;

 protected:
  void DefineProperties(TFiler* Filer) override;

 private:
  std::string FDescription;
  std::uint16_t FIdent = 0;
  bool FCompressed = false;
};

class TStyBitmapListItem : public TStyListItem {
  DRUMS_CLASS(TStyBitmapListItem, TStyListItem)
 public:
  explicit TStyBitmapListItem(TComponent* AOwner);
  ~TStyBitmapListItem() override;

  // The bitmap; an empty one is first loaded from where the container's
  // SourceKind says (a container file, a resource, a bitmap file).
  TBitmap* GetBitmap();
  // Copies Value in; nobody is told.
  void SetBitmap(TBitmap* Value);
  TStySavePixelFormat GetPixelFormat() const { return FPixelFormat; }
  void SetPixelFormat(TStySavePixelFormat value) { FPixelFormat = value; }

  void Clear() override;
  bool IsEmpty() override;
  std::uint8_t GetFlags() override;
  void ReadData(TStream* Stream) override;
  void WriteData(TStream* Stream) override;
  void Assign(TPersistent* Source) override;

  static void Publish(TPublisher<TStyBitmapListItem>& p);

 private:
  void LoadFromSource();
  std::unique_ptr<TBitmap> FBitmap;
  TStySavePixelFormat FPixelFormat = spfDefault;
};

class TStyStringListItem : public TStyListItem {
  DRUMS_CLASS(TStyStringListItem, TStyListItem)
 public:
  explicit TStyStringListItem(TComponent* AOwner);
  ~TStyStringListItem() override;

  TStrings* GetItems() const { return FItems.get(); }
  void SetItems(TStrings* Value);

  void Clear() override;
  bool IsEmpty() override;
  std::uint8_t GetFlags() override;
  void ReadData(TStream* Stream) override;
  void WriteData(TStream* Stream) override;
  // Any strings (the lines) or another string item (header and lines).
  void Assign(TPersistent* Source) override;

  static void Publish(TPublisher<TStyStringListItem>& p);

 private:
  std::unique_ptr<TStringList> FItems;
};

class TStyWaveListItem : public TStyListItem {
  DRUMS_CLASS(TStyWaveListItem, TStyListItem)
 public:
  explicit TStyWaveListItem(TComponent* AOwner);
  ~TStyWaveListItem() override;

  TStyWave* GetWave() const { return FWave.get(); }
  void SetWave(TStyWave* Value);

  void Clear() override;
  bool IsEmpty() override;
  std::uint8_t GetFlags() override;
  void ReadData(TStream* Stream) override;
  void WriteData(TStream* Stream) override;
  void Assign(TPersistent* Source) override;

  static void Publish(TPublisher<TStyWaveListItem>& p);

 private:
  std::unique_ptr<TStyWave> FWave;
};
