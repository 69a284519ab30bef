#include "platform/vcl/classes/components/BasicAction.h"

#include <algorithm>

TBasicActionLink::~TBasicActionLink() {
  if (FAction) FAction->UnRegisterChanges(this);
}

void TBasicActionLink::SetAction(TBasicAction* value) {
  if (value == FAction) return;
  if (FAction) FAction->UnRegisterChanges(this);
  if (value) value->RegisterChanges(this);
}

bool TBasicActionLink::Execute(TComponent*) {
  return FAction && FAction->Execute();
}

void TBasicActionLink::Change() {
  if (OnChange) OnChange(FAction);
}

TBasicAction::~TBasicAction() {
  // The links outlive the action: they are left empty, not dangling.
  for (TBasicActionLink* link : FClients) link->FAction = nullptr;
  FClients.clear();
}

void TBasicAction::Publish(TPublisher<TBasicAction>& p) {
  p.Prop("OnExecute", &TBasicAction::OnExecute);
}

bool TBasicAction::Execute() {
  if (!OnExecute) return false;
  OnExecute(this);
  return true;
}

void TBasicAction::RegisterChanges(TBasicActionLink* link) {
  if (link->FAction == this) return;
  if (link->FAction) link->FAction->UnRegisterChanges(link);
  link->FAction = this;
  FClients.push_back(link);
}

void TBasicAction::UnRegisterChanges(TBasicActionLink* link) {
  auto it = std::find(FClients.begin(), FClients.end(), link);
  if (it == FClients.end()) return;
  FClients.erase(it);
  link->FAction = nullptr;
}

void TBasicAction::Change() {
  // A client may unlink while it is told (its control freed on a change).
  std::vector<TBasicActionLink*> clients = FClients;
  for (TBasicActionLink* link : clients)
    if (std::find(FClients.begin(), FClients.end(), link) != FClients.end()) link->Change();
}
