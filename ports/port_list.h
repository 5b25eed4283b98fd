#pragma once

#include <cstddef>
#include <optional>
#include <string>

// The list the user picks a port from: a drop-down that cannot be typed into and is never sorted, so that
// item i shows entry i of the port table.
class PortList {
public:
    virtual ~PortList() = default;

    virtual void Clear() = 0;
    virtual void Append(const std::string& label) = 0;
    // None only while the list is empty.
    virtual std::optional<std::size_t> SelectedIndex() const = 0;
    virtual void Select(std::size_t index) = 0;
    virtual void SetEnabled(bool enabled) = 0;
};
