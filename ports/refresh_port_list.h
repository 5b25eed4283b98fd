#pragma once

#include "ports/port_list.h"
#include "ports/port_table.h"
#include "protocol/code_page.h"

#include <functional>

// Refills the table with the ports present; false when that could not be done.
using PortEnumeration = std::function<bool(PortTable&)>;

// Rebuilds the list from a fresh enumeration. The first port whose label contains "USB" is selected, over
// the previous choice; otherwise the previously selected port stays selected wherever it now is, and
// without it the first item is. An empty or failed enumeration leaves the list empty and disabled.
void RefreshPortList(PortTable& table, PortList& list, const PortEnumeration& enumerate,
                     CodePage codePage = SystemCodePage());
