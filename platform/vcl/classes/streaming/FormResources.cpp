#include "platform/vcl/classes/streaming/FormResources.h"

#include <vector>

#include "platform/vcl/classes/components/Component.h"
#include "platform/vcl/classes/streaming/ComponentResources.h"
#include "platform/vcl/classes/streaming/ResourceStream.h"
#include "platform/win/winres.h"

bool InitInheritedComponent(TComponent* instance, TClass rootAncestor) {
  // Ancestors first, so that a class's own resource has the last word.
  std::vector<TClass> chain;
  for (TClass c = instance->ClassType(); c != nullptr && c != rootAncestor && c != TComponent::StaticClass();
       c = c->Parent)
    chain.insert(chain.begin(), c);
  bool read = false;
  for (TClass c : chain) {
    if (FindResourceA(nullptr, c->Name, RT_RCDATA) == nullptr) continue;
    TResourceStream stream(nullptr, c->Name, RT_RCDATA);
    ReadComponent(&stream, instance);
    read = true;
  }
  return read;
}

bool ReadRootFromResource(TComponent* instance) {
  return InitInheritedComponent(instance, TComponent::StaticClass());
}
