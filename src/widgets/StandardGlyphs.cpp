#include "widgets/StandardGlyphs.h"

#include "pictures/BuiltInPicture.h"

QIcon standardGlyph(StandardGlyph kind)
{
    switch (kind) {
    case StandardGlyph::Ok:
        return BuiltInPicture::icon(QStringLiteral(":/widgets/glyph-ok.png"));
    case StandardGlyph::Cancel:
        return BuiltInPicture::icon(QStringLiteral(":/widgets/glyph-cancel.png"));
    case StandardGlyph::Ignore:
        return BuiltInPicture::icon(QStringLiteral(":/widgets/glyph-ignore.png"));
    }
    return {};
}
