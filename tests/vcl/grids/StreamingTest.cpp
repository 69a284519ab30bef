// A form holding a string grid written to the form format and read back:
// the published properties, the column widths and row heights a form keeps,
// and the grid's events bound to the form's handlers by name.
#include <string>
#include <vector>

#include "GridFixture.h"
#include "platform/vcl/Classes.h"
#include "platform/vcl/classes/streaming/ComponentResources.h"
#include "platform/vcl/classes/streaming/TextForm.h"

namespace gridtest {
namespace {

class TGridTestForm : public TForm {
  DRUMS_CLASS(TGridTestForm, TForm)

 public:
  using TForm::TForm;
  TStringGrid* sequencer = nullptr;
  std::vector<std::string> calls;

 private:
  void sequencerSelectCell(TObject*, int col, int row, bool&) {
    calls.push_back("select " + std::to_string(col) + "," + std::to_string(row));
  }
  void sequencerKeyUp(TObject*, WORD&, TShiftState) { calls.push_back("keyup"); }

  static void Publish(TPublisher<TGridTestForm>& p) {
    p.Method("sequencerSelectCell", &TGridTestForm::sequencerSelectCell);
    p.Method("sequencerKeyUp", &TGridTestForm::sequencerKeyUp);
    p.Field("sequencer", &TGridTestForm::sequencer);
  }
};

std::string ToText(TComponent* root) {
  TMemoryStream binary;
  WriteComponent(&binary, root);
  binary.SetPosition(0);
  TStringStream text;
  ObjectBinaryToText(&binary, &text);
  return text.GetDataString();
}

TEST_F(GridTest, AFormWithAStringGridRoundTrips) {
  RegisterClasses({TGridTestForm::StaticClass()});
  auto* source = TCustomForm::CreateNew<TGridTestForm>(Application);
  source->SetName("frmGrid");
  auto* g = new TStringGrid(source);
  g->SetName("sequencer");
  g->SetParent(source);
  g->SetColCount(12);
  g->SetRowCount(3);
  g->SetFixedCols(0);
  g->SetFixedRows(0);
  g->SetDefaultColWidth(30);
  g->SetDefaultRowHeight(18);
  g->SetColWidths(11, 45);
  g->SetRowHeights(2, 22);
  g->SetOptions(TGridOptions{goVertLine, goHorzLine, goEditing, goTabs});
  g->SetScrollBars(ssNone);
  g->SetFixedColor(clSilver);
  g->SetCells(0, 0, "3");  // cells are the program's: not kept in the form
  g->OnSelectCell = TSelectCellEvent([](TObject*, int, int, bool&) {}, "sequencerSelectCell", source);
  g->OnKeyUp = TKeyEvent([](TObject*, WORD&, TShiftState) {}, "sequencerKeyUp", source);

  std::string text = ToText(source);
  for (const char* expected :
       {"object sequencer: TStringGrid", "ColCount = 12", "DefaultColWidth = 30", "FixedCols = 0", "RowCount = 3",
        "FixedRows = 0", "Options = [goVertLine, goHorzLine, goEditing, goTabs]", "ScrollBars = ssNone",
        "FixedColor = clSilver", "OnSelectCell = sequencerSelectCell", "OnKeyUp = sequencerKeyUp", "ColWidths = (",
        "RowHeights = ("})
    EXPECT_NE(text.find(expected), std::string::npos) << expected << " in\n" << text;
  EXPECT_EQ(text.find("GridLineWidth"), std::string::npos) << "defaults are left out";

  TMemoryStream binary;
  WriteComponent(&binary, source);
  binary.SetPosition(0);
  delete source;  // the copy takes its name
  auto* copy = TCustomForm::CreateNew<TGridTestForm>(Application);
  ReadComponent(&binary, copy);
  ASSERT_NE(copy->sequencer, nullptr);
  TStringGrid* r = copy->sequencer;
  EXPECT_EQ(r->GetColCount(), 12);
  EXPECT_EQ(r->GetRowCount(), 3);
  EXPECT_EQ(r->GetFixedCols(), 0);
  EXPECT_EQ(r->GetFixedRows(), 0);
  EXPECT_EQ(r->GetDefaultColWidth(), 30);
  EXPECT_EQ(r->GetDefaultRowHeight(), 18);
  for (int c = 0; c < 12; c++) EXPECT_EQ(r->GetColWidths(c), c == 11 ? 45 : 30) << c;
  for (int row = 0; row < 3; row++) EXPECT_EQ(r->GetRowHeights(row), row == 2 ? 22 : 18) << row;
  EXPECT_EQ(r->GetOptions(), (TGridOptions{goVertLine, goHorzLine, goEditing, goTabs}));
  EXPECT_EQ(r->GetScrollBars(), ssNone);
  EXPECT_EQ(r->GetFixedColor(), clSilver);
  EXPECT_EQ(r->GetCells(0, 0), "");
  EXPECT_EQ(r->GetCol(), 0);
  EXPECT_EQ(ToText(copy), text);

  // The bound handler runs for a cell chosen in the copy.
  bool can = true;
  r->OnSelectCell(r, 4, 1, can);
  EXPECT_EQ(copy->calls, std::vector<std::string>{"select 4,1"});
  delete copy;
}

TEST_F(GridTest, StoredSizesBeyondTheCountAreDropped) {
  const char* text =
      "object grid2: TStringGrid\r\n"
      "  ColCount = 2\r\n"
      "  ColWidths = (\r\n"
      "    10\r\n"
      "    20\r\n"
      "    30\r\n"
      "    40)\r\n"
      "end\r\n";
  TStringStream in(text);
  TMemoryStream binary;
  ObjectTextToBinary(&in, &binary);
  binary.SetPosition(0);
  auto* g = static_cast<TStringGrid*>(ReadComponent(&binary, nullptr));
  ASSERT_NE(g, nullptr);
  EXPECT_EQ(g->GetColCount(), 2);
  EXPECT_EQ(g->GetColWidths(0), 10);
  EXPECT_EQ(g->GetColWidths(1), 20);
  delete g;
}

}  // namespace
}  // namespace gridtest
