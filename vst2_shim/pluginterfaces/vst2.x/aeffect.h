// VST 2.4 plug-in interface, taken from Debian's free FST headers.
//
// FST declares VstSpeakerArrangement with an open-ended speakers[] array, while
// JUCE's VST2 code sizes every arrangement for eight speakers and writes them.
// The struct is redeclared here with eight entries so that the host side of
// JUCE allocates what it later fills.
#pragma once
#pragma GCC system_header

#define FST2VST 1
#define VstSpeakerArrangement FstOpenEndedSpeakerArrangement
#include <pluginterfaces/fst/fst.h>
#undef VstSpeakerArrangement

struct VstSpeakerArrangement
{
    int type;
    int numChannels;
    VstSpeakerProperties speakers[8];
};

static_assert (sizeof (VstSpeakerArrangement) == 2 * sizeof (int) + 8 * sizeof (VstSpeakerProperties),
               "VstSpeakerArrangement must hold eight speakers");
static_assert (sizeof (VstSpeakerProperties) == 112, "VstSpeakerProperties has the VST 2.4 layout");
