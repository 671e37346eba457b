#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The controls of the window as plain data: the properties the handlers read
// and write, positions and sizes in twips. The front-end draws them.
namespace zeltavor {

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    friend constexpr bool operator==(Rgb, Rgb) = default;
};

// The pictures drawn for the window, compiled into the program under their
// names, each for 96 dots per inch and at twice that.
enum class Picture { None, DialFace, FilledDot, EmptyDot, Hub, RedCross };
inline const char* PictureName(Picture picture) {
    constexpr const char* names[] = {"", "dial_face", "dot_filled", "dot_empty", "hub", "red_cross"};
    return names[static_cast<int>(picture)];
}

enum class MousePointer { Default, Hand };

struct Font {
    enum class Family { Sans, Serif };
    Family family = Family::Sans;
    float points = 8.0f;
    bool bold = false;
    friend bool operator==(const Font&, const Font&) = default;
};

struct Control {
    float Left = 0, Top = 0, Width = 0, Height = 0;
    bool Visible = true;
    bool Enabled = true;  // a disabled control lets the mouse through to the window
    friend bool operator==(const Control&, const Control&) = default;
};

struct Label : Control {
    std::string Caption;
    Rgb ForeColor;
    bool Centred = false;
    bool Transparent = true;
    Font LabelFont;
    friend bool operator==(const Label&, const Label&) = default;
};

// No label shows more characters than this: the widest window is a few
// hundred pixels across. What lies beyond is neither drawn nor compared, so a
// hand-edited caption of any length costs a tick no more than "RAM" does.
inline constexpr std::size_t kShownCaptionLength = 1024;

inline std::string_view ShownCaption(const Label& label) {
    return std::string_view(label.Caption).substr(0, kShownCaptionLength);
}

struct Image : Control {
    Picture Content = Picture::None;
    MousePointer Pointer = MousePointer::Default;
    friend bool operator==(const Image&, const Image&) = default;
};

struct TextBox : Control {
    std::string Text;
    std::size_t MaxLength = 0;  // characters the user may enter; 0: no limit
};

struct Button : Control {
    std::string Caption;
    Font ButtonFont;
};

struct Frame : Control {
    Rgb BackColor;
};

struct Line {
    float X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
    Rgb Colour;
    int WidthPixels = 1;
    friend bool operator==(const Line&, const Line&) = default;
};

// A timer is data; the front-end runs it. Every assignment restarts the
// countdown, which the front-end sees as a new generation.
class Timer {
public:
    bool Enabled() const { return enabled_; }
    int Interval() const { return interval_; }
    unsigned Generation() const { return generation_; }
    void SetEnabled(bool enabled) { enabled_ = enabled; ++generation_; }
    void SetInterval(int milliseconds) { interval_ = milliseconds; ++generation_; }

private:
    bool enabled_ = false;
    int interval_ = 1000;
    unsigned generation_ = 0;
};

}  // namespace zeltavor
