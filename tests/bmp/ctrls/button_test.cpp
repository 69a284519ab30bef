// The bitmap buttons: the owner-drawn face in its variants and backgrounds,
// the property rules, the shared wallpapers and the animation, and the
// popup button dropping its menu below itself.
#include <deque>
#include <functional>

#include "bmp/shared/fixture.h"
#include "controls/bmp/BmpCtrls.h"
#include "platform/host/headless.h"
#include "platform/vcl/Menus.h"
#include "platform/vcl/Classes.h"
#include "platform/win/drums_ext.h"
#include "support/FormText.h"

namespace bmptest {
namespace {

class BmpButton : public BmpTest {
 protected:
  void SetUp() override {
    BmpTest::SetUp();
    form = TCustomForm::CreateNew<TForm>(Application);
    form->SetLeft(100);
    form->SetTop(100);
    form->HandleNeeded();
    form->SetClientWidth(400);
    form->SetClientHeight(300);
    skin = new TSkin(form);
    skin->SetBounds(0, 0, 400, 300);
    skin->SetParent(form);
  }
  void TearDown() override {
    Application->OnIdle = nullptr;
    delete form;
    BmpTest::TearDown();
  }
  TBmpBtn* MakeButton(int left, int top, int width, int height, const std::string& caption = "") {
    auto* b = new TBmpBtn(form);
    b->SetBounds(left, top, width, height);
    b->SetCaption(caption);
    b->SetParent(form);
    b->HandleNeeded();
    return b;
  }
  // The form as it paints, off-screen. The buttons are windows of the
  // button class, which print themselves only once they exist.
  Sheet Paint() {
    form->HandleNeeded();
    for (int i = 0; i < form->GetControlCount(); ++i)
      if (auto* w = dynamic_cast<TWinControl*>(form->GetControls(i))) w->HandleNeeded();
    Sheet sheet(400, 300);
    form->PaintTo(sheet.Canvas()->GetHandle(), 0, 0);
    return sheet;
  }
  // The skin alone, for what a see-through control must show.
  Sheet SkinOnly() {
    Sheet sheet(400, 300);
    skin->Perform(WM_PAINT, reinterpret_cast<WPARAM>(sheet.Canvas()->GetHandle()), 0);
    return sheet;
  }
  // A pixel of a window as it is on screen now.
  static TColor OnScreen(TWinControl* control, int x, int y) {
    HDC dc = GetDC(control->GetHandle());
    TColor c = static_cast<TColor>(GetPixel(dc, x, y) & 0xFFFFFF);
    ReleaseDC(control->GetHandle(), dc);
    return c;
  }
  void ClickAt(TWinControl* control, int x, int y) {
    RECT r;
    GetWindowRect(control->GetHandle(), &r);
    HWND top = form->GetHandle();
    RECT f;
    GetWindowRect(top, &f);
    for (host::EventType type : {host::EventType::MouseMove, host::EventType::MouseDown, host::EventType::MouseUp}) {
      host::Event e;
      e.type = type;
      e.button = host::MouseButton::Left;
      e.window = win::user::HostWindowOf(top);
      e.screenX = r.left + x;
      e.screenY = r.top + y;
      e.x = e.screenX - f.left;
      e.y = e.screenY - f.top;
      host::headless::PushEvent(e);
    }
    Pump();
  }

  TForm* form = nullptr;
  TSkin* skin = nullptr;
};

TEST_F(BmpButton, PropertyRules) {
  TBmpBtn* b = MakeButton(10, 10, 75, 25);
  struct Glyphs {
    int set, got;
  } glyphs[] = {{3, 2}, {4, 2}, {1, 1}, {2, 2}};
  for (const Glyphs& g : glyphs) {
    b->SetNumGlyphs(g.set);
    EXPECT_EQ(b->GetNumGlyphs(), g.got) << g.set;
  }
  EXPECT_EQ(b->GetMargin(), -1);
  b->SetMargin(3);
  b->SetMargin(-2);
  EXPECT_EQ(b->GetMargin(), 3) << "below -1 is ignored";
  b->SetMargin(-1);
  EXPECT_EQ(b->GetMargin(), -1);
  // Asking for a shadow shows it.
  using Setter = std::function<void()>;
  for (const Setter& set : {Setter([&] { b->SetShadowColor(clRed); }), Setter([&] { b->SetShadowSize(2); }),
                            Setter([&] { b->SetShadowPos(spRightBottom); })}) {
    b->SetSimpleView(true);
    set();
    EXPECT_FALSE(b->GetSimpleView());
  }
  // A popup button is 119 wide to begin with; the window is owner-drawn.
  auto* popup = new TBmpPopupButton2(form);
  EXPECT_EQ(popup->GetWidth(), 119);
  popup->SetParent(form);
  EXPECT_EQ(GetWindowLongA(popup->GetHandle(), GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
}

// The background by Options, seen at a probe point away from the edge and
// the caption; the reference is what the same background alone paints.
TEST_F(BmpButton, BackgroundsOfEachVariant) {
  const int W = 60, H = 40, L = 100, T = 100;
  Sheet skinOnly = SkinOnly();
  Sheet gradient(W, H);
  GradientFill(gradient.Canvas()->GetHandle(), TRect(0, 0, W, H), clRed, true, 128, clBlue);
  Sheet paper(8, 8, clLime);
  auto* images = new TBmpImages(form);
  auto* item = static_cast<TBitmapItem*>(images->GetBitmaps()->Add());
  Sheet shared(8, 8, clFuchsia);
  item->SetBitmap(shared.bitmap.get());
  enum Want { kColor, kGradient, kPaper, kShared, kSkin };
  struct Case {
    const char* name;
    TBmpOptions options;
    int idWallpaper;
    Want inside;
  } cases[] = {
      {"colour", {}, -1, kColor},
      {"gradient", {ocPaintGradiently}, -1, kGradient},
      {"own wallpaper", {ocPaintWallpaper, ocTileWallpaper}, -1, kPaper},
      {"shared wallpaper", {ocPaintWallpaper, ocTileWallpaper}, 0, kShared},
      {"shared index out of range", {ocPaintWallpaper, ocTileWallpaper}, 5, kPaper},
      {"see-through", {ocPaintTransparently}, -1, kSkin},
      {"elliptic", {ocRoundedForm}, -1, kColor},
      {"elliptic gradient", {ocRoundedForm, ocPaintGradiently}, -1, kGradient},
      {"elliptic wallpaper", {ocRoundedForm, ocPaintWallpaper, ocTileWallpaper}, -1, kPaper},
      {"elliptic see-through", {ocRoundedForm, ocPaintTransparently}, -1, kSkin},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TBmpBtn* b = MakeButton(L, T, W, H);
    b->SetColor(clYellow);
    b->SetColorStart(clRed);
    b->SetColorEnd(clBlue);
    b->SetWallpaper(paper.bitmap.get());
    b->SetBmpImages(images);
    b->SetidWallpaper(c.idWallpaper);
    b->SetOptions(c.options);
    Sheet sheet = Paint();
    auto want = [&](Want w, int x, int y) -> TColor {
      switch (w) {
        case kColor: return clYellow;
        case kGradient: return gradient.At(x, y);
        case kPaper: return clLime;
        case kShared: return clFuchsia;
        case kSkin: return skinOnly.At(L + x, T + y);
      }
      return clNone;
    };
    for (int x : {8, W / 2 - 10, W - 12}) EXPECT_EQ(sheet.At(L + x, T + H / 2), want(c.inside, x, H / 2)) << x;
    if (c.options.Contains(ocRoundedForm))
      EXPECT_EQ(sheet.At(L, T), want(kSkin, 0, 0)) << "outside the ellipse the parent shows";
    else
      EXPECT_EQ(sheet.At(L + 2, T + 2), want(c.inside, 2, 2)) << "inside the raised edge";
    delete b;
  }
}

// The rectangular edge: raised, sunken while pressed, none on a flat button
// until the mouse is over it; the black default frame on the active button.
TEST_F(BmpButton, EdgesFollowTheButtonState) {
  const int W = 60, H = 30;
  TBmpBtn* b = MakeButton(10, 10, W, H);
  TColor dark = Rgb(cl3DDkShadow), face = Rgb(clBtnFace);
  auto at = [&](int x, int y) { return Paint().At(10 + x, 10 + y); };
  EXPECT_EQ(at(W - 1, H - 1), dark) << "raised";
  EXPECT_EQ(at(0, 0), Rgb(cl3DLight));
  b->SetOptions(TBmpOptions{ocFlatBorder});
  EXPECT_EQ(at(W - 1, H - 1), face) << "flat";
  b->Perform(CM_MOUSEENTER, 0, 0);
  EXPECT_TRUE(b->GetMouseInControl());
  EXPECT_EQ(at(W - 1, H - 1), dark) << "flat, mouse over it";
  b->Perform(CM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(at(W - 1, H - 1), face);
  SendMessageA(b->GetHandle(), BM_SETSTATE, TRUE, 0);
  EXPECT_EQ(at(0, 0), dark) << "sunken while pressed";
  EXPECT_EQ(at(W - 1, H - 1), Rgb(cl3DLight));
  SendMessageA(b->GetHandle(), BM_SETSTATE, FALSE, 0);
  // The Default button is active while no other button has the focus: the
  // window stays owner-drawn and the face gets its frame.
  b->SetOptions(TBmpOptions{});
  b->HandleNeeded();
  b->SetDefault(true);
  EXPECT_TRUE(b->GetActive());
  EXPECT_EQ(GetWindowLongA(b->GetHandle(), GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
  EXPECT_EQ(at(0, 0), Rgb(clWindowFrame));
  EXPECT_EQ(at(1, 1), Rgb(cl3DLight)) << "the edge moves in by one";
  b->SetBtnPaintOptions(TBtnPaintOptions{bpoDrawFocus});
  EXPECT_EQ(at(0, 0), Rgb(cl3DLight));
}

TEST_F(BmpButton, GlyphCaptionAndOnDrawButton) {
  TBmpBtn* b = MakeButton(10, 10, 80, 30, "Go");
  Sheet glyph(16, 16, clRed);
  glyph.Canvas()->SetPixels(0, 15, clOlive);  // the transparent colour
  b->SetGlyph(glyph.bitmap.get());
  b->SetMargin(4);
  std::vector<TRect> drawn;
  b->OnDrawButton = [&](TObject* sender, TCanvas* canvas, TRect r) {
    EXPECT_EQ(sender, b);
    drawn.push_back(r);
    canvas->SetPixels(r.Right - 5, r.Top + 5, clAqua);
  };
  Sheet sheet = Paint();
  ASSERT_EQ(drawn.size(), 1u);
  EXPECT_EQ(drawn[0], TRect(0, 0, 80, 30));
  EXPECT_EQ(sheet.At(10 + 75, 10 + 5), clAqua) << "drawn after the face, on its context";
  // Glyph left at the margin, centred vertically ((30 - 16 + 1) div 2 = 7).
  EXPECT_EQ(sheet.At(10 + 4, 10 + 7), clRed);
  EXPECT_EQ(sheet.At(10 + 4 + 15, 10 + 7 + 14), clRed);
  EXPECT_NE(sheet.At(10 + 3, 10 + 7), clRed);
  EXPECT_EQ(sheet.At(10 + 4, 10 + 7 + 15), Rgb(clBtnFace)) << "the glyph's transparent colour shows the face";
  // The caption is drawn right of the glyph: dark pixels there.
  int dark = 0;
  for (int x = 10 + 24; x < 10 + 76; ++x)
    for (int y = 10 + 4; y < 10 + 26; ++y) dark += sheet.At(x, y) == Rgb(clBlack);
  EXPECT_GT(dark, 10);
  // Pressed, the face moves down and right by one.
  SendMessageA(b->GetHandle(), BM_SETSTATE, TRUE, 0);
  sheet = Paint();
  EXPECT_EQ(sheet.At(10 + 5, 10 + 8), clRed);
  EXPECT_NE(sheet.At(10 + 4, 10 + 7), clRed);
}

// Margin, Spacing and ShadowSize at the ends of their range: the face
// paints, and a glyph placed a whole int away is simply not seen.
TEST_F(BmpButton, ExtremeLayoutValuesPaint) {
  constexpr int lo = std::numeric_limits<int>::min(), hi = std::numeric_limits<int>::max();
  Sheet glyph(16, 16, clRed);
  glyph.Canvas()->SetPixels(0, 15, clOlive);
  struct Case {
    int margin, spacing;
  } cases[] = {{hi, 4}, {-1, hi}, {-1, lo}, {hi, hi}, {0, lo}};
  for (const Case& c : cases)
    for (TButtonLayout layout : {blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom}) {
      TBmpBtn* b = MakeButton(10, 10, 80, 30, "Go");
      b->SetGlyph(glyph.bitmap.get());
      b->SetLayout(layout);
      b->SetMargin(c.margin);
      b->SetSpacing(c.spacing);
      Sheet sheet = Paint();
      int red = 0;
      for (int x = 10; x < 90; ++x)
        for (int y = 10; y < 40; ++y) red += sheet.At(x, y) == clRed;
      EXPECT_EQ(red, c.margin == 0 ? 16 * 16 - 1 : 0) << c.margin << " " << c.spacing << " layout " << layout;
      delete b;
    }
  TBmpBtn* b = MakeButton(10, 10, 80, 30, "Go");
  for (int size : {hi, lo}) {
    b->SetShadowSize(size);
    Paint();
  }
  EXPECT_EQ(b->GetShadowSize(), 0);
  b->SetShadowSize(hi);
  EXPECT_EQ(b->GetShadowSize(), 255) << "a byte";
}

// A failing OnDrawButton is reported by the application; the button's
// canvas lets go of the context it was lent all the same.
TEST_F(BmpButton, AFailingOnDrawButtonLeavesNoContextBehind) {
  TBmpBtn* b = MakeButton(10, 10, 80, 30, "Go");
  std::vector<std::string> reported;
  Application->OnException = [&](TObject*, Exception& e) { reported.push_back(e.GetMessage()); };
  b->OnDrawButton = [](TObject*, TCanvas*, TRect) { throw Exception("No paint"); };
  Paint();
  EXPECT_EQ(reported, std::vector<std::string>{"No paint"});
  EXPECT_FALSE(b->GetCanvas()->HandleAllocated()) << "the item's context was handed back";
  b->OnDrawButton = nullptr;
  EXPECT_EQ(Paint().At(10 + 40, 10 + 3), Rgb(clBtnFace)) << "and the next paint is whole";
}

// A button without a glyph takes its action's image on fuchsia, at the
// list's size; one with a glyph keeps it.
TEST_F(BmpButton, GlyphFromTheActionsImage) {
  auto* images = new TImageList(form, 20, 12);
  Sheet first(20, 12, clFuchsia), second(20, 12, clFuchsia);
  first.Canvas()->GetBrush()->SetColor(clRed);
  first.Canvas()->FillRect(Rect(10, 4, 14, 8));
  second.Canvas()->GetBrush()->SetColor(clNavy);
  second.Canvas()->FillRect(Rect(0, 0, 5, 3));  // from the very corner
  images->AddMasked(first.bitmap.get(), clFuchsia);
  images->AddMasked(second.bitmap.get(), clFuchsia);
  auto* list = new TActionList(form);
  list->SetImages(images);
  auto* action = new TAction(form);
  action->SetActionList(list);
  action->SetCaption("Go");
  action->SetImageIndex(1);

  TBmpBtn* b = MakeButton(10, 10, 80, 30);
  b->SetAction(action);
  EXPECT_EQ(b->GetCaption(), "Go") << "the inherited handling ran first";
  TBitmap* glyph = b->GetGlyph();
  ASSERT_FALSE(glyph->Empty());
  EXPECT_EQ(glyph->GetWidth(), 20);
  EXPECT_EQ(glyph->GetHeight(), 12);
  EXPECT_EQ(glyph->GetCanvas()->GetPixels(0, 0) & 0xFFFFFF, Rgb(clNavy)) << "drawn at (0, 0)";
  EXPECT_EQ(glyph->GetCanvas()->GetPixels(4, 2) & 0xFFFFFF, Rgb(clNavy));
  EXPECT_EQ(glyph->GetCanvas()->GetPixels(5, 3) & 0xFFFFFF, Rgb(clFuchsia));
  EXPECT_EQ(glyph->GetCanvas()->GetPixels(19, 11) & 0xFFFFFF, Rgb(clFuchsia));
  styledtest::SavePicture(Paint().bitmap.get(), "bmpbtn_action_glyph.png");

  // The glyph is there now: a later image index leaves it.
  action->SetImageIndex(0);
  EXPECT_EQ(b->GetGlyph()->GetCanvas()->GetPixels(0, 0) & 0xFFFFFF, Rgb(clNavy));

  struct Case {
    const char* what;
    int index;
    bool withList;
    bool withGlyph;
    bool wantActionImage;
  };
  const Case cases[] = {
      {"image 0", 0, true, false, true},
      {"no image", -1, true, false, false},
      {"past the list's images", 2, true, false, false},
      {"action without a list", 0, false, false, false},
      {"button with its own glyph", 0, true, true, false},
  };
  for (const Case& c : cases) {
    auto* a = new TAction(form);
    if (c.withList) a->SetActionList(list);
    a->SetImageIndex(c.index);
    TBmpBtn* button = MakeButton(10, 50, 80, 30);
    Sheet own(8, 8, clLime);
    if (c.withGlyph) button->SetGlyph(own.bitmap.get());
    button->SetAction(a);
    TBitmap* g = button->GetGlyph();
    if (c.wantActionImage) {
      ASSERT_FALSE(g->Empty()) << c.what;
      EXPECT_EQ(g->GetCanvas()->GetPixels(11, 5) & 0xFFFFFF, Rgb(clRed)) << c.what;
      EXPECT_EQ(g->GetCanvas()->GetPixels(0, 0) & 0xFFFFFF, Rgb(clFuchsia)) << c.what;
    } else if (c.withGlyph) {
      EXPECT_EQ(g->GetWidth(), 8) << c.what;
      EXPECT_EQ(g->GetCanvas()->GetPixels(0, 0) & 0xFFFFFF, Rgb(clLime)) << c.what;
    } else {
      EXPECT_TRUE(g->Empty()) << c.what;
    }
    delete button;
    delete a;
  }
}

TEST_F(BmpButton, SharedWallpaperChangesRepaintTheLinkedButtons) {
  auto* images = new TBmpImages(form);
  auto* item = static_cast<TBitmapItem*>(images->GetBitmaps()->Add());
  Sheet red(8, 8, clRed);
  item->SetBitmap(red.bitmap.get());
  std::vector<TBmpBtn*> buttons{MakeButton(10, 10, 40, 20), MakeButton(60, 10, 40, 20)};
  for (TBmpBtn* b : buttons) {
    b->SetOptions(TBmpOptions{ocPaintWallpaper, ocTileWallpaper});
    b->SetBmpImages(images);
    b->SetidWallpaper(0);
  }
  form->Show();
  Pump();
  for (TBmpBtn* b : buttons) {
    EXPECT_EQ(OnScreen(b, 20, 10), clRed);
    EXPECT_FALSE(GetUpdateRect(b->GetHandle(), nullptr, FALSE));
  }
  Sheet green(8, 8, clGreen);
  item->SetBitmap(green.bitmap.get());
  for (TBmpBtn* b : buttons) EXPECT_TRUE(GetUpdateRect(b->GetHandle(), nullptr, FALSE)) << "told of the change";
  Pump();
  for (TBmpBtn* b : buttons) EXPECT_EQ(OnScreen(b, 20, 10), clGreen);
  delete images;
  for (TBmpBtn* b : buttons) EXPECT_EQ(b->GetBmpImages(), nullptr);
  Pump();
}

TEST_F(BmpButton, AnimationShowsTheNextFrameEveryInterval) {
  auto* frames = new TImageList(form, 16, 16);
  const TColor colours[] = {clRed, clLime, clBlue};
  for (TColor c : colours) {
    Sheet frame(16, 16, c);
    frame.Canvas()->SetPixels(0, 15, clOlive);  // the frame's transparent colour
    frames->Add(frame.bitmap.get(), nullptr);
  }
  TBmpBtn* b = MakeButton(10, 10, 40, 30);
  b->SetMargin(2);
  b->SetImages(frames);
  b->SetInterval(200);
  b->SetAnimated(true);
  form->Show();
  Pump();
  // Glyph at (2, 7): the frame shown is the one the index points at.
  EXPECT_EQ(OnScreen(b, 8, 14), clRed);
  for (int tick = 1; tick <= 4; ++tick) {
    win::clock::Advance(200'000);
    Pump();
    EXPECT_EQ(b->GetFrameIndex(), tick % 3) << tick;
    // The tick drew the frame it then stepped past.
    EXPECT_EQ(OnScreen(b, 8, 14), colours[(tick - 1) % 3]) << tick;
  }
  b->SetAnimated(false);
  win::clock::Advance(1'000'000);
  Pump();
  EXPECT_EQ(b->GetFrameIndex(), 1) << "stopped";
}

class PopupButton : public BmpButton {
 protected:
  void SetUp() override {
    BmpButton::SetUp();
    form->Show();
    Pump();
    // The tempo button and its presets.
    btnTempo = new TBmpPopupButton2(form);
    btnTempo->SetName("btnTempo");
    btnTempo->SetBounds(40, 30, 33, 23);
    btnTempo->SetCaption("100");
    btnTempo->SetSimpleView(true);
    btnTempo->SetParent(form);
    mnuTempo = new TPopupMenu(form);
    for (const char* preset : {"160", "140", "120", "100", "90", "80", "60"}) {
      auto* item = new TMenuItem(form);
      item->SetCaption(preset);
      item->SetHint(std::string("Tempo ") + preset + "|Plays at " + preset + " beats a minute");
      item->OnClick = [this](TObject* sender) { chosen.push_back(static_cast<TMenuItem*>(sender)->GetCaption()); };
      mnuTempo->GetItems()->Add(item);
    }
    btnTempo->SetDownMenu(mnuTempo);
    btnTempo->OnClick = [this](TObject*) { ++clicks; };
    Pump();
  }
  // Steps run one per idle pass while the menu is open; once they are used
  // up the menu is closed, so that a test never hangs in the loop.
  void WhileOpen(std::deque<std::function<void()>> steps) {
    script = std::move(steps);
    Application->OnIdle = [this](TObject*, bool& done) {
      done = true;
      HWND menuWindow = FindWindowA("#32768", nullptr);
      if (!menuWindow) return;
      if (script.empty()) {
        EndMenu();
        return;
      }
      auto step = script.front();
      script.pop_front();
      step();
      PostMessageA(menuWindow, WM_NULL, 0, 0);
    };
  }
  void QueueKey(int vk) {
    for (host::EventType type : {host::EventType::KeyDown, host::EventType::KeyUp}) {
      host::Event e;
      e.type = type;
      e.key = vk;
      e.window = win::user::HostWindowOf(form->GetHandle());
      host::headless::PushEvent(e);
    }
  }

  TBmpPopupButton2* btnTempo = nullptr;
  TPopupMenu* mnuTempo = nullptr;
  std::vector<std::string> chosen;
  int clicks = 0;
  std::deque<std::function<void()>> script;
};

TEST_F(PopupButton, AClickDropsTheMenuAtTheBottomLeftWithoutTheRaisedEdge) {
  const int W = 33, H = 23;
  // Raised edge: the dark outer line one pixel inside the default frame.
  TColor dark = Rgb(cl3DDkShadow), face = Rgb(clBtnFace);
  RECT button;
  GetWindowRect(btnTempo->GetHandle(), &button);
  RECT shown{};
  TColor edgeWhileOpen = clNone;
  bool droppedWhileOpen = false;
  std::string hint;
  WhileOpen({[&] {
               GetWindowRect(FindWindowA("#32768", nullptr), &shown);
               edgeWhileOpen = OnScreen(btnTempo, W - 2, H - 2);
               droppedWhileOpen = !GetUpdateRect(btnTempo->GetHandle(), nullptr, FALSE);
               QueueKey(VK_DOWN);
             },
             [&] {
               hint = Application->GetHint();
               QueueKey(VK_DOWN);
             },
             [&] { QueueKey(VK_RETURN); }});
  ClickAt(btnTempo, 10, 10);
  Pump();
  EXPECT_EQ(clicks, 1) << "OnClick first";
  EXPECT_EQ(shown.left, button.left) << "the menu's left edge on the button's";
  EXPECT_EQ(shown.top, button.bottom) << "the menu's top at the button's bottom";
  EXPECT_GT(shown.bottom, shown.top);
  EXPECT_EQ(edgeWhileOpen, face) << "no raised edge while the menu is open";
  EXPECT_TRUE(droppedWhileOpen) << "painted before the menu's loop took over";
  EXPECT_EQ(hint, "Plays at 160 beats a minute") << "the highlighted item's long hint";
  EXPECT_EQ(chosen, std::vector<std::string>{"140"}) << "the chosen item is clicked through the button's window";
  EXPECT_EQ(Application->GetHint(), "") << "the closed menu clears the hint";
  EXPECT_EQ(OnScreen(btnTempo, W - 2, H - 2), dark) << "the raised edge is back";

  // Escape closes it choosing nothing; the edge comes back all the same.
  chosen.clear();
  WhileOpen({[&] { QueueKey(VK_ESCAPE); }});
  ClickAt(btnTempo, 10, 10);
  Pump();
  EXPECT_EQ(clicks, 2);
  EXPECT_TRUE(chosen.empty());
  EXPECT_EQ(OnScreen(btnTempo, W - 2, H - 2), dark);
}

TEST_F(PopupButton, AnItemThatFailsIsReportedByTheApplication) {
  std::vector<std::string> reported;
  Application->OnException = [&](TObject*, Exception& e) { reported.push_back(e.GetMessage()); };
  mnuTempo->GetItems()->GetItem(0)->OnClick = [](TObject*) { throw Exception("No such tempo"); };
  WhileOpen({[&] { QueueKey(VK_DOWN); }, [&] { QueueKey(VK_RETURN); }});
  ClickAt(btnTempo, 10, 10);
  Pump();
  EXPECT_EQ(reported, std::vector<std::string>{"No such tempo"});
  EXPECT_EQ(OnScreen(btnTempo, 33 - 2, 23 - 2), Rgb(cl3DDkShadow)) << "the button goes on as before";
}

// The menu taken away while it is open: its loop still ends, and the
// button gets its raised edge back.
TEST_F(PopupButton, AMenuTakenAwayWhileOpenStillGivesTheEdgeBack) {
  using Step = std::function<void()>;
  for (const Step& takeAway : {Step([&] { btnTempo->SetDownMenu(nullptr); }), Step([&] {
                                 delete mnuTempo;
                                 mnuTempo = nullptr;
                               })}) {
    btnTempo->SetDownMenu(mnuTempo);
    WhileOpen({[&] {
      takeAway();
      QueueKey(VK_ESCAPE);
    }});
    ClickAt(btnTempo, 10, 10);
    Pump();
    EXPECT_EQ(btnTempo->GetDownMenu(), nullptr);
    EXPECT_EQ(OnScreen(btnTempo, 33 - 2, 23 - 2), Rgb(cl3DDkShadow)) << "the raised edge is back";
  }
  EXPECT_EQ(clicks, 2);
}

// A click while another menu is open cannot open this one: the button
// does not stay in its dropped look.
TEST_F(PopupButton, AMenuThatCannotOpenLeavesTheRaisedEdge) {
  auto* other = new TBmpPopupButton2(form);
  other->SetBounds(100, 30, 33, 23);
  other->SetParent(form);
  other->SetDownMenu(mnuTempo);
  Pump();
  WhileOpen({[&] {
    other->Click();
    QueueKey(VK_ESCAPE);
  }});
  ClickAt(btnTempo, 10, 10);
  Pump();
  EXPECT_EQ(OnScreen(btnTempo, 33 - 2, 23 - 2), Rgb(cl3DDkShadow));
  EXPECT_EQ(OnScreen(other, 33 - 1, 23 - 1), Rgb(cl3DDkShadow)) << "the button whose menu could not open";
}

TEST_F(PopupButton, WithoutADownMenuOnlyOnClickRuns) {
  delete mnuTempo;
  EXPECT_EQ(btnTempo->GetDownMenu(), nullptr) << "the destroyed menu is dropped";
  WhileOpen({});
  ClickAt(btnTempo, 10, 10);
  Pump();
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(OnScreen(btnTempo, 33 - 2, 23 - 2), Rgb(cl3DDkShadow));
}

TEST_F(PopupButton, ALetterTheMenuDidNotMatchFindsAnItemByItsAccelerator) {
  TMenuItem* items = mnuTempo->GetItems();
  items->GetItem(1)->SetCaption("&Fast");
  items->GetItem(2)->SetVisible(false);
  items->GetItem(4)->SetCaption("&Slow");
  HMENU menu = mnuTempo->GetHandle();
  auto menuChar = [&](char ch, HMENU m) {
    return SendMessageA(btnTempo->GetHandle(), WM_MENUCHAR, MAKEWPARAM(ch, MF_POPUP), reinterpret_cast<LPARAM>(m));
  };
  EXPECT_EQ(menuChar('f', menu), MAKELRESULT(1, MNC_EXECUTE));
  EXPECT_EQ(menuChar('S', menu), MAKELRESULT(3, MNC_EXECUTE)) << "counted among the visible entries";
  EXPECT_EQ(menuChar('x', menu), 0);
  HMENU other = CreatePopupMenu();
  EXPECT_EQ(menuChar('f', other), 0) << "not our menu";
  DestroyMenu(other);
}

// F1 on a highlighted item asks for its topic (else the active form's) while
// the menu stays open; a form with the help border icon gets a pop-up.
TEST_F(PopupButton, F1OnAnItemShowsItsHelpTopic) {
  struct Case {
    int downs;  // items highlighted by Down before F1
    int itemContext;
    bool helpIcon;
    std::string viewerCaption;  // empty: no help window
    std::string popupText;  // how the pop-up's text starts; empty: no pop-up
  };
  const std::vector<Case> cases = {
      {2, 20, false, "Sample Help - Second Topic", ""},
      {2, 0, false, "Sample Help - Long Page", ""},  // the form's topic
      {2, 20, true, "", "The first topic"},
      {2, 0, true, "", "Paragraph 1 of a page"},
      {0, 20, false, "", ""},  // nothing highlighted: no item to ask about
  };
  Application->SetHelpFile(BMP_TEST_HELP_FILE);
  form->SetHelpContext(30);
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.downs << " downs, item " << c.itemContext << ", icon " << c.helpIcon);
    form->SetBorderIcons(c.helpIcon ? TBorderIcons{biSystemMenu, biHelp} : TBorderIcons{biSystemMenu});
    Pump();
    // The popup cases ask for topic 7 on the item, so the two ways differ.
    mnuTempo->GetItems()->GetItem(1)->SetHelpContext(c.helpIcon && c.itemContext ? 7 : c.itemContext);
    std::string viewer = "<menu closed>", popup = "<menu closed>";
    std::deque<std::function<void()>> steps;
    for (int i = 0; i < c.downs; ++i) steps.push_back([&] { QueueKey(VK_DOWN); });
    steps.push_back([&] { QueueKey(VK_F1); });
    steps.push_back([&] {
      char text[256] = {};
      HWND v = FindWindowA("DrumsHelpViewer", nullptr);
      viewer = v && GetWindowTextA(v, text, sizeof text) ? text : "";
      HWND p = FindWindowA("DrumsHelpPopup", nullptr);
      popup = p && GetWindowTextA(p, text, sizeof text) ? text : "";
    });
    WhileOpen(std::move(steps));
    ClickAt(btnTempo, 10, 10);
    Pump();
    EXPECT_EQ(viewer, c.viewerCaption);
    EXPECT_EQ(popup.substr(0, c.popupText.empty() ? std::string::npos : c.popupText.size()), c.popupText);
    EXPECT_TRUE(chosen.empty()) << "F1 chooses nothing";
    WinHelpA(nullptr, nullptr, HELP_QUIT, 0);
    Pump();
  }
  Application->SetHelpFile("");
}

// The tempo button as a form describes it: read, linked to its menu, and
// written back with what differs from the defaults.
TEST_F(BmpButton, ReadFromFormText) {
  const char* text =
      "object frmTempo: TForm\n"
      "  HelpContext = 160\n"
      "  object btnTempo: TBmpPopupButton2\n"
      "    Left = 40\n"
      "    Top = 30\n"
      "    Width = 33\n"
      "    Height = 23\n"
      "    Caption = '100'\n"
      "    NumGlyphs = 3\n"
      "    Options = [ocRoundedForm, ocFlatBorder]\n"
      "    ShadowPos = spRightBottom\n"
      "    SimpleView = True\n"
      "    DownMenu = mnuTempo\n"
      "  end\n"
      "  object mnuTempo: TPopupMenu\n"
      "    object mnu160: TMenuItem\n"
      "      Caption = '160'\n"
      "    end\n"
      "  end\n"
      "end\n";
  TForm* read = testsupport::ReadFormText(text);
  auto* button = dynamic_cast<TBmpPopupButton2*>(read->FindComponent("btnTempo"));
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->GetWidth(), 33);
  EXPECT_EQ(button->GetCaption(), "100");
  EXPECT_EQ(button->GetNumGlyphs(), 2) << "cut to two";
  EXPECT_EQ(button->GetOptions(), (TBmpOptions{ocRoundedForm, ocFlatBorder}));
  EXPECT_EQ(button->GetShadowPos(), spRightBottom);
  EXPECT_TRUE(button->GetSimpleView()) << "set after the shadow, as the form says";
  EXPECT_EQ(button->GetDownMenu(), read->FindComponent("mnuTempo"));
  EXPECT_EQ(read->GetHelpContext(), 160) << "the form's topic for F1 on its menus";
  EXPECT_EQ(button->GetHelpContext(), 0);

  const std::string out = testsupport::WriteFormText(read);
  for (const char* line :
       {"  HelpContext = 160\r\n", "    NumGlyphs = 2\r\n", "    Options = [ocRoundedForm, ocFlatBorder]\r\n",
        "    DownMenu = mnuTempo\r\n", "    SimpleView = True\r\n"})
    EXPECT_NE(out.find(line), std::string::npos) << line << out;
  EXPECT_EQ(out.find("    HelpContext"), std::string::npos) << "the button's 0 is not written";
  for (const char* unchanged : {"Margin", "BtnPaintOptions", "Interval"})
    EXPECT_EQ(out.find(unchanged), std::string::npos) << unchanged << " keeps its default, which is not written";
  delete read;
}

// Twelve faders, the main volume and the button variants over a skin, as
// the main window puts them: saved for looking at.
TEST_F(BmpButton, PictureOfFadersAndButtonsOverASkin) {
  for (int i = 0; i < 12; ++i) {
    auto* f = new TBmpTrackBar(form);
    f->SetBounds(20, 10 + i * 18, 86, 11);
    f->SetMinValue(-5000);
    f->SetMaxValue(0);
    f->SetPosition(-400 * i);
    f->SetOptions(TBmpOptions{ocPaintTransparently});
    f->SetPaintOptions(TPaintOptions{poDrawTrackBar, poDrawThumb, poDrawThumbStates});
    f->SetParent(form);
  }
  auto* main = new TBmpTrackBar(form);
  main->SetBounds(10, 240, 129, 25);
  main->SetMaxValue(100);
  main->SetPosition(100);
  main->SetOptions(TBmpOptions{ocPaintTransparently});
  main->SetPaintOptions(TPaintOptions{poDrawTrackBar, poDrawThumb, poDrawThumbStates});
  main->SetParent(form);
  auto* tempo = new TBmpPopupButton2(form);
  tempo->SetBounds(150, 240, 33, 23);
  tempo->SetCaption("100");
  tempo->SetSimpleView(true);
  tempo->SetParent(form);
  Sheet glyph(16, 16, clOlive);
  glyph.Canvas()->GetBrush()->SetColor(clYellow);
  glyph.Canvas()->GetPen()->SetColor(clMaroon);
  glyph.Canvas()->Ellipse(1, 1, 15, 15);
  Sheet paper(12, 12, static_cast<TColor>(RGB(90, 140, 90)));
  paper.Canvas()->GetPen()->SetColor(static_cast<TColor>(RGB(60, 100, 60)));
  paper.Canvas()->MoveTo(0, 11);
  paper.Canvas()->LineTo(12, -1);
  struct Variant {
    const char* caption;
    TBmpOptions options;
    bool enabled;
  } variants[] = {
      {"Plain", {}, true},
      {"Gradient", {ocPaintGradiently}, true},
      {"Paper", {ocPaintWallpaper, ocTileWallpaper}, true},
      {"Clear", {ocPaintTransparently}, true},
      {"Flat", {ocFlatBorder}, true},
      {"Off", {}, false},
      {"Round", {ocRoundedForm}, true},
      {"Ring", {ocRoundedForm, ocPaintGradiently}, true},
      {"Oval", {ocRoundedForm, ocPaintTransparently}, true},
  };
  int i = 0;
  for (const Variant& v : variants) {
    TBmpBtn* b = MakeButton(200 + (i % 2) * 96, 10 + (i / 2) * 44, 90, 36, v.caption);
    b->SetGlyph(glyph.bitmap.get());
    b->SetWallpaper(paper.bitmap.get());
    b->SetColorStart(static_cast<TColor>(RGB(240, 240, 255)));
    b->SetColorEnd(static_cast<TColor>(RGB(60, 80, 160)));
    b->GetFont()->SetColor(i % 3 == 1 ? clWhite : clBlack);
    b->SetOptions(v.options);
    b->SetEnabled(v.enabled);
    ++i;
  }
  Sheet sheet = Paint();
  Sheet skinOnly = SkinOnly();
  // The skin shows beside the faders' bars and around the round buttons.
  for (int f = 0; f < 12; ++f) EXPECT_EQ(sheet.At(22, 10 + f * 18), skinOnly.At(22, 10 + f * 18)) << f;
  EXPECT_EQ(sheet.At(200, 10 + 3 * 44), skinOnly.At(200, 10 + 3 * 44));
  styledtest::SavePicture(sheet.bitmap.get(), "bmp_buttons.png");
}

}  // namespace
}  // namespace bmptest
