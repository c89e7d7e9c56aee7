#include "riddles/ClipboardRiddle.h"

#include "riddles/RiddleAnswerer.h"

ClipboardRiddle::ClipboardRiddle(const Services &services, RiddleAnswerer *answerer, QObject *parent)
    : QObject(parent), m_services(services), m_answerer(answerer)
{
    connect(m_answerer, &RiddleAnswerer::answered, this,
            [this](const QString &, const QString &answer) { m_services.setClipboardText(answer); });
    connect(m_answerer, &RiddleAnswerer::missed, this, [this](const QString &copy) {
        m_missed = copy;
        emit notFound(tr("Загадка не найдена"));
    });
}

void ClipboardRiddle::lookUp()
{
    if (m_reading)
        return;
    m_reading = true;
    m_services.readClipboardText(this, [this](const QString &copy) {
        m_reading = false;
        m_answerer->answer(copy);
    });
}
