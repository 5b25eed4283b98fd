#include "app/panel_values.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include <span>

namespace {

QString Text(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// An exclusive group never lets its checked button be unchecked, so exclusion is lifted while a reply with an
// unknown code clears the whole group.
template <std::size_t N>
void CheckMatching(QRadioButton* const (&buttons)[N], std::span<const char* const> codes, const std::string& field) {
    const int match = CodeIndex(codes, field);
    QButtonGroup* group = buttons[0]->group();
    const bool exclusive = group != nullptr && group->exclusive();
    if (exclusive) {
        group->setExclusive(false);
    }
    for (std::size_t i = 0; i < N; ++i) {
        buttons[i]->setChecked(static_cast<int>(i) == match);
    }
    if (exclusive) {
        group->setExclusive(true);
    }
}

template <std::size_t N> int CheckedIndex(QRadioButton* const (&buttons)[N]) {
    for (std::size_t i = 0; i < N; ++i) {
        if (buttons[i]->isChecked()) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

} // namespace

void ShowLineSettings(const PortPanel& panel, const LineSettings& settings) {
    panel.rate->setEditText(Text(settings.rate));
    CheckMatching(panel.dataBits, kDataBitsCodes, settings.dataBits);
    CheckMatching(panel.parity, kParityCodes, settings.parity);
    CheckMatching(panel.stopBits, kStopBitsCodes, settings.stopBits);
    CheckMatching(panel.flow, kFlowCodes, settings.flow);
    panel.rateInfo->setText(Text(RateInfoText(settings.rateError)));
}

void ShowFlowCharacters(const PortPanel& panel, const FlowCharacters& characters) {
    panel.xon->setText(Text(characters.xon));
    panel.xoff->setText(Text(characters.xoff));
}

PanelInput ReadPanelInput(const PortPanel& panel) {
    return PanelInput{panel.rate->currentText().toStdString(),
                      CheckedIndex(panel.dataBits),
                      CheckedIndex(panel.parity),
                      CheckedIndex(panel.stopBits),
                      CheckedIndex(panel.flow),
                      panel.xon->text().toStdString(),
                      panel.xoff->text().toStdString()};
}
