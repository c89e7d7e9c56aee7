#include "platform/StandardGlyphs.h"

QIcon standardGlyph(StandardGlyph kind)
{
    switch (kind) {
    case StandardGlyph::Ok:
        return QIcon(QStringLiteral(":/shell/glyph-ok.png"));
    case StandardGlyph::Cancel:
        return QIcon(QStringLiteral(":/shell/glyph-cancel.png"));
    case StandardGlyph::Ignore:
        return QIcon(QStringLiteral(":/shell/glyph-ignore.png"));
    }
    return {};
}
