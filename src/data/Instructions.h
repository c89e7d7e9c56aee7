#pragma once

#include <QString>
#include <QStringList>

// The instructions for use and the credit lines of the Information page. Texts are UTF-8.
namespace Instructions {
// One paragraph per line, paragraphs separated by empty lines.
inline constexpr int kLineCount = 23;

// The instructions with the web addresses of the game's and the community's sites built
// from the given host names.
QStringList lines(const QString &gameHost, const QString &communityHost);

// The two credit lines: the tool's team by role.
QString programmerCredit();
QString designerCredit();
} // namespace Instructions
