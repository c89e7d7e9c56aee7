#pragma once

#include <QIcon>

// The glyphs of the classic button kinds (OK, Cancel, Ignore), drawn by us so that
// they look the same under every style and icon theme.
enum class StandardGlyph { Ok, Cancel, Ignore };

QIcon standardGlyph(StandardGlyph kind);
