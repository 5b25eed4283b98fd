#pragma once

#include "ports/port_list.h"

#include <optional>
#include <string>
#include <vector>

// A port list that records what it is given, as the window's drop-down shows it.
class FakePortList : public PortList {
public:
    void Clear() override;
    void Append(const std::string& label) override;
    std::optional<std::size_t> SelectedIndex() const override { return m_selected; }
    void Select(std::size_t index) override;
    void SetEnabled(bool enabled) override { m_enabled = enabled; }

    const std::vector<std::string>& Items() const { return m_items; }
    // None until SetEnabled has been called.
    std::optional<bool> Enabled() const { return m_enabled; }
    // The label of the selected item, or none.
    std::optional<std::string> SelectedLabel() const;

private:
    std::vector<std::string> m_items;
    std::optional<std::size_t> m_selected;
    std::optional<bool> m_enabled;
};
