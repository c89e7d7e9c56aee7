#include "widgets/StandardGlyphs.h"

#include <QPixmap>

namespace {
// Named as PNG: a picture whose format is left to guess makes Qt load every image format
// plugin to ask it.
QIcon pngGlyph(const QString &file)
{
    return QIcon(QPixmap(file, "PNG"));
}
} // namespace

QIcon standardGlyph(StandardGlyph kind)
{
    switch (kind) {
    case StandardGlyph::Ok:
        return pngGlyph(QStringLiteral(":/widgets/glyph-ok.png"));
    case StandardGlyph::Cancel:
        return pngGlyph(QStringLiteral(":/widgets/glyph-cancel.png"));
    case StandardGlyph::Ignore:
        return pngGlyph(QStringLiteral(":/widgets/glyph-ignore.png"));
    }
    return {};
}
