#include "widgets/WrappingButton.h"

#include <QStyleOptionButton>
#include <QStylePainter>

void WrappingButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    // The style draws the bevel and focus frame; the caption is ours to wrap.
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    QTextOption wrap(Qt::AlignCenter);
    wrap.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    const QRect textRect = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    // Qt's own wrapping breaks inside a word only when the word is the whole line, so the
    // letters are laid out one line each when they do not fit side by side.
    QString shown = text();
    if (fontMetrics().horizontalAdvance(shown) > textRect.width() && !shown.contains(QLatin1Char(' ')))
        shown = shown.split(QString(), Qt::SkipEmptyParts).join(QLatin1Char('\n'));
    painter.drawText(QRectF(textRect), shown, wrap);
}
