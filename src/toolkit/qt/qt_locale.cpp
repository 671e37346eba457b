#include "qt_locale.h"

#include <QLocale>

namespace zeltavor::qt {

NumberLocale SystemNumberLocale() { return {QLocale::system().decimalPoint().toStdString()}; }

}  // namespace zeltavor::qt
