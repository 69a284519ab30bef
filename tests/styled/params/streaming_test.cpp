// Parameter objects as nested properties of a form stream: defaults left
// out, the always-stored ones written, the extents right after loading and
// the gradient's band count kept in range.
#include <memory>
#include <string>

#include "controls/styled/styclass.h"
#include "controls/styled/stygraph.h"
#include "platform/vcl/Classes.h"
#include "styled/shared/fixture.h"

namespace styledtest {
namespace {

class TStyProbe : public TComponent {
  DRUMS_CLASS(TStyProbe, TComponent)
 public:
  explicit TStyProbe(TComponent* AOwner) : TComponent(AOwner) {}
  TStyBevel* GetBevel() const { return FBevel.get(); }
  void SetBevel(TStyBevel* value) { FBevel->Assign(value); }
  TStyGradient* GetGradient() const { return FGradient.get(); }
  void SetGradient(TStyGradient* value) { FGradient->Assign(value); }
  static void Publish(TPublisher<TStyProbe>& p) {
    p.Prop("Bevel", &TStyProbe::GetBevel, &TStyProbe::SetBevel);
    p.Prop("Gradient", &TStyProbe::GetGradient, &TStyProbe::SetGradient);
  }
  std::unique_ptr<TStyBevel> FBevel = std::make_unique<TStyBevel>();
  std::unique_ptr<TStyGradient> FGradient = std::make_unique<TStyGradient>();
};

TEST_F(StyledProcs, BevelAndGradientTravelInAFormStream) {
  TStyProbe probe(nullptr);
  probe.SetName("Probe");
  probe.GetBevel()->SetStyleOuter(bvRaised);
  probe.GetBevel()->SetBorderInnerWidth(2);
  const std::string text = AsText(&probe);
  EXPECT_NE(text.find("Bevel.StyleOuter = bvRaised"), std::string::npos) << text;
  EXPECT_NE(text.find("Bevel.Mode = bmCustom"), std::string::npos) << text;  // always stored
  EXPECT_NE(text.find("Bevel.StandardStyle = lsSingleLowered"), std::string::npos) << text;
  EXPECT_EQ(text.find("Bevel.WidthOuter"), std::string::npos) << text;  // the default

  TStyProbe copy(nullptr);
  ReadText(text, &copy);
  EXPECT_EQ(copy.GetBevel()->GetStyleOuter(), bvRaised);
  EXPECT_EQ(copy.GetBevel()->GetExtent(), 3);

  TStyProbe damaged(nullptr);
  ReadText("object Probe: TStyProbe\n  Gradient.ColorCount = 250\nend\n", &damaged);
  EXPECT_EQ(damaged.GetGradient()->GetColorCount(), 236);
  ReadText("object Probe: TStyProbe\n  Gradient.ColorCount = 1\nend\n", &damaged);
  EXPECT_EQ(damaged.GetGradient()->GetColorCount(), 2);
  EXPECT_EQ(damaged.GetGradient()->GetColors().size(), 2u);
}

TEST_F(StyledProcs, TimerPoolTakesItsMinimumOnlyWhileLoading) {
  TStyTimerPool pool(nullptr);
  EXPECT_EQ(pool.GetMinInterval(), 1000);
  pool.SetMinInterval(100);
  EXPECT_EQ(pool.GetMinInterval(), 1000);
  ReadText("object Pool: TStyTimerPool\n  MinInterval = 100\nend\n", &pool);
  EXPECT_EQ(pool.GetMinInterval(), 100);
}

}  // namespace
}  // namespace styledtest
