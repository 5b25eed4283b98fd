#include "app/free_space.h"

#include <algorithm>

QRect WidenIntoFreeSpace(const QRect& control, int neededWidth, std::span<const QRect> others, int areaWidth) {
    if (neededWidth <= control.width()) {
        return control;
    }
    int freeLeft = 0;
    int freeRight = areaWidth; // exclusive
    for (const QRect& other : others) {
        const bool sameRow = other.top() <= control.bottom() && other.bottom() >= control.top();
        if (!sameRow) {
            continue;
        }
        if (other.left() > control.right()) {
            freeRight = std::min(freeRight, other.left());
        } else if (other.right() < control.left()) {
            freeLeft = std::max(freeLeft, other.right() + 1);
        }
    }
    const int right = std::max(control.left() + control.width(), std::min(control.left() + neededWidth, freeRight));
    const int left = std::min(control.left(), std::max(freeLeft, right - neededWidth));
    return QRect(left, control.top(), right - left, control.height());
}
