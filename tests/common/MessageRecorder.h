#pragma once

#include "widgets/MessageBox.h"

#include <QStringList>

// Hears every message Kelo gives while it lives, keeps its text and tells `observer`; no
// box shows unless `showBoxes`. Recorders nest: the one made last hears.
class MessageRecorder {
public:
    explicit MessageRecorder(std::function<void(const QString &)> observer = {}, bool showBoxes = false)
    {
        m_previous = MessageBox::setListener(
            [this, observer = std::move(observer), showBoxes](QWidget *, const QString &text) {
                texts << text;
                if (observer)
                    observer(text);
                return !showBoxes;
            });
    }
    ~MessageRecorder() { MessageBox::setListener(std::move(m_previous)); }
    MessageRecorder(const MessageRecorder &) = delete;
    MessageRecorder &operator=(const MessageRecorder &) = delete;

    QStringList texts;

private:
    MessageBox::Listener m_previous;
};
