#pragma once

#include "core/Guarded.h"

namespace gatevox
{

// What the editor shows and edits and what the render loop plays. Both blocks
// are written with the skipping write.
struct SequencerState
{
    enum Int : std::size_t
    {
        pattern,        // pattern shown and edited in the editor, 0-15
        patternCount,   // number of patterns minus one, 0-15
        patternSpeed,   // 0, 1, 2 for steps of "1/2", "1/4", "1/8"
        playPattern,    // pattern the render loop plays
        seqPosition,    // current step, 1-16
        layer,          // layer shown and edited in the editor, 0-3
        selectedEffect, // slot whose page the editor shows, 0-4
        reservedInt,
        intCount
    };

    enum Float : std::size_t
    {
        effectGain,       // master gain knob, normalised
        effectGainActual, // linear master gain
        effectMix,        // 0 dry only, 1 wet only
        reservedFloat,
        floatCount
    };

    GuardedBlock<std::int32_t, intCount> ints;
    GuardedBlock<float, floatCount> floats;
};

} // namespace gatevox
