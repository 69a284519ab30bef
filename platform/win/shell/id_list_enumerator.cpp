#include "platform/win/shell/id_list_enumerator.h"

#include "platform/win/shell/com_base.h"

namespace win::shell {

namespace {

class IdListEnumerator final : public ComObject<IEnumIDList> {
 public:
  IdListEnumerator(Items items, std::size_t position) : items_(std::move(items)), position_(position) {}

  HRESULT QueryInterface(REFIID riid, void** ppv) override {
    return Answer(ppv, riid == IID_IUnknown || riid == IID_IEnumIDList);
  }

  HRESULT Next(ULONG celt, LPITEMIDLIST* rgelt, ULONG* pceltFetched) override {
    if (!rgelt || (celt > 1 && !pceltFetched)) return E_POINTER;
    ULONG fetched = 0;
    while (fetched < celt && position_ < items_.size()) {
      rgelt[fetched] = EncodeIdList({items_[position_]});
      if (!rgelt[fetched]) break;
      ++fetched;
      ++position_;
    }
    if (pceltFetched) *pceltFetched = fetched;
    return fetched == celt ? S_OK : S_FALSE;
  }

  HRESULT Skip(ULONG celt) override {
    const std::size_t left = items_.size() - position_;
    position_ += std::min<std::size_t>(celt, left);
    return celt <= left ? S_OK : S_FALSE;
  }

  HRESULT Reset() override {
    position_ = 0;
    return S_OK;
  }

  HRESULT Clone(IEnumIDList** ppenum) override {
    if (!ppenum) return E_POINTER;
    *ppenum = new IdListEnumerator(items_, position_);
    return S_OK;
  }

 private:
  Items items_;
  std::size_t position_;
};

}  // namespace

IEnumIDList* CreateIdListEnumerator(Items items) {
  return new IdListEnumerator(std::move(items), 0);
}

}  // namespace win::shell
