// One form holding a control of every class the library offers, read from
// its text through component streaming (so every class is registered under
// its name), filled where forms cannot hold the content, shown, and saved as
// a picture into DRUMS_SCREENSHOTS when it is set.
#include <cstdlib>
#include <filesystem>
#include <string>

#include "fixture.h"
#include "platform/vcl/Classes.h"
#include "platform/vcl/ComCtrls.h"
#include "platform/vcl/ExtCtrls.h"
#include "platform/vcl/FileCtrl.h"
#include "platform/vcl/Grids.h"
#include "platform/vcl/Menus.h"
#include "platform/vcl/StdCtrls.h"
#include "platform/vcl/classes/streaming/TextForm.h"
#include "support/TempFolder.h"

namespace formstest {
namespace {

constexpr const char* kEveryControl = R"(object EveryControl: TForm
  Left = 40
  Top = 30
  Width = 760
  Height = 560
  Caption = 'Every control'
  Menu = MainMenu1
  object Label1: TLabel
    Left = 8
    Top = 12
    Width = 60
    Height = 13
    Caption = '&Kit name:'
    FocusControl = Edit1
  end
  object Edit1: TEdit
    Left = 72
    Top = 8
    Width = 120
    Height = 21
    Text = 'Soft Synth'
  end
  object Button1: TButton
    Left = 200
    Top = 6
    Width = 75
    Height = 25
    Caption = 'Play'
    Default = True
  end
  object CheckBox1: TCheckBox
    Left = 284
    Top = 10
    Width = 100
    Height = 17
    Caption = 'Humanise'
    Checked = True
  end
  object ListBox1: TListBox
    Left = 8
    Top = 40
    Width = 120
    Height = 90
    Items.Strings = (
      'Kick'
      'Snare'
      'Closed hat'
      'Open hat'
      'Clap')
  end
  object ComboBox1: TComboBox
    Left = 136
    Top = 40
    Width = 120
    Height = 21
    Style = csDropDownList
    Items.Strings = (
      'Analog'
      'Break-beat'
      'Brush')
  end
  object Panel1: TPanel
    Left = 136
    Top = 70
    Width = 120
    Height = 60
    BevelInner = bvLowered
    Caption = 'Panel'
  end
  object Bevel1: TBevel
    Left = 264
    Top = 40
    Width = 120
    Height = 90
  end
  object Shape1: TShape
    Left = 276
    Top = 50
    Width = 40
    Height = 40
    Shape = stCircle
  end
  object Image1: TImage
    Left = 330
    Top = 50
    Width = 40
    Height = 40
  end
  object ScrollBox1: TScrollBox
    Left = 392
    Top = 8
    Width = 150
    Height = 122
    object Label2: TLabel
      Left = 4
      Top = 200
      Width = 60
      Height = 13
      Caption = 'Far below'
    end
  end
  object UpDown1: TUpDown
    Left = 550
    Top = 8
    Width = 17
    Height = 21
    Min = 10
    Max = 300
    Position = 100
  end
  object HeaderControl1: THeaderControl
    Left = 8
    Top = 140
    Width = 370
    Height = 20
    Align = alNone
    Sections = <
      item
        Text = 'Wave'
        Width = 200
      end
      item
        Alignment = taRightJustify
        Text = 'Size'
        Width = 80
      end>
  end
  object ListView1: TListView
    Left = 8
    Top = 168
    Width = 370
    Height = 120
    ViewStyle = vsReport
    Columns = <
      item
        Caption = 'Name'
        Width = 200
      end
      item
        Caption = 'Size'
        Width = 80
      end>
  end
  object TreeView1: TTreeView
    Left = 392
    Top = 140
    Width = 175
    Height = 148
  end
  object StringGrid1: TStringGrid
    Left = 8
    Top = 296
    Width = 370
    Height = 70
    ColCount = 12
    DefaultColWidth = 30
    FixedCols = 0
    RowCount = 3
    FixedRows = 0
    ScrollBars = ssNone
  end
  object PageControl1: TPageControl
    Left = 392
    Top = 296
    Width = 175
    Height = 100
    ActivePage = TabSheet1
    object TabSheet1: TTabSheet
      Caption = 'Mixer'
    end
    object TabSheet2: TTabSheet
      Caption = 'Song'
    end
  end
  object FileListBox1: TFileListBox
    Left = 576
    Top = 8
    Width = 160
    Height = 180
  end
  object DirectoryListBox1: TDirectoryListBox
    Left = 576
    Top = 196
    Width = 160
    Height = 200
  end
  object StatusBar1: TStatusBar
    Panels = <
      item
        Text = 'Brenkavar Tambrel'
        Width = 200
      end
      item
        Text = 'Stopped'
        Width = 100
      end>
  end
  object MainMenu1: TMainMenu
    object mnuFile: TMenuItem
      Caption = '&File'
      object mnuOpen: TMenuItem
        Caption = '&Open...'
        ShortCut = 16463
      end
    end
    object mnuOptions: TMenuItem
      Caption = '&Options'
    end
  end
  object PopupMenu1: TPopupMenu
  end
  object Timer1: TTimer
    Enabled = False
  end
end
)";

class EveryControl : public FormsTest {};

TEST_F(EveryControl, AFormOfEveryClassReadsShowsAndIsPictured) {
  auto* f = TForm::CreateNew<TForm>(Application);
  TStringStream in(kEveryControl);
  TMemoryStream binary;
  ObjectTextToBinary(&in, &binary);
  binary.SetPosition(0);
  ReadComponent(&binary, f);

  // What a form cannot hold: tree nodes, list items, grid cells, a picture.
  auto* tree = static_cast<TTreeView*>(f->FindComponent("TreeView1"));
  auto* list = static_cast<TListView*>(f->FindComponent("ListView1"));
  auto* grid = static_cast<TStringGrid*>(f->FindComponent("StringGrid1"));
  auto* image = static_cast<TImage*>(f->FindComponent("Image1"));
  ASSERT_TRUE(tree && list && grid && image);
  TTreeNode* kits = tree->GetItems()->Add(nullptr, "Kits");
  tree->GetItems()->AddChild(kits, "Analog");
  tree->GetItems()->AddChild(kits, "Disco");
  tree->GetItems()->Add(nullptr, "Songs")->SetHasChildren(true);
  kits->SetExpanded(true);
  for (const char* name : {"Kick.wav", "Snare.wav", "Hat.wav"}) {
    TListItem* item = list->GetItems()->Add();
    item->SetCaption(name);
    item->GetSubItems()->Add("12 KB");
  }
  for (int c = 0; c < 12; ++c) grid->SetCells(c, 0, std::to_string(c + 1));
  TBitmap* picture = image->GetPicture()->GetBitmap();
  picture->SetWidth(40);
  picture->SetHeight(40);
  picture->GetCanvas()->GetBrush()->SetColor(clNavy);
  picture->GetCanvas()->FillRect(TRect(0, 0, 40, 40));
  picture->GetCanvas()->GetBrush()->SetColor(clYellow);
  picture->GetCanvas()->FillRect(TRect(10, 10, 30, 30));

  f->Show();
  Pump();
  RedrawWindow(f->GetHandle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  Pump();
  EXPECT_NE(GetMenu(f->GetHandle()), nullptr) << "the main menu is the form's bar";
  EXPECT_EQ(SendMessageA(list->GetHandle(), LVM_GETITEMCOUNT, 0, 0), 3);
  EXPECT_EQ(tree->GetItems()->GetCount(), 4);

  TempFolder temp;
  const char* env = std::getenv("DRUMS_SCREENSHOTS");
  const std::string folder = env && *env ? env : temp.Path();
  std::filesystem::create_directories(folder);
  const std::string path = folder + "/vcl_every_control.png";
  ASSERT_TRUE(host::Get().Screenshot(win::user::HostWindowOf(f->GetHandle()), path));
  EXPECT_GT(std::filesystem::file_size(path), 1000u);
  delete f;
}

// A child that fails to read takes its container with it, and the children
// read into the container before it go along: nothing of the half-read form
// is touched again (the reader kept the earlier children in its books after
// their container had freed them).
TEST_F(EveryControl, AFailedChildTakesItsContainersEarlierChildrenAlong) {
  const std::string text =
      "object Broken: TForm\n"
      "  object Panel1: TPanel\n"
      "    object Label1: TLabel\n"
      "      Caption = 'first'\n"
      "    end\n"
      "    object Label2: TLabel\n"
      "      NoSuchProperty = 1\n"
      "    end\n"
      "  end\n"
      "end\n";
  TForm* form = TCustomForm::CreateNew<TForm>(Application);
  TStringStream source(text);
  TMemoryStream binary;
  ObjectTextToBinary(&source, &binary);
  binary.SetPosition(0);
  EXPECT_THROW(ReadComponent(&binary, form), EReadError);
  EXPECT_EQ(form->FindComponent("Panel1"), nullptr);
  EXPECT_EQ(form->FindComponent("Label1"), nullptr);
  delete form;
}

}  // namespace
}  // namespace formstest
