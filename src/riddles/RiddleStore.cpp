#include "riddles/RiddleStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <cstdio>
#include <memory>

namespace {
// Reads a whole riddle file, never more than the limit: false (with `why`) when it is
// no regular file, too large or unreadable. A missing file reads as empty.
bool readBounded(const QString &path, QByteArray *bytes, QString *why)
{
    bytes->clear();
    const QFileInfo info(path);
    if (!info.exists())
        return true;
    if (!info.isFile()) {
        *why = QStringLiteral("это не обычный файл");
        return false;
    }
    const QString tooLarge = QStringLiteral("файл больше 16 МиБ");
    if (info.size() > RiddleDocument::kMaxBytes) {
        *why = tooLarge;
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *why = QStringLiteral("файл не читается: %1").arg(file.errorString());
        return false;
    }
    // It may have grown since it was measured.
    *bytes = file.read(RiddleDocument::kMaxBytes + 1);
    if (file.error() != QFileDevice::NoError) {
        *why = QStringLiteral("файл не читается: %1").arg(file.errorString());
        return false;
    }
    if (bytes->size() > RiddleDocument::kMaxBytes) {
        bytes->clear();
        *why = tooLarge;
        return false;
    }
    return true;
}

// Replaces the file whole: a new file is written beside it and renamed over it.
QString saveWhole(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    if (file.write(bytes) != bytes.size()) {
        const QString why = file.errorString();
        file.cancelWriting();
        return why;
    }
    if (!file.commit())
        return file.errorString();
    return QString();
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
    reading.usable = readBounded(path, &reading.bytes, &reading.why);
    if (reading.usable && !QThread::currentThread()->isInterruptionRequested())
        reading.document = RiddleDocument::parse(reading.bytes);
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
    if (!reading.usable) {
        if (!m_problemTold) {
            std::fprintf(stderr, "kelo: %s: %s; only the built-in riddles and those taught now are known.\n",
                         qPrintable(QDir::toNativeSeparators(m_path)), qPrintable(reading.why));
            m_problemTold = true;
        }
        m_problem = reading.why;
        m_lastBytes.clear();
        m_lastBytesValid = false;
        RiddleDocument unwritten;
        for (const Edit &edit : std::as_const(m_unwritten))
            apply(unwritten, edit);
        setRiddles(unwritten);
        return;
    }
    const bool hadProblem = !m_problem.isEmpty();
    m_problem.clear();
    m_problemTold = false;
    if (m_lastBytesValid && reading.bytes == m_lastBytes && !hadProblem)
        return;
    m_lastBytes = reading.bytes;
    m_lastBytesValid = true;
    for (const Edit &edit : std::as_const(m_unwritten))
        apply(reading.document, edit);
    setRiddles(reading.document);
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

void RiddleStore::setRiddles(const RiddleDocument &document)
{
    QList<PlayerRiddle> riddles = document.riddles();
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
    QString why;
    const bool readable = readBounded(m_path, &before, &why);
    RiddleDocument document;
    if (readable) {
        document = RiddleDocument::parse(before);
    } else if (m_lastBytesValid) {
        // What was read last stays known; the file itself is left alone.
        document = RiddleDocument::parse(m_lastBytes);
    }
    for (const Edit &edit : std::as_const(m_unwritten))
        apply(document, edit);
    for (const Edit &edit : edits) {
        const RiddleDocument::Change change = apply(document, edit);
        if (changes)
            changes->append(change);
    }
    const QByteArray after = document.toBytes();

    if (readable && after == before) {
        // Nothing to write: no file is made for nothing.
    } else if (!readable) {
        outcome.reason = why;
    } else if (after.size() > RiddleDocument::kMaxBytes) {
        outcome.reason = QStringLiteral("файл стал бы больше 16 МиБ");
    } else if (const QString folder = QFileInfo(m_path).absolutePath(); !QDir().mkpath(folder)) {
        outcome.reason = QStringLiteral("не удаётся создать папку %1").arg(QDir::toNativeSeparators(folder));
    } else {
        outcome.reason = saveWhole(m_path, after);
    }

    if (outcome.reason.isEmpty()) {
        m_unwritten.clear();
        m_lastBytes = after;
        m_lastBytesValid = true;
        m_problem.clear();
        m_problemTold = false;
        watch();
    } else {
        outcome.status = Outcome::KeptForRun;
        m_unwritten += edits;
        if (readable) {
            m_lastBytes = before;
            m_lastBytesValid = true;
        }
    }
    setRiddles(document);
    return outcome;
}

RiddleStore::Outcome RiddleStore::remember(const QString &text, const QString &answer)
{
    const QString cleanText = RiddleDocument::cleanField(text);
    const QString cleanAnswer = RiddleDocument::cleanField(answer);
    if (const QString refusal = RiddleDocument::refusal(cleanText, cleanAnswer); !refusal.isEmpty())
        return {Outcome::Refused, refusal};
    return write({{Edit::Remember, cleanText, cleanText, cleanAnswer}});
}

RiddleStore::Outcome RiddleStore::replace(const QString &text, const QString &newText,
                                          const QString &newAnswer)
{
    const QString cleanText = RiddleDocument::cleanField(newText);
    const QString cleanAnswer = RiddleDocument::cleanField(newAnswer);
    if (const QString refusal = RiddleDocument::refusal(cleanText, cleanAnswer); !refusal.isEmpty())
        return {Outcome::Refused, refusal};
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
    QString why;
    if (!readBounded(path, &bytes, &why)) {
        summary.outcome = {Outcome::Refused, why};
        return summary;
    }
    const RiddleDocument imported = RiddleDocument::parse(bytes);
    summary.notUnderstood = imported.notUnderstoodCount();
    QList<Edit> edits;
    for (const PlayerRiddle &riddle : imported.riddles()) {
        const QString text = RiddleDocument::cleanField(riddle.text);
        if (!RiddleDocument::refusal(text, riddle.answer).isEmpty()) {
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

QString RiddleStore::exportTo(const QString &path) const
{
    // The list alone would replace the file's comments and the lines Kelo keeps unread.
    if (const QString target = QFileInfo(path).canonicalFilePath();
        !target.isEmpty() && target == QFileInfo(m_path).canonicalFilePath())
        return QStringLiteral("это файл, в котором Kelo хранит загадки");
    QByteArray bytes;
    for (const PlayerRiddle &riddle : m_riddles)
        bytes += riddle.text.toUtf8() + '\t' + riddle.answer.toUtf8() + '\n';
    return saveWhole(path, bytes);
}
