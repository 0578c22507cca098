#pragma once

#include "core/Guarded.h"

#include <array>

namespace gatevox
{

// The machine-wide options "global_f_0" to "global_f_5": each held as the float
// the settings file stores and as its truncated integer copy, under one
// counter. A fresh record has every option at 0.
class GlobalOptions
{
public:
    enum Option : std::size_t
    {
        frequencyEstimation,
        additionalSmoothing,  // read by the render loop
        emptySequenceDefault, // 1 "Bypass"; anything else is silence
        defaultRoutingPath,
        effectAutoSelect,
        patternFollowsSongPosition,
        optionCount
    };

    [[nodiscard]] std::int32_t read (Option o) const noexcept { return options[o].integer.load (counter); }
    [[nodiscard]] float readFloat (Option o) const noexcept { return options[o].value.load (counter); }

    // A change from the settings page: dropped while another write holds the
    // counter, otherwise stored with the draining release. Returns whether it
    // was stored.
    bool change (Option o, float v) noexcept;

    [[nodiscard]] GuardCounter& writeCounter() noexcept { return counter; }

private:
    struct Entry
    {
        GuardedCell<float> value;
        GuardedCell<std::int32_t> integer;
    };

    GuardCounter counter;
    std::array<Entry, optionCount> options{};
};

} // namespace gatevox
