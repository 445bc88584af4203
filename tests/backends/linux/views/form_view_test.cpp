#include <QTest>

#include "backends/linux/views/view_fixture.h"

namespace lumaro::platform::linuxos::test {
namespace {

class FormViewTest : public ViewTest {};

TEST_F(FormViewTest, BringToFrontActivatesTheWindow) {
  showForm();

  form_.bringToFront();

  EXPECT_TRUE(QTest::qWaitForWindowActive(&view_->window()));
}

}  // namespace
}  // namespace lumaro::platform::linuxos::test
