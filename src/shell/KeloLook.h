#pragma once

class QApplication;
class QIcon;

namespace KeloLook {
// Title, style and font of the whole program. The windows were laid out for an
// 11-pixel sans-serif font; keep that pixel height so texts fit their controls.
void apply(QApplication &app);
// The program's emblem, with a dedicated small picture for trays and title bars.
QIcon icon();
} // namespace KeloLook
