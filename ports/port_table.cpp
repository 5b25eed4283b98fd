#include "ports/port_table.h"

#include <utility>

void PortTable::Clear() {
    m_portCount = 0;
}

bool PortTable::Add(PortEntry entry) {
    if (m_portCount == kCapacity) {
        return false;
    }
    m_portTable[m_portCount] = std::move(entry);
    ++m_portCount;
    return true;
}

const PortEntry* PortTable::At(std::size_t index) const {
    return index < m_portCount ? &m_portTable[index] : nullptr;
}
