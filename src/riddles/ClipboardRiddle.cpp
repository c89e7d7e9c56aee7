#include "riddles/ClipboardRiddle.h"

#include "riddles/KnownRiddles.h"
#include "riddles/RiddleBar.h"

ClipboardRiddle::ClipboardRiddle(const Services &services, RiddleBar *bar, QObject *parent)
    : QObject(parent), m_services(services), m_bar(bar)
{
}

void ClipboardRiddle::lookUp()
{
    const QString text = m_services.clipboardText();
    // No riddle contains a text longer than the longest riddle; such a text (a whole page
    // copied by mistake, say) is not even put into the riddle field.
    const bool tooLong = text.size() > m_bar->knownRiddles()->longestText();
    if (text.isEmpty() || tooLong || !m_bar->answerRiddle(text)) {
        m_missed = tooLong ? QString() : text;
        emit notFound(QStringLiteral("Загадка не найдена"));
    }
}
