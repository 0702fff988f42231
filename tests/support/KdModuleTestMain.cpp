// Test programs of the module: the module is loaded once around all tests.
#include "KdModuleTest.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  ::testing::AddGlobalTestEnvironment(new kdtest::ModuleEnvironment);
  return RUN_ALL_TESTS();
}
