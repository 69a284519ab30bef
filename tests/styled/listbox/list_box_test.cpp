// The multi-column list box: lines cut into fields, fields drawn in the
// header's columns with grid lines, and the column widths kept in the
// settings store and read back.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "controls/styled/stystdcA.h"
#include "platform/vcl/Forms.h"
#include "platform/win/windows.h"
#include "styled/shared/fixture.h"
#include "tests/support/TempFolder.h"

namespace {

using styledtest::Rgb;
using styledtest::Sheet;

std::vector<std::string> Fields(const std::string& text, char delimiter) {
  TStringList list;
  list.Add("left over");
  SplitAtDelimiter(text, delimiter, &list);
  std::vector<std::string> out;
  for (int i = 0; i < list.GetCount(); ++i) out.push_back(list.GetStrings(i));
  return out;
}

TEST(ListBoxColumns, SplitAtDelimiterKeepsEmptyFieldsButNoTrailingOne) {
  using V = std::vector<std::string>;
  const struct {
    std::string text;
    char delimiter;
    V fields;
  } cases[] = {
      {"100,200,", ',', V{"100", "200"}},
      {"a;;b", ';', V{"a", "", "b"}},
      {";a", ';', V{"", "a"}},
      {"a;b;c", ';', V{"a", "b", "c"}},
      {";", ';', V{""}},
      {"a", ';', V{"a"}},
      {"a;b", ',', V{"a;b"}},
      // An empty text leaves the list as it was.
      {"", ';', V{"left over"}},
  };
  for (const auto& c : cases) EXPECT_EQ(Fields(c.text, c.delimiter), c.fields) << c.text;
  SplitAtDelimiter("a;b", ';', nullptr);

  std::string line;
  for (int i = 0; i < 100; ++i) line += "ab;";
  const auto long_fields = Fields(line, ';');
  EXPECT_EQ(line.size(), 300u);
  ASSERT_EQ(long_fields.size(), 100u);
  EXPECT_EQ(long_fields.back(), "ab");
}

TEST(ListBoxColumns, LegacySectionsBecomeHeaderSections) {
  THeaderControl header(nullptr);
  THeaderSections* sections = header.GetSections();
  const struct {
    std::string stored;
    std::string caption;
    int width;
  } cases[] = {
      {std::string("\0"
                   "120\0"
                   "Name",
                   9),
       "Name", 121},
      {"Plain", "Plain", 76},
      {std::string("\0"
                   "wide\0"
                   "X",
                   7),
       "X", 76},
      {std::string("\0"
                   "30",
                   3),
       "", 31},
  };
  for (const auto& c : cases) {
    AddLegacySection(c.stored, sections);
    THeaderSection* s = sections->GetItem(sections->GetCount() - 1);
    EXPECT_EQ(s->GetText(), c.caption);
    EXPECT_EQ(s->GetWidth(), c.width);
  }
}

class ListBoxTest : public styledtest::StyledProcs {
 protected:
  void SetUp() override {
    StyledProcs::SetUp();
    form = TCustomForm::CreateNew<TForm>(Application);
    form->SetBounds(50, 50, 520, 300);
    box = new TStyListBox(form);
    box->SetParent(form);
    box->SetBounds(10, 10, 480, 200);
  }
  void TearDown() override {
    delete form;
    StyledProcs::TearDown();
  }
  void TwoColumns() {
    THeaderSections* sections = box->GetHeaderSections();
    sections->Clear();
    for (int i = 0; i < 2; ++i) sections->Add()->SetWidth(200);
  }
  // The inner list's pixels, painted now.
  void Grab(Sheet& sheet) {
    TListBox* list = box->GetListBox();
    RedrawWindow(list->GetHandle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
    HDC dc = GetDC(list->GetHandle());
    BitBlt(sheet.Canvas()->GetHandle(), 0, 0, list->GetWidth(), list->GetHeight(), dc, 0, 0, SRCCOPY);
    ReleaseDC(list->GetHandle(), dc);
  }
  // The first column in [from, to) of rows [top, bottom) holding ink.
  static int FirstInk(Sheet& sheet, int from, int to, int top, int bottom, TColor ink) {
    for (int x = from; x < to; ++x)
      for (int y = top; y < bottom; ++y)
        if (sheet.At(x, y) == Rgb(ink)) return x;
    return -1;
  }
  // Where a text drawn at x on a sheet of the list's font shows its first ink.
  int InkOffset(const std::string& text) {
    Sheet ref(60, 40);
    ref.Canvas()->SetFont(box->GetListBox()->GetFont());
    ref.Canvas()->GetFont()->SetColor(clBlack);
    ref.Canvas()->GetBrush()->SetStyle(bsClear);
    ref.Canvas()->TextOut(10, 5, text);
    return FirstInk(ref, 0, 60, 0, 40, clBlack) - 10;
  }

  TForm* form = nullptr;
  TStyListBox* box = nullptr;
};

TEST_F(ListBoxTest, FieldsAreDrawnInTheirColumnsAndBeyondTheLastNotAtAll) {
  TwoColumns();
  box->GetListBox()->GetFont()->SetColor(clBlack);
  // The first line may hold the focus rectangle; the second is plain.
  box->GetItems()->Add("");
  box->GetItems()->Add("a;b;c");
  form->Show();
  Pump();
  Sheet sheet(box->GetListBox()->GetWidth(), box->GetListBox()->GetHeight());
  Grab(sheet);
  const TRect line = box->GetListBox()->ItemRect(1);
  EXPECT_EQ(FirstInk(sheet, 0, 200, line.Top, line.Bottom, clBlack), 2 + InkOffset("a"));
  EXPECT_EQ(FirstInk(sheet, 200, 401, line.Top, line.Bottom, clBlack), 203 + InkOffset("b"));
  EXPECT_EQ(FirstInk(sheet, 401, sheet.bitmap->GetWidth(), line.Top, line.Bottom, clBlack), -1);
}

TEST_F(ListBoxTest, GridLinesFollowTheSectionsAndTheLineBottom) {
  TwoColumns();
  box->SetGridLines(glBoth);
  box->SetGridVertColor(clRed);
  box->SetGridHorzColor(clBlue);
  box->GetItems()->Add("one;two");
  box->GetItems()->Add("three;four");
  form->Show();
  Pump();
  Sheet sheet(box->GetListBox()->GetWidth(), box->GetListBox()->GetHeight());
  Grab(sheet);
  const TRect first = box->GetListBox()->ItemRect(0);
  const TRect second = box->GetListBox()->ItemRect(1);
  for (int x : {199, 399}) EXPECT_EQ(sheet.At(x, first.Top + 3), Rgb(clRed)) << x;
  EXPECT_EQ(sheet.At(199, second.Top + 3), Rgb(clRed));
  EXPECT_EQ(sheet.At(50, first.Top + 3), Rgb(clWhite));
  EXPECT_EQ(sheet.At(50, second.Bottom + 20), Rgb(clWhite));
  for (int x : {198, 200, 398, 400}) EXPECT_NE(sheet.At(x, first.Top + 3), Rgb(clRed)) << x;
  EXPECT_EQ(sheet.At(50, first.Bottom - 1), Rgb(clBlue));
  EXPECT_EQ(sheet.At(50, second.Bottom - 1), Rgb(clBlue));
  EXPECT_NE(sheet.At(50, first.Bottom - 2), Rgb(clBlue));

  box->SetGridLines(glHorizontal);
  Grab(sheet);
  EXPECT_NE(sheet.At(199, first.Top + 3), Rgb(clRed));
  EXPECT_EQ(sheet.At(50, first.Bottom - 1), Rgb(clBlue));
}

TEST_F(ListBoxTest, BlankLineDrawsOnlyItsBackground) {
  TwoColumns();
  box->SetGridLines(glNone);
  box->GetItems()->Add("   ");
  box->GetItems()->Add("x;y");
  box->GetListBox()->SetItemIndex(0);
  form->Show();
  Pump();
  Sheet sheet(box->GetListBox()->GetWidth(), box->GetListBox()->GetHeight());
  Grab(sheet);
  const TRect line = box->GetListBox()->ItemRect(0);
  // The selected blank line: SelectedColor, no text (inside its focus frame).
  for (int x = 2; x < 470; x += 7) EXPECT_EQ(sheet.At(x, line.Top + line.Height() / 2), Rgb(clHighlight)) << x;
}

TEST_F(ListBoxTest, ColumnWidthsRestoreAndSkipABadNumber) {
  const struct {
    std::string stored;
    std::vector<int> widths;
  } cases[] = {
      {"200,150,90", {200, 150, 90}},
      {"200", {200}},
      // A field that is no number keeps the new section's default width.
      {"200,x,90", {200, THeaderSection(nullptr).GetWidth(), 90}},
      // Only the last delimiter adds no field.
      {"70,,", {70, THeaderSection(nullptr).GetWidth()}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.stored);
    box->GetHeaderSections()->Clear();
    box->SetColumnWidths(c.stored);
    ASSERT_EQ(box->GetSectionCount(), static_cast<int>(c.widths.size()));
    for (int i = 0; i < box->GetSectionCount(); ++i) {
      EXPECT_EQ(box->GetHeaderSections()->GetItem(i)->GetWidth(), c.widths[i]);
      EXPECT_EQ(box->GetHeaderSections()->GetItem(i)->GetText(), "S. " + std::to_string(i + 1));
    }
  }
  EXPECT_EQ(box->GetColumnWidths(), "70,50");
  // A bad field over an existing section leaves its width.
  box->SetColumnWidths("300,40");
  box->SetColumnWidths("oops,41");
  EXPECT_EQ(box->GetColumnWidths(), "300,41");
  box->SetColumnWidths("");
  EXPECT_EQ(box->GetColumnWidths(), "300,41");
  box->GetHeaderSections()->Clear();
  EXPECT_EQ(box->GetColumnWidths(), "");
}

TEST_F(ListBoxTest, WidthsTravelThroughTheLinkedStore) {
  TempFolder folder;
  auto* ini = new TStyIniCtrl(form);
  ini->SetTarget(itIniFile);
  ini->SetIniPrefix(ppFixed);
  ini->SetIniFile(folder / "lists.ini");
  ini->WriteString("Waves", "Cols", "120,80,60");

  std::vector<std::string> events;
  box->OnIniReadData = [&](TObject*, TStyIniCtrl* store, const std::string& section) {
    events.push_back("read " + section + (store == ini ? " link" : " none"));
  };
  box->OnIniWriteData = [&](TObject*, TStyIniCtrl* store, const std::string& section) {
    events.push_back("write " + section + (store == ini ? " link" : " none"));
  };
  box->SetIniUse(ioUseLink);
  box->SetIniLink(ini);
  box->SetSection("Waves");
  box->SetIniKey("Cols");
  box->ReadIniData();
  EXPECT_EQ(box->GetColumnWidths(), "120,80,60");

  box->GetHeaderSections()->GetItem(1)->SetWidth(99);
  box->WriteIniData();
  EXPECT_EQ(ini->ReadString("Waves", "Cols", ""), "120,99,60");
  // No section: the value goes.
  box->GetHeaderSections()->Clear();
  box->WriteIniData();
  EXPECT_EQ(ini->ReadString("Waves", "Cols", "gone"), "gone");
  EXPECT_EQ(events, (std::vector<std::string>{"read Waves link", "write Waves link", "write Waves link"}));

  // The link going away leaves the box without a store.
  delete ini;
  EXPECT_EQ(box->GetIniLink(), nullptr);
  events.clear();
  box->ReadIniData();
  EXPECT_EQ(events, (std::vector<std::string>{"read Waves none"}));
  box->OnIniReadData = nullptr;
  box->OnIniWriteData = nullptr;
}

TEST_F(ListBoxTest, WithoutAStoreOnlyTheEventsFire) {
  // The box's destruction writes: with ioNone the event fires, nothing is
  // stored anywhere.
  std::vector<TStyIniCtrl*> stores;
  box->SetColumnWidths("10,20");
  box->OnIniWriteData = [&](TObject*, TStyIniCtrl* store, const std::string&) { stores.push_back(store); };
  delete box;
  box = nullptr;
  EXPECT_EQ(stores, (std::vector<TStyIniCtrl*>{nullptr}));
}

TEST_F(ListBoxTest, AStoreThatCannotBeWrittenIsReportedWhenTheBoxGoes) {
  TempFolder folder;
  auto* ini = new TStyIniCtrl(form);
  ini->SetTarget(itIniFile);
  ini->SetIniPrefix(ppFixed);
  ini->SetIniFile(folder / "missing/lists.ini");
  box->SetIniUse(ioUseLink);
  box->SetIniLink(ini);
  box->SetColumnWidths("120,80");
  std::vector<std::string> reported;
  Application->OnException = [&](TObject*, Exception& e) { reported.push_back(e.GetMessage()); };
  delete box;
  box = nullptr;
  Application->OnException = nullptr;
  ASSERT_EQ(reported.size(), 1u);
  EXPECT_NE(reported[0].find("Unable to write to"), std::string::npos) << reported[0];
}

TEST_F(ListBoxTest, GlobalStoreIsTheApplicationsSettings) {
  TempFolder folder;
  TStyIniCtrl* global = StyApplication->GetIniCtrl();
  global->SetTarget(itIniFile);
  global->SetIniPrefix(ppFixed);
  global->SetIniFile(folder / "global.ini");
  box->SetIniUse(ioUseGlobal);
  box->SetColumnWidths("55,66");
  box->WriteIniData();
  EXPECT_EQ(global->ReadString("Common", "ListBoxData", ""), "55,66");
  box->SetIniUse(ioNone);
  global->SetTarget(itAuto);
}

TEST_F(ListBoxTest, ForwardedPropertiesReachTheInnerParts) {
  // The kit editor's hint must show over the inner list that covers the box.
  styledtest::ReadText(
      "object DrumListBox: TStyListBox\n"
      "  Cursor = crHandPoint\n"
      "  DragMode = dmAutomatic\n"
      "  Hint = 'Double Click to Play Wave'\n"
      "  ShowHint = True\n"
      "  TabStop = False\n"
      "end\n",
      box);
  for (TControl* part : {static_cast<TControl*>(box->GetListBox()), static_cast<TControl*>(box->GetHeader())}) {
    EXPECT_EQ(part->GetHint(), "Double Click to Play Wave");
    EXPECT_TRUE(part->GetShowHint());
  }
  EXPECT_EQ(box->GetListBox()->GetCursor(), crHandPoint);
  EXPECT_EQ(box->GetListBox()->GetDragMode(), dmAutomatic);
  EXPECT_FALSE(box->GetListBox()->GetTabStop());
  EXPECT_FALSE(box->GetTabStop());
}

TEST_F(ListBoxTest, LegacySectionsSetterRaises) {
  EXPECT_THROW(box->SetSections(nullptr), Exception);
  try {
    box->SetSections(nullptr);
  } catch (const Exception& e) {
    EXPECT_EQ(e.GetMessage(), "This property is no longer used in the styled control library!");
  }
}

TEST_F(ListBoxTest, StreamedWithItsOwnSettingsOnly) {
  const std::string plain = styledtest::AsText(box);
  EXPECT_EQ(plain.find("IniKey"), std::string::npos);
  EXPECT_EQ(plain.find("Section "), std::string::npos);
  EXPECT_EQ(plain.find("ItemHeight"), std::string::npos);
  box->SetIniKey("Cols");
  box->SetSection("Waves");
  box->SetStyle(lbOwnerDrawFixed);
  box->SetItemHeight(21);
  const std::string own = styledtest::AsText(box);
  EXPECT_NE(own.find("IniKey = 'Cols'"), std::string::npos) << own;
  EXPECT_NE(own.find("Section = 'Waves'"), std::string::npos) << own;
  EXPECT_NE(own.find("ItemHeight = 21"), std::string::npos) << own;
}

}  // namespace
