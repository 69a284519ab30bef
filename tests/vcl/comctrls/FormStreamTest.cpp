// A text form holding every common control: read through component
// streaming (classes by name, collections, the active page and the
// associate by reference, handlers by method name), written back, shown,
// and saved as a picture (into DRUMS_SCREENSHOTS when it is set).
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "fixture.h"
#include "platform/vcl/Classes.h"
#include "platform/vcl/classes/streaming/TextForm.h"
#include "platform/win/drums_ext.h"
#include "support/TempFolder.h"
#include "support/FormText.h"

namespace comctrlstest {
namespace {

class TComCtrlsTestForm : public TForm {
  DRUMS_CLASS(TComCtrlsTestForm, TForm)

 public:
  using TForm::TForm;

  std::vector<std::string> calls;
  THeaderControl* HeaderControl1 = nullptr;
  TPageControl* PageControl1 = nullptr;
  TTabSheet* TabSheet2 = nullptr;
  TUpDown* UpDown1 = nullptr;
  TButton* btnTempo = nullptr;
  TStatusBar* StatusBar1 = nullptr;

 private:
  void HeaderControl1SectionResize(THeaderControl*, THeaderSection* section) {
    calls.push_back("resize " + section->GetText());
  }
  void UpDown1Click(TObject*, TUDBtnType button) {
    calls.push_back(button == btNext ? "up" : "down");
    btnTempo->SetCaption(std::to_string(UpDown1->GetPosition()));
  }
  void PageControl1Change(TObject*) { calls.push_back("page " + PageControl1->GetActivePage()->GetCaption()); }
  void StatusBar1DrawPanel(TStatusBar* bar, TStatusPanel*, const TRect& rect) {
    // A level meter: green, then a red end.
    TCanvas* c = bar->GetCanvas();
    c->GetBrush()->SetColor(clLime);
    c->FillRect(TRect(rect.Left, rect.Top, rect.Left + rect.Width() * 3 / 4, rect.Bottom));
    c->GetBrush()->SetColor(clRed);
    c->FillRect(TRect(rect.Left + rect.Width() * 3 / 4, rect.Top, rect.Right, rect.Bottom));
  }

  static void Publish(TPublisher<TComCtrlsTestForm>& p) {
    p.Method("HeaderControl1SectionResize", &TComCtrlsTestForm::HeaderControl1SectionResize);
    p.Method("UpDown1Click", &TComCtrlsTestForm::UpDown1Click);
    p.Method("PageControl1Change", &TComCtrlsTestForm::PageControl1Change);
    p.Method("StatusBar1DrawPanel", &TComCtrlsTestForm::StatusBar1DrawPanel);
    p.Field("HeaderControl1", &TComCtrlsTestForm::HeaderControl1);
    p.Field("PageControl1", &TComCtrlsTestForm::PageControl1);
    p.Field("TabSheet2", &TComCtrlsTestForm::TabSheet2);
    p.Field("UpDown1", &TComCtrlsTestForm::UpDown1);
    p.Field("btnTempo", &TComCtrlsTestForm::btnTempo);
    p.Field("StatusBar1", &TComCtrlsTestForm::StatusBar1);
  }
};

const char* const kForm = R"(object frmControls: TComCtrlsTestForm
  Left = 100
  Top = 100
  Width = 520
  Height = 380
  Caption = 'Common controls'
  object HeaderControl1: THeaderControl
    Left = 0
    Top = 0
    Width = 512
    Height = 20
    HotTrack = True
    Sections = <
      item
        Text = 'Wave'
        Width = 200
      end
      item
        Alignment = taRightJustify
        AllowClick = False
        MinWidth = 40
        Text = 'Size'
        Width = 120
      end
      item
        Alignment = taCenter
        Text = 'Loop'
        Width = 80
      end>
    Style = hsFlat
    OnSectionResize = HeaderControl1SectionResize
  end
  object PageControl1: TPageControl
    Left = 8
    Top = 28
    Width = 300
    Height = 180
    ActivePage = TabSheet2
    OnChange = PageControl1Change
    object TabSheet1: TTabSheet
      Caption = 'Mixer'
    end
    object TabSheet2: TTabSheet
      Caption = 'Tempo'
      object btnTempo: TButton
        Left = 16
        Top = 16
        Width = 64
        Height = 24
        Caption = '0'
      end
      object UpDown1: TUpDown
        Left = 80
        Top = 16
        Width = 16
        Height = 24
        Associate = btnTempo
        Max = 300
        Min = 10
        Position = 120
        Thousands = False
        OnClick = UpDown1Click
      end
    end
    object TabSheet3: TTabSheet
      Caption = 'Song'
    end
  end
  object StatusBar1: TStatusBar
    Left = 0
    Top = 327
    Width = 512
    Height = 19
    Panels = <
      item
        Text = 'Tambrel RedoZev Idezar'
        Width = 205
      end
      item
        Text = 'Untitled.kit'
        Width = 180
      end
      item
        Style = psOwnerDraw
        Width = 60
      end
      item
        Alignment = taCenter
        Text = 'Track 1'
        Width = 50
      end>
    OnDrawPanel = StatusBar1DrawPanel
  end
end
)";

class FormStreamTest : public ComCtrlsTest {
 protected:
  TComCtrlsTestForm* Load() {
    auto* f = TForm::CreateNew<TComCtrlsTestForm>(Application);
    testsupport::ReadComponentText(kForm, f);
    return f;
  }
  static std::string AsText(TComponent* root) { return testsupport::WriteFormText(root); }
};

TEST_F(FormStreamTest, AFormOfCommonControlsReadsBindsAndWritesBack) {
  TComCtrlsTestForm* f = Load();
  ASSERT_TRUE(f->HeaderControl1 && f->PageControl1 && f->UpDown1 && f->btnTempo && f->StatusBar1);
  THeaderSections* sections = f->HeaderControl1->GetSections();
  ASSERT_EQ(sections->GetCount(), 3);
  EXPECT_EQ(sections->GetItem(1)->GetText(), "Size");
  EXPECT_EQ(sections->GetItem(1)->GetMinWidth(), 40);
  EXPECT_FALSE(sections->GetItem(1)->GetAllowClick());
  EXPECT_EQ(sections->GetItem(2)->GetLeft(), 320);
  EXPECT_EQ(f->HeaderControl1->GetStyle(), hsFlat);
  EXPECT_EQ(f->PageControl1->GetPageCount(), 3);
  EXPECT_EQ(f->PageControl1->GetActivePage(), f->TabSheet2);
  EXPECT_EQ(f->UpDown1->GetAssociate(), f->btnTempo);
  EXPECT_EQ(f->UpDown1->GetPosition(), 120);
  ASSERT_EQ(f->StatusBar1->GetPanels()->GetCount(), 4);
  EXPECT_EQ(f->StatusBar1->GetPanels()->GetItem(3)->GetAlignment(), taCenter);

  f->Show();
  Pump();
  EXPECT_EQ(f->btnTempo->GetCaption(), "120") << "the associate shows the position";
  EXPECT_TRUE(IsWindowVisible(f->TabSheet2->GetHandle()));
  EXPECT_EQ(SendMessageA(f->HeaderControl1->GetHandle(), HDM_GETITEMCOUNT, 0, 0), 3);

  // Handlers bound by name run: the form's handler writes the caption.
  RECT arrows;
  GetClientRect(f->UpDown1->GetHandle(), &arrows);
  Click(f->UpDown1, arrows.right / 2, 3);
  EXPECT_EQ(f->UpDown1->GetPosition(), 121);
  EXPECT_EQ(f->calls, (std::vector<std::string>{"up"}));

  std::string text = AsText(f);
  for (const char* line : {"ActivePage = TabSheet2", "Associate = btnTempo", "Style = hsFlat", "MinWidth = 40",
                           "Style = psOwnerDraw", "OnSectionResize = HeaderControl1SectionResize",
                           "OnDrawPanel = StatusBar1DrawPanel", "OnClick = UpDown1Click", "Position = 121"})
    EXPECT_NE(text.find(line), std::string::npos) << line << "\n" << text;
  // The pages keep their order, each once.
  size_t first = text.find("object TabSheet1"), second = text.find("object TabSheet2"),
         third = text.find("object TabSheet3");
  EXPECT_TRUE(first < second && second < third);
  EXPECT_EQ(text.find("object TabSheet1", first + 1), std::string::npos);
  delete f;
}

TEST_F(FormStreamTest, APictureOfEveryControl) {
  TComCtrlsTestForm* f = Load();
  f->Show();
  Pump();
  RedrawWindow(f->GetHandle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  Pump();
  TempFolder temp;
  const char* env = std::getenv("DRUMS_SCREENSHOTS");
  std::string folder = env && *env ? env : temp.Path();
  std::filesystem::create_directories(folder);
  std::string path = folder + "/vcl_comctrls.png";
  ASSERT_TRUE(host::Get().Screenshot(win::user::HostWindowOf(f->GetHandle()), path));
  EXPECT_GT(std::filesystem::file_size(path), 1000u);
  // The owner-drawn panel shows its meter.
  RECT part;
  SendMessageA(f->StatusBar1->GetHandle(), SB_GETRECT, 2, reinterpret_cast<LPARAM>(&part));
  host::Surface s = host::Get().GetSurface(win::user::HostWindowOf(f->GetHandle()));
  POINT probe{part.left + 5, (part.top + part.bottom) / 2};
  ClientToScreen(f->StatusBar1->GetHandle(), &probe);
  RECT wr;
  GetWindowRect(f->GetHandle(), &wr);
  EXPECT_EQ(s.pixels[(probe.y - wr.top) * s.stride + (probe.x - wr.left)] & 0xFFFFFF, 0x00FF00u);
  delete f;
}

}  // namespace
}  // namespace comctrlstest
