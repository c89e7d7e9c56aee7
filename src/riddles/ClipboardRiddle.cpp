#include "riddles/ClipboardRiddle.h"

#include "riddles/RiddleBar.h"
#include "riddles/RiddleCatalog.h"

ClipboardRiddle::ClipboardRiddle(const Services &services, RiddleBar *bar, QObject *parent)
    : QObject(parent), m_services(services), m_bar(bar)
{
}

void ClipboardRiddle::lookUp()
{
    if (m_reading)
        return;
    m_reading = true;
    m_services.readClipboardText(this, [this](const QString &copy) {
        m_reading = false;
        answer(copy);
    });
}

void ClipboardRiddle::answer(const QString &copy)
{
    // A text too long to be a riddle (a whole page copied by mistake, say) is not even put
    // into the riddle field.
    const bool tooLong = copy.size() > RiddleCatalog::kLongestCopy;
    if (copy.trimmed().isEmpty() || tooLong || !m_bar->answerCopiedRiddle(copy)) {
        m_missed = tooLong ? QString() : copy;
        emit notFound(tr("Загадка не найдена"));
    }
}
