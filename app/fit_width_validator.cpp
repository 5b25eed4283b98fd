#include "app/fit_width_validator.h"

#include <QFontMetrics>
#include <QLineEdit>
#include <QStyle>

namespace {

// QLineEdit keeps this many pixels free on each side of its text, and one more for the cursor after it.
constexpr int kLineEditTextMargin = 2;
constexpr int kCursorWidth = 1;

} // namespace

FitWidthValidator::FitWidthValidator(QLineEdit* edit) : QValidator(edit), m_edit(edit) {}

QValidator::State FitWidthValidator::validate(QString& input, int& /*position*/) const {
    const QFontMetrics metrics(m_edit->font());
    const QMargins margins = m_edit->textMargins();
    const int frame =
        m_edit->hasFrame() ? m_edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, m_edit) : 0;
    const int room =
        m_edit->contentsRect().width() - 2 * frame - margins.left() - margins.right() - 2 * kLineEditTextMargin;
    // The test QLineEdit makes before it scrolls its text: the text and the cursor after it must fit.
    const int used = metrics.horizontalAdvance(input) + kCursorWidth;
    return used <= room ? Acceptable : Invalid;
}
