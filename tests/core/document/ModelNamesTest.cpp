#include "document/Models.h"

#include <gtest/gtest.h>

namespace pmr {
namespace {

TEST(ModelNames, DisplayNameMapsToCodeWhateverTrailsIt) {
    EXPECT_EQ(ModelCodeFromDisplay("VX-T210"), "VX210");
    EXPECT_EQ(ModelCodeFromDisplay("VX-T210   "), "VX210");
    EXPECT_EQ(ModelCodeFromDisplay(std::string("VX-T210\0xyz", 11)), "VX210");
    EXPECT_EQ(ModelCodeFromDisplay("vx-t210"), "vx-t210");
    EXPECT_EQ(ModelCodeFromDisplay("OTHER  "), "OTHER");
    EXPECT_EQ(ModelCodeFromDisplay(" VX-T210"), " VX-T210");
}

TEST(ModelNames, CodeMapsToDisplayName) {
    EXPECT_EQ(ModelDisplayFromCode("VX210  "), "VX-T210");
    EXPECT_EQ(ModelDisplayFromCode(std::string("VX210\0 ", 7)), "VX-T210");
    EXPECT_EQ(ModelDisplayFromCode("VX211"), "VX211");
    ASSERT_EQ(ModelDisplayNames().size(), 1u);
    EXPECT_EQ(ModelDisplayNames()[0], "VX-T210");
}

} // namespace
} // namespace pmr
