#pragma once

// A stand-in for the desktop's handler of web addresses, the argv recorder: on Windows the
// registered command of `htmlfile` (the current user's own classes, which come before the
// machine's), elsewhere an `xdg-open` in a directory put first on PATH. Restores both when
// it goes.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

class StandInHandler {
public:
    StandInHandler() : m_oldPath(qgetenv("PATH")), m_oldRecord(qgetenv("KELO_ARGV_RECORD"))
    {
#ifdef Q_OS_WIN
        m_oldCommand = m_htmlCommand.value(QStringLiteral("Default"));
        m_htmlCommand.setValue(
            QStringLiteral("Default"),
            QStringLiteral("\"%1\" \"%2\"")
                .arg(QDir::toNativeSeparators(QStringLiteral(ARGV_RECORDER)), QStringLiteral("%1")));
        m_htmlCommand.sync();
        m_ready = m_dir.isValid() && m_htmlCommand.status() == QSettings::NoError;
#else
        m_ready = m_dir.isValid() &&
                  QFile::link(QStringLiteral(ARGV_RECORDER), m_dir.filePath(QStringLiteral("xdg-open")));
        qputenv("PATH", QFile::encodeName(m_dir.path()) + ':' + m_oldPath);
#endif
        qputenv("KELO_ARGV_RECORD", QFile::encodeName(recordPath()));
    }
    ~StandInHandler()
    {
#ifdef Q_OS_WIN
        if (m_oldCommand.isValid())
            m_htmlCommand.setValue(QStringLiteral("Default"), m_oldCommand);
        else
            m_htmlCommand.remove(QStringLiteral("Default"));
#endif
        qputenv("PATH", m_oldPath);
        if (m_oldRecord.isNull())
            qunsetenv("KELO_ARGV_RECORD");
        else
            qputenv("KELO_ARGV_RECORD", m_oldRecord);
    }
    StandInHandler(const StandInHandler &) = delete;
    StandInHandler &operator=(const StandInHandler &) = delete;

    bool isReady() const
    {
        return m_ready;
    }
    QString recordPath() const
    {
        return m_dir.filePath(QStringLiteral("argv"));
    }
    bool hasRecord() const
    {
        return QFile::exists(recordPath());
    }

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
    void clear()
    {
        QFile::remove(recordPath());
    }

private:
    QTemporaryDir m_dir;
    QByteArray m_oldPath;
    QByteArray m_oldRecord;
#ifdef Q_OS_WIN
    QSettings m_htmlCommand{
        QStringLiteral("HKEY_CURRENT_USER\\Software\\Classes\\htmlfile\\shell\\open\\command"),
        QSettings::NativeFormat};
    QVariant m_oldCommand;
#endif
    bool m_ready = false;
};

// Waits, bounded, for the stand-in to have been started and to have written its record.
#define WAIT_FOR_STAND_IN(handler) QTRY_VERIFY_WITH_TIMEOUT((handler).hasRecord(), 10000)
