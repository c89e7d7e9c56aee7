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
    // Why the file (or a file to import or export) is not read or written.
    struct FileError {
        enum Kind {
            None,
            NotAFile,
            TooLarge,        // larger than RiddleDocument::kMaxBytes
            Unreadable,      // detail: the system's words
            WouldBeTooLarge, // the change would make it larger than RiddleDocument::kMaxBytes
            FolderNotMade,   // detail: the folder
            NotWritten,      // detail: the system's words
            KeloOwnFile,     // an export aimed at the file Kelo keeps its riddles in
        } kind = None;
        QString detail;
        bool isError() const { return kind != None; }
    };
    // What became of a change the player asked for.
    struct Outcome {
        enum Status {
            Written,    // in the file
            KeptForRun, // known until Kelo ends, but the file could not be written
            Refused,    // not a riddle that can be kept, or an import not read
        } status = Written;
        RiddleDocument::Refusal refusal = RiddleDocument::Refusal::None; // why Refused a riddle
        FileError error;                                                 // why not written or read
    };
    struct ImportSummary {
        int added = 0;
        int replaced = 0;
        int notUnderstood = 0;
        Outcome outcome;
    };

    explicit RiddleStore(const QString &path, QObject *parent = nullptr);
    ~RiddleStore() override;

    // $XDG_DATA_HOME/kelo/riddles.tsv, ~/.local/share/kelo/riddles.tsv without it
    // (%APPDATA%\kelo\riddles.tsv on Windows).
    static QString defaultPath();
    QString path() const { return m_path; }

    // The player's riddles in file order, with what could not be written.
    const QList<PlayerRiddle> &riddles() const { return m_riddles; }
    // Why the file's riddles are not in use (too large, unreadable); no error when they are.
    FileError problem() const { return m_problem; }

    Outcome remember(const QString &text, const QString &answer);
    Outcome replace(const QString &text, const QString &newText, const QString &newAnswer);
    Outcome remove(const QStringList &texts);
    // Merges a file of the same format: new texts are added, known ones take its answer.
    ImportSummary importFrom(const QString &path);
    // Writes the riddles, one "text<TAB>answer" a line; no error on success.
    FileError exportTo(const QString &path) const;

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
    // The file as read: its bytes, their digest and its riddles, or why it is not used.
    struct Reading {
        FileError error;
        QByteArray bytes;
        QByteArray digest;
        QList<PlayerRiddle> riddles;
    };
    static Reading read(const QString &path);
    void adopt(Reading reading);
    static RiddleDocument::Change apply(RiddleDocument &document, const Edit &edit);
    Outcome write(const QList<Edit> &edits, QList<RiddleDocument::Change> *changes = nullptr);
    void setRiddles(QList<PlayerRiddle> riddles);
    void watch();
    void startReader();

    QString m_path;
    QList<PlayerRiddle> m_riddles;
    FileError m_problem;
    bool m_problemTold = false;
    // The digest of the bytes last read or written, to tell Kelo's own writes (and saves
    // that changed nothing) from an editor's change; empty when the file was not usable.
    // A digest rather than the bytes: a long list would keep a second copy for nothing.
    QByteArray m_lastDigest;
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
