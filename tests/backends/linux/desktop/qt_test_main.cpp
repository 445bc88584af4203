#include <gtest/gtest.h>

#include <QApplication>

// Every Qt service needs the one QApplication of the process. Listing the tests needs none, which
// lets CTest discover them where no display exists.
int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (GTEST_FLAG_GET(list_tests)) return RUN_ALL_TESTS();
  QApplication app(argc, argv);
  return RUN_ALL_TESTS();
}
