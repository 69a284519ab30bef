// TComponent: the owned, named, streamable unit of forms.
//
// A component deletes the components it owns; deleting one removes it from
// its owner and tells every component that asked for a free notification.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/vcl/classes/components/Persistent.h"
#include "platform/vcl/classes/typeinfo/Set.h"

enum TComponentStateItem {
  csLoading,
  csReading,
  csWriting,
  csDestroying,
  csDesigning,
  csAncestor,
  csUpdating,
  csFixups,
  csFreeNotification,
  csInline,
  csDesignInstance
};
using TComponentState = TSet<TComponentStateItem>;

enum TOperation { opInsert, opRemove };

class TComponent;
namespace vcl::detail {
class WeakLink;
}
using TComponentClass = TClass;
using TGetChildProc = std::function<void(TComponent* child)>;

class TComponent : public TPersistent {
  DRUMS_CLASS(TComponent, TPersistent)

 public:
  explicit TComponent(TComponent* AOwner);
  ~TComponent() override;

  TComponent* GetOwner() override { return FOwner; }
  int GetComponentCount() const { return static_cast<int>(FComponents.size()); }
  // Raises EListError "List index out of bounds (%d)" for a bad index.
  TComponent* GetComponents(int index) const;
  int GetComponentIndex() const;
  void SetComponentIndex(int value);

  const std::string& GetName() const { return FName; }
  // A valid identifier or empty; EComponentError "A component named %s
  // already exists" when the owner has another component of that name.
  // The owner's published field of the old name is cleared and the one of
  // the new name set (EComponentError when it is for another class).
  virtual void SetName(const std::string& value);
  std::intptr_t GetTag() const { return FTag; }
  void SetTag(std::intptr_t value) { FTag = value; }
  TComponentState GetComponentState() const { return FComponentState; }

  // The owned component of that name (case-insensitive), or null.
  TComponent* FindComponent(const std::string& name) const;
  void InsertComponent(TComponent* component);
  void RemoveComponent(TComponent* component);
  void DestroyComponents();
  void Destroying();
  // Runs just before a deliberate delete (a posted release): a form's
  // OnDestroy still sees the whole form there.
  virtual void BeforeDestruction() {}

  // component's deletion will be reported to this one by Notification.
  void FreeNotification(TComponent* component);
  void RemoveFreeNotification(TComponent* component);

  virtual void GetChildren(const TGetChildProc& proc, TComponent* root);
  virtual TComponent* GetChildOwner();
  virtual TComponent* GetChildParent();
  virtual bool HasParent();
  virtual TComponent* GetParentComponent();
  virtual void SetParentComponent(TComponent* value);
  // Moves child to position order among this component's streamed children
  // (a stream's child-position flag asks for it).
  virtual void SetChildOrder(TComponent* child, int order);
  virtual void ReadState(TReader* reader);
  virtual void WriteState(TWriter* writer);

  std::string GetNamePath() override;

  static void Publish(TPublisher<TComponent>& p);

 protected:
  // Called after the whole root holding this component has been read.
  virtual void Loaded();
  virtual void Notification(TComponent* component, TOperation operation);
  virtual void ValidateRename(TComponent* component, const std::string& curName, const std::string& newName);
  virtual void ValidateContainer(TComponent* component);
  virtual void ValidateInsert(TComponent* component);
  void ChangeName(const std::string& newName) { FName = newName; }
  void SetComponentStateFlag(TComponentStateItem flag, bool on);

 private:
  void Insert(TComponent* component);
  void Remove(TComponent* component);
  // Puts this component in (enable) or takes it out of the owner's published
  // field of its name.
  void SetReference(bool enable);
  void RemoveNotification(TComponent* component);

  TComponent* FOwner = nullptr;
  std::string FName;
  std::intptr_t FTag = 0;
  std::vector<TComponent*> FComponents;
  std::vector<TComponent*> FFreeNotifies;
  TComponentState FComponentState;
  // The weak references to this component (TWeakRef), cleared when it dies.
  vcl::detail::WeakLink* FWeakLinks = nullptr;

  friend class TReader;
  friend class vcl::detail::WeakLink;
  friend class TWriter;
};

namespace vcl::detail {
// The next TComponent constructed on this thread starts with csLoading, so
// that its constructor already sees that it is being read from a stream.
void MarkNextComponentLoading();
void ClearNextComponentLoading();
bool IsValidIdent(const std::string& name);
// Why component may not be owner's component named name: the owner's class
// has a field of that name for another class. Empty when it may.
std::string FieldMismatch(const TComponent* owner, const std::string& name, const TComponent* component);
}  // namespace vcl::detail
