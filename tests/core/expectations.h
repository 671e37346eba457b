#pragma once

#include <gtest/gtest.h>

#include "app/form1.h"

namespace zeltavor::testing {

// Hub, dots and source label around the pivot (1110, 1110) of a 2220-twip
// dial, with the control sizes the window is created with.
inline void ExpectDialElementsAroundTheDefaultPivot(const Form1& form) {
    EXPECT_EQ(form.ImgMitte.Left, 990);
    EXPECT_EQ(form.ImgMitte.Top, 990);
    EXPECT_EQ(form.imgDot0.Left, 1005);
    EXPECT_EQ(form.imgDot0.Top, 1639);
    EXPECT_EQ(form.ImgDot1.Left, 1005);
    EXPECT_EQ(form.ImgDot1.Top, 1639);
    EXPECT_EQ(form.lblHDRAM.Left, 840);
    EXPECT_EQ(form.lblHDRAM.Top, 1367.5);
}

}  // namespace zeltavor::testing
