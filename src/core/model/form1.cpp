#include "model/form1.h"

#include "runtime/conversions.h"

namespace zeltavor {

namespace {

Label MakeLabel(float left, float top, float width, float height, std::string caption, Rgb foreColor) {
    Label label;
    label.Left = left;
    label.Top = top;
    label.Width = width;
    label.Height = height;
    label.Caption = std::move(caption);
    label.ForeColor = foreColor;
    return label;
}

Image MakeImage(float left, float top, float width, float height, Picture content) {
    Image image;
    image.Left = left;
    image.Top = top;
    image.Width = width;
    image.Height = height;
    image.Content = content;
    return image;
}

Button MakeButton(float left, float top, float width, float height, std::string caption) {
    Button button;
    button.Left = left;
    button.Top = top;
    button.Width = width;
    button.Height = height;
    button.Caption = std::move(caption);
    return button;
}

TextBox MakeTextBox(float left, float top, float width, float height, std::string text) {
    TextBox box;
    box.Left = left;
    box.Top = top;
    box.Width = width;
    box.Height = height;
    box.Text = std::move(text);
    return box;
}

constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kPanelText{192, 64, 0};

}  // namespace

Form1::Form1(Platform& platform, Desktop& desktop)
    : platform_(platform), desktop_(desktop), width_(10875), height_(6150) {
    Frame1.Left = 2460;
    Frame1.Top = -60;
    Frame1.Width = 4575;
    Frame1.Height = 2325;
    Frame1.BackColor = {192, 192, 192};

    lblHDRAM = MakeLabel(1260, 2730, 540, 225, kMemorySource, kBlack);
    lblHDRAM.Centred = true;
    lblHDRAM.Enabled = false;
    lblHDRAM.LabelFont = {Font::Family::Serif, 6.75f, false};

    imgDot0 = MakeImage(1260, 1260, 210, 210, Picture::FilledDot);
    ImgDot1 = MakeImage(1260, 3465, 210, 210, Picture::EmptyDot);
    ImgDot1.Visible = false;
    ImgMitte = MakeImage(6780, 3570, 240, 240, Picture::Hub);
    ImgMitte.Enabled = false;

    MEMTOP = MakeLabel(9240, 90, 1065, 330, "Top", kBlack);
    MEMTOP.Visible = false;
    MEMTOP.Transparent = false;
    MEMLeft = MakeLabel(9240, 510, 1065, 330, "Left", kBlack);
    MEMLeft.Visible = false;
    MEMLeft.Transparent = false;

    lbl_MEM = MakeLabel(780, 570, 765, 315, "", {255, 128, 0});
    lbl_MEM.Centred = true;
    lbl_MEM.Enabled = false;  // so its hand cursor never shows

    SecZ = {1170, 1080, 780, 1800, {255, 0, 0}, 4};

    cmd_clear = MakeButton(330, 420, 2100, 285, "Speicher aufräumen");
    cmd_aus = MakeButton(2940, 420, 1485, 285, "kein AutoStart");
    cmd_auto = MakeButton(2940, 105, 1485, 285, "AutoStart");
    Monis = MakeTextBox(1995, 855, 345, 285, "2");
    Monis.MaxLength = 2;  // longer counts would carry the window beyond any coordinates
    cmd_weiter = MakeButton(930, 1590, 2505, 585, "weiter");
    cmd_weiter.ButtonFont = {Font::Family::Sans, 9.75f, true};
    txtHeight = MakeTextBox(1695, 1200, 645, 330, kDesignSizeText);
    txtHeight.MaxLength = 5;  // room for any size to be corrected, none for a number past the double range
    Label4[3] = MakeLabel(2760, 1260, 1065, 240, "(800 .. 2500)", kPanelText);
    Label4[1] = MakeLabel(225, 900, 1785, 240, "Anzahl (max.2) Monitore:", kPanelText);
    cmd_EXIT = MakeImage(3750, 1500, 600, 615, Picture::RedCross);
    cmd_EXIT.Pointer = MousePointer::Hand;
    Label3 = MakeLabel(345, 180, 1845, 210, kCreditLine, kCreditColour);
    Label4[0] = MakeLabel(270, 1260, 1275, 240, "Instrument-Größe:", kPanelText);
}

void Form1::SetWidth(float twips) {
    const PixelGrid grid = Grid();
    const float snapped = grid.TwipsX(grid.X(twips));
    if (snapped == width_) return;
    width_ = snapped;
    Resize();
}

void Form1::SetHeight(float twips) {
    const PixelGrid grid = Grid();
    const float snapped = grid.TwipsY(grid.Y(twips));
    if (snapped == height_) return;
    height_ = snapped;
    Resize();
}

}  // namespace zeltavor
