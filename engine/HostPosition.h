#pragma once

namespace gatevox
{

// What the step clock takes from the host's play head: the tempo in beats per
// minute and the song position in quarter notes.
struct HostPosition
{
    double bpm = 120.0;
    double ppq = 0.0;
};

} // namespace gatevox
