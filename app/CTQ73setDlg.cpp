#include "app/CTQ73setDlg.h"

#include "app/combo_port_list.h"
#include "app/control_factory.h"
#include "app/dialog_units.h"
#include "app/file_version.h"
#include "app/free_space.h"
#include "app/help.h"
#include "app/length_limit_validator.h"
#include "app/version_line.h"
#include "app/window_template.h"
#include "protocol/port_settings.h"

#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <optional>

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

// The XON and XOFF fields take two hex digits.
constexpr int kFlowCharacterDigits = 2;

void SetPanelEnabled(const PortPanel& panel, bool enable) {
    for (QLabel* label : panel.labels) {
        label->setEnabled(enable);
    }
    panel.rateInfo->setEnabled(enable);
    panel.rate->setEnabled(enable);
    for (QRadioButton* button : panel.dataBits) {
        button->setEnabled(enable);
    }
    for (QRadioButton* button : panel.parity) {
        button->setEnabled(enable);
    }
    for (QRadioButton* button : panel.flow) {
        button->setEnabled(enable);
    }
    for (QRadioButton* button : panel.stopBits) {
        button->setEnabled(enable);
    }
    panel.xon->setEnabled(enable);
    panel.xoff->setEnabled(enable);
}

} // namespace

CTQ73setDlg::CTQ73setDlg(PortEnumeration enumerate, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      m_strVersion(QString::fromStdString(VersionLine(ProgramFileVersion()))), m_hIcon(QStringLiteral(":/tq73set.png")),
      m_enumerate(std::move(enumerate)) {
    const WindowTemplate& layout = MainWindowTemplate();
    setWindowTitle(QString::fromUtf8(layout.caption));
    setFont(DialogFont());
    const DialogUnits units = DialogUnits::FromFont(font());
    setFixedSize(units.ToPixelsX(layout.width), units.ToPixelsY(layout.height));
    CreateControls(units);
    WidenTextsIntoFreeSpace();
    DoDataExchange();

    connect(m_panels[0].rate, &QComboBox::activated, this, &CTQ73setDlg::OnBaudChangedA);
    connect(m_panels[0].rate->lineEdit(), &QLineEdit::textEdited, this, &CTQ73setDlg::OnBaudChangedA);
    connect(m_panels[1].rate, &QComboBox::activated, this, &CTQ73setDlg::OnBaudChangedB);
    connect(m_panels[1].rate->lineEdit(), &QLineEdit::textEdited, this, &CTQ73setDlg::OnBaudChangedB);
    connect(m_connectButton, &QPushButton::clicked, this, &CTQ73setDlg::OnBnClickedConnect);
    connect(m_setButton, &QPushButton::clicked, this, &CTQ73setDlg::OnBnClickedSet);
    WatchDeviceChanges();
    // Keys are looked at before the control that has the focus gets them, as PreTranslateMessage does.
    qApp->installEventFilter(this);

    OnInitDialog();
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

void CTQ73setDlg::OnInitDialog() {
    setWindowIcon(m_hIcon);
    m_versionText->setText(m_strVersion);
    for (const PortPanel& panel : m_panels) {
        for (int rate : kOfferedRates) {
            panel.rate->addItem(QString::number(rate));
        }
        // The first item added became the current one; the rate shows only once a device is loaded.
        panel.rate->setCurrentIndex(-1);
    }
    m_firmwareText->clear();
    RefreshPortList();
    for (const PortPanel& panel : m_panels) {
        panel.xon->setValidator(new LengthLimitValidator(panel.xon, kFlowCharacterDigits));
        panel.xoff->setValidator(new LengthLimitValidator(panel.xoff, kFlowCharacterDigits));
    }
    EnableControls(false);
}

void CTQ73setDlg::EnableControls(bool enable) {
    for (const PortPanel& panel : m_panels) {
        SetPanelEnabled(panel, enable);
    }
    if (!enable) {
        m_firmwareText->clear();
        for (const PortPanel& panel : m_panels) {
            panel.rateInfo->setText(QString::fromUtf8(kRateInfoIdle));
        }
    }
    m_setButton->setEnabled(enable);
}

// Each readable moment of the watcher's descriptor brings one event; more pending ones keep it readable.
void CTQ73setDlg::WatchDeviceChanges() {
    if (m_watcher.Fd() < 0) {
        return;
    }
    m_watcherNotifier = std::make_unique<QSocketNotifier>(m_watcher.Fd(), QSocketNotifier::Read);
    connect(m_watcherNotifier.get(), &QSocketNotifier::activated, this, [this] {
        if (const std::optional<DeviceChange> change = m_watcher.ReadChange()) {
            OnDeviceChange(change->event, change->deviceType);
        }
    });
}

void CTQ73setDlg::OnDeviceChange(std::uint32_t event, std::uint32_t deviceType) {
    if (deviceType != DBT_DEVTYP_PORT) {
        return;
    }
    if (event == DBT_DEVICEARRIVAL) {
        RefreshPortList();
    } else if (event == DBT_DEVICEREMOVECOMPLETE) {
        // Any serial port going away disconnects: the one in use may be it.
        if (m_link.IsConnected()) {
            OnBnClickedConnect();
        }
        RefreshPortList();
    }
}

void CTQ73setDlg::RefreshPortList() {
    ComboPortList list(m_portList);
    ::RefreshPortList(m_portTable, list, m_enumerate);
}

void CTQ73setDlg::OnBaudChangedA() {
    ResetRateInfo(0);
}

void CTQ73setDlg::OnBaudChangedB() {
    ResetRateInfo(1);
}

// The figures shown belong to the rate the device has, no longer to the one in the field.
void CTQ73setDlg::ResetRateInfo(int panel) {
    m_panels[panel].rateInfo->setText(QString::fromUtf8(kRateInfoIdle));
}

void CTQ73setDlg::Show(const std::string& text) {
    m_reporter->Show(text);
}

void CTQ73setDlg::SetReporter(Reporter& reporter) {
    m_reporter = &reporter;
}

bool CTQ73setDlg::eventFilter(QObject* watched, QEvent* event) {
    if (auto* widget = qobject_cast<QWidget*>(watched); widget != nullptr && PreTranslateMessage(widget, event)) {
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

// True when the key was handled here and must reach no control.
bool CTQ73setDlg::PreTranslateMessage(QWidget* receiver, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !IsOwnWidget(receiver)) {
        return false;
    }
    const auto* key = static_cast<const QKeyEvent*>(event);
    switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // Enter must neither press a button nor close the window. In a dropped list it only picks the item.
        return receiver->window() == this;
    case Qt::Key_F1:
        if ((key->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)) != 0) {
            return false;
        }
        CloseDropDownLists();
        OpenHelp(HelpFilePath(QCoreApplication::applicationFilePath()), this);
        return true;
    default:
        return false;
    }
}

// The window's controls and the lists its combo boxes drop down, which are windows of their own; not the
// message boxes it owns.
bool CTQ73setDlg::IsOwnWidget(const QWidget* widget) const {
    const QWidget* window = widget->window();
    if (window == this) {
        return true;
    }
    const QWidget* popupOwner = window->windowType() == Qt::Popup ? window->parentWidget() : nullptr;
    return popupOwner != nullptr && popupOwner->window() == this;
}

void CTQ73setDlg::CloseDropDownLists() {
    for (QComboBox* combo : findChildren<QComboBox*>(Qt::FindDirectChildrenOnly)) {
        combo->hidePopup();
    }
}
