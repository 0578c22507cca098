#pragma once

#include "kernels/DelayLine.h"

namespace gatevox
{

// Glides a delay time r (seconds) and a width s (a fraction of r) towards
// their targets, derives the tap delay D - W x lfo and the line length
// 2 D W + W + 2 from them once they have settled, and drives a pair of
// delay lines with both.
struct DelayEngine
{
    float r = 0.0f;
    float s = 0.0f;
    float rate = 0.0f; // the sample rate r and s were set for
    bool pending = false;
    int ownerKey = 0;

    float d = 0.0f;      // fs x r, samples
    float w = 0.0f;      // d x s, samples
    float length = 0.0f; // 2 d w + w + 2

    int linesKey = 0;         // the owner key the lines were sized for
    float linesLength = 0.0f; // and the length
};

struct DelayOutput
{
    float left;
    float right;
};

// One stereo sample through lines left and right. A new owner key takes the
// targets at once; otherwise they are approached by 5 % per sample, and the
// lines are resized (and so silenced) once the glide has settled on a new
// length.
DelayOutput engineProcess (DelayEngine& engine, DelayLine& left, DelayLine& right, float xLeft, float xRight, float r,
                           float s, float lfo, float feedback, float fs, int ownerKey, bool slapback) noexcept;

} // namespace gatevox
