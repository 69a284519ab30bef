// Makings of the file-list pictures a person looks at: keyed image-list
// pictures and a list view filled the way a file list looks (Name, Size, Type
// columns, Size right-aligned, and rows of name, size, type and picture).
#pragma once

#include <initializer_list>

#include "platform/vcl/ComCtrls.h"
#include "platform/vcl/Controls.h"
#include "platform/vcl/Graphics.h"

enum class TestPictureShape { Square, Disc };

// A picture of the list's size: a coloured shape with a dark frame on a
// fuchsia key colour.
inline void AddTestPicture(TImageList* list, TColor fill, TestPictureShape shape) {
  int s = list->GetWidth();
  TBitmap b;
  b.SetSize(s, s);
  TCanvas* c = b.GetCanvas();
  c->GetBrush()->SetColor(clFuchsia);
  c->FillRect(TRect(0, 0, s, s));
  c->GetBrush()->SetColor(fill);
  c->GetPen()->SetColor(clBlack);
  if (shape == TestPictureShape::Disc)
    c->Ellipse(1, 1, s - 1, s - 1);
  else
    c->Rectangle(1, 2, s - 1, s - 2);
  list->AddMasked(&b, clFuchsia);
}

struct FileListRow {
  const char* name;
  const char* size;
  const char* type;
  int image;
};

inline void AddFileListColumns(TCustomListView* list, int nameWidth, int sizeWidth, int typeWidth) {
  const char* names[] = {"Name", "Size", "Type"};
  int widths[] = {nameWidth, sizeWidth, typeWidth};
  for (int i = 0; i < 3; i++) {
    TListColumn* col = list->GetColumns()->Add();
    col->SetCaption(names[i]);
    col->SetWidth(widths[i]);
    if (i == 1) col->SetAlignment(taRightJustify);
  }
}

inline void AddFileListRows(TCustomListView* list, std::initializer_list<FileListRow> rows) {
  for (const FileListRow& r : rows) {
    TListItem* item = list->GetItems()->Add();
    item->SetCaption(r.name);
    item->SetImageIndex(r.image);
    item->GetSubItems()->Add(r.size);
    item->GetSubItems()->Add(r.type);
  }
}
