// Every class of the library names itself, never its parent: a class that
// forgets its DRUMS_CLASS line answers with its parent's class reference, and
// streaming, InheritsFrom and ClassName then mistake it for the parent.
#include <cxxabi.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <typeinfo>
#include <vector>

#include "platform/vcl/Classes.h"
#include "platform/vcl/Controls.h"
#include "platform/vcl/ExtCtrls.h"
#include "platform/vcl/FileCtrl.h"
#include "platform/vcl/Forms.h"
#include "platform/vcl/Graphics.h"
#include "platform/vcl/Jpeg.h"
#include "platform/vcl/StdCtrls.h"
#include "platform/vcl/classes/typeinfo/ClassRegistry.h"

namespace {

template <class T>
std::string TypeName() {
  int status = 0;
  std::unique_ptr<char, void (*)(void*)> name(abi::__cxa_demangle(typeid(T).name(), nullptr, nullptr, &status),
                                              std::free);
  return status == 0 ? name.get() : typeid(T).name();
}

// Registers each class by its C++ type; names the types whose class reference
// carries another name.
template <class... T>
std::vector<std::string> RegisterByType() {
  std::vector<std::string> wrong;
  auto one = [&](TClass cls, const std::string& type) {
    RegisterClass(cls);
    if (cls->Name != type) wrong.push_back(type + " reports itself as " + cls->Name);
  };
  (one(T::StaticClass(), TypeName<T>()), ...);
  return wrong;
}

TEST(ClassNames, EveryRegisteredClassNamesItselfNotItsParent) {
  const std::vector<std::string> wrong =
      RegisterByType<TPersistent, TComponent, TCollection, TCollectionItem, TStrings, TStringList, TGraphicsObject,
                     TBrush, TFont, TPen, TCanvas, TGraphic, TBitmap, TIcon, TPicture, TJPEGImage, TControl,
                     TWinControl, TGraphicControl, TCustomControl, TControlCanvas, TScrollingWinControl,
                     TControlScrollBar, TSizeConstraints, THintWindow, TCustomImageList, TImageList, TChangeLink,
                     TScreen, TCustomForm, TForm, TApplication, TButtonControl, TButton, TCustomCheckBox, TCheckBox,
                     TCustomLabel, TLabel, TCustomEdit, TEdit, TControlItemStrings, TCustomListBox, TListBox,
                     TCustomComboBox, TComboBox, TCustomPanel, TPanel, TImage, TBevel, TShape, TTimer, TScrollBox,
                     TFileListBox, TDirectoryListBox>();
  EXPECT_EQ(wrong, std::vector<std::string>{});

  const std::vector<TClass> registered = RegisteredClasses();
  ASSERT_FALSE(registered.empty());
  for (TClass cls : registered) {
    if (!cls->Parent) continue;
    EXPECT_NE(std::string(cls->Name), std::string(cls->Parent->Name)) << cls->Name << " reports its parent's name";
  }
}

}  // namespace
