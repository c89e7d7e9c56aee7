#include "riddles/RiddleStore.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <cstdio>
#include <memory>

namespace {
using FileError = RiddleStore::FileError;

// Reads a whole riddle file, never more than the limit: an error when it is no regular
// file, too large or unreadable. A missing file reads as empty.
FileError readBounded(const QString &path, QByteArray *bytes)
{
    bytes->clear();
    const QFileInfo info(path);
    if (!info.exists())
        return {};
    if (!info.isFile())
        return {FileError::NotAFile, QString()};
    if (info.size() > RiddleDocument::kMaxBytes)
        return {FileError::TooLarge, QString()};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {FileError::Unreadable, file.errorString()};
    // It may have grown since it was measured.
    *bytes = file.read(RiddleDocument::kMaxBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return {FileError::Unreadable, file.errorString()};
    if (bytes->size() > RiddleDocument::kMaxBytes) {
        bytes->clear();
        return {FileError::TooLarge, QString()};
    }
    return {};
}

QByteArray digestOf(const QByteArray &bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
}

// The riddles as a list of their own: one "text<TAB>answer" a line.
QByteArray listing(const QList<PlayerRiddle> &riddles)
{
    QByteArray bytes;
    for (const PlayerRiddle &riddle : riddles)
        bytes += riddle.text.toUtf8() + '\t' + riddle.answer.toUtf8() + '\n';
    return bytes;
}

// For standard error, which is read by whoever looks after the machine, not the player.
QByteArray describedForLog(const FileError &error)
{
    switch (error.kind) {
    case FileError::NotAFile:
        return "not a regular file";
    case FileError::TooLarge:
        return "larger than " + QByteArray::number(RiddleDocument::kMaxBytes / (1024 * 1024)) + " MiB";
    default:
        return "unreadable: " + error.detail.toLocal8Bit();
    }
}

// Replaces the file whole: a new file is written beside it and renamed over it.
FileError saveWhole(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {FileError::NotWritten, file.errorString()};
    if (file.write(bytes) != bytes.size()) {
        const QString why = file.errorString();
        file.cancelWriting();
        return {FileError::NotWritten, why};
    }
    if (!file.commit())
        return {FileError::NotWritten, file.errorString()};
    return {};
}
} // namespace

RiddleStore::RiddleStore(const QString &path, QObject *parent) : QObject(parent), m_path(path)
{
    // Editors save in several steps; the file is read once they are done.
    m_settle.setSingleShot(true);
    m_settle.setInterval(100);
    connect(&m_settle, &QTimer::timeout, this, &RiddleStore::load);
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, &m_settle, qOverload<>(&QTimer::start));
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, &m_settle, qOverload<>(&QTimer::start));
}

QString RiddleStore::defaultPath()
{
    QString base = qEnvironmentVariable("XDG_DATA_HOME");
#ifdef Q_OS_WIN
    // %APPDATA%, the roaming folder, which follows the player to another computer of the
    // same domain; Qt names it only with an application's own folder appended.
    if (base.isEmpty() || QDir::isRelativePath(base))
        base = QDir::fromNativeSeparators(qEnvironmentVariable("APPDATA"));
#endif
    if (base.isEmpty() || QDir::isRelativePath(base))
        base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return base + QStringLiteral("/kelo/riddles.tsv");
}

RiddleStore::~RiddleStore()
{
    if (m_reader) {
        // What it reads is no longer wanted; it skips the parsing, and the store goes
        // only once the thread has ended.
        m_reader->requestInterruption();
        m_reader->wait();
    }
}

RiddleStore::Reading RiddleStore::read(const QString &path)
{
    Reading reading;
    reading.error = readBounded(path, &reading.bytes);
    // A store going away asks its reader to stop: the parse is the long part.
    if (!reading.error.isError() && !QThread::currentThread()->isInterruptionRequested()) {
        reading.digest = digestOf(reading.bytes);
        reading.riddles = RiddleDocument::riddlesIn(reading.bytes);
    }
    return reading;
}

void RiddleStore::load()
{
    ++m_generation;
    watch();
    adopt(read(m_path));
}

void RiddleStore::loadInBackground()
{
    // Whatever a running reader brings is moot now.
    ++m_generation;
    // Watched first: a change made while the thread reads is read again afterwards.
    watch();
    if (m_reader)
        m_readAgain = true;
    else
        startReader();
}

void RiddleStore::startReader()
{
    const quint64 generation = m_generation;
    m_readAgain = false;
    auto reading = std::make_shared<Reading>();
    m_reader = QThread::create([path = m_path, reading] { *reading = read(path); });
    // A child, so that nothing of it outlives the store.
    m_reader->setParent(this);
    connect(m_reader, &QThread::finished, this, [this, reading, generation] {
        // `finished` comes a moment before the thread has quite ended.
        m_reader->wait();
        delete m_reader;
        m_reader = nullptr;
        if (generation == m_generation)
            adopt(std::move(*reading));
        else if (m_readAgain)
            startReader();
    });
    m_reader->start(QThread::LowPriority);
}

void RiddleStore::adopt(Reading reading)
{
    if (reading.error.isError()) {
        if (!m_problemTold) {
            std::fprintf(stderr, "kelo: %s: %s; only the built-in riddles and those taught now are known.\n",
                         qPrintable(QDir::toNativeSeparators(m_path)),
                         describedForLog(reading.error).constData());
            m_problemTold = true;
        }
        m_problem = reading.error;
        m_lastDigest.clear();
        RiddleDocument unwritten;
        for (const Edit &edit : std::as_const(m_unwritten))
            apply(unwritten, edit);
        setRiddles(unwritten.riddles());
        return;
    }
    const bool hadProblem = m_problem.isError();
    m_problem = {};
    m_problemTold = false;
    if (reading.digest == m_lastDigest && !hadProblem)
        return;
    m_lastDigest = reading.digest;
    if (m_unwritten.isEmpty()) {
        setRiddles(std::move(reading.riddles));
        return;
    }
    RiddleDocument document = RiddleDocument::parse(reading.bytes);
    for (const Edit &edit : std::as_const(m_unwritten))
        apply(document, edit);
    setRiddles(document.riddles());
}

void RiddleStore::watch()
{
    // The file is watched afresh every time: an editor that renames a new file over it
    // leaves the old watch on a file that is gone. The folder shows a file made later.
    const QFileInfo file(m_path);
    const QString folder = file.absolutePath();
    QStringList wanted;
    if (file.exists())
        wanted << m_path;
    if (QFileInfo(folder).isDir())
        wanted << folder;
    else if (const QString above = QFileInfo(folder).absolutePath(); QFileInfo(above).isDir())
        wanted << above;
    const QStringList watched = m_watcher.files() + m_watcher.directories();
    if (!watched.isEmpty())
        m_watcher.removePaths(watched);
    if (!wanted.isEmpty())
        m_watcher.addPaths(wanted);
}

void RiddleStore::setRiddles(QList<PlayerRiddle> riddles)
{
    if (riddles == m_riddles)
        return;
    m_riddles = std::move(riddles);
    emit changed();
}

RiddleDocument::Change RiddleStore::apply(RiddleDocument &document, const Edit &edit)
{
    switch (edit.kind) {
    case Edit::Remember:
        return document.remember(edit.text, edit.answer);
    case Edit::Replace:
        return document.replace(edit.text, edit.newText, edit.answer) ? RiddleDocument::Change::Replaced
                                                                      : RiddleDocument::Change::Unchanged;
    case Edit::Remove:
        return document.remove(edit.text) ? RiddleDocument::Change::Replaced
                                          : RiddleDocument::Change::Unchanged;
    }
    return RiddleDocument::Change::Unchanged;
}

RiddleStore::Outcome RiddleStore::write(const QList<Edit> &edits, QList<RiddleDocument::Change> *changes)
{
    ++m_generation;
    Outcome outcome;
    QByteArray before;
    const FileError unreadable = readBounded(m_path, &before);
    const bool readable = !unreadable.isError();
    RiddleDocument document;
    if (readable) {
        document = RiddleDocument::parse(before);
        for (const Edit &edit : std::as_const(m_unwritten))
            apply(document, edit);
    } else {
        // What is known stays known (the unwritten changes are in it); the file itself is
        // left alone.
        document = RiddleDocument::parse(listing(m_riddles));
    }
    for (const Edit &edit : edits) {
        const RiddleDocument::Change change = apply(document, edit);
        if (changes)
            changes->append(change);
    }
    const QByteArray after = document.toBytes();

    if (readable && after == before) {
        // Nothing to write: no file is made for nothing.
    } else if (!readable) {
        outcome.error = unreadable;
    } else if (after.size() > RiddleDocument::kMaxBytes) {
        outcome.error = {FileError::WouldBeTooLarge, QString()};
    } else if (const QString folder = QFileInfo(m_path).absolutePath(); !QDir().mkpath(folder)) {
        outcome.error = {FileError::FolderNotMade, QDir::toNativeSeparators(folder)};
    } else {
        outcome.error = saveWhole(m_path, after);
    }

    if (!outcome.error.isError()) {
        m_unwritten.clear();
        m_lastDigest = digestOf(after);
        m_problem = {};
        m_problemTold = false;
        watch();
    } else {
        outcome.status = Outcome::KeptForRun;
        m_unwritten += edits;
        if (readable)
            m_lastDigest = digestOf(before);
    }
    setRiddles(document.riddles());
    return outcome;
}

RiddleStore::Outcome RiddleStore::remember(const QString &text, const QString &answer)
{
    const QString cleanText = RiddleDocument::cleanField(text);
    const QString cleanAnswer = RiddleDocument::cleanField(answer);
    if (const auto refusal = RiddleDocument::refusal(cleanText, cleanAnswer);
        refusal != RiddleDocument::Refusal::None)
        return {Outcome::Refused, refusal, {}};
    return write({{Edit::Remember, cleanText, cleanText, cleanAnswer}});
}

RiddleStore::Outcome RiddleStore::replace(const QString &text, const QString &newText,
                                          const QString &newAnswer)
{
    const QString cleanText = RiddleDocument::cleanField(newText);
    const QString cleanAnswer = RiddleDocument::cleanField(newAnswer);
    if (const auto refusal = RiddleDocument::refusal(cleanText, cleanAnswer);
        refusal != RiddleDocument::Refusal::None)
        return {Outcome::Refused, refusal, {}};
    return write({{Edit::Replace, text.trimmed(), cleanText, cleanAnswer}});
}

RiddleStore::Outcome RiddleStore::remove(const QStringList &texts)
{
    QList<Edit> edits;
    for (const QString &text : texts)
        edits.append({Edit::Remove, text.trimmed(), QString(), QString()});
    return write(edits);
}

RiddleStore::ImportSummary RiddleStore::importFrom(const QString &path)
{
    ImportSummary summary;
    QByteArray bytes;
    if (const FileError error = readBounded(path, &bytes); error.isError()) {
        summary.outcome = {Outcome::Refused, RiddleDocument::Refusal::None, error};
        return summary;
    }
    const RiddleDocument imported = RiddleDocument::parse(bytes);
    summary.notUnderstood = imported.notUnderstoodCount();
    QList<Edit> edits;
    for (const PlayerRiddle &riddle : imported.riddles()) {
        const QString text = RiddleDocument::cleanField(riddle.text);
        if (RiddleDocument::refusal(text, riddle.answer) != RiddleDocument::Refusal::None) {
            ++summary.notUnderstood;
            continue;
        }
        edits.append({Edit::Remember, text, text, riddle.answer});
    }
    QList<RiddleDocument::Change> changes;
    summary.outcome = write(edits, &changes);
    summary.added = int(changes.count(RiddleDocument::Change::Added));
    summary.replaced = int(changes.count(RiddleDocument::Change::Replaced));
    return summary;
}

RiddleStore::FileError RiddleStore::exportTo(const QString &path) const
{
    // The list alone would replace the file's comments and the lines Kelo keeps unread.
    if (const QString target = QFileInfo(path).canonicalFilePath();
        !target.isEmpty() && target == QFileInfo(m_path).canonicalFilePath())
        return {FileError::KeloOwnFile, QString()};
    return saveWhole(path, listing(m_riddles));
}
