#pragma once

namespace SystemSound {
// The system's sound for a finished activity. Returns at once; silent without a
// sound device or theme.
void playActivityFinished();
} // namespace SystemSound
