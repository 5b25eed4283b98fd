#pragma once

#include <QRect>
#include <QSize>
#include <QString>
#include <ostream>

// Readable GoogleTest failure messages for the Qt values the window tests compare.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QRect& rect, std::ostream* os) {
    *os << rect.x() << "," << rect.y() << " " << rect.width() << "x" << rect.height();
}

inline void PrintTo(const QSize& size, std::ostream* os) {
    *os << size.width() << "x" << size.height();
}
