#include "app/fit_width_validator.h"

#include <QFontMetrics>
#include <QLineEdit>
#include <QStyle>

namespace {

// QLineEdit keeps this many pixels free on each side of its text, and one more for the cursor after it.
constexpr int kLineEditTextMargin = 2;
constexpr int kCursorWidth = 1;

} // namespace

FitWidthValidator::FitWidthValidator(QLineEdit* edit) : TypingLimitValidator(edit) {}

bool FitWidthValidator::Fits(const QString& text) const {
    const QLineEdit* edit = Edit();
    const QFontMetrics metrics(edit->font());
    const QMargins margins = edit->textMargins();
    const int frame = edit->hasFrame() ? edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, edit) : 0;
    const int room =
        edit->contentsRect().width() - 2 * frame - margins.left() - margins.right() - 2 * kLineEditTextMargin;
    // The test QLineEdit makes before it scrolls its text: the text and the cursor after it must fit.
    return metrics.horizontalAdvance(text) + kCursorWidth <= room;
}
