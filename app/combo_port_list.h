#pragma once

#include "ports/port_list.h"

class QComboBox;

// The window's port list as the port list refresh sees it.
class ComboPortList : public PortList {
public:
    explicit ComboPortList(QComboBox* combo);

    void Clear() override;
    void Append(const std::string& label) override;
    std::optional<std::size_t> SelectedIndex() const override;
    void Select(std::size_t index) override;
    void SetEnabled(bool enabled) override;

private:
    QComboBox* m_combo;
};
