#include "fuzz/fuzz_input.h"

namespace {

bool InCp932LeadRange(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

} // namespace

CodePage CodePageFrom(std::uint8_t selector) {
    return selector % 2 != 0 ? CodePage::Cp932 : CodePage::Utf8;
}

std::string_view AsText(const std::uint8_t* data, std::size_t size) {
    return size == 0 ? std::string_view() : std::string_view(reinterpret_cast<const char*>(data), size);
}

std::vector<std::string_view> SplitAtNul(std::string_view bytes) {
    std::vector<std::string_view> parts;
    for (std::size_t nul; (nul = bytes.find('\0')) != std::string_view::npos;) {
        parts.push_back(bytes.substr(0, nul));
        bytes.remove_prefix(nul + 1);
    }
    parts.push_back(bytes);
    return parts;
}

bool IsAsciiCharacterAt(std::string_view text, std::size_t pos, CodePage codePage) {
    if (codePage == CodePage::Utf8) {
        return true;
    }
    std::size_t leadBytes = 0;
    while (leadBytes < pos && InCp932LeadRange(text[pos - leadBytes - 1])) {
        ++leadBytes;
    }
    return leadBytes % 2 == 0;
}
