#pragma once

#include "app/port_panel.h"

#include <QDialog>
#include <vector>

class DialogUnits;
class QComboBox;
class QLabel;
class QPushButton;

// The program's only window: a fixed-size dialog laid out from the main window template.
class CTQ73setDlg : public QDialog {
    Q_OBJECT

public:
    explicit CTQ73setDlg(QWidget* parent = nullptr);

    // Every control of the template, in template order.
    const std::vector<QWidget*>& Controls() const { return m_controls; }
    const PortPanel& Panel(int index) const { return m_panels[index]; }

private:
    void CreateControls(const DialogUnits& units);
    void WidenTextsIntoFreeSpace();
    void DoDataExchange();

    template <typename Control> void Bind(int id, Control*& member) {
        member = findChild<Control*>(QString::number(id), Qt::FindDirectChildrenOnly);
    }

    std::vector<QWidget*> m_controls;
    QComboBox* m_portList = nullptr;
    PortPanel m_panels[2];
    QLabel* m_firmwareText = nullptr;
    QPushButton* m_connectButton = nullptr;
    QPushButton* m_setButton = nullptr;
    QLabel* m_versionText = nullptr;
};
