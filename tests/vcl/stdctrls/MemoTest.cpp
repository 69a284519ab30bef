// The memo: its Lines are the window's text with CR LF between the lines,
// kept while there is no window; read-only refuses the user's typing; a form
// in text form sets it up; it paints every line.
#include <memory>
#include <string>
#include <vector>

#include "fixture.h"
#include "platform/vcl/Classes.h"
#include "platform/vcl/StdCtrls.h"

namespace ctltest {
namespace {

std::string WindowText(HWND hwnd) {
  char buffer[512] = {};
  GetWindowTextA(hwnd, buffer, sizeof buffer);
  return buffer;
}

std::vector<std::string> LinesOf(TCustomMemo* memo) {
  std::vector<std::string> lines;
  for (int i = 0; i < memo->GetLines()->GetCount(); ++i) lines.push_back(memo->GetLines()->GetStrings(i));
  return lines;
}

class MemoTest : public ControlTest {
 protected:
  TMemo* NewMemo() {
    auto* memo = new TMemo(form);
    memo->SetBounds(10, 10, 200, 120);
    return memo;
  }
};

TEST_F(MemoTest, LinesSetBeforeTheWindowExistsGoIntoItAndReadBackFromIt) {
  TMemo* memo = NewMemo();
  memo->GetLines()->Add("Kick");
  memo->GetLines()->Add("");
  memo->GetLines()->Add("Snare");
  EXPECT_FALSE(memo->HandleAllocated());
  memo->SetParent(form);
  ASSERT_TRUE(memo->HandleAllocated());
  EXPECT_EQ(WindowText(memo->GetHandle()), "Kick\r\n\r\nSnare");
  EXPECT_EQ(SendMessageA(memo->GetHandle(), EM_GETLINECOUNT, 0, 0), 3);

  // Changes of single lines reach the window; the window's text is the lines.
  memo->GetLines()->SetStrings(1, "Hat");
  memo->GetLines()->Insert(0, "Intro");
  memo->GetLines()->Delete(3);
  EXPECT_EQ(WindowText(memo->GetHandle()), "Intro\r\nKick\r\nHat");
  SetWindowTextA(memo->GetHandle(), "one\r\ntwo\nthree\r\n");
  EXPECT_EQ(LinesOf(memo), (std::vector<std::string>{"one", "two", "three", ""}));

  // A new window (the wrap changes its style) keeps them.
  memo->GetLines()->SetText("a\r\nb\r\n");
  EXPECT_EQ(WindowText(memo->GetHandle()), "a\r\nb");
  memo->SetWordWrap(false);
  EXPECT_EQ(LinesOf(memo), (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(WindowText(memo->GetHandle()), "a\r\nb");
  memo->GetLines()->Clear();
  EXPECT_EQ(memo->GetLines()->GetCount(), 0);
  EXPECT_THROW(memo->GetLines()->GetStrings(0), EStringListError);
}

TEST_F(MemoTest, ReadOnlyRefusesTypingAndTheUserTypesLinesOtherwise) {
  TMemo* memo = NewMemo();
  memo->SetParent(form);
  memo->GetLines()->SetText("credits\r\n");
  memo->SetReadOnly(true);
  memo->SetFocus();
  Pump();
  SendMessageA(memo->GetHandle(), EM_SETSEL, 7, 7);
  Type("x\r");
  EXPECT_EQ(LinesOf(memo), std::vector<std::string>{"credits"});

  memo->SetReadOnly(false);
  Type("!\rmore");
  EXPECT_EQ(LinesOf(memo), (std::vector<std::string>{"credits!", "more"}));
}

class TMemoForm : public TForm {
  DRUMS_CLASS(TMemoForm, TForm)

 public:
  using TForm::TForm;
  TMemo* Memo1 = nullptr;

  static void Publish(TPublisher<TMemoForm>& p) { p.Field("Memo1", &TMemoForm::Memo1); }
};

TEST_F(MemoTest, AFormInTextFormSetsTheMemoUpAndIsWrittenBackAsLines) {
  const std::string text = R"(object MemoForm: TMemoForm
  Caption = 'Credits'
  object Memo1: TMemo
    Left = 8
    Top = 8
    Width = 160
    Height = 80
    Alignment = taCenter
    BorderStyle = bsNone
    Lines.Strings = (
      'Brenkavar'
      ''
      'Tambrel')
    ReadOnly = True
    ScrollBars = ssVertical
    WordWrap = False
  end
end
)";
  std::unique_ptr<TMemoForm> f(TCustomForm::CreateNew<TMemoForm>(nullptr));
  ReadForm(text, f.get());
  ASSERT_NE(f->Memo1, nullptr);
  EXPECT_EQ(LinesOf(f->Memo1), (std::vector<std::string>{"Brenkavar", "", "Tambrel"}));
  EXPECT_TRUE(f->Memo1->GetReadOnly());
  EXPECT_FALSE(f->Memo1->GetWordWrap());
  EXPECT_EQ(f->Memo1->GetScrollBars(), ssVertical);
  EXPECT_EQ(f->Memo1->GetAlignment(), taCenter);

  const LONG style = GetWindowLongA(f->Memo1->GetHandle(), GWL_STYLE);
  const LONG wanted[] = {ES_MULTILINE, ES_CENTER, ES_READONLY, static_cast<LONG>(WS_VSCROLL), ES_AUTOHSCROLL};
  for (LONG bit : wanted) EXPECT_TRUE(style & bit) << std::hex << bit;
  EXPECT_FALSE(style & WS_HSCROLL);
  EXPECT_FALSE(GetWindowLongA(f->Memo1->GetHandle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);

  const std::string written = WriteForm(f.get());
  EXPECT_NE(written.find("Lines.Strings = ("), std::string::npos) << written;
  EXPECT_EQ(written.find("Text ="), std::string::npos) << written;
  std::unique_ptr<TMemoForm> again(TCustomForm::CreateNew<TMemoForm>(nullptr));
  ReadForm(written, again.get());
  EXPECT_EQ(WriteForm(again.get()), written);
}

TEST_F(MemoTest, EveryLineIsPaintedOnItsOwnRow) {
  TMemo* memo = NewMemo();
  memo->SetBorderStyle(bsNone);
  memo->SetColor(clWhite);
  memo->GetFont()->SetColor(clBlack);
  memo->GetFont()->SetSize(10);
  memo->SetParent(form);
  // Line 1 is text, line 2 empty, line 3 text again.
  memo->GetLines()->SetText("MMMMMMMM\r\n\r\nMMMMMMMM");
  PaintNow();
  const int lineHeight = [&] {
    TEXTMETRICA tm{};
    HDC dc = GetDC(memo->GetHandle());
    HGDIOBJ old = SelectObject(dc, memo->GetFont()->GetHandle());
    GetTextMetricsA(dc, &tm);
    SelectObject(dc, old);
    ReleaseDC(memo->GetHandle(), dc);
    return static_cast<int>(tm.tmHeight);
  }();
  auto inkInRow = [&](int line) {
    for (int y = line * lineHeight; y < (line + 1) * lineHeight; ++y)
      for (int x = 0; x < 60; ++x)
        if (GetRValue(Pixel(memo, x, y)) < 100) return true;
    return false;
  };
  EXPECT_TRUE(inkInRow(0));
  EXPECT_FALSE(inkInRow(1));
  EXPECT_TRUE(inkInRow(2));
  EXPECT_FALSE(inkInRow(3));
}

}  // namespace
}  // namespace ctltest
