#pragma once

class QApplication;

namespace KeloLook {
// Title, style and font of the whole program. The windows were laid out for an
// 11-pixel sans-serif font; keep that pixel height so texts fit their controls.
void apply(QApplication &app);
}
