#include "BrowserLauncher.h"

#include <QProcess>

void BrowserLauncher::open(const QString &address)
{
    QProcess::startDetached(QStringLiteral("xdg-open"), {address});
}

void BrowserLauncher::openMail(const QString &address)
{
    QProcess::startDetached(QStringLiteral("xdg-open"), {address});
}
