#pragma once

class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;

// The controls of one device port's settings (index 0: port A, 1: port B).
struct PortPanel {
    QLabel* labels[8] = {};         // captions: rate, data bits, parity, stop bits, port name, flow, Xon, Xoff
    QComboBox* rate = nullptr;      // editable list of rates
    QLabel* rateInfo = nullptr;     // "bps", with the device's rate figures after a load or an apply
    QRadioButton* dataBits[2] = {}; // 8, 7
    QRadioButton* parity[3] = {};   // none, odd, even
    QRadioButton* stopBits[2] = {}; // 1, 2
    QRadioButton* flow[3] = {};     // none, RTS-CTS, Xon-Xoff
    QLineEdit* xon = nullptr;
    QLineEdit* xoff = nullptr;
};
