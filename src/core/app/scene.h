#pragma once

#include "app/form1.h"

namespace zeltavor {

inline Label Shown(const Label& label) {
    return {label, std::string(ShownCaption(label)), label.ForeColor, label.Centred,
            label.Transparent, label.LabelFont, label.Pointer};
}

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
    return {form.Width(),           form.Height(),         form.BackgroundPicture, form.SecZ,
            Shown(form.lbl_MEM),    Shown(form.lblHDRAM),  Shown(form.MEMTOP),     Shown(form.MEMLeft),
            form.imgDot0,           form.ImgDot1,          form.ImgMitte,          form.Image2,
            Shown(form.Label3)};
}

// The windowless controls of the window, from back to front: the needle lies
// behind everything. A front-end's painter has Draw for lines, labels, images.
template <typename Painter>
void DrawWindowControls(const Form1& form, Painter& painter) {
    painter.Draw(form.SecZ);
    painter.Draw(form.lbl_MEM);
    painter.Draw(form.MEMLeft);
    painter.Draw(form.MEMTOP);
    painter.Draw(form.Image2);
    painter.Draw(form.ImgMitte);
    painter.Draw(form.ImgDot1);
    painter.Draw(form.imgDot0);
    painter.Draw(form.lblHDRAM);
}

// Those of the options panel, from back to front.
template <typename Painter>
void DrawPanelControls(const Form1& form, Painter& painter) {
    painter.Draw(form.Label4.at(0));
    painter.Draw(form.Label3);
    painter.Draw(form.cmd_EXIT);
    painter.Draw(form.Label4.at(1));
    painter.Draw(form.Label4.at(3));
}

}  // namespace zeltavor
