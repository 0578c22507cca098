#pragma once

#include "kernels/FilterSections.h"
#include "kernels/Shapers.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace gatevox
{

// The filter sections, shapers and their coefficient scratch. Every accessor
// clamps its index into the bank, so no caller can reach outside it.
struct FilterBanks
{
    static constexpr int biquadCount = 40;
    static constexpr int objectCount = 10;

    std::array<BiquadSection, biquadCount> biquads{};
    std::array<StateVariableFilter, objectCount> filters{};
    std::array<GentleLowPass, objectCount> gentleLowPasses{};
    std::array<BandPassPair, objectCount> bandPasses{};
    std::array<TwoPoleResonator, objectCount> resonators{};
    std::array<ShaperObject, objectCount> shapers{};

    // Written by the designs once per sample, read by both channels' sections.
    BiquadCoefficients scratch;
    // "LPF 24dB"'s design per slot, kept while its inputs stay the same.
    std::array<LowPassDesign, objectCount> lowPassDesigns{};

    // Slot s reaches sections from 7s (most biquad kernels) or from 4s ("LPF
    // 24dB"), so neighbouring slots can share sections.
    [[nodiscard]] BiquadSection& biquad (int i) noexcept { return biquads[at (i, biquadCount)]; }
    [[nodiscard]] StateVariableFilter& filter (int i) noexcept { return filters[at (i, objectCount)]; }
    [[nodiscard]] GentleLowPass& gentleLowPass (int i) noexcept { return gentleLowPasses[at (i, objectCount)]; }
    [[nodiscard]] BandPassPair& bandPass (int i) noexcept { return bandPasses[at (i, objectCount)]; }
    [[nodiscard]] TwoPoleResonator& resonator (int i) noexcept { return resonators[at (i, objectCount)]; }
    [[nodiscard]] ShaperObject& shaper (int i) noexcept { return shapers[at (i, objectCount)]; }
    [[nodiscard]] LowPassDesign& lowPassDesign (int i) noexcept { return lowPassDesigns[at (i, objectCount)]; }

private:
    [[nodiscard]] static std::size_t at (int i, int count) noexcept
    {
        return static_cast<std::size_t> (std::clamp (i, 0, count - 1));
    }
};

// Clears the running state that prepare-to-play resets: every biquad section,
// every state-variable filter and every shaper object.
void clearFilterMemories (FilterBanks& banks) noexcept;

} // namespace gatevox
