#include "app/combo_port_list.h"

#include <QComboBox>

ComboPortList::ComboPortList(QComboBox* combo) : m_combo(combo) {}

void ComboPortList::Clear() {
    m_combo->clear();
}

// Labels come from the system in its own code page.
void ComboPortList::Append(const std::string& label) {
    m_combo->addItem(QString::fromLocal8Bit(label));
}

std::optional<std::size_t> ComboPortList::SelectedIndex() const {
    const int index = m_combo->currentIndex();
    if (index < 0) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(index);
}

void ComboPortList::Select(std::size_t index) {
    m_combo->setCurrentIndex(static_cast<int>(index));
}

void ComboPortList::SetEnabled(bool enabled) {
    m_combo->setEnabled(enabled);
}
