#pragma once

#include <cstddef>
#include <cstdint>

namespace gatevox
{

inline constexpr int numSlots = 5;       // "Fx 1" to "Fx 5"
inline constexpr int numSlotRecords = 6; // index 5 stands for "no slot"
inline constexpr int numSteps = 16;
inline constexpr int numPatterns = 16;
inline constexpr int numLayers = 4;
inline constexpr std::int32_t emptyStep = 5; // step value of a step that sounds no slot
inline constexpr int numStepValues = numPatterns * numLayers * numSteps;
inline constexpr int numKernelParams = 40;      // parameter numbers 0-39
inline constexpr int kernelParamArraySize = 41; // index 40 is never addressed
inline constexpr int numEnvelopeSegments = 4;
inline constexpr int knobsPerSegment = 3;
inline constexpr int numAutomationParameters = 197;
inline constexpr int numUserWaves = 8;
inline constexpr int userWavePoints = 1024;

} // namespace gatevox
