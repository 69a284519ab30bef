#include "sound/ControlSubClass.h"

#include <algorithm>
#include <map>
#include <vector>

struct TControlSubClass::Chain {
  TWndMethod original;
  std::vector<TControlSubClass*> hooks;

  // Message through hooks [0, n): hook n-1 first, the control's own last.
  void Dispatch(std::size_t n, TMessage& message) {
    n = std::min(n, hooks.size());
    if (n == 0) {
      if (original) original(message);
      return;
    }
    TControlSubClass* hook = hooks[n - 1];
    TWndMethod inner = [this, n](TMessage& m) { Dispatch(n - 1, m); };
    hook->FProc(hook->FData, message, inner);
  }
};

namespace {

std::map<TControl*, std::shared_ptr<TControlSubClass::Chain>>& Chains() {
  static std::map<TControl*, std::shared_ptr<TControlSubClass::Chain>> chains;
  return chains;
}

}  // namespace

TControlSubClass::TControlSubClass(TControl* control, void* data, TControlSubClassProc proc)
    : FControl(control), FProc(std::move(proc)), FData(data) {
  auto& chain = Chains()[control];
  if (!chain) {
    chain = std::make_shared<Chain>();
    chain->original = control->WindowProc;
    // The procedure keeps the chain: with every hook gone it still reaches
    // the control's own.
    control->WindowProc = [c = chain](TMessage& m) { c->Dispatch(c->hooks.size(), m); };
  }
  chain->hooks.push_back(this);
  FChain = chain;
}

TControlSubClass::~TControlSubClass() {
  auto& hooks = FChain->hooks;
  hooks.erase(std::remove(hooks.begin(), hooks.end(), this), hooks.end());
  if (!hooks.empty()) return;
  // A control being destroyed is left alone: its members may be gone.
  if (!FControl->GetComponentState().Contains(csDestroying)) FControl->WindowProc = FChain->original;
  Chains().erase(FControl);
}
