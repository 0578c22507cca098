#pragma once

#include <string>
#include <string_view>

namespace gatevox
{

// The attribute names that the host state and the preset documents share.
// s is a slot 0-4, k a kernel parameter 0-39, L a layer, P a pattern, j a host
// parameter, g an envelope segment, n a knob of the segment, m a control.
namespace attribute
{
inline constexpr std::string_view version = "gatevox_version";
inline constexpr std::string_view presetName = "preset_name";
inline constexpr std::string_view effectMix = "effect_mix";
inline constexpr std::string_view effectGain = "effect_gain";
inline constexpr std::string_view effectGainActual = "effect_gain_actual";
inline constexpr std::string_view layer = "layer";
inline constexpr std::string_view sampleRate = "sample_rate";
inline constexpr std::string_view pattern = "pattern";
inline constexpr std::string_view patternCount = "pattern_count";
inline constexpr std::string_view patternSpeed = "pattern_speed";
inline constexpr std::string_view selectedEffect = "selected_effect";
inline constexpr std::string_view selectedSetting = "selected_setting";
inline constexpr std::string_view tempo = "tempo";
inline constexpr std::string_view seqPosition = "seq_position";
inline constexpr std::string_view ppqPos = "ppq_pos";

// The version every document is written with.
inline constexpr std::string_view writtenVersion = "1.05";

[[nodiscard]] std::string paramVal (int s, int k);
[[nodiscard]] std::string minVal (int s, int k);
[[nodiscard]] std::string maxVal (int s, int k);
[[nodiscard]] std::string stepRow (int layerIndex, int patternIndex);
[[nodiscard]] std::string hostParameter (int j);
[[nodiscard]] std::string envelopeOn (int s);
[[nodiscard]] std::string envelopeDestination (int s);
[[nodiscard]] std::string envelopeKnob (int s, int segment, int knob);
[[nodiscard]] std::string kernelName (int s);
[[nodiscard]] std::string lfoPosition (int s);
[[nodiscard]] std::string lfoNextPosition (int s);
[[nodiscard]] std::string slotFloat (int s, int m);
[[nodiscard]] std::string slotInt (int s, int m);
} // namespace attribute

} // namespace gatevox
