#include "Twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

int TwipsParPixelPour(double dpiLogique) {
    if (!(dpiLogique > 0.0))
        return 15;
    const long t = std::lround(1440.0 / dpiLogique);
    return t < 1 ? 1 : static_cast<int>(t);
}

int TwipsParPixel() {
    const QScreen* ecran = QGuiApplication::primaryScreen();
    return ecran ? TwipsParPixelPour(ecran->logicalDotsPerInch()) : 15;
}
