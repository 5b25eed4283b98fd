#include "sim/escaped.h"

#include <cstdio>

namespace tq73sim {

std::string Escaped(std::string_view bytes) {
    std::string text;
    text.reserve(bytes.size());
    for (const char c : bytes) {
        if (c == '\r') {
            text += "\\r";
        } else if (c == '\n') {
            text += "\\n";
        } else if (c == '\\') {
            text += "\\\\";
        } else if (c >= 0x20 && c <= 0x7E) {
            text += c;
        } else {
            char hex[5];
            std::snprintf(hex, sizeof hex, "\\x%02X", static_cast<unsigned char>(c));
            text += hex;
        }
    }
    return text;
}

} // namespace tq73sim
