#include "core/text/CTextEscape.h"

#include <gtest/gtest.h>

TEST(CTextEscapeTest, ControlCharactersAreEscapedAndEverythingElseKept) {
    EXPECT_EQ(CTextEscape::ControlCharacters("a\tb\nc\rd\x1B[0m\x7F\x01"),
              "a\\tb\\nc\\rd\\x1B[0m\\x7F\\x01");
    // C1 controls in UTF-8 (U+009B starts a sequence on some terminals); U+00A0 is no control.
    EXPECT_EQ(CTextEscape::ControlCharacters("x\xC2\x9B"
                                             "y\xC2\xA0"),
              "x\\u009By\xC2\xA0");
    EXPECT_EQ(CTextEscape::ControlCharacters("山田\\"), "山田\\");
}
