// The Qt tests run with the offscreen platform and one application object.
#include <gtest/gtest.h>

#include "platform/qt/image_export.hpp"

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    solvaris::EnsureGuiApplication();
    return RUN_ALL_TESTS();
}
