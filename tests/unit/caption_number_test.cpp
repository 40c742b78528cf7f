#include "platform/caption_number.h"

#include <gtest/gtest.h>

using trompalo::captionNumber;
using trompalo::wholeNumberText;

TEST(CaptionNumber, ReadsTheLeadingNumberOfACaption) {
    EXPECT_EQ(captionNumber(""), 0);
    EXPECT_EQ(captionNumber("Fallo"), 0);
    EXPECT_EQ(captionNumber("7"), 7);
    EXPECT_EQ(captionNumber("-15"), -15);
    EXPECT_EQ(captionNumber("+4"), 4);
    EXPECT_EQ(captionNumber("2Fallo(s)."), 2);
    EXPECT_EQ(captionNumber("  325 "), 325);
    // The option captions: the time of " 7 seg." has a leading blank.
    EXPECT_EQ(captionNumber(" 7"), 7);
    EXPECT_EQ(captionNumber("10 seg."), 10);
    EXPECT_EQ(captionNumber("3 golpes."), 3);
    EXPECT_DOUBLE_EQ(captionNumber("2.5x"), 2.5);
    EXPECT_DOUBLE_EQ(captionNumber("1e3"), 1000);
    // An "e" that no digits follow is not an exponent.
    EXPECT_EQ(captionNumber("3e"), 3);
    EXPECT_EQ(captionNumber("-"), 0);
    EXPECT_EQ(captionNumber("."), 0);
    // Overflowing texts do not turn into infinities.
    EXPECT_EQ(captionNumber("1e999"), 0);
}

TEST(CaptionNumber, WritesWholeNumbers) {
    EXPECT_EQ(wholeNumberText(0), "0");
    EXPECT_EQ(wholeNumberText(-15), "-15");
    EXPECT_EQ(wholeNumberText(325), "325");
    EXPECT_EQ(wholeNumberText(2.5), "2"); // halves go to the even neighbour
    EXPECT_EQ(wholeNumberText(3.5), "4");
    EXPECT_EQ(wholeNumberText(-0.4), "0");
}
