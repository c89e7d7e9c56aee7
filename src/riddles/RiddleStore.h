#pragma once

#include <QByteArray>
#include <QFileSystemWatcher>
#include <QObject>
#include <QThread>
#include <QTimer>

#include "riddles/RiddleDocument.h"

// The riddles the player taught, kept in one file that is read after the window is up,
// read again whenever it changes on disk, and re-read before every write so that an
// edit made meanwhile in an editor survives. What cannot be written stays known for
// the rest of the run. No file (and no folder) is made until the player teaches something.
class RiddleStore : public QObject {
    Q_OBJECT
public:
    // What became of a change the player asked for.
    struct Outcome {
        enum Status {
            Written,    // in the file
            KeptForRun, // known until Kelo ends, but the file could not be written
            Refused,    // not a riddle that can be kept (see RiddleDocument::refusal)
        } status = Written;
        QString reason; // why not written or refused
    };
    struct ImportSummary {
        int added = 0;
        int replaced = 0;
        int notUnderstood = 0;
        Outcome outcome;
    };

    explicit RiddleStore(const QString &path, QObject *parent = nullptr);
    ~RiddleStore() override;

    // $XDG_DATA_HOME/kelo/riddles.tsv, ~/.local/share/kelo/riddles.tsv without it.
    static QString defaultPath();
    QString path() const { return m_path; }

    // The player's riddles in file order, with what could not be written.
    const QList<PlayerRiddle> &riddles() const { return m_riddles; }
    // Why the file's riddles are not in use (too large, unreadable), or empty.
    QString problem() const { return m_problem; }

    Outcome remember(const QString &text, const QString &answer);
    Outcome replace(const QString &text, const QString &newText, const QString &newAnswer);
    Outcome remove(const QStringList &texts);
    // Merges a file of the same format: new texts are added, known ones take its answer.
    ImportSummary importFrom(const QString &path);
    // Writes the riddles, one "text<TAB>answer" a line; empty string on success, else why not.
    QString exportTo(const QString &path) const;

public slots:
    // Reads the file (again); `changed` follows when the riddles differ.
    void load();
    // The same on a thread of its own, so that a long list costs the start no time; the
    // riddles arrive with `changed`. A write or load meanwhile makes this one moot. One
    // reader runs at a time: asked again while it reads, the file is read once more after
    // it. A store destroyed meanwhile stops its reader and waits for it.
    void loadInBackground();

signals:
    void changed();

private:
    // A change to apply to the file's contents; kept until it has been written.
    struct Edit {
        enum Kind { Remember, Replace, Remove } kind;
        QString text;
        QString newText;
        QString answer;
    };
    // The file as read: its bytes and contents, or why it is not used.
    struct Reading {
        bool usable = false;
        QString why;
        QByteArray bytes;
        RiddleDocument document;
    };
    static Reading read(const QString &path);
    void adopt(Reading reading);
    static RiddleDocument::Change apply(RiddleDocument &document, const Edit &edit);
    Outcome write(const QList<Edit> &edits, QList<RiddleDocument::Change> *changes = nullptr);
    void setRiddles(const RiddleDocument &document);
    void watch();
    void startReader();

    QString m_path;
    QList<PlayerRiddle> m_riddles;
    QString m_problem;
    bool m_problemTold = false;
    QByteArray m_lastBytes;
    bool m_lastBytesValid = false;
    // Changes the file has not taken; they are laid over every fresh read of it.
    QList<Edit> m_unwritten;
    // Counts loads and writes, so that a background read that finishes late is dropped.
    quint64 m_generation = 0;
    // The reader thread while one runs (a child of the store), and whether the file is to
    // be read again once it is done.
    QThread *m_reader = nullptr;
    bool m_readAgain = false;
    QFileSystemWatcher m_watcher;
    QTimer m_settle;
};
