#include "platform/fonts.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    // Listing the cases at build time needs no display.
    if (GTEST_FLAG_GET(list_tests))
        return RUN_ALL_TESTS();
    QApplication application(argc, argv);
    // The same faces as the program, so the windows lay out as users see them.
    tolvani::installFontSubstitutes();
    return RUN_ALL_TESTS();
}
