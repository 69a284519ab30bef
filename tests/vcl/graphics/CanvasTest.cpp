#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "GraphicsTestSupport.h"

using namespace graphics_test;

TEST(Canvas, RectangleOutlinesWithThePenAndFillsWithTheBrush) {
  TBitmap bitmap;
  Fill(bitmap, 20, 20, clWhite);
  TCanvas* c = bitmap.GetCanvas();
  c->GetPen()->SetColor(clRed);
  c->GetBrush()->SetColor(clBlue);
  c->Rectangle(2, 3, 12, 10);
  EXPECT_EQ(At(bitmap, 2, 3), clRed);
  EXPECT_EQ(At(bitmap, 11, 9), clRed);
  EXPECT_EQ(At(bitmap, 6, 6), clBlue);
  EXPECT_EQ(At(bitmap, 12, 10), clWhite);  // right and bottom are outside
  EXPECT_EQ(At(bitmap, 1, 3), clWhite);

  // A clear brush leaves the inside; a pen change is selected before the next shape.
  c->GetBrush()->SetStyle(bsClear);
  c->GetPen()->SetColor(clLime);
  c->Rectangle(4, 4, 8, 8);
  EXPECT_EQ(At(bitmap, 4, 4), clLime);
  EXPECT_EQ(At(bitmap, 5, 5), clBlue);
}

TEST(Canvas, PixelsPenPosAndLines) {
  TBitmap bitmap;
  Fill(bitmap, 10, 10, clWhite);
  TCanvas* c = bitmap.GetCanvas();
  c->SetPixels(3, 4, clFuchsia);
  EXPECT_EQ(c->GetPixels(3, 4), clFuchsia);
  c->GetPen()->SetColor(clGreen);
  c->MoveTo(0, 8);
  c->LineTo(5, 8);
  EXPECT_EQ(c->GetPenPos(), Point(5, 8));
  EXPECT_EQ(At(bitmap, 0, 8), clGreen);
  EXPECT_EQ(At(bitmap, 4, 8), clGreen);
  EXPECT_EQ(At(bitmap, 5, 8), clWhite);  // the end point is not drawn
  // A system colour is drawn as its RGB value.
  c->SetPixels(1, 1, clBtnFace);
  EXPECT_EQ(static_cast<COLORREF>(c->GetPixels(1, 1)), ColorToRGB(clBtnFace));
}

TEST(Canvas, PenModesCombineWithTheDestination) {
  TBitmap bitmap;
  Fill(bitmap, 10, 3, clYellow);
  TCanvas* c = bitmap.GetCanvas();
  c->GetPen()->SetColor(clWhite);
  c->GetPen()->SetMode(pmXor);
  c->MoveTo(0, 1);
  c->LineTo(10, 1);
  EXPECT_EQ(At(bitmap, 4, 1), clBlue);  // yellow xor white
  c->MoveTo(0, 1);
  c->LineTo(10, 1);
  EXPECT_EQ(At(bitmap, 4, 1), clYellow);
  EXPECT_EQ(PenModeToROP2(pmNotXor), R2_NOTXORPEN);
  EXPECT_EQ(PenModeToROP2(pmBlack), R2_BLACK);
  EXPECT_EQ(PenModeToROP2(pmMergePenNot), R2_MERGEPENNOT);
}

TEST(Canvas, TextOutDrawsAndMovesThePenTextRectClips) {
  TBitmap bitmap;
  Fill(bitmap, 80, 20, clWhite);
  TCanvas* c = bitmap.GetCanvas();
  c->GetFont()->SetColor(clBlack);
  TSize extent = c->TextExtent("WWW");
  EXPECT_GT(extent.cx, 10);
  EXPECT_GT(extent.cy, 8);
  EXPECT_EQ(c->TextWidth("WWW"), extent.cx);
  c->TextOut(1, 1, "WWW");
  EXPECT_EQ(c->GetPenPos(), Point(1 + extent.cx, 1));
  auto inked = [&](int left, int right) {
    int n = 0;
    for (int y = 0; y < 20; ++y)
      for (int x = left; x < right; ++x) n += At(bitmap, x, y) == clBlack;
    return n;
  };
  EXPECT_GT(inked(0, 1 + extent.cx), 0);

  // Text that runs past the rectangle is cut at its edge; the rectangle is filled.
  Fill(bitmap, 80, 20, clWhite);
  c->GetBrush()->SetColor(clAqua);
  c->TextRect(Rect(0, 0, 10, 20), 1, 1, "WWWWWW");
  EXPECT_GT(inked(0, 10), 0);
  EXPECT_EQ(inked(10, 80), 0);
  EXPECT_EQ(At(bitmap, 0, 19), clAqua);
  EXPECT_EQ(At(bitmap, 10, 19), clWhite);
  // A clear brush leaves the background.
  Fill(bitmap, 80, 20, clWhite);
  c->GetBrush()->SetStyle(bsClear);
  c->TextRect(Rect(0, 0, 10, 20), 1, 1, "WWWWWW");
  EXPECT_EQ(At(bitmap, 0, 19), clWhite);
  EXPECT_GT(inked(0, 10), 0);
}

TEST(Canvas, CopyRectUsesTheCopyMode) {
  TBitmap source, dest;
  Fill(source, 4, 4, clRed);
  source.GetCanvas()->SetPixels(1, 1, clLime);
  struct Case {
    TCopyMode mode;
    TColor destBefore;
    TColor redBecomes;
  } cases[] = {
      {cmSrcCopy, clWhite, clRed},     {cmNotSrcCopy, clWhite, clAqua}, {cmSrcAnd, clYellow, clRed},
      {cmSrcPaint, clBlue, clFuchsia}, {cmSrcInvert, clWhite, clAqua},  {cmBlackness, clWhite, clBlack},
  };
  for (const Case& k : cases) {
    Fill(dest, 10, 10, k.destBefore);
    dest.GetCanvas()->SetCopyMode(k.mode);
    dest.GetCanvas()->CopyRect(Rect(2, 2, 6, 6), source.GetCanvas(), Rect(0, 0, 4, 4));
    EXPECT_EQ(At(dest, 2, 2), k.redBecomes) << std::hex << k.mode;
    EXPECT_EQ(At(dest, 6, 6), k.destBefore) << std::hex << k.mode;
  }
  // A larger destination stretches.
  Fill(dest, 10, 10, clWhite);
  dest.GetCanvas()->SetCopyMode(cmSrcCopy);
  dest.GetCanvas()->CopyRect(Rect(0, 0, 8, 8), source.GetCanvas(), Rect(0, 0, 4, 4));
  EXPECT_EQ(At(dest, 2, 2), clLime);
  EXPECT_EQ(At(dest, 3, 3), clLime);
  EXPECT_EQ(At(dest, 7, 7), clRed);
}

TEST(Canvas, BrushCopyReplacesExactlyOneColour) {
  TBitmap source;
  Fill(source, 6, 4, clWhite);
  TCanvas* s = source.GetCanvas();
  s->SetPixels(0, 0, clRed);
  s->SetPixels(1, 0, 0x0000FE);  // nearly red: must stay
  s->SetPixels(2, 0, clBlack);
  TBitmap dest;
  Fill(dest, 10, 10, clGray);
  TCanvas* d = dest.GetCanvas();
  d->GetBrush()->SetColor(clLime);
  d->BrushCopy(Rect(1, 1, 7, 5), &source, Rect(0, 0, 6, 4), clWhite);
  EXPECT_EQ(At(dest, 1, 1), clRed);
  EXPECT_EQ(At(dest, 2, 1), 0x0000FE);
  EXPECT_EQ(At(dest, 3, 1), clBlack);
  for (int y = 1; y < 5; ++y)
    for (int x = 1; x < 7; ++x)
      if (y > 1 || x > 3) {
        EXPECT_EQ(At(dest, x, y), clLime) << x << "," << y;
      }
  EXPECT_EQ(At(dest, 0, 0), clGray);
  EXPECT_EQ(At(dest, 7, 5), clGray);
  // The source is untouched.
  EXPECT_EQ(At(source, 3, 3), clWhite);
}

TEST(Canvas, FillsFramesAndFloodFill) {
  TBitmap bitmap;
  Fill(bitmap, 12, 12, clWhite);
  TCanvas* c = bitmap.GetCanvas();
  c->GetBrush()->SetColor(clRed);
  c->FrameRect(Rect(1, 1, 11, 11));
  EXPECT_EQ(At(bitmap, 1, 1), clRed);
  EXPECT_EQ(At(bitmap, 10, 10), clRed);
  EXPECT_EQ(At(bitmap, 5, 5), clWhite);

  c->GetBrush()->SetColor(clBlue);
  c->FloodFill(5, 5, clRed, fsBorder);
  EXPECT_EQ(At(bitmap, 5, 5), clBlue);
  EXPECT_EQ(At(bitmap, 2, 9), clBlue);
  EXPECT_EQ(At(bitmap, 0, 0), clWhite);

  c->GetBrush()->SetColor(clYellow);
  c->FloodFill(0, 0, clWhite, fsSurface);
  EXPECT_EQ(At(bitmap, 0, 11), clYellow);
  EXPECT_EQ(At(bitmap, 5, 5), clBlue);

  c->GetBrush()->SetStyle(bsCross);
  c->GetBrush()->SetColor(clBlack);
  c->FillRect(Rect(2, 2, 10, 10));
  std::vector<TColor> all = Pixels(bitmap);
  EXPECT_GT(std::count(all.begin(), all.end(), clBlack), 0);
  EXPECT_GT(std::count(all.begin(), all.end(), clBlue), 0);  // the hatch gaps stay
}

TEST(Canvas, ShapesTouchOnlyTheirBounds) {
  TBitmap bitmap;
  struct Case {
    const char* name;
    void (*draw)(TCanvas*);
  } cases[] = {
      {"Ellipse", [](TCanvas* c) { c->Ellipse(4, 4, 16, 16); }},
      {"RoundRect", [](TCanvas* c) { c->RoundRect(4, 4, 16, 16, 5, 5); }},
      {"Pie", [](TCanvas* c) { c->Pie(4, 4, 16, 16, 16, 10, 10, 4); }},
      {"Chord", [](TCanvas* c) { c->Chord(4, 4, 16, 16, 16, 10, 10, 4); }},
      {"Arc", [](TCanvas* c) { c->Arc(4, 4, 16, 16, 16, 10, 10, 4); }},
      {"Polygon",
       [](TCanvas* c) {
         c->Polygon({Point(4, 4), Point(15, 4), Point(10, 15)});
       }},
      {"Polyline",
       [](TCanvas* c) {
         c->Polyline({Point(4, 4), Point(15, 4), Point(10, 15)});
       }},
      {"PolyBezier",
       [](TCanvas* c) {
         c->PolyBezier({Point(4, 4), Point(15, 4), Point(4, 15), Point(15, 15)});
       }},
  };
  for (const Case& k : cases) {
    Fill(bitmap, 20, 20, clWhite);
    bitmap.GetCanvas()->GetPen()->SetColor(clRed);
    bitmap.GetCanvas()->GetBrush()->SetColor(clBlue);
    k.draw(bitmap.GetCanvas());
    int inside = 0;
    for (int y = 0; y < 20; ++y)
      for (int x = 0; x < 20; ++x) {
        bool drawn = At(bitmap, x, y) != clWhite;
        if (x < 4 || y < 4 || x > 16 || y > 16) {
          EXPECT_FALSE(drawn) << k.name << " at " << x << "," << y;
        }
        inside += drawn;
      }
    EXPECT_GT(inside, 0) << k.name;
  }
}

TEST(Canvas, ChangingAndChangeSurroundEveryDrawingCall) {
  TBitmap bitmap;
  Fill(bitmap, 10, 10, clWhite);
  TCanvas canvas;
  canvas.SetHandle(bitmap.GetCanvas()->GetHandle());
  std::string log;
  canvas.OnChanging = [&](TObject*) { log += "<"; };
  canvas.OnChange = [&](TObject*) { log += ">"; };
  canvas.Rectangle(0, 0, 2, 2);
  canvas.TextOut(0, 0, "a");
  canvas.GetPixels(0, 0);  // reading is no change
  canvas.TextExtent("a");
  canvas.FillRect(Rect(0, 0, 1, 1));
  EXPECT_EQ(log, "<><><>");
  canvas.SetHandle(nullptr);
}

TEST(Canvas, WithoutAContextDrawingRaises) {
  TCanvas canvas;
  EXPECT_FALSE(canvas.HandleAllocated());
  EXPECT_THROW(canvas.Rectangle(0, 0, 1, 1), EInvalidOperation);
  EXPECT_THROW(canvas.GetPixels(0, 0), EInvalidOperation);
}

TEST(Canvas, ClipRectAndLocking) {
  TBitmap bitmap;
  Fill(bitmap, 30, 20, clWhite);
  TCanvas* c = bitmap.GetCanvas();
  EXPECT_EQ(c->GetClipRect(), Rect(0, 0, 30, 20));
  c->Lock();
  c->Lock();
  EXPECT_EQ(c->GetLockCount(), 2);
  EXPECT_TRUE(c->TryLock());  // the same thread may enter again
  c->Unlock();
  c->Unlock();
  c->Unlock();
  EXPECT_EQ(c->GetLockCount(), 0);
}
