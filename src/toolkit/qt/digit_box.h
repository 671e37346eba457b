#pragma once

#include <QLineEdit>
#include <cstdint>
#include <functional>

namespace zeltavor::qt {

// A text box whose typed characters pass the model's key filter first; what
// no key filter sees (paste, drag and drop, the selection) is held to digits.
// Typing and pasting stop at maxLength characters (0: no limit); a longer text
// that the program sets stands whole.
class DigitBox final : public QLineEdit {
public:
    // Gets the character code and sets it to 0 to discard the character.
    using KeyFilter = std::function<void(std::int16_t&)>;

    DigitBox(QWidget* parent, KeyFilter filter, std::size_t maxLength);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    KeyFilter filter_;
};

}  // namespace zeltavor::qt
