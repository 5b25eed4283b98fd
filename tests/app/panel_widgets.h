#pragma once

#include "app/port_panel.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <iterator>
#include <vector>

// Every control of a port panel.
inline std::vector<QWidget*> PanelWidgets(const PortPanel& panel) {
    std::vector<QWidget*> widgets(std::begin(panel.labels), std::end(panel.labels));
    widgets.insert(widgets.end(), {panel.rate, panel.rateInfo});
    widgets.insert(widgets.end(), std::begin(panel.dataBits), std::end(panel.dataBits));
    widgets.insert(widgets.end(), std::begin(panel.parity), std::end(panel.parity));
    widgets.insert(widgets.end(), std::begin(panel.stopBits), std::end(panel.stopBits));
    widgets.insert(widgets.end(), std::begin(panel.flow), std::end(panel.flow));
    widgets.insert(widgets.end(), {panel.xon, panel.xoff});
    return widgets;
}

// Which buttons of a radio group are checked, in the group's order.
template <std::size_t N> std::vector<bool> Checked(QRadioButton* const (&buttons)[N]) {
    std::vector<bool> checked;
    for (QRadioButton* button : buttons) {
        checked.push_back(button->isChecked());
    }
    return checked;
}
