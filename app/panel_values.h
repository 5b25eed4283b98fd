#pragma once

#include "app/port_panel.h"
#include "protocol/apply_settings.h"
#include "protocol/port_settings.h"

// Puts a line settings reply onto a panel: the rate text as it came, every button of every group set and
// checked only where its code matches the field exactly, the rate info label with the device's figure.
void ShowLineSettings(const PortPanel& panel, const LineSettings& settings);

// Puts the XON and XOFF texts of a reply into the panel's fields whole, past the typing limit.
void ShowFlowCharacters(const PortPanel& panel, const FlowCharacters& characters);

// What the panel holds when the user presses Set.
PanelInput ReadPanelInput(const PortPanel& panel);
