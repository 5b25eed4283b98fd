#include "app/dialog_units.h"

#include <QFontMetrics>

namespace {

// value * numerator / denominator rounded to the nearest integer, halves away from zero, as MulDiv does.
int MulDiv(int value, int numerator, int denominator) {
    const long long product = static_cast<long long>(value) * numerator;
    const long long half = denominator / 2;
    return static_cast<int>(product >= 0 ? (product + half) / denominator : (product - half) / denominator);
}

} // namespace

DialogUnits::DialogUnits(int baseX, int baseY) : m_baseX(baseX), m_baseY(baseY) {}

DialogUnits DialogUnits::FromFont(const QFont& font) {
    const QFontMetrics metrics(font);
    const int alphabet =
        metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return DialogUnits(BaseXFromAlphabetWidth(alphabet), metrics.height());
}

int DialogUnits::BaseXFromAlphabetWidth(int widthOf52Letters) {
    return (widthOf52Letters / 26 + 1) / 2;
}

int DialogUnits::ToPixelsX(int dialogUnits) const {
    return MulDiv(dialogUnits, m_baseX, 4);
}

int DialogUnits::ToPixelsY(int dialogUnits) const {
    return MulDiv(dialogUnits, m_baseY, 8);
}

// Edges, not sizes, are converted, so that controls that touch in the template touch, and never overlap, here.
QRect DialogUnits::ToPixels(const QRect& dialogUnits) const {
    const int left = ToPixelsX(dialogUnits.x());
    const int top = ToPixelsY(dialogUnits.y());
    return QRect(left, top, ToPixelsX(dialogUnits.x() + dialogUnits.width()) - left,
                 ToPixelsY(dialogUnits.y() + dialogUnits.height()) - top);
}
