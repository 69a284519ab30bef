#include "platform/vcl/classes/components/WeakRef.h"

void vcl::detail::WeakLink::Attach(TComponent* target) {
  if (FTarget == target) return;
  if (FTarget != nullptr) {
    if (FPrev != nullptr)
      FPrev->FNext = FNext;
    else
      FTarget->FWeakLinks = FNext;
    if (FNext != nullptr) FNext->FPrev = FPrev;
    FPrev = nullptr;
    FNext = nullptr;
  }
  FTarget = target;
  if (target != nullptr) {
    FNext = target->FWeakLinks;
    if (FNext != nullptr) FNext->FPrev = this;
    target->FWeakLinks = this;
  }
}
