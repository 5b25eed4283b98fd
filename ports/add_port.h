#pragma once

#include "ports/port_table.h"
#include "protocol/code_page.h"

#include <string>

// Takes the COM number out of a Windows friendly name such as "USB Serial Device (COM3)": the digits that
// follow the first "(COM" up to the next ")". Appends the whole name as label with `COM<number>` as port.
// Returns false, adding nothing, when the name carries no number or the table is full.
bool AddPort(PortTable& table, std::string name, CodePage codePage = SystemCodePage());
