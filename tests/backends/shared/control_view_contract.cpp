#include "backends/shared/views_contract.h"
#include "toolkit/controls/simple_controls.h"

namespace lumaro::platform::contract {
namespace {

TEST_P(ViewsContract, CommonPropertiesFollowTheModel) {
  auto& button = add<toolkit::Button>("btnLoad");
  showForm();
  EXPECT_TRUE(this->shown("btnLoad").enabled);

  button.setBounds({10, 20, 100, 15});
  button.setHint("Memória alvo");
  button.setEnabled(false);
  button.setFont({"Arial", 9, true, toolkit::clRed});

  const ShownControl shown = this->shown("btnLoad");
  EXPECT_EQ(shown.bounds, (toolkit::Bounds{10, 20, 100, 15}));
  EXPECT_EQ(shown.hint, "Memória alvo");
  EXPECT_FALSE(shown.enabled);
  EXPECT_EQ(shown.fontName, "Arial");
  EXPECT_EQ(shown.fontHeight, 9);
  EXPECT_TRUE(shown.bold);
  EXPECT_TRUE(shown.visible);

  button.setVisible(false);
  EXPECT_FALSE(this->shown("btnLoad").visible);
}

}  // namespace
}  // namespace lumaro::platform::contract
