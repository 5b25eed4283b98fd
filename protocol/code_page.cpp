#include "protocol/code_page.h"

namespace {

bool IsCp932LeadByte(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

} // namespace

std::size_t CharLength(std::string_view text, std::size_t pos, CodePage codePage) {
    if (codePage == CodePage::Cp932 && IsCp932LeadByte(static_cast<unsigned char>(text[pos])) &&
        pos + 1 < text.size()) {
        return 2;
    }
    return 1;
}

std::size_t FindInCodePage(std::string_view text, std::string_view needle, CodePage codePage, std::size_t from) {
    if (codePage == CodePage::Utf8) {
        return text.find(needle, from);
    }
    for (std::size_t pos = from; pos < text.size(); pos += CharLength(text, pos, codePage)) {
        if (text.substr(pos, needle.size()) == needle) {
            return pos;
        }
    }
    return std::string_view::npos;
}
