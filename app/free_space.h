#pragma once

#include <QRect>
#include <span>

// Widens a control that needs more room than its layout gives it: first to the right, up to the next control
// on its row or the area's right edge; when that is still too narrow, to the left into the free space there.
// It never covers another control or leaves the area [0, areaWidth). A control that already fits is returned
// unchanged; one that cannot get all it needs gets all the free width there is.
QRect WidenIntoFreeSpace(const QRect& control, int neededWidth, std::span<const QRect> others, int areaWidth);
