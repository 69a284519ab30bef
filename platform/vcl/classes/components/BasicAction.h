// TBasicAction: a command a component runs (OnExecute) and that keeps the
// components linked to it up to date. Each linked component holds a
// TBasicActionLink; the action tells every link when it changed, and a freed
// action leaves its links empty.
#pragma once

#include <vector>

#include "platform/vcl/classes/components/Component.h"
#include "platform/vcl/classes/typeinfo/Event.h"

class TBasicAction;

class TBasicActionLink : public TObject {
  DRUMS_CLASS(TBasicActionLink, TObject)

 public:
  explicit TBasicActionLink(TObject* client) : FClient(client) {}
  ~TBasicActionLink() override;
  TObject* GetClient() const { return FClient; }
  TBasicAction* GetAction() const { return FAction; }
  // Unregisters from the action held before and registers with value.
  void SetAction(TBasicAction* value);
  // Runs the action; false when there is none or it did nothing.
  virtual bool Execute(TComponent* target);
  // Called with the action whenever the action changed.
  TNotifyEvent OnChange;

 protected:
  virtual void Change();

 private:
  friend class TBasicAction;
  TObject* FClient;
  TBasicAction* FAction = nullptr;
};

class TBasicAction : public TComponent {
  DRUMS_CLASS(TBasicAction, TComponent)

 public:
  explicit TBasicAction(TComponent* AOwner) : TComponent(AOwner) {}
  ~TBasicAction() override;
  // Runs OnExecute with the action as sender; false when none is assigned.
  virtual bool Execute();
  void RegisterChanges(TBasicActionLink* link);
  void UnRegisterChanges(TBasicActionLink* link);
  int GetClientCount() const { return static_cast<int>(FClients.size()); }
  TNotifyEvent OnExecute;

  static void Publish(TPublisher<TBasicAction>& p);

 protected:
  // Tells every linked client.
  virtual void Change();

 private:
  std::vector<TBasicActionLink*> FClients;
};
