#pragma once

#include "ports/port_entry.h"

#include <array>
#include <cstddef>

// The ports found by the last enumeration, in discovery order. The index of an entry is also its index in the
// port list, so the table never reorders and never grows past its fixed slots.
class PortTable {
public:
    static constexpr std::size_t kCapacity = 256;

    void Clear();
    // Appends an entry; a full table is left as it is and the entry is dropped (false).
    bool Add(PortEntry entry);
    std::size_t Count() const { return m_portCount; }
    // The entry at `index`, or null when the index is not that of a valid entry.
    const PortEntry* At(std::size_t index) const;

private:
    std::array<PortEntry, kCapacity> m_portTable;
    std::size_t m_portCount = 0;
};
