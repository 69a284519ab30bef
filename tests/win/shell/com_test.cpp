// COM start-up, the task allocator and the shell link class.
#include "platform/win/ole2.h"
#include "shell_fixture.h"

namespace shell_test {
namespace {

TEST(Com, InitialisationIsCountedPerThread) {
  EXPECT_EQ(CoInitialize(nullptr), S_OK);
  EXPECT_EQ(OleInitialize(nullptr), S_FALSE);
  OleUninitialize();
  CoUninitialize();
  EXPECT_EQ(CoInitialize(nullptr), S_OK);
  CoUninitialize();
}

TEST(Com, ShellMallocIsTheTaskAllocator) {
  IMalloc* malloc = nullptr;
  ASSERT_EQ(SHGetMalloc(&malloc), S_OK);
  void* block = malloc->Alloc(40);
  ASSERT_NE(block, nullptr);
  EXPECT_GE(malloc->GetSize(block), 40u);
  CoTaskMemFree(block);  // either side frees what the other allocated
  malloc->Release();
}

TEST(Com, TheShellLinkExistsButLoadsNothing) {
  Ref<IShellLinkA> link;
  ASSERT_EQ(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA, link.OutVoid()), S_OK);
  Ref<IPersistFile> file;
  ASSERT_EQ(link->QueryInterface(IID_IPersistFile, file.OutVoid()), S_OK);
  EXPECT_TRUE(FAILED(file->Load(L"/tmp/some.lnk", STGM_READ)));
  EXPECT_EQ(link->AddRef(), 3u);
  EXPECT_EQ(link->Release(), 2u);
  Ref<IShellFolder> notALink;
  EXPECT_EQ(link->QueryInterface(IID_IShellFolder, notALink.OutVoid()), E_NOINTERFACE);
  EXPECT_EQ(notALink.p, nullptr);

  Ref<IUnknown> other;
  const CLSID unknown = DRUMS_OLE_GUID(0x12345678);
  EXPECT_EQ(CoCreateInstance(unknown, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown, other.OutVoid()),
            REGDB_E_CLASSNOTREG);
}

TEST(Com, ShellFoldersCountTheirReferences) {
  IShellFolder* folder = nullptr;
  ASSERT_EQ(SHGetDesktopFolder(&folder), S_OK);
  EXPECT_EQ(folder->AddRef(), 2u);
  EXPECT_EQ(folder->Release(), 1u);
  IUnknown* unknown = nullptr;
  ASSERT_EQ(folder->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&unknown)), S_OK);
  EXPECT_EQ(unknown->Release(), 1u);
  EXPECT_EQ(folder->Release(), 0u);
  IUnknown* explorer = reinterpret_cast<IUnknown*>(1);
  EXPECT_EQ(SHGetInstanceExplorer(&explorer), E_FAIL);
  EXPECT_EQ(explorer, nullptr);
}

}  // namespace
}  // namespace shell_test
