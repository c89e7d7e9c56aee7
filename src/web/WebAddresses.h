#pragma once

#include <QString>

// The addresses the program opens. Hosts are values of the build (BuildConfig.h);
// paths are fixed. Nothing here is trimmed, checked or encoded: a clan address or a
// nickname reaches the browser exactly as stored or typed.
namespace WebAddresses {
// "http://" + host + path.
QString address(const QString &host, const QString &path);
// The game's information page about the player with this nickname, on `gameHost`.
QString playerInfo(const QString &gameHost, const QString &nickname);

QString gameHost();
QString communityHost();

QString gameNews();         // the game's news page
QString communityStart();   // the community's start page
QString communityLocator(); // the community's clan-site locator
QString playerInfo(const QString &nickname);
} // namespace WebAddresses
