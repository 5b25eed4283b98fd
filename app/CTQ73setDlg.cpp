#include "app/CTQ73setDlg.h"

#include "app/control_factory.h"
#include "app/dialog_units.h"
#include "app/free_space.h"
#include "app/window_template.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

// The template's font is MS UI Gothic, which Linux lacks: IPAPGothic is proportional like it, so the labels
// keep the widths the layout was drawn for.
QFont DialogFont() {
    QFont font;
    font.setFamilies({QStringLiteral("MS UI Gothic"), QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic"),
                      QStringLiteral("Noto Sans CJK JP")});
    font.setPointSize(9);
    return font;
}

struct PanelIds {
    int labels[8];
    int rate;
    int rateInfo;
    int dataBits[2];
    int parity[3];
    int stopBits[2];
    int flow[3];
    int xon;
    int xoff;
};

constexpr PanelIds kPanelIds[2] = {
    {.labels = {1023, 1024, 1025, 1026, 1027, 1035, 1037, 1039},
     .rate = 1003,
     .rateInfo = 1011,
     .dataBits = {1004, 1005},
     .parity = {1006, 1007, 1008},
     .stopBits = {1009, 1010},
     .flow = {1049, 1022, 1036},
     .xon = 1038,
     .xoff = 1040},
    {.labels = {1029, 1030, 1031, 1032, 1028, 1041, 1045, 1047},
     .rate = 1012,
     .rateInfo = 1020,
     .dataBits = {1013, 1014},
     .parity = {1015, 1016, 1017},
     .stopBits = {1018, 1019},
     .flow = {1050, 1043, 1044},
     .xon = 1046,
     .xoff = 1048},
};

} // namespace

CTQ73setDlg::CTQ73setDlg(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    const WindowTemplate& layout = MainWindowTemplate();
    setWindowTitle(QString::fromUtf8(layout.caption));
    setFont(DialogFont());
    const DialogUnits units = DialogUnits::FromFont(font());
    setFixedSize(units.ToPixelsX(layout.width), units.ToPixelsY(layout.height));
    CreateControls(units);
    WidenTextsIntoFreeSpace();
    DoDataExchange();
}

void CTQ73setDlg::CreateControls(const DialogUnits& units) {
    // Widgets join the focus chain in the order they are created, so the tab order is the template order.
    QButtonGroup* radioGroup = nullptr;
    for (const ControlTemplate& control : MainWindowTemplate().controls) {
        QWidget* widget = CreateControl(control, units, this);
        m_controls.push_back(widget);
        // As in a Windows dialog, radio buttons exclude each other from one group start to the next.
        if (control.flags & kGroup) {
            radioGroup = nullptr;
        }
        if (auto* radio = qobject_cast<QRadioButton*>(widget)) {
            if (radioGroup == nullptr) {
                radioGroup = new QButtonGroup(this);
            }
            radioGroup->addButton(radio);
        }
    }
}

// The template was drawn for MS UI Gothic; with another font some texts need more room than it gives them.
void CTQ73setDlg::WidenTextsIntoFreeSpace() {
    for (QWidget* widget : m_controls) {
        if (qobject_cast<QLabel*>(widget) == nullptr && qobject_cast<QRadioButton*>(widget) == nullptr) {
            continue;
        }
        std::vector<QRect> others;
        for (const QWidget* other : m_controls) {
            if (other != widget) {
                others.push_back(other->geometry());
            }
        }
        widget->setGeometry(WidenIntoFreeSpace(widget->geometry(), widget->sizeHint().width(), others, width()));
    }
}

// Binds the members to their controls by id, once, when the window is built.
void CTQ73setDlg::DoDataExchange() {
    Bind(1000, m_portList);
    Bind(1001, m_connectButton);
    Bind(1002, m_firmwareText);
    Bind(1033, m_setButton);
    Bind(1034, m_versionText);
    for (int index = 0; index < 2; ++index) {
        const PanelIds& ids = kPanelIds[index];
        PortPanel& panel = m_panels[index];
        for (int label = 0; label < 8; ++label) {
            Bind(ids.labels[label], panel.labels[label]);
        }
        Bind(ids.rate, panel.rate);
        Bind(ids.rateInfo, panel.rateInfo);
        for (int button = 0; button < 2; ++button) {
            Bind(ids.dataBits[button], panel.dataBits[button]);
            Bind(ids.stopBits[button], panel.stopBits[button]);
        }
        for (int button = 0; button < 3; ++button) {
            Bind(ids.parity[button], panel.parity[button]);
            Bind(ids.flow[button], panel.flow[button]);
        }
        Bind(ids.xon, panel.xon);
        Bind(ids.xoff, panel.xoff);
    }
}
