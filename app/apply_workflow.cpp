#include "app/CTQ73setDlg.h"

#include "app/panel_values.h"
#include "protocol/apply_settings.h"
#include "protocol/messages.h"
#include "protocol/port_settings.h"

#include <QLabel>

#include <array>
#include <optional>

void CTQ73setDlg::OnBnClickedSet() {
    if (!Failed(ApplySettings())) {
        Show(msg::kSettingsApplied);
    }
}

// Nothing is sent unless both panels pass every check. The commands then go out line A, line B, characters A,
// characters B, each with its own reply, up to the first failure; what the device accepted stays in effect.
Result CTQ73setDlg::ApplySettings() {
    const ApplyPlan plan = PlanApply({ReadPanelInput(m_panels[0]), ReadPanelInput(m_panels[1])});
    if (plan.Refused()) {
        Show(plan.refusal);
        return kResultFail;
    }
    std::array<ReplyBuffer, 2> lineReplies{};
    for (int panel = 0; panel < 2; ++panel) {
        if (Failed(m_link.SendCommand(lineReplies[panel], plan.commands.line[panel]))) {
            return kResultFail;
        }
    }
    std::array<ReplyBuffer, 2> characterReplies{};
    for (int panel = 0; panel < 2; ++panel) {
        if (Failed(m_link.SendCommand(characterReplies[panel], plan.commands.characters[panel]))) {
            return kResultFail;
        }
    }

    std::array<std::optional<LineSettings>, 2> applied;
    for (int panel = 0; panel < 2; ++panel) {
        applied[panel] = ParseLineSettings(Payload(lineReplies[panel]));
        if (!applied[panel]) {
            Show(msg::kUnsupportedDevice);
            return kResultFail;
        }
    }
    for (int panel = 0; panel < 2; ++panel) {
        m_panels[panel].rateInfo->setText(QString::fromStdString(RateInfoText(applied[panel]->rateError)));
    }
    return kResultOk;
}
