#include "web/WebAddresses.h"

#include "BuildConfig.h"

QString WebAddresses::address(const QString &host, const QString &path)
{
    return QStringLiteral("http://") + host + path;
}

QString WebAddresses::playerInfo(const QString &gameHost, const QString &nickname)
{
    return address(gameHost, QStringLiteral("/index.php?file=infouser&login=")) + nickname;
}

QString WebAddresses::gameHost()
{
    return QString::fromUtf8(BuildConfig::kGameHost);
}

QString WebAddresses::communityHost()
{
    return QString::fromUtf8(BuildConfig::kCommunityHost);
}

QString WebAddresses::gameNews()
{
    return address(gameHost(), QStringLiteral("/guide/news.php"));
}

QString WebAddresses::communityStart()
{
    return address(communityHost(), QStringLiteral("/"));
}

QString WebAddresses::communityLocator()
{
    return address(communityHost(), QStringLiteral("/index/0-24"));
}

QString WebAddresses::playerInfo(const QString &nickname)
{
    return playerInfo(gameHost(), nickname);
}
