// A form in text form made of the standard controls: the reader makes
// every control, sets its properties and binds its events by name, and
// the form written back reads the same again.
#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "fixture.h"
#include "platform/vcl/Classes.h"
#include "platform/vcl/StdCtrls.h"
#include "platform/vcl/classes/streaming/TextForm.h"

namespace ctltest {
namespace {

class TStdStreamForm : public TForm {
  DRUMS_CLASS(TStdStreamForm, TForm)

 public:
  using TForm::TForm;
  std::vector<std::string> calls;
  TCheckBox* cbxMute = nullptr;
  TComboBox* cbxTrack = nullptr;
  TListBox* DrumListBox = nullptr;
  TEdit* edtName1 = nullptr;
  TLabel* lblTrk1 = nullptr;
  TButton* btnOk = nullptr;

 private:
  void cbxMuteClick(TObject*) { calls.push_back("cbxMuteClick"); }
  void cbxTrackChange(TObject*) { calls.push_back("cbxTrackChange"); }
  void edtName1Change(TObject*) { calls.push_back("edtName1Change"); }
  void DrumListBoxDrawItem(TWinControl*, int, TRect, TOwnerDrawState) { calls.push_back("DrumListBoxDrawItem"); }

  static void Publish(TPublisher<TStdStreamForm>& p) {
    p.Method("cbxMuteClick", &TStdStreamForm::cbxMuteClick);
    p.Method("cbxTrackChange", &TStdStreamForm::cbxTrackChange);
    p.Method("edtName1Change", &TStdStreamForm::edtName1Change);
    p.Method("DrumListBoxDrawItem", &TStdStreamForm::DrumListBoxDrawItem);
    p.Field("cbxMute", &TStdStreamForm::cbxMute);
    p.Field("cbxTrack", &TStdStreamForm::cbxTrack);
    p.Field("DrumListBox", &TStdStreamForm::DrumListBox);
    p.Field("edtName1", &TStdStreamForm::edtName1);
    p.Field("lblTrk1", &TStdStreamForm::lblTrk1);
    p.Field("btnOk", &TStdStreamForm::btnOk);
  }
};

const char* const kForm = R"(object StdStreamForm: TStdStreamForm
  Caption = 'Kit'
  object lblTrk1: TLabel
    Left = 8
    Top = 8
    Caption = '&Track 1'
    FocusControl = edtName1
    Transparent = True
  end
  object edtName1: TEdit
    Left = 60
    Top = 8
    MaxLength = 10
    Text = 'Bassdrum'
    OnChange = edtName1Change
  end
  object cbxMute: TCheckBox
    Left = 8
    Top = 40
    Caption = 'Mute'
    State = cbChecked
    OnClick = cbxMuteClick
  end
  object cbxTrack: TComboBox
    Left = 8
    Top = 70
    Style = csDropDownList
    DropDownCount = 12
    Items.Strings = (
      'Track 1'
      'Track 2'
      'Track 3')
    OnChange = cbxTrackChange
  end
  object DrumListBox: TListBox
    Left = 8
    Top = 100
    Style = lbOwnerDrawFixed
    ItemHeight = 20
    Items.Strings = (
      'kick'
      'snare')
    Sorted = True
    OnDrawItem = DrumListBoxDrawItem
  end
  object btnOk: TButton
    Left = 200
    Top = 8
    Caption = 'OK'
    Default = True
    ModalResult = 1
  end
end
)";

class StdStreaming : public ControlTest {
 protected:
  TStdStreamForm* Read(const std::string& text) {
    // Each form read is a root of its own, not owned by the application
    // (two of them would carry one name).
    auto* f = TCustomForm::CreateNew<TStdStreamForm>(nullptr);
    forms.emplace_back(f);
    ReadForm(text, f);
    return f;
  }
  void TearDown() override {
    forms.clear();
    ControlTest::TearDown();
  }
  std::vector<std::unique_ptr<TStdStreamForm>> forms;
};

TEST_F(StdStreaming, AFormOfStandardControlsReadsWithPropertiesAndEvents) {
  TStdStreamForm* f = Read(kForm);
  ASSERT_NE(f->cbxMute, nullptr);
  ASSERT_NE(f->DrumListBox, nullptr);
  EXPECT_TRUE(f->cbxMute->GetChecked());
  EXPECT_EQ(f->edtName1->GetText(), "Bassdrum");
  EXPECT_EQ(f->edtName1->GetMaxLength(), 10);
  EXPECT_EQ(f->lblTrk1->GetFocusControl(), f->edtName1);
  EXPECT_TRUE(f->lblTrk1->GetTransparent());
  EXPECT_EQ(f->cbxTrack->GetItems()->GetCount(), 3);
  EXPECT_EQ(f->cbxTrack->GetDropDownCount(), 12);
  EXPECT_EQ(f->DrumListBox->GetStyle(), lbOwnerDrawFixed);
  EXPECT_EQ(f->DrumListBox->GetItemHeight(), 20);
  EXPECT_TRUE(f->DrumListBox->GetSorted());
  EXPECT_TRUE(f->btnOk->GetDefault());
  EXPECT_EQ(f->btnOk->GetModalResult(), mrOk);
  // Reading the saved state ran no handler.
  EXPECT_EQ(f->calls, std::vector<std::string>{});
  f->cbxMute->SetChecked(false);
  f->cbxTrack->SetItemIndex(1);  // by code: no OnChange
  f->edtName1->SetText("Kick");
  f->Show();
  Pump();
  RedrawWindow(f->GetHandle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  Pump();
  ASSERT_GE(f->calls.size(), 3u);
  EXPECT_EQ(f->calls.at(0), "cbxMuteClick");
  EXPECT_NE(std::find(f->calls.begin(), f->calls.end(), "edtName1Change"), f->calls.end());
  EXPECT_EQ(std::count(f->calls.begin(), f->calls.end(), "cbxTrackChange"), 0);
  EXPECT_NE(std::find(f->calls.begin(), f->calls.end(), "DrumListBoxDrawItem"), f->calls.end());
}

TEST_F(StdStreaming, WrittenBackTheFormReadsTheSame) {
  TStdStreamForm* f = Read(kForm);
  std::string text = WriteForm(f);
  EXPECT_NE(text.find("Text = 'Bassdrum'"), std::string::npos) << text;
  EXPECT_EQ(text.find("Caption = 'Bassdrum'"), std::string::npos) << text;
  EXPECT_NE(text.find("OnDrawItem = DrumListBoxDrawItem"), std::string::npos) << text;
  TStdStreamForm* again = Read(text);
  EXPECT_EQ(WriteForm(again), text);
}

}  // namespace
}  // namespace ctltest
