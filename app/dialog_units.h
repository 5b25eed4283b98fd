#pragma once

#include <QFont>
#include <QRect>

// Converts a window template's dialog units into pixels the way Windows does: from the dialog font's base
// units, with MulDiv rounding, so that a layout keeps its proportions under any font.
class DialogUnits {
public:
    DialogUnits(int baseX, int baseY);

    // Base units of a font: x is half the average width of the 52 Latin letters (as Windows rounds it),
    // y is the font's height.
    static DialogUnits FromFont(const QFont& font);
    static int BaseXFromAlphabetWidth(int widthOf52Letters);

    int BaseX() const { return m_baseX; }
    int BaseY() const { return m_baseY; }

    int ToPixelsX(int dialogUnits) const;
    int ToPixelsY(int dialogUnits) const;
    // A rectangle by its edges, as MapDialogRect does, so that rounding never makes neighbours overlap.
    QRect ToPixels(const QRect& dialogUnits) const;

private:
    int m_baseX;
    int m_baseY;
};
