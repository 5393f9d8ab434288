#include <gtest/gtest.h>

#include "ui/ExceptionMessage.h"

namespace {

TEST(ExceptionBoxText, AppendsPeriodAfterCharactersThatSortAfterIt) {
    struct Case {
        const char* message;
        const char* shown;
    };
    const Case cases[] = {
        {"", ""},
        {"Invalid data type for 'Path'", "Invalid data type for 'Path'"},  // 0x27 < 0x2E
        {"Disk full", "Disk full."},
        {"Already ends.", "Already ends."},
        {"Question?", "Question?."},  // byte order, not punctuation: 0x3F > 0x2E
        {"Bang!", "Bang!"},           // '!' sorts before '.'
        {"Dash-", "Dash-"},
        {"Slash/", "Slash/."},
        {"C:\\\x95\x5C", "C:\\\x95\x5C."},  // double-byte last character
        {"High\xE9", "High\xE9."},          // a byte above 0x7F counts as unsigned
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ui::ExceptionBoxText(c.message), c.shown) << c.message;
    }
}

}  // namespace
