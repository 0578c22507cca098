#pragma once

namespace gatevox
{

// When a change that needs an LFO table or an envelope segment rebuilt does
// that work: at once on the calling thread, or later, by whoever next applies
// the model's pending rebuilds (the processor's worker, or a caller that needs
// the result at once). Requests made before a rebuild runs cost one rebuild.
enum class RebuildTiming
{
    now,
    deferred
};

} // namespace gatevox
