// A form in text form made of the extra and file controls, read with its
// event bindings; and the picture of a form holding every standard, extra
// and file control in its usual states, saved for a person to look at
// (DRUMS_CONTROL_PICTURES names the folder to keep it in).
#include <string>
#include <vector>

#include "fixture.h"
#include "platform/vcl/Classes.h"
#include "platform/vcl/ExtCtrls.h"
#include "platform/vcl/FileCtrl.h"
#include "platform/vcl/Graphics.h"
#include "platform/vcl/StdCtrls.h"
#include "platform/vcl/classes/streaming/TextForm.h"
#include "support/TempFolder.h"

namespace ctltest {
namespace {

class TExtStreamForm : public TForm {
  DRUMS_CLASS(TExtStreamForm, TForm)

 public:
  using TForm::TForm;
  int ticks = 0;
  TPanel* Panel1 = nullptr;
  TShape* Shape1 = nullptr;
  TTimer* Timer1 = nullptr;
  TScrollBox* ScrollBox1 = nullptr;
  TFileListBox* FileListBox1 = nullptr;

 private:
  void Timer1Timer(TObject*) { ticks++; }
  static void Publish(TPublisher<TExtStreamForm>& p) {
    p.Method("Timer1Timer", &TExtStreamForm::Timer1Timer);
    p.Field("Panel1", &TExtStreamForm::Panel1);
    p.Field("Shape1", &TExtStreamForm::Shape1);
    p.Field("Timer1", &TExtStreamForm::Timer1);
    p.Field("ScrollBox1", &TExtStreamForm::ScrollBox1);
    p.Field("FileListBox1", &TExtStreamForm::FileListBox1);
  }
};

const char* const kForm = R"(object ExtStreamForm: TExtStreamForm
  Caption = 'Extra'
  object Panel1: TPanel
    Left = 0
    Top = 0
    Width = 300
    Height = 40
    Align = alTop
    BevelInner = bvLowered
    BevelOuter = bvNone
    BorderWidth = 2
    Caption = 'Order'
    Alignment = taLeftJustify
    object Bevel1: TBevel
      Left = 4
      Top = 30
      Width = 200
      Height = 2
      Shape = bsTopLine
    end
  end
  object Shape1: TShape
    Left = 8
    Top = 50
    Shape = stCircle
    Brush.Color = clRed
    Pen.Width = 2
  end
  object ScrollBox1: TScrollBox
    Left = 100
    Top = 50
    Width = 150
    Height = 80
    BorderStyle = bsNone
    object Image1: TImage
      Left = 0
      Top = 200
      Stretch = True
    end
  end
  object FileListBox1: TFileListBox
    Left = 8
    Top = 140
    Mask = '*.wav'
  end
  object Timer1: TTimer
    Interval = 250
    OnTimer = Timer1Timer
  end
  object Timer2: TTimer
    Enabled = False
    Interval = 100
    OnTimer = Timer1Timer
  end
end
)";

class ExtStreaming : public ControlTest {};

TEST_F(ExtStreaming, AFormOfExtraControlsReadsAndItsTimerRunsTheBoundHandler) {
  auto* f = TCustomForm::CreateNew<TExtStreamForm>(Application);
  ReadForm(kForm, f);
  ASSERT_NE(f->Panel1, nullptr);
  EXPECT_EQ(f->Panel1->GetBevelInner(), TBevelCut::bvLowered);
  EXPECT_EQ(f->Panel1->GetBevelOuter(), TBevelCut::bvNone);
  EXPECT_EQ(f->Panel1->GetAlignment(), taLeftJustify);
  EXPECT_EQ(f->Shape1->GetShape(), TShapeType::stCircle);
  EXPECT_EQ(f->Shape1->GetBrush()->GetColor(), clRed);
  EXPECT_EQ(f->Shape1->GetPen()->GetWidth(), 2);
  EXPECT_EQ(f->ScrollBox1->GetBorderStyle(), bsNone);
  EXPECT_EQ(f->ScrollBox1->GetVertScrollBar()->GetRange(), 305);
  EXPECT_EQ(f->FileListBox1->GetMask(), "*.wav");
  EXPECT_EQ(f->Timer1->GetInterval(), 250u);
  Advance(250);
  EXPECT_EQ(f->ticks, 1);
  // Written back, the scoped values keep their names.
  std::string text = WriteForm(f);
  EXPECT_NE(text.find("BevelInner = bvLowered"), std::string::npos) << text;
  EXPECT_NE(text.find("Shape = stCircle"), std::string::npos) << text;
}

class ControlsPicture : public ControlTest {};

TEST_F(ControlsPicture, EveryControlInItsUsualStates) {
  TempFolder files;
  for (const char* name : {"Bassdrum.wav", "Snare.wav", "Hi Hat.wav"}) files.WriteBytes(name, "x");
  files.WriteBytes("kits/k.kit", "x");
  form->SetBounds(60, 60, 640, 420);
  form->SetCaption("Standard and extra controls");
  form->SetColor(clBtnFace);
  auto place = [&](TControl* c, int x, int y, int w, int h) {
    c->SetParent(form);
    c->SetBounds(x, y, w, h);
  };
  auto* label = new TLabel(form);
  place(label, 10, 12, 60, 16);
  label->SetCaption("&Name:");
  auto* edit = new TEdit(form);
  place(edit, 70, 8, 120, 21);
  edit->SetText("Bassdrum");
  label->SetFocusControl(edit);
  auto* disabledEdit = new TEdit(form);
  place(disabledEdit, 200, 8, 100, 21);
  disabledEdit->SetText("read only");
  disabledEdit->SetEnabled(false);
  auto* ok = new TButton(form);
  place(ok, 320, 6, 80, 25);
  ok->SetCaption("OK");
  ok->SetDefault(true);
  auto* cancel = new TButton(form);
  place(cancel, 410, 6, 80, 25);
  cancel->SetCaption("Cancel");
  auto* off = new TButton(form);
  place(off, 500, 6, 80, 25);
  off->SetCaption("Disabled");
  off->SetEnabled(false);
  const char* boxes[] = {"Unchecked", "Checked", "Grayed"};
  for (int i = 0; i < 3; i++) {
    auto* box = new TCheckBox(form);
    place(box, 10 + i * 110, 40, 100, 18);
    box->SetCaption(boxes[i]);
    box->SetAllowGrayed(true);
    box->SetState(static_cast<TCheckBoxState>(i));
  }
  auto* list = new TListBox(form);
  place(list, 10, 66, 120, 90);
  for (const char* s : {"Bassdrum", "Snare", "Openhat", "Hi Hat", "Sub kick", "Tom1", "Tom2"}) list->GetItems()->Add(s);
  list->SetItemIndex(1);
  auto* colours = new TListBox(form);
  place(colours, 140, 66, 120, 90);
  colours->SetStyle(lbOwnerDrawFixed);
  colours->SetItemHeight(18);
  const TColor swatch[] = {clRed, clLime, clBlue, clYellow};
  colours->OnDrawItem = [&, colours](TWinControl*, int index, TRect rect, TOwnerDrawState) {
    TCanvas* c = colours->GetCanvas();
    c->FillRect(rect);
    c->GetBrush()->SetColor(swatch[index % 4]);
    c->Rectangle(rect.Left + 2, rect.Top + 2, rect.Left + 30, rect.Bottom - 2);
    c->GetBrush()->SetStyle(bsClear);
    c->TextOut(rect.Left + 36, rect.Top + 2, colours->GetItems()->GetStrings(index));
  };
  for (const char* s : {"Red", "Lime", "Blue", "Yellow"}) colours->GetItems()->Add(s);
  colours->SetItemIndex(2);
  auto* combo = new TComboBox(form);
  place(combo, 270, 66, 110, 21);
  combo->SetStyle(csDropDownList);
  for (int i = 1; i <= 12; i++) combo->GetItems()->Add("Track " + std::to_string(i));
  combo->SetItemIndex(0);
  auto* editable = new TComboBox(form);
  place(editable, 270, 96, 110, 21);
  editable->SetText("120");
  auto* panel = new TPanel(form);
  place(panel, 390, 40, 230, 60);
  panel->SetCaption("Panel");
  panel->SetBevelInner(TBevelCut::bvLowered);
  panel->SetBorderWidth(2);
  auto* lowered = new TPanel(form);
  place(lowered, 390, 106, 230, 50);
  lowered->SetCaption("Lowered, left");
  lowered->SetBevelOuter(TBevelCut::bvLowered);
  lowered->SetAlignment(taLeftJustify);
  auto* bevel = new TBevel(form);
  place(bevel, 10, 166, 300, 2);
  bevel->SetShape(bsTopLine);
  auto* frame = new TBevel(form);
  place(frame, 10, 176, 180, 90);
  frame->SetShape(bsFrame);
  const TShapeType shapes[] = {TShapeType::stRectangle, TShapeType::stRoundRect, TShapeType::stCircle};
  const TColor fills[] = {clAqua, clFuchsia, clRed};
  for (int i = 0; i < 3; i++) {
    auto* shape = new TShape(form);
    place(shape, 20 + i * 55, 190, 50, 50);
    shape->SetShape(shapes[i]);
    shape->GetBrush()->SetColor(fills[i]);
  }
  TBitmap bitmap;
  bitmap.SetWidth(32);
  bitmap.SetHeight(32);
  TCanvas* bc = bitmap.GetCanvas();
  bc->GetBrush()->SetColor(clNavy);
  bc->FillRect(TRect(0, 0, 32, 32));
  bc->GetBrush()->SetColor(clYellow);
  bc->Ellipse(4, 4, 28, 28);
  auto* image = new TImage(form);
  place(image, 200, 176, 60, 60);
  image->GetPicture()->SetBitmap(&bitmap);
  image->SetStretch(true);
  auto* centred = new TImage(form);
  place(centred, 270, 176, 60, 60);
  centred->GetPicture()->SetBitmap(&bitmap);
  centred->SetCenter(true);
  auto* scroll = new TScrollBox(form);
  place(scroll, 340, 166, 140, 100);
  for (int i = 0; i < 6; i++) {
    auto* item = new TLabel(form);
    item->SetParent(scroll);
    item->SetBounds(6, 6 + i * 24, 100, 16);
    item->SetCaption("Track " + std::to_string(i + 1));
  }
  auto* fileList = new TFileListBox(form);
  place(fileList, 10, 276, 150, 90);
  fileList->SetDirectory(files.Path());
  fileList->SetItemIndex(0);
  auto* dirList = new TDirectoryListBox(form);
  place(dirList, 170, 276, 200, 90);
  dirList->SetDirectory(files.Path());
  auto* disabledLabel = new TLabel(form);
  place(disabledLabel, 490, 170, 120, 16);
  disabledLabel->SetCaption("Disabled label");
  disabledLabel->SetEnabled(false);
  edit->SetFocus();
  Pump();
  EXPECT_TRUE(SaveScreenshot("standard_and_extra_controls.png"));
  // The picture holds the pixels the controls painted.
  EXPECT_EQ(PixelAt(form, 45, 215), ColorToRGB(clAqua));
}

}  // namespace
}  // namespace ctltest
