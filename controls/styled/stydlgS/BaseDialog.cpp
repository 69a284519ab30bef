#include "controls/styled/stydlgS/BaseDialog.h"

TStyBaseDialog::TStyBaseDialog(TComponent* AOwner)
    : TStyContainerComponent(AOwner), FHints(std::make_unique<TStringList>()) {}

TStyBaseDialog::~TStyBaseDialog() = default;

bool TStyBaseDialog::Execute() {
  return false;
}
