#include "app/typing_limit_validator.h"

#include <QLineEdit>
#include <algorithm>

namespace {

// True when `after` is `before` with one stretch of characters taken out (or none).
bool IsDeletion(const QString& before, const QString& after) {
    if (after.size() > before.size()) {
        return false;
    }
    qsizetype prefix = 0;
    while (prefix < after.size() && after[prefix] == before[prefix]) {
        ++prefix;
    }
    return before.endsWith(QStringView(after).mid(prefix));
}

} // namespace

TypingLimitValidator::TypingLimitValidator(QLineEdit* edit) : QValidator(edit), m_edit(edit) {
    connect(edit, &QLineEdit::textChanged, this, [this](const QString& text) { m_shownText = text; });
}

QValidator::State TypingLimitValidator::validate(QString& input, int& /*position*/) const {
    // setText, which the program and a combo box's item choice use, wipes the undo history, while every edit
    // by the user adds to it. A text refused here would also make QLineEdit stop undoing refused typing until
    // the text is acceptable again, so the program's texts must pass.
    const bool setByProgram = !m_edit->isUndoAvailable();
    return setByProgram || Fits(input) || IsDeletion(m_shownText, input) ? Acceptable : Invalid;
}
