#include "riddles/ClipboardRiddle.h"

#include "data/RiddleTable.h"
#include "riddles/RiddleBar.h"

#include <algorithm>

namespace {
// No riddle contains a text longer than the longest riddle; such a text (a whole page
// copied by mistake, say) is not even put into the riddle field.
qsizetype longestRiddle()
{
    static const qsizetype longest = [] {
        qsizetype length = 0;
        for (const RiddlePair &pair : kRiddleTable)
            length = std::max(length, QString::fromUtf8(pair.text).size());
        return length;
    }();
    return longest;
}
} // namespace

ClipboardRiddle::ClipboardRiddle(const Services &services, RiddleBar *bar, QObject *parent)
    : QObject(parent), m_services(services), m_bar(bar)
{
}

void ClipboardRiddle::lookUp()
{
    const QString text = m_services.clipboardText();
    const bool tooLong = text.size() > longestRiddle();
    if (text.isEmpty() || tooLong || !m_bar->answerRiddle(text)) {
        m_missed = tooLong ? QString() : text;
        emit notFound(QStringLiteral("Загадка не найдена"));
    }
}
