#pragma once

#include <QObject>

class KnownRiddles;

// Answers a riddle copied from a page, as the desktop-wide shortcut asks: by the catalog's
// tolerant rule, against every riddle Kelo knows at that moment. It knows neither the
// clipboard nor any window; whoever listens puts the answer where it belongs.
class RiddleAnswerer : public QObject {
    Q_OBJECT
public:
    explicit RiddleAnswerer(const KnownRiddles *known, QObject *parent = nullptr);

public slots:
    // Emits `answered` or `missed`, before it returns.
    void answer(const QString &copy);

signals:
    void answered(const QString &copy, const QString &answer);
    // `copy` is empty when it was too long to be a riddle (a whole page copied by mistake):
    // there is nothing in it to show or to teach.
    void missed(const QString &copy);

private:
    const KnownRiddles *m_known;
};
