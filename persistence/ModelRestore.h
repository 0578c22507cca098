#pragma once

#include "core/ProcessorModel.h"
#include "persistence/AttributeReader.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace gatevox
{

// The parts of a load that the host state and the presets share. Every value
// from a document is brought into the range its readers expect before it is
// stored, so a damaged file can never steer an index outside an array.

using StepRow = std::array<std::int32_t, numSteps>;

// A row text split at every ",": step i is the integer at the start of token
// i (0 when the token has none), 5 (empty) when there is no token i. A value
// outside 0-5 reads as empty. Tokens past the 16th are ignored.
[[nodiscard]] StepRow parseStepRow (std::string_view text) noexcept;

// Every "layer<L>_pattern<P>" into the step store (skipping writes) and the
// step mirror; a row the document lacks becomes empty.
void restoreStepRows (ProcessorModel& model, const AttributeReader& in);

// Maximum, minimum and value of every kernel parameter, draining release. An
// absent attribute keeps the field's current value, or gives 0.
enum class AbsentKernelParameter
{
    keepsCurrent,
    readsZero
};
void restoreKernelParameters (ProcessorModel& model, const AttributeReader& in, AbsentKernelParameter absent);

// A document is current when its version, as a float, is at least 1.05 or
// within 1e-7 of it; otherwise it is legacy.
[[nodiscard]] bool isCurrentVersion (double version) noexcept;

// "pattern_speed": a current document's value as it stands (2 when absent);
// a legacy document's old value p (1 when absent) as 0 for p of 0 or 1, 1 for
// 2 or 3, else 2.
[[nodiscard]] std::int32_t documentPatternSpeed (const AttributeReader& in, bool current);

// The pattern speed and the step clock's timing pair that follows it, exactly
// as the "Pattern Speed" parameter sets them. A speed outside 0-2 acts as "1/4"
// and is stored as 1.
void restorePatternSpeed (ProcessorModel& model, std::int32_t speed) noexcept;

// "effect_mix" (1, at most 1), "effect_gain" (0.5), "effect_gain_actual" (1).
void restoreMasterMix (ProcessorModel& model, const AttributeReader& in);

// "layer" (0), "pattern" (0) and "pattern_count" (1), each limited to its range.
void restoreEditedPosition (ProcessorModel& model, const AttributeReader& in);

void restoreSelectedEffect (ProcessorModel& model, std::int32_t slot) noexcept;

// The envelope destination from its stored value v: trunc(factor x v) in
// single precision; a result outside 0-7 becomes 0, which acts as "Gain" as
// every other unknown destination does.
void restoreEnvelopeDestination (ProcessorModel& model, int s, float v, float factor) noexcept;

// The twelve knobs (1 when absent), brought into 0-1 as the parameters bring
// them, draining release, then the envelope's four segments rebuilt from them.
void restoreEnvelopeKnobs (ProcessorModel& model, int s, const AttributeReader& in);

// Every "controls_<s>_i_<m>" and "controls_<s>_f_<m>" (0 when absent, but
// 0.0125 for the LFO floor, float 24), waiting writes, with the integers
// brought into range (see slotIntInRange).
void restoreSlotControls (ProcessorModel& model, int s, const AttributeReader& in);

// Integer m of a slot as a document may give it, brought into the range its
// readers use: route type 0-3, waveform 0-14, frequency snap and snap on 0-1,
// snap interval 0-6, kernel id -1 to 50 (ids past the catalogue become
// "BYPASS", as which they run), selectors 0-40 (0 selects nothing, and so does
// any selector outside the range). Other integers pass unchanged.
[[nodiscard]] std::int32_t slotIntInRange (std::size_t m, std::int32_t v) noexcept;

// The kernel named in "controls_<s>_effect_str": the kernel id and its
// normalised choice (i + 1) / 51. A name the catalogue lacks, or an empty
// one, leaves the id alone. Legacy names "DOUBLER", "FLANGER" and "ECHO" are
// read as "DELAY MOD" when asked.
enum class LegacyKernelNames
{
    translate,
    keep
};
void restoreKernelByName (ProcessorModel& model, int s, std::string_view name, LegacyKernelNames legacy) noexcept;

// Both route mixers from the slot's route type.
void applyRestoredRoute (ProcessorModel& model, int s) noexcept;

// The slot's LFO table rebuilt from its waveform, duty cycle and floor as
// restored: the table keeps that waveform number, duty and floor.
void rebuildRestoredLfo (ProcessorModel& model, int s) noexcept;

// Raises reloadInProgress for its lifetime; the editor's timer stands still
// meanwhile.
class ReloadScope
{
public:
    explicit ReloadScope (ProcessorModel& m) noexcept : model (m) { model.reloadInProgress.fetch_add (1); }
    ~ReloadScope() { model.reloadInProgress.fetch_sub (1); }

    ReloadScope (const ReloadScope&) = delete;
    ReloadScope& operator= (const ReloadScope&) = delete;

private:
    ProcessorModel& model;
};

} // namespace gatevox
