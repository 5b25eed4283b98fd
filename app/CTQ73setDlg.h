#pragma once

#include "app/message_box_reporter.h"
#include "app/port_panel.h"
#include "link/device_link.h"
#include "link/reporter.h"
#include "ports/device_watcher.h"
#include "ports/enumerate_ports.h"
#include "ports/port_table.h"
#include "ports/refresh_port_list.h"

#include <QDialog>
#include <QIcon>
#include <QSocketNotifier>
#include <QString>
#include <cstdint>
#include <memory>
#include <vector>

class DialogUnits;
class QComboBox;
class QLabel;
class QPushButton;

// The program's only window: a fixed-size dialog laid out from the main window template. It owns the link to
// the device and the port table, follows serial ports being plugged in and removed, and shows every failure
// the link reports.
class CTQ73setDlg : public QDialog, public Reporter {
    Q_OBJECT

public:
    // `enumerate` finds the serial ports the port list offers.
    explicit CTQ73setDlg(PortEnumeration enumerate = EnumeratePorts, QWidget* parent = nullptr);

    // Every control of the template, in template order.
    const std::vector<QWidget*>& Controls() const { return m_controls; }
    const PortPanel& Panel(int index) const { return m_panels[index]; }

    // Switches both port panels and the Set button on or off. Switching off also empties the firmware line and
    // resets the rate info labels, so nothing of a device that is gone stays on show.
    void EnableControls(bool enable);

    // Reacts to a device-change notification (codes of ports/device_change.h).
    void OnDeviceChange(std::uint32_t event, std::uint32_t deviceType);

    // Connect: opens the selected port and loads the device, which must succeed before the window shows the
    // connected state. Disconnect: closes the port and switches the panels off, keeping their values.
    void OnBnClickedConnect();
    // Set: checks both panels, writes them to the device and shows what it reports.
    void OnBnClickedSet();

    // Shows a failure to the user: in a message box unless SetReporter chose otherwise.
    void Show(const std::string& text) override;
    // Sends every failure to `reporter` instead, which must outlive the window or the next SetReporter.
    void SetReporter(Reporter& reporter);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateControls(const DialogUnits& units);
    void WidenTextsIntoFreeSpace();
    void DoDataExchange();
    void OnInitDialog();
    void WatchDeviceChanges();
    void RefreshPortList();
    Result ReadDeviceSettings();
    Result ApplySettings();
    void OnBaudChangedA();
    void OnBaudChangedB();
    void ResetRateInfo(int panel);
    bool PreTranslateMessage(QWidget* receiver, QEvent* event);
    bool IsOwnWidget(const QWidget* widget) const;
    void CloseDropDownLists();

    template <typename Control> void Bind(int id, Control*& member) {
        member = findChild<Control*>(QString::number(id), Qt::FindDirectChildrenOnly);
    }

    QString m_strVersion;
    QIcon m_hIcon;
    MessageBoxReporter m_messageBoxes{this};
    Reporter* m_reporter = &m_messageBoxes;
    DeviceLink m_link{*this};
    PortTable m_portTable;
    PortEnumeration m_enumerate;
    DeviceWatcher m_watcher;
    std::unique_ptr<QSocketNotifier> m_watcherNotifier;

    std::vector<QWidget*> m_controls;
    QComboBox* m_portList = nullptr;
    PortPanel m_panels[2];
    QLabel* m_firmwareText = nullptr;
    QPushButton* m_connectButton = nullptr;
    QPushButton* m_setButton = nullptr;
    QLabel* m_versionText = nullptr;
};
