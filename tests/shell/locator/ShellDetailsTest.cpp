// Column sources: the IShellFolder2 adapter and the fallback to the folder's
// view object.
#include <gtest/gtest.h>

#include <cstring>
#include <map>

#include "controls/shell/UNavShellControls.h"
#include "controls/shell/UNavShellUtils.h"
#include "tests/shell/shared/ShellHome.h"
#include "tests/shell/shared/ShellPidl.h"

namespace {

// A folder whose answers the test sets: which interfaces it gives, which
// columns it knows and shows by default.
class TFakeFolder : public IShellFolder2, public IShellDetails {
 public:
  bool GivesFolder2 = true;
  bool AnswersColumnZero = true;
  bool GivesViewDetails = false;
  // column -> state; a missing column fails GetDefaultColumnState.
  std::map<UINT, SHCOLSTATEF> States;
  LONG Refs = 1;

  HRESULT QueryInterface(REFIID riid, void** ppv) override {
    *ppv = nullptr;
    if (riid == IID_IUnknown || riid == IID_IShellFolder || (riid == IID_IShellFolder2 && GivesFolder2)) {
      *ppv = static_cast<IShellFolder2*>(this);
      AddRef();
      return S_OK;
    }
    return E_NOINTERFACE;
  }
  ULONG AddRef() override { return static_cast<ULONG>(++Refs); }
  ULONG Release() override { return static_cast<ULONG>(--Refs); }
  HRESULT ParseDisplayName(HWND, LPBC, LPOLESTR, ULONG*, LPITEMIDLIST*, ULONG*) override { return E_NOTIMPL; }
  HRESULT EnumObjects(HWND, SHCONTF, IEnumIDList**) override { return E_NOTIMPL; }
  HRESULT BindToObject(LPCITEMIDLIST, LPBC, REFIID, void**) override { return E_NOTIMPL; }
  HRESULT BindToStorage(LPCITEMIDLIST, LPBC, REFIID, void**) override { return E_NOTIMPL; }
  HRESULT CompareIDs(LPARAM, LPCITEMIDLIST, LPCITEMIDLIST) override { return E_NOTIMPL; }
  HRESULT CreateViewObject(HWND, REFIID riid, void** ppv) override {
    *ppv = nullptr;
    if (riid != IID_IShellDetails || !GivesViewDetails) return E_NOINTERFACE;
    *ppv = static_cast<IShellDetails*>(this);
    AddRef();
    return S_OK;
  }
  HRESULT GetAttributesOf(UINT, LPCITEMIDLIST*, SFGAOF*) override { return E_NOTIMPL; }
  HRESULT GetUIObjectOf(HWND, UINT, LPCITEMIDLIST*, REFIID, UINT*, void**) override { return E_NOTIMPL; }
  HRESULT GetDisplayNameOf(LPCITEMIDLIST, SHGDNF, STRRET*) override { return E_NOTIMPL; }
  HRESULT SetNameOf(HWND, LPCITEMIDLIST, LPCOLESTR, SHGDNF, LPITEMIDLIST*) override { return E_NOTIMPL; }
  HRESULT GetDefaultSearchGUID(GUID*) override { return E_NOTIMPL; }
  HRESULT EnumSearches(IEnumExtraSearch**) override { return E_NOTIMPL; }
  HRESULT GetDefaultColumn(DWORD, ULONG*, ULONG*) override { return E_NOTIMPL; }
  HRESULT GetDefaultColumnState(UINT column, SHCOLSTATEF* state) override {
    auto it = States.find(column);
    if (it == States.end()) return E_INVALIDARG;
    *state = it->second;
    return S_OK;
  }
  HRESULT GetDetailsEx(LPCITEMIDLIST, const SHCOLUMNID*, VARIANT*) override { return E_NOTIMPL; }
  HRESULT GetDetailsOf(LPCITEMIDLIST, UINT column, SHELLDETAILS* details) override {
    if (column == 0 && !AnswersColumnZero) return E_FAIL;
    details->str.uType = STRRET_CSTR;
    std::snprintf(details->str.cStr, sizeof details->str.cStr, "column %u", column);
    return S_OK;
  }
  HRESULT MapColumnToSCID(UINT, SHCOLUMNID*) override { return E_NOTIMPL; }
  HRESULT ColumnClick(UINT) override { return S_OK; }
};

TEST(ShellDetailsTest, TheAdapterShowsTheDefaultColumnsOnly) {
  TFakeFolder folder;
  folder.States = {{0, SHCOLSTATE_TYPE_STR | SHCOLSTATE_ONBYDEFAULT}, {1, SHCOLSTATE_TYPE_INT}};
  IShellDetails* details = GetShellDetails(&folder);
  ASSERT_NE(details, nullptr);
  EXPECT_NE(details, static_cast<IShellDetails*>(&folder));
  EXPECT_EQ(folder.Refs, 2);  // the adapter's own reference
  SHELLDETAILS column{};
  EXPECT_EQ(details->GetDetailsOf(nullptr, 0, &column), S_OK);
  EXPECT_STREQ(column.str.cStr, "column 0");
  EXPECT_EQ(details->GetDetailsOf(nullptr, 1, &column), E_INVALIDARG);
  // A column whose state the folder cannot give is asked for all the same.
  EXPECT_EQ(details->GetDetailsOf(nullptr, 5, &column), S_OK);
  EXPECT_EQ(details->ColumnClick(0), E_NOTIMPL);

  IUnknown* unknown = nullptr;
  EXPECT_EQ(details->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&unknown)), S_OK);
  EXPECT_EQ(unknown->Release(), 1u);
  void* other = &folder;
  EXPECT_EQ(details->QueryInterface(IID_IShellFolder, &other), E_NOINTERFACE);
  EXPECT_EQ(other, nullptr);
  EXPECT_EQ(details->Release(), 0u);
  EXPECT_EQ(folder.Refs, 1);  // the adapter let the folder go
}

TEST(ShellDetailsTest, FallsBackToTheViewObjectOrNothing) {
  TFakeFolder folder;
  folder.AnswersColumnZero = false;
  folder.GivesViewDetails = true;
  IShellDetails* details = GetShellDetails(&folder);
  EXPECT_EQ(details, static_cast<IShellDetails*>(&folder));
  details->Release();

  folder.GivesFolder2 = false;
  details = GetShellDetails(&folder);
  EXPECT_EQ(details, static_cast<IShellDetails*>(&folder));
  details->Release();

  folder.GivesViewDetails = false;
  EXPECT_EQ(GetShellDetails(&folder), nullptr);
  EXPECT_EQ(folder.Refs, 1);
}

TEST(ShellDetailsTest, AFileSystemFolderHasItsColumns) {
  TShellHome home;
  home.MakeFile("kick.wav", std::string(1025, 'k'));
  TShellPidl list;
  ASSERT_EQ(PathToPidl(home.Home, &list.p), S_OK);
  IShellFolder* folder = nullptr;
  ASSERT_EQ(GetShellFolder(list.p, &folder), S_OK);
  IShellDetails* details = GetShellDetails(folder);
  ASSERT_NE(details, nullptr);
  SHELLDETAILS heading{};
  ASSERT_EQ(details->GetDetailsOf(nullptr, 0, &heading), S_OK);
  EXPECT_FALSE(StrRetToString(nullptr, heading.str).empty());
  FreeStrRet(heading.str);
  details->Release();
  folder->Release();
}

}  // namespace
