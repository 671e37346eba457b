#include "digit_box.h"

#include <QKeyEvent>
#include <QRegularExpressionValidator>

namespace zeltavor::qt {

// QLineEdit's own limit would cut a longer text as it is set.
DigitBox::DigitBox(QWidget* parent, KeyFilter filter, std::size_t maxLength)
    : QLineEdit(parent), filter_(std::move(filter)) {
    const QString digits = maxLength > 0 ? QString("[0-9]{0,%1}").arg(maxLength) : QString("[0-9]*");
    setValidator(new QRegularExpressionValidator(QRegularExpression(digits), this));
}

// Typed characters and backspace reach the filter; shortcuts (Ctrl+V,
// Shift+Insert, arrows) are no characters and work as in any text box.
void DigitBox::keyPressEvent(QKeyEvent* event) {
    const QString text = event->text();
    const bool backspace = event->key() == Qt::Key_Backspace;
    const bool character = text.size() == 1 && (text[0].isPrint() || backspace);
    if (character) {
        std::int16_t code = backspace ? 8 : static_cast<std::int16_t>(text[0].unicode());
        filter_(code);
        if (code == 0) {
            event->accept();
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

}  // namespace zeltavor::qt
