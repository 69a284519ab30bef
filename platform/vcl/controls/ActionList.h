// Actions with the properties controls show (caption, enabled state, hint,
// visibility, an image of their list), the list that holds them, and the
// link through which a control follows its action.
//
//   object ActionList1: TActionList
//     Images = ImageList1
//     object actPlay: TAction
//       Caption = 'Play'
//       ImageIndex = 2
//       OnExecute = actPlayExecute
//     end
//   end
//   object btnPlay: TButton
//     Action = actPlay
//   end
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/vcl/classes/components/BasicAction.h"
#include "platform/vcl/controls/ImageList.h"

// The same value the menus unit names (key in the low byte, modifier bits).
using TShortCut = std::uint16_t;

class TCustomActionList;
class TControl;

class TCustomAction : public TBasicAction {
  DRUMS_CLASS(TCustomAction, TBasicAction)

 public:
  explicit TCustomAction(TComponent* AOwner) : TBasicAction(AOwner) {}
  ~TCustomAction() override;

  // A disabled action does not run.
  bool Execute() override;

  TCustomActionList* GetActionList() const { return FActionList; }
  // Moves the action from the list it was in to value (or to none).
  void SetActionList(TCustomActionList* value);
  // The index of the action in its list, or -1.
  int GetIndex() const;

  const std::string& GetCaption() const { return FCaption; }
  void SetCaption(const std::string& value);
  bool GetChecked() const { return FChecked; }
  void SetChecked(bool value);
  bool GetEnabled() const { return FEnabled; }
  void SetEnabled(bool value);
  int GetHelpContext() const { return FHelpContext; }
  void SetHelpContext(int value);
  const std::string& GetHint() const { return FHint; }
  void SetHint(const std::string& value);
  // An image of the list's Images; -1 for none.
  int GetImageIndex() const { return FImageIndex; }
  void SetImageIndex(int value);
  TShortCut GetShortCut() const { return FShortCut; }
  void SetShortCut(TShortCut value);
  bool GetVisible() const { return FVisible; }
  void SetVisible(bool value);

  // Streamed as a child of its list.
  bool HasParent() override { return FActionList != nullptr; }
  TComponent* GetParentComponent() override;
  void SetParentComponent(TComponent* value) override;

 private:
  // Each setter: store the changed value, then tell the linked clients.
  template <class V>
  void Set(V& field, const V& value);

  TCustomActionList* FActionList = nullptr;
  std::string FCaption;
  bool FChecked = false;
  bool FEnabled = true;
  int FHelpContext = 0;
  std::string FHint;
  int FImageIndex = -1;
  TShortCut FShortCut = 0;
  bool FVisible = true;
};

class TAction : public TCustomAction {
  DRUMS_CLASS(TAction, TCustomAction)

 public:
  explicit TAction(TComponent* AOwner) : TCustomAction(AOwner) {}

  static void Publish(TPublisher<TAction>& p);
};

class TCustomActionList : public TComponent {
  DRUMS_CLASS(TCustomActionList, TComponent)

 public:
  explicit TCustomActionList(TComponent* AOwner);
  // Frees the actions it holds.
  ~TCustomActionList() override;

  int GetActionCount() const { return static_cast<int>(FActions.size()); }
  // Raises EListError "List index out of bounds (%d)" for a bad index.
  TCustomAction* GetAction(int index) const;
  int IndexOfAction(const TCustomAction* action) const;
  TCustomImageList* GetImages() const { return FImages; }
  void SetImages(TCustomImageList* value);

  void GetChildren(const TGetChildProc& proc, TComponent* root) override;
  void SetChildOrder(TComponent* child, int order) override;

  static void Publish(TPublisher<TCustomActionList>& p);

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  friend class TCustomAction;
  std::vector<TCustomAction*> FActions;
  TCustomImageList* FImages = nullptr;
};

class TActionList : public TCustomActionList {
  DRUMS_CLASS(TActionList, TCustomActionList)

 public:
  explicit TActionList(TComponent* AOwner) : TCustomActionList(AOwner) {}
};

// The link a control holds to its action: a change of the action reaches the
// control's ActionChange.
class TControlActionLink : public TBasicActionLink {
  DRUMS_CLASS(TControlActionLink, TBasicActionLink)

 public:
  explicit TControlActionLink(TControl* client);

 protected:
  void Change() override;

 private:
  TControl* FControl;
};

namespace vcl {
// Makes the action classes known to form streaming.
void RegisterActionClasses();
}  // namespace vcl
