#include "document/FixedText.h"

#include "document/RadioDocument.h"

#include <gtest/gtest.h>

namespace pmr {

TEST(FixedText, PadsShortValuesWithSpacesAndCutsLongOnes) {
    FixedText<6> name;
    name = "AB";
    EXPECT_EQ(name.raw(), "AB    ");
    name = "ABCDEFGH";
    EXPECT_EQ(name.raw(), "ABCDEF");
}

TEST(RadioDocument, StartsZeroFilledLikeTheWorkingCopyAtStartUp) {
    RadioDocument d;
    EXPECT_EQ(d.Version.raw(), std::string(4, '\0'));
    EXPECT_EQ(d.Channels[128].Name.raw(), std::string(6, '\0'));
    EXPECT_EQ(d.ChannelCount, 0);
}

} // namespace pmr
