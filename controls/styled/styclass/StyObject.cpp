#include "controls/styled/styclass/StyObject.h"

void TStyObject::Change() {
  if (!FUpdating && OnChange) OnChange(this);
}

void TStyObject::GetChange(TObject*) {
  Change();
}

void TStyObject::EndUpdate(bool DoChange) {
  FUpdating = false;
  if (DoChange) Change();
}

void TStyCustomComponent::Change() {
  if (!FUpdating && OnChange) OnChange(this);
}

void TStyCustomComponent::GetChange(TObject*) {
  Change();
}

void TStyCustomComponent::EndUpdate(bool DoChange) {
  FUpdating = false;
  if (DoChange) Change();
}
