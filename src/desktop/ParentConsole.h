#pragma once

namespace ParentConsole {
// Lets what Kelo prints (--help, --version, a refused shortcut) reach the console Kelo was
// started from. On Windows a windowed program has no console of its own, so it writes into
// its parent's one when the parent has one and nothing else took its output; elsewhere the
// output is always the terminal's or wherever it was sent.
void attach();
} // namespace ParentConsole
