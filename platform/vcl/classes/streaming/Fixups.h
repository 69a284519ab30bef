// Component references that name a component of another root ("Form.Button")
// and so cannot be resolved when their own root has been read. They wait here
// until a root of that name is found through the global component finders
// (the screen's forms register one), which happens after each root is read.
#pragma once

#include <functional>
#include <string>

class TComponent;
class TObject;
struct TPropInfo;

using TFindGlobalComponent = std::function<TComponent*(const std::string& name)>;

// Returns an id for UnRegisterFindGlobalComponent.
int RegisterFindGlobalComponent(TFindGlobalComponent finder);
void UnRegisterFindGlobalComponent(int id);
// The first finder's answer, or null.
TComponent* FindGlobalComponent(const std::string& name);
// Resolves every waiting reference whose root can now be found.
void GlobalFixupReferences();

namespace vcl::detail {

// A reference of component (or of a persistent it owns: instance) that waits
// for rootName.name.
void AddGlobalFixup(TComponent* component, TObject* instance, const TPropInfo* prop, const std::string& rootName,
                    const std::string& name);
// Drops what component still waits for (it is being deleted).
void RemoveFixupsOf(TComponent* component);
bool HasGlobalFixups(TComponent* component);

}  // namespace vcl::detail
