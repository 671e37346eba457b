#pragma once

#include "app/form1.h"

namespace zeltavor {

// What the window shows of the model. A front-end repaints when, and only
// when, this changes.
struct Scene {
    float width = 0, height = 0;
    Picture background = Picture::None;
    Line needle;
    Label lbl_MEM, lblHDRAM, MEMTOP, MEMLeft;
    Image imgDot0, ImgDot1, ImgMitte, Image2;
    Label Label3;
    friend bool operator==(const Scene&, const Scene&) = default;
};

inline Scene SceneOf(const Form1& form) {
    return {form.Width(),   form.Height(),  form.BackgroundPicture, form.SecZ,     form.lbl_MEM,
            form.lblHDRAM,  form.MEMTOP,    form.MEMLeft,           form.imgDot0,  form.ImgDot1,
            form.ImgMitte,  form.Image2,    form.Label3};
}

}  // namespace zeltavor
