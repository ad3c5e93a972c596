#pragma once

// The main window on a four-word dictionary, for the tests of its commands.

#include "support/windowharness.h"

#include <QListView>

namespace tolvani::windowtest {

// List positions of the test dictionary's display words.
inline constexpr int kApple = 0;
inline constexpr int kApplePie = 1;
inline constexpr int kApricot = 2;
inline constexpr int kAvocado = 3;

class MainWindowTest : public WindowTest
{
protected:
    // Grouped under "A" as the letter table wants; the second headword is in
    // mixed case and has two words, so its display word differs from the file.
    MainWindowTest()
        : WindowTest({"apple||n||seb||An apple a day.",
                      "APPLE pie||n||seb ki mithai||Apple pie after dinner.",
                      "apricot||n||khubani||Dried apricots keep.",
                      "avocado||n||makhanphal||A ripe avocado."})
    {
    }

    void SetUp() override
    {
        WindowTest::SetUp();
        ASSERT_EQ(List1->model()->rowCount(), 4);
    }
};

} // namespace tolvani::windowtest
