// A form read from its embedded text form: child components (one in a
// published field), a component reference, event bindings by method name, a click reaching the handler,
// and a picture of it painted on the headless host.
#include <cstdlib>
#include <string>
#include <vector>

#include "fixture.h"
#include "platform/vcl/classes/typeinfo/ClassRegistry.h"
#include "platform/vcl/controls/GraphicControl.h"
#include "platform/vcl/controls/Screen.h"
#include "platform/vcl/rtl/Exceptions.h"
#include "support/TempFolder.h"
#include "platform/win/drums_ext.h"

namespace formstest {
namespace {

// A graphic control that fills itself with its colour and rings a circle.
class TFormsTestSwatch : public TGraphicControl {
  DRUMS_CLASS(TFormsTestSwatch, TGraphicControl)

 public:
  explicit TFormsTestSwatch(TComponent* AOwner) : TGraphicControl(AOwner) { SetBounds(0, 0, 32, 32); }

 protected:
  void Paint() override {
    TCanvas* c = GetCanvas();
    c->GetBrush()->SetColor(GetColor());
    c->FillRect(TRect(0, 0, GetWidth(), GetHeight()));
    c->GetPen()->SetColor(clBlack);
    c->GetBrush()->SetColor(clYellow);
    c->Ellipse(8, 8, GetWidth() - 8, GetHeight() - 8);
  }
};

class TFormsTestForm : public TForm {
  DRUMS_CLASS(TFormsTestForm, TForm)

 public:
  explicit TFormsTestForm(TComponent* AOwner) : TForm(AOwner) {}

  std::vector<std::string> calls;
  bool throwOnClick = false;
  TButton* btnOk = nullptr;  // set by the reader from the child of that name

 private:
  void FormCreate(TObject*) { calls.push_back("FormCreate"); }
  void btnOkClick(TObject* Sender) {
    calls.push_back("btnOkClick from " + static_cast<TComponent*>(Sender)->GetName());
    if (throwOnClick) throw EConvertError("'12x' is not a valid integer value");
  }

  static void Publish(TPublisher<TFormsTestForm>& p) {
    p.Method("FormCreate", &TFormsTestForm::FormCreate);
    p.Method("btnOkClick", &TFormsTestForm::btnOkClick);
    p.Field("btnOk", &TFormsTestForm::btnOk);
  }
};

// A form class without a resource of its own name.
class TNoResourceForm : public TForm {
  DRUMS_CLASS(TNoResourceForm, TForm)

 public:
  using TForm::TForm;
};

class ResourceForm : public FormsTest {
 protected:
  void SetUp() override {
    FormsTest::SetUp();
    RegisterClasses({TFormsTestSwatch::StaticClass()});
    Application->CreateForm(form);
  }
  TFormsTestForm* form = nullptr;

  TButton* Button() { return form->btnOk; }
  // The screen position of the centre of the button.
  POINT ButtonCentre() {
    RECT r;
    GetWindowRect(Button()->GetHandle(), &r);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  }
};

TEST_F(ResourceForm, ReadsPropertiesChildrenReferenceAndCreateHandler) {
  ASSERT_NE(form, nullptr);
  EXPECT_EQ(Application->GetMainForm(), form);
  EXPECT_EQ(form->GetCaption(), "Forms test");
  EXPECT_EQ(form->GetBorderStyle(), bsDialog);
  EXPECT_EQ(form->GetClientWidth(), 260);
  EXPECT_EQ(form->GetClientHeight(), 120);
  ASSERT_NE(Button(), nullptr);
  EXPECT_EQ(Button(), form->FindComponent("btnOk"));
  EXPECT_EQ(Button()->GetParent(), form);
  EXPECT_EQ(Button()->GetCaption(), "Press me");
  EXPECT_TRUE(Button()->GetDefault());
  EXPECT_EQ(form->GetActiveControl(), Button());
  EXPECT_EQ(form->calls, std::vector<std::string>{"FormCreate"});
  // Not shown before Run or Show.
  EXPECT_FALSE(form->GetVisible());
}

TEST_F(ResourceForm, ShownFormIsTheActiveFormWithFocusOnItsActiveControl) {
  form->Show();
  Pump();
  EXPECT_TRUE(form->GetActive());
  EXPECT_EQ(Screen->GetActiveForm(), form);
  EXPECT_EQ(GetFocus(), Button()->GetHandle());
  bool listed = false;
  for (int i = 0; i < Screen->GetFormCount(); i++) listed = listed || Screen->GetForms(i) == form;
  EXPECT_TRUE(listed);
}

TEST_F(ResourceForm, KeyPreviewLetsTheFormTakeKeysFirst) {
  std::vector<std::string> keys;
  form->SetKeyPreview(true);
  form->OnKeyDown = [&](TObject*, WORD& key, TShiftState) {
    keys.push_back("form");
    if (key == 'A') key = 0;  // eaten: the button never sees it
  };
  Button()->OnKeyDown = [&](TObject*, WORD&, TShiftState) { keys.push_back("button"); };
  form->Show();
  Pump();
  for (int vk : {'A', 'B'}) {
    host::Event e;
    e.type = host::EventType::KeyDown;
    e.key = vk;
    e.window = HostOf(form->GetHandle());
    host::headless::PushEvent(e);
    e.type = host::EventType::KeyUp;
    host::headless::PushEvent(e);
  }
  Pump();
  EXPECT_EQ(keys, (std::vector<std::string>{"form", "form", "button"}));
}

TEST_F(ResourceForm, InjectedClickReachesTheNamedHandler) {
  form->Show();
  Pump();
  POINT p = ButtonCentre();
  Click(p.x, p.y);
  EXPECT_EQ(form->calls, (std::vector<std::string>{"FormCreate", "btnOkClick from btnOk"}));
}

TEST_F(ResourceForm, ExceptionInClickHandlerIsReportedAndTheLoopGoesOn) {
  win::user::SetMessageBoxAnswer([](const win::user::MessageBoxRecord&) { return IDOK; });
  form->throwOnClick = true;
  form->Show();
  Pump();
  POINT p = ButtonCentre();
  Click(p.x, p.y);
  auto boxes = win::user::TakeMessageBoxRecords();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, "'12x' is not a valid integer value.");
  EXPECT_EQ(boxes[0].caption, "Forms Test");
  EXPECT_EQ(boxes[0].type & MB_ICONMASK, static_cast<UINT>(MB_ICONSTOP));
  // The program goes on: the next click is handled (and reported) too.
  Click(p.x, p.y);
  EXPECT_EQ(win::user::TakeMessageBoxRecords().size(), 1u);
  EXPECT_EQ(form->calls.size(), 3u);
}

TEST_F(ResourceForm, FormWithoutResourceRaisesUnlessCreatedNew) {
  TNoResourceForm* other = nullptr;
  EXPECT_THROW(Application->CreateForm(other), EResNotFound);
  EXPECT_EQ(other, nullptr);
  TNoResourceForm* made = TCustomForm::CreateNew<TNoResourceForm>(Application);
  EXPECT_EQ(made->GetComponentCount(), 0);
  delete made;
}

TEST_F(ResourceForm, PaintedHeadlessAndSavedAsScreenshot) {
  // The form's own painting, on its canvas, under its controls.
  form->OnPaint = [this](TObject*) {
    form->GetCanvas()->GetBrush()->SetColor(clBlue);
    form->GetCanvas()->FillRect(TRect(16, 90, 240, 100));
  };
  form->Show();
  Pump();
  UpdateWindow(form->GetHandle());
  Pump();
  HWND hwnd = form->GetHandle();
  // The swatch's red corner and its yellow middle, in client coordinates.
  HDC dc = GetDC(hwnd);
  EXPECT_EQ(GetPixel(dc, 18, 18) & 0xFFFFFF, 0x0000FFu);  // COLORREF red
  EXPECT_EQ(GetPixel(dc, 48, 48) & 0xFFFFFF, 0x00FFFFu);  // COLORREF yellow
  EXPECT_EQ(GetPixel(dc, 100, 95) & 0xFFFFFF, 0xFF0000u);  // COLORREF blue
  ReleaseDC(hwnd, dc);
  TempFolder folder;
  const char* dir = std::getenv("DRUMS_FORMS_SCREENSHOT_DIR");
  std::string path = (dir ? std::string(dir) : folder.Path()) + "/forms_test_form.png";
  EXPECT_TRUE(host::Get().Screenshot(HostOf(hwnd), path));
}

}  // namespace
}  // namespace formstest
