// Cursors in streams: a built-in cursor is read and written by its name, a
// program's own cursor as its number.
#include <memory>
#include <string>

#include "ControlsFixture.h"
#include "platform/vcl/Forms.h"
#include "platform/vcl/StdCtrls.h"
#include "support/FormText.h"

namespace ctltest {
namespace {

TEST_F(ControlsTest, CursorsAreStreamedByNameAndOwnCursorsByNumber) {
  const std::string text = R"(object CursorForm: TForm
  object lblLink: TLabel
    Cursor = crHandPoint
    DragCursor = crNoDrop
  end
  object lblOwn: TLabel
    Cursor = -300
  end
  object lblOld: TLabel
    Cursor = crSize
  end
end
)";
  std::unique_ptr<TForm> form(TCustomForm::CreateNew<TForm>(nullptr));
  testsupport::ReadComponentText(text, form.get());
  auto cursorOf = [&](const char* name) { return static_cast<TControl*>(form->FindComponent(name))->GetCursor(); };
  EXPECT_EQ(cursorOf("lblLink"), crHandPoint);
  EXPECT_EQ(static_cast<TControl*>(form->FindComponent("lblLink"))->GetDragCursor(), crNoDrop);
  EXPECT_EQ(cursorOf("lblOwn"), -300);
  EXPECT_EQ(cursorOf("lblOld"), crSizeAll);

  const std::string written = testsupport::WriteFormText(form.get());
  EXPECT_NE(written.find("Cursor = crHandPoint"), std::string::npos) << written;
  EXPECT_NE(written.find("DragCursor = crNoDrop"), std::string::npos) << written;
  EXPECT_NE(written.find("Cursor = -300"), std::string::npos) << written;
  EXPECT_NE(written.find("Cursor = crSizeAll"), std::string::npos) << written;
  EXPECT_THROW(testsupport::ReadComponentText("object F: TForm\n  Cursor = crNoSuchCursor\nend\n", form.get()),
               Exception);
}

}  // namespace
}  // namespace ctltest
