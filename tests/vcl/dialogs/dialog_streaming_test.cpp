// The dialog components read from a form's text as the kit editor's and
// the skins dialog's forms hold them.
#include "platform/vcl/Dialogs.h"
#include "platform/vcl/classes/streaming/ComponentResources.h"
#include "platform/vcl/classes/streaming/TextForm.h"
#include "platform/vcl/classes/streams/MemoryStream.h"
#include "vcl/menus/fixture.h"
#include "support/FormText.h"

namespace menustest {
namespace {

using DialogStreaming = MenusTest;

TEST_F(DialogStreaming, DialogsReadTheirPropertiesFromAForm) {
  const char* text =
      "object KitEditor: TForm\n"
      "  object OpenDialog1: TOpenDialog\n"
      "    DefaultExt = 'kit'\n"
      "    Filter = 'Tambrel User DrumKits (*.kit)|*.kit'\n"
      "    Options = [ofOverwritePrompt, ofHideReadOnly, ofFileMustExist]\n"
      "    Title = 'Open User DrumKit'\n"
      "  end\n"
      "  object SaveDialog1: TSaveDialog\n"
      "    DefaultExt = 'kit'\n"
      "    FilterIndex = 2\n"
      "    Title = 'Save UserKit As...'\n"
      "  end\n"
      "  object BMPDialog: TOpenPictureDialog\n"
      "    Filter = 'Bitmaps (*.bmp)|*.bmp'\n"
      "    Title = 'Select a Picture'\n"
      "  end\n"
      "  object FontDialog1: TFontDialog\n"
      "    Font.Name = 'Arial'\n"
      "    Font.Height = -16\n"
      "    Options = [fdEffects, fdForceFontExist]\n"
      "  end\n"
      "  object ColorDialog1: TColorDialog\n"
      "    Color = clLime\n"
      "  end\n"
      "end\n";
  TForm* form = testsupport::ReadFormText(text);
  auto* open = dynamic_cast<TOpenDialog*>(form->FindComponent("OpenDialog1"));
  ASSERT_NE(open, nullptr);
  EXPECT_EQ(open->GetDefaultExt(), "kit");
  EXPECT_EQ(open->GetFilter(), "Tambrel User DrumKits (*.kit)|*.kit");
  EXPECT_EQ(open->GetOptions(), (TOpenOptions{ofOverwritePrompt, ofHideReadOnly, ofFileMustExist}));
  EXPECT_EQ(open->GetTitle(), "Open User DrumKit");
  auto* save = dynamic_cast<TSaveDialog*>(form->FindComponent("SaveDialog1"));
  ASSERT_NE(save, nullptr);
  EXPECT_EQ(save->GetFilterIndex(), 2);
  EXPECT_EQ(save->GetOptions(), (TOpenOptions{ofHideReadOnly, ofEnableSizing})) << "the default options";
  auto* picture = dynamic_cast<TOpenPictureDialog*>(form->FindComponent("BMPDialog"));
  ASSERT_NE(picture, nullptr);
  EXPECT_EQ(picture->GetFilter(), "Bitmaps (*.bmp)|*.bmp");
  auto* font = dynamic_cast<TFontDialog*>(form->FindComponent("FontDialog1"));
  ASSERT_NE(font, nullptr);
  EXPECT_EQ(font->GetFont()->GetName(), "Arial");
  EXPECT_EQ(font->GetFont()->GetHeight(), -16);
  EXPECT_EQ(font->GetOptions(), (TFontDialogOptions{fdEffects, fdForceFontExist}));
  auto* color = dynamic_cast<TColorDialog*>(form->FindComponent("ColorDialog1"));
  ASSERT_NE(color, nullptr);
  EXPECT_EQ(color->GetColor(), clLime);
}

}  // namespace
}  // namespace menustest
