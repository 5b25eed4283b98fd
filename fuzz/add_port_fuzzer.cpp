// AddPort over any friendly names, in both code pages: a code page selector byte, a byte giving how many
// ports the table already holds, then names separated by NUL bytes.

#include "fuzz/fuzz_input.h"
#include "fuzz/require.h"
#include "ports/add_port.h"

#include <cstdint>
#include <string>

namespace {

// "COM" and a decimal number as a 32-bit integer prints it: no sign, no leading zero, at most 2147483647.
bool IsComPort(std::string_view port) {
    constexpr std::string_view kMax = "2147483647";
    if (!port.starts_with("COM")) {
        return false;
    }
    const std::string_view digits = port.substr(3);
    if (digits.empty() || digits.size() > kMax.size() || (digits.size() > 1 && digits.front() == '0')) {
        return false;
    }
    for (char c : digits) {
        if (c < '0' || c > '9') {
            return false;
        }
    }
    return digits.size() < kMax.size() || digits <= kMax;
}

// Whether the name has "(COM" somewhere it can be read as those four characters, with a ")" after it.
bool HasComPrefix(std::string_view name, CodePage codePage) {
    for (std::size_t pos = name.find("(COM"); pos != std::string_view::npos; pos = name.find("(COM", pos + 1)) {
        if (IsAsciiCharacterAt(name, pos, codePage)) {
            return name.find(')', pos) != std::string_view::npos;
        }
    }
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) {
        return 0;
    }
    const CodePage codePage = CodePageFrom(data[0]);
    PortTable table;
    for (std::size_t i = 0; i < data[1]; ++i) {
        table.Add(PortEntry{"USB Serial Device (COM" + std::to_string(i) + ")", "COM" + std::to_string(i)});
    }
    for (std::string_view name : SplitAtNul(AsText(data + 2, size - 2))) {
        const std::size_t count = table.Count();
        const bool added = AddPort(table, std::string(name), codePage);
        FUZZ_REQUIRE(table.Count() == count + (added ? 1 : 0) && table.Count() <= PortTable::kCapacity);
        if (added) {
            const PortEntry* entry = table.At(count);
            FUZZ_REQUIRE(entry != nullptr && entry->label == name && IsComPort(entry->port));
            FUZZ_REQUIRE(HasComPrefix(name, codePage));
        }
        FUZZ_REQUIRE(table.At(table.Count()) == nullptr);
    }
    return 0;
}
