// File chooser filters: "Name|patterns" pairs turned into Qt's "Name (patterns)" form.
#include "core/FileFilter.h"

#include <gtest/gtest.h>

using vemo::ToDialogFilters;

TEST(FileFilter, EachPairBecomesOneFilterWithBothLetterCases)
{
    EXPECT_EQ(ToDialogFilters("All Picture|*.GIF;*.JPG|Picture(GIF)|*.GIF"),
              (std::vector<std::string>{"All Picture (*.gif *.GIF *.jpg *.JPG)", "Picture(GIF) (*.gif *.GIF)"}));
}

TEST(FileFilter, AnUnpairedNameIsDropped)
{
    EXPECT_EQ(ToDialogFilters("Picture(BMP)|*.BMP|Dangling"), (std::vector<std::string>{"Picture(BMP) (*.bmp *.BMP)"}));
    EXPECT_TRUE(ToDialogFilters("").empty());
}
