// Small components that exercise every kind of published property.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/vcl/Classes.h"
#include "platform/vcl/classes/streams/Streams.h"
#include "support/ByteStrings.h"

namespace sample {

enum TSampleAlign { saNone, saTop, saClient };
DRUMS_ENUM_NAMES(TSampleAlign, "saNone", "saTop", "saClient")

enum TSampleStyle { ssBold, ssItalic, ssUnderline };
DRUMS_ENUM_NAMES(TSampleStyle, "ssBold", "ssItalic", "ssUnderline")
using TSampleStyles = TSet<TSampleStyle>;

// A nested persistent, streamed as "Bevel.Width".
class TSampleBevel : public TPersistent {
  DRUMS_CLASS(TSampleBevel, TPersistent)

 public:
  int FWidth = 1;
  TSampleAlign FEdge = saNone;

  static void Publish(TPublisher<TSampleBevel>& p) {
    p.Prop("Width", &TSampleBevel::FWidth).Default(1);
    p.Prop("Edge", &TSampleBevel::FEdge).Default(saNone);
  }
};

class TSampleItem : public TCollectionItem {
  DRUMS_CLASS(TSampleItem, TCollectionItem)

 public:
  using TCollectionItem::TCollectionItem;
  std::string FName;
  bool FLooped = false;
  int FVoices = 0;

  void Assign(TPersistent* source) override {
    if (auto* other = dynamic_cast<TSampleItem*>(source)) {
      FName = other->FName;
      FLooped = other->FLooped;
      FVoices = other->FVoices;
      return;
    }
    TCollectionItem::Assign(source);
  }

  static void Publish(TPublisher<TSampleItem>& p) {
    p.Prop("Name", &TSampleItem::FName);
    p.Prop("Looped", &TSampleItem::FLooped);
    p.Prop("Voices", &TSampleItem::FVoices);
  }
};

// Every component built or loaded appends "Loaded:<name>" here.
inline std::vector<std::string>& Log() {
  static std::vector<std::string> log;
  return log;
}

class TSample : public TComponent {
  DRUMS_CLASS(TSample, TComponent)

 public:
  explicit TSample(TComponent* AOwner)
      : TComponent(AOwner), FItems(std::make_unique<TCollection>(TSampleItem::StaticClass(), this)) {
    FCreatedLoading = GetComponentState().Contains(csLoading);
  }
  ~TSample() override {
    if (FBuddy != nullptr) FBuddy->RemoveFreeNotification(this);
  }

  int FSmall = 0, FMedium = 0, FLarge = 0;
  bool FEnabled = true;
  std::string FCaption, FNotes, FPayload;
  TSampleStyles FStyles;
  TSampleAlign FAlign = saNone;
  char FMark = '\0';
  double FRatio = 0;
  TNotifyEvent FOnPing;
  bool FCreatedLoading;

  TSampleBevel* GetBevel() { return &FBevel; }
  TCollection* GetItems() { return FItems.get(); }
  TStringList* GetLines() { return &FLines; }
  TSample* GetBuddy() const { return FBuddy; }
  void SetBuddy(TSample* value) {
    if (FBuddy != nullptr) FBuddy->RemoveFreeNotification(this);
    FBuddy = value;
    if (FBuddy != nullptr) FBuddy->FreeNotification(this);
  }

  static void Publish(TPublisher<TSample>& p) {
    p.Prop("Small", &TSample::FSmall).Default(0);
    p.Prop("Medium", &TSample::FMedium).Default(0);
    p.Prop("Large", &TSample::FLarge).Default(0);
    p.Prop("Enabled", &TSample::FEnabled).Default(true);
    p.Prop("Caption", &TSample::FCaption);
    p.Prop("Notes", &TSample::FNotes);
    p.Prop("Styles", &TSample::FStyles).Default(TSampleStyles{});
    p.Prop("Align", &TSample::FAlign).Default(saNone);
    p.Prop("Mark", &TSample::FMark).Default('\0');
    p.Prop("Ratio", &TSample::FRatio);
    p.Prop("Bevel", &TSample::GetBevel);
    p.Prop("Items", &TSample::GetItems);
    p.Prop("Lines", &TSample::GetLines);
    p.Prop("Buddy", &TSample::GetBuddy, &TSample::SetBuddy);
    p.Prop("OnPing", &TSample::FOnPing);
  }

 protected:
  void DefineProperties(TFiler* filer) override {
    TComponent::DefineProperties(filer);
    filer->DefineBinaryProperty(
        "Payload",
        [this](TStream* s) {
          FPayload.assign(static_cast<std::size_t>(s->GetSize()), '\0');
          s->ReadBuffer(FPayload.data(), static_cast<int>(FPayload.size()));
        },
        [this](TStream* s) { s->WriteBuffer(FPayload.data(), static_cast<int>(FPayload.size())); }, !FPayload.empty());
  }
  void Loaded() override {
    TComponent::Loaded();
    Log().push_back("Loaded:" + GetName());
  }
  void Notification(TComponent* component, TOperation operation) override {
    TComponent::Notification(component, operation);
    if (operation == opRemove && component == FBuddy) FBuddy = nullptr;
  }

 private:
  TSampleBevel FBevel;
  std::unique_ptr<TCollection> FItems;
  TStringList FLines;
  TSample* FBuddy = nullptr;
};

// A root with handler methods that streams bind events to.
class TSampleRoot : public TComponent {
  DRUMS_CLASS(TSampleRoot, TComponent)

 public:
  using TComponent::TComponent;
  std::vector<std::string> FCalls;
  std::string FTitle;

  void PingHandler(TObject* Sender) { FCalls.push_back("Ping from " + static_cast<TComponent*>(Sender)->GetName()); }
  void OtherHandler(TObject*) { FCalls.push_back("Other"); }
  void WrongShape(TObject*, int) {}

  static void Publish(TPublisher<TSampleRoot>& p) {
    p.Prop("Title", &TSampleRoot::FTitle);
    p.Method("PingHandler", &TSampleRoot::PingHandler);
    p.Method("OtherHandler", &TSampleRoot::OtherHandler);
    p.Method("WrongShape", &TSampleRoot::WrongShape);
  }

 protected:
  void Loaded() override {
    TComponent::Loaded();
    Log().push_back("Loaded:" + GetName());
  }
};

inline void RegisterSampleClasses() {
  RegisterClasses({TSample::StaticClass(), TSampleRoot::StaticClass(), TSampleItem::StaticClass()});
}

using testsupport::StreamText;

}  // namespace sample
