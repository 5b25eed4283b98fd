#include "ports/refresh_port_list.h"

#include <optional>
#include <string>

namespace {

std::size_t FindSelection(const PortTable& table, const std::optional<std::string>& previous, CodePage codePage) {
    for (std::size_t i = 0; i < table.Count(); ++i) {
        if (FindInCodePage(table.At(i)->label, "USB", codePage) != std::string_view::npos) {
            return i;
        }
    }
    if (previous) {
        for (std::size_t i = 0; i < table.Count(); ++i) {
            if (table.At(i)->port == *previous) {
                return i;
            }
        }
    }
    return 0;
}

} // namespace

void RefreshPortList(PortTable& table, PortList& list, const PortEnumeration& enumerate, CodePage codePage) {
    // The selection must be read from the table as it was before the enumeration refills it.
    std::optional<std::string> previous;
    if (const std::optional<std::size_t> selected = list.SelectedIndex()) {
        if (const PortEntry* entry = table.At(*selected)) {
            previous = entry->port;
        }
    }

    list.Clear();
    if (!enumerate(table) || table.Count() == 0) {
        list.SetEnabled(false);
        return;
    }
    list.SetEnabled(true);
    for (std::size_t i = 0; i < table.Count(); ++i) {
        list.Append(table.At(i)->label);
    }
    list.Select(FindSelection(table, previous, codePage));
}
