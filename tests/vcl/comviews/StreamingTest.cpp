// The views in form resources: their published properties, the columns'
// collection and the icon options read from a text form and written back.
#include "ViewsFixture.h"
#include "platform/vcl/Classes.h"
#include "platform/vcl/classes/streaming/ComponentResources.h"
#include "platform/vcl/classes/streaming/TextForm.h"
#include "platform/vcl/classes/typeinfo/ClassRegistry.h"
#include "support/FormText.h"

namespace viewtest {
namespace {

class TViewsRoot : public TWinControl {
  DRUMS_CLASS(TViewsRoot, TWinControl)

 public:
  using TWinControl::TWinControl;
};

const char* const kForm =
    "object Root: TViewsRoot\n"
    "  object Files: TListView\n"
    "    Columns = <\n"
    "      item\n"
    "        Caption = 'Name'\n"
    "        Width = 120\n"
    "      end\n"
    "      item\n"
    "        Alignment = taRightJustify\n"
    "        Caption = 'Size'\n"
    "      end>\n"
    "    IconOptions.AutoArrange = True\n"
    "    MultiSelect = True\n"
    "    ViewStyle = vsReport\n"
    "  end\n"
    "  object Folders: TTreeView\n"
    "    Indent = 25\n"
    "    ShowRoot = False\n"
    "  end\n"
    "end\n";

class ViewsStreaming : public ViewsTest {};

TEST_F(ViewsStreaming, FormsReadAndWriteTheViewsProperties) {
  vcl::comctrls::RegisterViewClasses();
  RegisterClasses({TViewsRoot::StaticClass()});
  TViewsRoot root(nullptr);
  TStringStream in(kForm);
  TMemoryStream binary;
  ObjectTextToBinary(&in, &binary);
  binary.SetPosition(0);
  ReadComponent(&binary, &root);

  auto* files = dynamic_cast<TListView*>(root.FindComponent("Files"));
  auto* folders = dynamic_cast<TTreeView*>(root.FindComponent("Folders"));
  ASSERT_NE(files, nullptr);
  ASSERT_NE(folders, nullptr);
  EXPECT_EQ(files->GetViewStyle(), vsReport);
  EXPECT_TRUE(files->GetMultiSelect());
  EXPECT_TRUE(files->GetIconOptions()->GetAutoArrange());
  ASSERT_EQ(files->GetColumns()->GetCount(), 2);
  EXPECT_EQ(files->GetColumns()->GetItem(0)->GetWidth(), 120);
  EXPECT_EQ(files->GetColumns()->GetItem(1)->GetCaption(), "Size");
  EXPECT_EQ(files->GetColumns()->GetItem(1)->GetAlignment(), taRightJustify);
  EXPECT_EQ(folders->GetIndent(), 25);
  EXPECT_FALSE(folders->GetShowRoot());
  EXPECT_TRUE(folders->GetShowButtons());

  // Written back, the same text comes out: defaults stay unwritten.
  const std::string out = testsupport::WriteFormText(&root);
  EXPECT_NE(out.find("ViewStyle = vsReport"), std::string::npos) << out;
  EXPECT_NE(out.find("Alignment = taRightJustify"), std::string::npos) << out;
  EXPECT_NE(out.find("ShowRoot = False"), std::string::npos) << out;
  EXPECT_EQ(out.find("ShowButtons"), std::string::npos) << out;
  EXPECT_EQ(out.find("ReadOnly"), std::string::npos) << out;
}

}  // namespace
}  // namespace viewtest
