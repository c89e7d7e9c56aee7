#include "widgets/StandardGlyphs.h"

QIcon standardGlyph(StandardGlyph kind)
{
    switch (kind) {
    case StandardGlyph::Ok:
        return QIcon(QStringLiteral(":/widgets/glyph-ok.png"));
    case StandardGlyph::Cancel:
        return QIcon(QStringLiteral(":/widgets/glyph-cancel.png"));
    case StandardGlyph::Ignore:
        return QIcon(QStringLiteral(":/widgets/glyph-ignore.png"));
    }
    return {};
}
