#include "app/CTQ73setDlg.h"

#include "app/panel_values.h"
#include "protocol/messages.h"
#include "protocol/port_settings.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include <optional>

void CTQ73setDlg::OnBnClickedConnect() {
    if (m_link.IsConnected()) {
        m_link.ClosePort();
        m_connectButton->setText(QString::fromUtf8(msg::kCaptionConnect));
        EnableControls(false);
        return;
    }
    const PortEntry* entry = m_portTable.At(m_portList->currentIndex());
    if (entry == nullptr) {
        return;
    }
    if (Failed(m_link.OpenPort(entry->port))) {
        return;
    }
    if (Failed(ReadDeviceSettings())) {
        // A port removal handled while the load's message was open has closed the port already.
        if (m_link.IsConnected()) {
            m_link.ClosePort();
        }
        return;
    }
    m_connectButton->setText(QString::fromUtf8(msg::kCaptionDisconnect));
    EnableControls(true);
}

// Fills the still disabled panels from the device; the firmware line shows only once everything has loaded.
Result CTQ73setDlg::ReadDeviceSettings() {
    std::string firmware;
    if (Failed(m_link.Identify(firmware))) {
        return kResultFail;
    }
    for (int panel = 0; panel < 2; ++panel) {
        ReplyBuffer reply{};
        if (Failed(m_link.SendCommand(reply, LineSettingsQuery(panel)))) {
            return kResultFail;
        }
        const std::optional<LineSettings> settings = ParseLineSettings(Payload(reply));
        if (!settings) {
            Show(msg::kUnsupportedDevice);
            return kResultFail;
        }
        ShowLineSettings(m_panels[panel], *settings);

        if (Failed(m_link.SendCommand(reply, FlowCharactersQuery(panel)))) {
            return kResultFail;
        }
        const std::optional<FlowCharacters> characters = ParseFlowCharacters(Payload(reply));
        if (!characters) {
            Show(msg::kUnsupportedDevice);
            return kResultFail;
        }
        ShowFlowCharacters(m_panels[panel], *characters);
    }
    m_firmwareText->setText(QString::fromStdString(firmware));
    return kResultOk;
}
