// A shell folder over a temporary tree: listing, order, attributes, names.
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "shell_fixture.h"

namespace shell_test {
namespace {

class FolderTest : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    tree_ = root_ + "/tree";
    std::filesystem::create_directories(tree_ + "/Drums/Kicks");
    std::filesystem::create_directories(tree_ + "/only files");
    std::filesystem::create_directories(tree_ + "/.cache");
    MakeFile(tree_ + "/a.wav", "12345");
    MakeFile(tree_ + "/A.WAV", "1");
    MakeFile(tree_ + "/.hidden.kit");
    MakeFile(tree_ + "/only files/x.mid");
    ASSERT_EQ(symlink("gone.wav", (tree_ + "/dangling.wav").c_str()), 0);
    Bind(tree_, &folder);
  }

  void Bind(const std::string& path, Ref<IShellFolder>* out) {
    Pidl pidl;
    ASSERT_EQ(Parse(path, &pidl), S_OK) << path;
    ASSERT_EQ(desktop->BindToObject(pidl.p, nullptr, IID_IShellFolder, out->OutVoid()), S_OK);
  }

  Pidl Child(IShellFolder* in, const std::string& name) {
    Pidl pidl;
    std::wstring wide = Wide(name);
    EXPECT_EQ(in->ParseDisplayName(nullptr, nullptr, wide.data(), nullptr, pidl.Out(), nullptr), S_OK) << name;
    return pidl;
  }

  SFGAOF Attributes(IShellFolder* in, const std::string& name, SFGAOF asked = ~0u) {
    Pidl child = Child(in, name);
    LPCITEMIDLIST items[] = {child.p};
    EXPECT_EQ(in->GetAttributesOf(1, items, &asked), S_OK);
    return asked;
  }

  short Compare(const std::string& a, const std::string& b, int column = 0) {
    Pidl x = Child(folder.p, a), y = Child(folder.p, b);
    const HRESULT result = folder->CompareIDs(column, x.p, y.p);
    EXPECT_TRUE(SUCCEEDED(result));
    return static_cast<short>(HRESULT_CODE(result));
  }

  std::string tree_;
  Ref<IShellFolder> folder;
};

TEST_F(FolderTest, EnumObjectsListsWhatIsThereWithAndWithoutHiddenItems) {
  const std::vector<std::string> plain = {"A.WAV", "Drums", "a.wav", "dangling.wav", "only files"};
  EXPECT_EQ(Names(folder.p, SHCONTF_FOLDERS | SHCONTF_NONFOLDERS), plain);
  const std::vector<std::string> all = {".cache", ".hidden.kit",  "A.WAV",     "Drums",
                                        "a.wav",  "dangling.wav", "only files"};
  EXPECT_EQ(Names(folder.p, SHCONTF_FOLDERS | SHCONTF_NONFOLDERS | SHCONTF_INCLUDEHIDDEN), all);
  const std::vector<std::string> folders = {"Drums", "only files"};
  EXPECT_EQ(Names(folder.p, SHCONTF_FOLDERS), folders);
  const std::vector<std::string> files = {"A.WAV", "a.wav", "dangling.wav"};
  EXPECT_EQ(Names(folder.p, SHCONTF_NONFOLDERS), files);
}

TEST_F(FolderTest, EnumeratorEndsWithSFalseAndCountsWhatItGave) {
  Ref<IEnumIDList> items;
  ASSERT_EQ(folder->EnumObjects(nullptr, SHCONTF_FOLDERS, items.Out()), S_OK);
  LPITEMIDLIST got[3] = {};
  ULONG fetched = 99;
  EXPECT_EQ(items->Next(3, got, &fetched), S_FALSE);
  EXPECT_EQ(fetched, 2u);
  for (ULONG i = 0; i < fetched; ++i) CoTaskMemFree(got[i]);
  EXPECT_EQ(items->Reset(), S_OK);
  EXPECT_EQ(items->Skip(2), S_OK);
  EXPECT_EQ(items->Next(1, got, &fetched), S_FALSE);
  EXPECT_EQ(fetched, 0u);
}

TEST_F(FolderTest, CompareIdsPutsFoldersFirstAndKeepsNamesThatDifferInCase) {
  EXPECT_LT(Compare("only files", "A.WAV"), 0);
  EXPECT_GT(Compare("a.wav", "Drums"), 0);
  EXPECT_LT(Compare("Drums", "only files"), 0);
  EXPECT_NE(Compare("a.wav", "A.WAV"), 0);
  EXPECT_EQ(Compare("a.wav", "A.WAV"), -Compare("A.WAV", "a.wav"));
  EXPECT_EQ(Compare("a.wav", "a.wav"), 0);
  EXPECT_LT(Compare("a.wav", "dangling.wav"), 0);
  // By size the one-byte file comes first even though its name ties.
  EXPECT_LT(Compare("A.WAV", "a.wav", 1), 0);
  EXPECT_GT(Compare("a.wav", "A.WAV", 1), 0);
}

TEST_F(FolderTest, CompareIdsOnTheDesktopPutsVirtualItemsFirst) {
  Pidl computer;
  ASSERT_EQ(SHGetSpecialFolderLocation(nullptr, CSIDL_DRIVES, computer.Out()), S_OK);
  MakeFile(desktop_ + "/0 first by name");
  LPITEMIDLIST listed = nullptr;
  Ref<IEnumIDList> items;
  ASSERT_EQ(desktop->EnumObjects(nullptr, SHCONTF_NONFOLDERS, items.Out()), S_OK);
  ASSERT_EQ(items->Next(1, &listed, nullptr), S_OK);
  const HRESULT order = desktop->CompareIDs(0, computer.p, listed);
  EXPECT_LT(static_cast<short>(HRESULT_CODE(order)), 0);
  CoTaskMemFree(listed);
}

TEST_F(FolderTest, HasSubfolderIsExact) {
  EXPECT_TRUE(Attributes(folder.p, "Drums") & SFGAO_HASSUBFOLDER);
  EXPECT_FALSE(Attributes(folder.p, "only files") & SFGAO_HASSUBFOLDER);
  EXPECT_FALSE(Attributes(folder.p, "Drums/Kicks") & SFGAO_HASSUBFOLDER);
  const SFGAOF file = Attributes(folder.p, "a.wav");
  EXPECT_FALSE(file & SFGAO_FOLDER);
  EXPECT_TRUE(file & SFGAO_FILESYSTEM);
  EXPECT_TRUE(Attributes(folder.p, "Drums") & SFGAO_FOLDER);
}

TEST_F(FolderTest, ItemsOfAReadOnlyFolderCannotBeRenamedOrDeleted) {
  EXPECT_EQ(Attributes(folder.p, "only files/x.mid", SFGAO_CANRENAME | SFGAO_CANDELETE),
            static_cast<SFGAOF>(SFGAO_CANRENAME | SFGAO_CANDELETE));
  ASSERT_EQ(chmod((tree_ + "/only files").c_str(), 0555), 0);
  EXPECT_EQ(Attributes(folder.p, "only files/x.mid", SFGAO_CANRENAME | SFGAO_CANDELETE | SFGAO_CANCOPY),
            static_cast<SFGAOF>(SFGAO_CANCOPY));
  EXPECT_FALSE(Attributes(folder.p, "only files") & SFGAO_DROPTARGET);
}

TEST_F(FolderTest, DanglingLinksAndUnreadableFoldersStillAnswer) {
  const SFGAOF link = Attributes(folder.p, "dangling.wav");
  EXPECT_TRUE(link & SFGAO_LINK);
  EXPECT_FALSE(link & SFGAO_FOLDER);
  EXPECT_EQ(NameOf(folder.p, Child(folder.p, "dangling.wav").p, SHGDN_INFOLDER), "dangling.wav");

  ASSERT_EQ(chmod((tree_ + "/Drums").c_str(), 0), 0);
  Ref<IShellFolder> drums;
  Bind(tree_ + "/Drums", &drums);
  if (access((tree_ + "/Drums").c_str(), R_OK) != 0) {
    EXPECT_TRUE(Names(drums.p, SHCONTF_FOLDERS | SHCONTF_NONFOLDERS).empty());
  }
  EXPECT_TRUE(Attributes(folder.p, "Drums") & SFGAO_FOLDER);
}

TEST_F(FolderTest, ValidatingAnItemThatIsGoneFails) {
  MakeFile(tree_ + "/going.wav");
  Pidl going = Child(folder.p, "going.wav");
  LPCITEMIDLIST items[] = {going.p};
  SFGAOF asked = SFGAO_VALIDATE | SFGAO_FILESYSTEM;
  EXPECT_EQ(folder->GetAttributesOf(1, items, &asked), S_OK);
  std::filesystem::remove(tree_ + "/going.wav");
  asked = SFGAO_VALIDATE | SFGAO_FILESYSTEM;
  EXPECT_EQ(folder->GetAttributesOf(1, items, &asked), HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND));
  // Without the check the item answers from its list, as before.
  asked = SFGAO_FILESYSTEM;
  EXPECT_EQ(folder->GetAttributesOf(1, items, &asked), S_OK);
  EXPECT_EQ(asked, static_cast<SFGAOF>(SFGAO_FILESYSTEM));
}

TEST_F(FolderTest, HiddenItemsAreGhosted) {
  EXPECT_TRUE(Attributes(folder.p, ".hidden.kit") & SFGAO_HIDDEN);
  EXPECT_TRUE(Attributes(folder.p, ".cache") & SFGAO_GHOSTED);
  EXPECT_FALSE(Attributes(folder.p, "a.wav") & SFGAO_GHOSTED);
}

TEST_F(FolderTest, SetNameOfRenamesAndNeverOverwrites) {
  Pidl item = Child(folder.p, "a.wav");
  Pidl renamed;
  EXPECT_EQ(folder->SetNameOf(nullptr, item.p, L"b.wav", SHGDN_INFOLDER, renamed.Out()), S_OK);
  EXPECT_TRUE(std::filesystem::exists(tree_ + "/b.wav"));
  EXPECT_FALSE(std::filesystem::exists(tree_ + "/a.wav"));
  EXPECT_EQ(NameOf(folder.p, renamed.p, SHGDN_INFOLDER), "b.wav");

  Pidl other = Child(folder.p, "A.WAV");
  EXPECT_EQ(folder->SetNameOf(nullptr, other.p, L"b.wav", SHGDN_INFOLDER, nullptr),
            HRESULT_FROM_WIN32(ERROR_ALREADY_EXISTS));
  EXPECT_EQ(folder->SetNameOf(nullptr, other.p, L"../escape", SHGDN_INFOLDER, nullptr),
            HRESULT_FROM_WIN32(ERROR_INVALID_NAME));
  EXPECT_TRUE(std::filesystem::exists(tree_ + "/A.WAV"));
}

TEST_F(FolderTest, BindingAFileFails) {
  Pidl file = Child(folder.p, "a.wav");
  Ref<IShellFolder> none;
  EXPECT_EQ(folder->BindToObject(file.p, nullptr, IID_IShellFolder, none.OutVoid()), E_INVALIDARG);
  EXPECT_EQ(none.p, nullptr);
}

}  // namespace
}  // namespace shell_test
