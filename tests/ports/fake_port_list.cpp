#include "tests/ports/fake_port_list.h"

#include <stdexcept>

void FakePortList::Clear() {
    m_items.clear();
    m_selected.reset();
}

void FakePortList::Append(const std::string& label) {
    m_items.push_back(label);
}

void FakePortList::Select(std::size_t index) {
    // A real list ignores an index past its end; here it is a fault of the caller.
    if (index >= m_items.size()) {
        throw std::out_of_range("selected index past the end of the list");
    }
    m_selected = index;
}

std::optional<std::string> FakePortList::SelectedLabel() const {
    if (!m_selected) {
        return std::nullopt;
    }
    return m_items[*m_selected];
}
