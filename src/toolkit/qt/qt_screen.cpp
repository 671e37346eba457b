#include "qt_screen.h"

#include <QGuiApplication>
#include <QScreen>

namespace zeltavor::qt {

namespace {
const QScreen& Primary() { return *QGuiApplication::primaryScreen(); }
}  // namespace

float QtScreen::TwipsPerPixelX() const { return static_cast<float>(1440.0 / Primary().logicalDotsPerInchX()); }
float QtScreen::TwipsPerPixelY() const { return static_cast<float>(1440.0 / Primary().logicalDotsPerInchY()); }
float QtScreen::Width() const { return Primary().geometry().width() * TwipsPerPixelX(); }
float QtScreen::Height() const { return Primary().geometry().height() * TwipsPerPixelY(); }

}  // namespace zeltavor::qt
