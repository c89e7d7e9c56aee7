#pragma once

// A stand-in for the desktop's `xdg-open`: a directory put first on PATH holding an
// `xdg-open` that is the argv recorder. Restores PATH when it goes.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

class StandInHandler {
public:
    StandInHandler() : m_oldPath(qgetenv("PATH")), m_oldRecord(qgetenv("KELO_ARGV_RECORD"))
    {
        m_ready = m_dir.isValid() &&
                  QFile::link(QStringLiteral(ARGV_RECORDER), m_dir.filePath(QStringLiteral("xdg-open")));
        qputenv("PATH", QFile::encodeName(m_dir.path()) + ':' + m_oldPath);
        qputenv("KELO_ARGV_RECORD", QFile::encodeName(recordPath()));
    }
    ~StandInHandler()
    {
        qputenv("PATH", m_oldPath);
        if (m_oldRecord.isNull())
            qunsetenv("KELO_ARGV_RECORD");
        else
            qputenv("KELO_ARGV_RECORD", m_oldRecord);
    }
    StandInHandler(const StandInHandler &) = delete;
    StandInHandler &operator=(const StandInHandler &) = delete;

    bool isReady() const { return m_ready; }
    QString recordPath() const { return m_dir.filePath(QStringLiteral("argv")); }
    bool hasRecord() const { return QFile::exists(recordPath()); }

    // The arguments the stand-in received; call once hasRecord() holds.
    QStringList recordedArguments() const
    {
        QFile file(recordPath());
        if (!file.open(QIODevice::ReadOnly))
            return {};
        QStringList arguments;
        const QByteArray data = file.readAll();
        qsizetype start = 0;
        for (qsizetype end = data.indexOf('\0'); end >= 0; end = data.indexOf('\0', start)) {
            arguments << QString::fromUtf8(data.mid(start, end - start));
            start = end + 1;
        }
        return arguments;
    }

    // Forgets the last record, so that the next start can be told apart.
    void clear() { QFile::remove(recordPath()); }

private:
    QTemporaryDir m_dir;
    QByteArray m_oldPath;
    QByteArray m_oldRecord;
    bool m_ready = false;
};

// Waits, bounded, for the stand-in to have been started and to have written its record.
#define WAIT_FOR_STAND_IN(handler) QTRY_VERIFY_WITH_TIMEOUT((handler).hasRecord(), 10000)
