#include "persistence/KernelParameterDocument.h"

#include <iterator>
#include <string>
#include <string_view>

namespace gatevox
{

namespace
{
// The document keeps its irregularities as they have always been; the parser and
// the loader absorb them: a comma before the closing brace of "DISTORT2",
// "Units" missing from "ECHO"'s "Width" and "RINGMOD"'s "Mix", a lower-case "min"
// in the "Fade" of "PITCHSHIFT1" and "PITCHDELAY", and a tab after the "Min" of
// "CHORUS"'s "Delay1".
constexpr char32_t documentText[] = UR"json({
    "TREMELO": {
        "Depth": { "Units": "%", "Value": 1, "Max": 1, "Min": 0.1 }
    },
    "STEREOPAN": {
        "Depth": { "Units": "%", "Value": 1, "Max": 1, "Min": 0.1 }
    },
    "LPF12dB": {
        "Fc": { "Units": "Hz", "Value": 3000, "Max": 20000, "Min": 1 },
        "Fmin": { "Units": "%", "Value": 0.1, "Max": 1, "Min": 0.01 },
        "Q": { "Units": " ", "Value": 1.414, "Max": 2, "Min": 0.5 },
        "Mix": { "Units": "%", "Value": 1, "Max": 1, "Min": 0.001 }
    },
    "LPF24dB": {
        "Fc": { "Units": "Hz", "Value": 12000, "Max": 20000, "Min": 1 },
        "Fmin": { "Units": "%", "Value": 0.1, "Max": 1, "Min": 0.01 },
        "Q": { "Units": " ", "Value": 1.414, "Max": 2, "Min": 0.5 },
        "Mix": { "Units": "%", "Value": 1, "Max": 1, "Min": 0.001 }
    },
    "LPFSVF1": {
        "Fc": { "Units": "Hz", "Value": 7000, "Max": 15000, "Min": 1 },
        "Fmin": { "Units": "%", "Value": 0.1, "Max": 1, "Min": 0.1 },
        "Q": { "Units": " ", "Value": 0.83, "Max": 2, "Min": 0.1 },
        "Mix": { "Units": "%", "Value": 1, "Max": 1, "Min": 0.001 }
    },
    "LPFFUZZ": {
        "Fc": { "Units": "Hz", "Value": 3400, "Max": 14000, "Min": 1 },
        "Fmin": { "Units": "%", "Value": 0.1, "Max": 1, "Min": 0.1 },
        "Q": { "Units": " ", "Value": 1, "Max": 1.2, "Min": 0.1 },
        "Drive": { "Units": " ", "Value": 0.3, "Max": 1, "Min": 0.001 },
        "Mix": { "Units": "%", "Value": 1, "Max": 1, "Min": 0.001 }
    },
    "LPFGRUNGE": {
        "Fc": { "Units": "Hz", "Value": 7000, "Max": 15000, "Min": 1 },
        "Fmin": { "Units": "%", "Value": 0.1, "Max": 1, "Min": 0.1 },
        "Q": { "Units": " ", "Value": 0.7071, "Max": 2, "Min": 0.1 },
        "Drive": { "Units": " ", "Value": 0.52, "Max": 1, "Min": 0.001 },
        "Mix": { "Units": "%", "Value": 1, "Max": 1, "Min": 0.001 }
    },
    "LPFCOMB": {
        "Fc": { "Units": "Hz", "Value": 10000, "Max": 20000, "Min": 1 },
        "Fmin": { "Units": "%", "Value": 0.2, "Max": 1, "Min": 0.01 },
        "Q": { "Units": " ", "Value": 1.414, "Max": 2, "Min": 0.5 },
        "Mix": { "Units": "%", "Value": 1, "Max": 1, "Min": 0.001 }
    },
    "LPFCOLOR": {
        "Fc": { "Units": "Hz", "Value": 4000, "Max": 15000, "Min": 1 },
        "Fmin": { "Units": "%", "Value": 0.2, "Max": 1, "Min": 0.01 },
        "Color": { "Units": " ", "Value": 0.35, "Max": 1, "Min": 0.1 },
        "Mix": { "Units": "%", "Value": 0.7, "Max": 1, "Min": 0.001 }
    },
    "LPFDOUBLER": {
        "Fc": { "Units": "Hz", "Value": 7000, "Max": 15000, "Min": 1 },
        "Fmin": { "Units": "%", "Value": 0.1, "Max": 1, "Min": 0.1 },
        "Delay1": { "Units": "s", "Value": 0.01, "Max": 0.015, "Min": 0.006 },
        "Feedback": { "Units": "%", "Value": 0.7, "Max": 1, "Min": 0 },
        "Mix": { "Units": "%", "Value": 1, "Max": 1, "Min": 0.001 }
    },
    "LPFSLAPBACK": {
        "Fc": { "Units": "Hz", "Value": 7000, "Max": 15000, "Min": 1 },
        "Fmin": { "Units": "%", "Value": 0.1, "Max": 1, "Min": 0.1 },
        "Delay1": { "Units": "s", "Value": 0.01, "Max": 0.015, "Min": 0.006 },
        "Feedback": { "Units": "%", "Value": 0.9, "Max": 1, "Min": 0 },
        "Mix": { "Units": "%", "Value": 0.9, "Max": 1, "Min": 0.001 }
    },
    "HPFSVF1": {
        "Fc": { "Units": "Hz", "Value": 5000, "Max": 15000, "Min": 1 },
        "Fmin": { "Units": "%", "Value": 0.667, "Max": 1, "Min": 0.01 },
        "Res": { "Units": "%", "Value": 0.777, "Max": 1, "Min": 0.1 },
        "Mix": { "Units": "%", "Value": 1, "Max": 1, "Min": 0.001 }
    },
    "HPFFUZZ": {
        "Fc": { "Units": "Hz", "Value": 5000, "Max": 15000, "Min": 1 },
        "Fmin": { "Units": "%", "Value": 0.1, "Max": 1, "Min": 0.01 },
        "Res": { "Units": "%", "Value": 0.777, "Max": 1, "Min": 0.1 },
        "Drive": { "Units": " ", "Value": 0.2, "Max": 1, "Min": 0.1 },
        "Mix": { "Units": "%", "Value": 1, "Max": 1, "Min": 0.001 }
    },
    "HPFGRUNGE": {
        "Fc": { "Units": "Hz", "Value": 5000, "Max": 15000, "Min": 1 },
        "Fmin": { "Units": "%", "Value": 0.1, "Max": 1, "Min": 0.01 },
        "Res": { "Units": "%", "Value": 0.777, "Max": 1, "Min": 0.1 },
        "Drive": { "Units": " ", "Value": 0.2, "Max": 1, "Min": 0.001 },
        "Mix": { "Units": "%", "Value": 0.7, "Max": 1, "Min": 0.001 }
    },
    "HPFCOMB": {
        "Fc": { "Units": "Hz", "Value": 2000, "Max": 15000, "Min": 1 },
        "Fmin": { "Units": "%", "Value": 0.1, "Max": 1, "Min": 0.01 },
        "Q": { "Units": " ", "Value": 0.777, "Max": 1.5, "Min": 0.1 },
        "Mix": { "Units": "%", "Value": 1, "Max": 1, "Min": 0.001 }
    },
    "HPFCOLOR": {
        "Fc": { "Units": "Hz", "Value": 5000, "Max": 15000, "Min": 1 },
        "Fmin": { "Units": "%", "Value": 0.2, "Max": 1, "Min": 0.01 },
        "Mix": { "Units": "%", "Value": 0.8, "Max": 1, "Min": 0.001 },
        "Color": { "Units": " ", "Value": 0.4, "Max": 1, "Min": 0.1 }
    },
    "HPFDOUBLER": {
        "Fc": { "Units": "Hz", "Value": 5000, "Max": 15000, "Min": 1 },
        "Fmin": { "Units": "%", "Value": 0.1, "Max": 1, "Min": 0.01 },
        "Delay1": { "Units": "s", "Value": 0.01, "Max": 0.015, "Min": 0.006 },
        "Feedback": { "Units": "%", "Value": 0.7, "Max": 1, "Min": 0 },
        "Mix": { "Units": "%", "Value": 0.6, "Max": 1, "Min": 0.001 }
    },
    "HPFSLAPBACK": {
        "Fc": { "Units": "Hz", "Value": 3000, "Max": 15000, "Min": 1 },
        "Fmin": { "Units": "%", "Value": 0.111, "Max": 1, "Min": 0.01 },
        "Delay1": { "Units": "s", "Value": 0.01, "Max": 0.015, "Min": 0.006 },
        "Feedback": { "Units": "%", "Value": 0.93, "Max": 1, "Min": 0 },
        "Mix": { "Units": "%", "Value": 0.9, "Max": 1, "Min": 0.001 }
    },
    "HPF12dB": {
        "Fc": { "Units": "Hz", "Value": 2000, "Max": 15000, "Min": 1 },
        "Fmin": { "Units": "%", "Value": 0.1, "Max": 1, "Min": 0.01 },
        "Q": { "Units": " ", "Value": 0.777, "Max": 1.5, "Min": 0.1 },
        "Mix": { "Units": "%", "Value": 1, "Max": 1, "Min": 0.001 },
        "Drive": { "Units": " ", "Value": 0.999, "Max": 1, "Min": 0.1 }
    },
    "HPF24dB": {
        "Fc": { "Units": "Hz", "Value": 2000, "Max": 15000, "Min": 1 },
        "Fmin": { "Units": "%", "Value": 0.1, "Max": 1, "Min": 0.1 },
        "Q": { "Units": " ", "Value": 0.777, "Max": 1.5, "Min": 0.01 },
        "Mix": { "Units": "%", "Value": 1, "Max": 1, "Min": 0.001 },
        "Drive": { "Units": " ", "Value": 0.999, "Max": 1, "Min": 0.1 }
    },
    "HPFAMDSB": {
        "Fc": { "Units": "Hz", "Value": 5000, "Max": 15000, "Min": 1 },
        "Fmin": { "Units": "%", "Value": 0.333, "Max": 1, "Min": 0.01 },
        "Freq1": { "Units": "Hz", "Value": 7000, "Max": 10000, "Min": 1000 },
        "Mix": { "Units": "%", "Value": 1, "Max": 1, "Min": 0.001 }
    },
    "HPFAMSSB": {
        "Fc": { "Units": "Hz", "Value": 4000, "Max": 15000, "Min": 1 },
        "Fmin": { "Units": "%", "Value": 0.333, "Max": 1, "Min": 0.01 },
        "Freq1": { "Units": "Hz", "Value": 7000, "Max": 10000, "Min": 1000 },
        "Mix": { "Units": "%", "Value": 1, "Max": 1, "Min": 0.001 }
    },
    "NOTCH": {
        "Fc": { "Units": "Hz", "Value": 6000, "Max": 20000, "Min": 1 },
        "Fmin": { "Units": "%", "Value": 0.2, "Max": 1, "Min": 0.01 },
        "Mix": { "Units": "%", "Value": 1, "Max": 1, "Min": 0.001 }
    },
    "FORMANT": {
        "Vowel": { "Units": " ", "Value": 0.4, "Max": 1, "Min": 0.01 },
        "Fc": { "Units": "Hz", "Value": 2000, "Max": 15000, "Min": 333 },
        "Mix": { "Units": "%", "Value": 0.7, "Max": 1, "Min": 0.01 }
    },
    "FORMANTAMDSB": {
        "Fc": { "Units": "Hz", "Value": 5900, "Max": 10000, "Min": 1000 },
        "Amount": { "Units": " ", "Value": 1, "Max": 1.5, "Min": 0.7 },
        "Mix": { "Units": "%", "Value": 1, "Max": 1, "Min": 0.1 }
    },
    "FORMANTAMSSB": {
        "Fc": { "Units": "Hz", "Value": 3130, "Max": 10000, "Min": 666 },
        "Amount": { "Units": " ", "Value": 1, "Max": 1.5, "Min": 0.7 },
        "Mix": { "Units": "%", "Value": 1, "Max": 1, "Min": 0.1 }
    },
    "PEAKSVF": {
        "Fc": { "Units": "Hz", "Value": 10000, "Max": 15000, "Min": 1 },
        "Q": { "Units": " ", "Value": 0.36, "Max": 1.75, "Min": 0.1 },
        "Mix": { "Units": "%", "Value": 0.7, "Max": 1, "Min": 0.001 }
    },
    "PEAKBIQUAD": {
        "Fc": { "Units": "Hz", "Value": 1120, "Max": 6000, "Min": 1 },
        "Fmin": { "Units": "%", "Value": 0.2795, "Max": 0.999, "Min": 0.001 },
        "Gain": { "Units": " ", "Value": 6, "Max": 24, "Min": 1 },
        "Mix": { "Units": "%", "Value": 1, "Max": 1, "Min": 0.001 }
    },
    "BPFSVF1": {
        "Fc": { "Units": "Hz", "Value": 2600, "Max": 15000, "Min": 1 },
        "Q": { "Units": " ", "Value": 0.17, "Max": 0.666, "Min": 0.1 },
        "Bw": { "Units": "Hz", "Value": 4000, "Max": 10000, "Min": 100 },
        "Mix": { "Units": "%", "Value": 0.6, "Max": 1, "Min": 0.001 }
    },
    "BPFAMDSB": {
        "Fc": { "Units": "Hz", "Value": 2600, "Max": 15000, "Min": 1 },
        "Freq1": { "Units": "Hz", "Value": 2600, "Max": 15000, "Min": 1 },
        "Amount": { "Units": " ", "Value": 1, "Max": 1.5, "Min": 0.5 },
        "Mix": { "Units": "%", "Value": 0.7, "Max": 1, "Min": 0.1 }
    },
    "BPFAMSSB": {
        "Fc": { "Units": "Hz", "Value": 2600, "Max": 15000, "Min": 100 },
        "Freq1": { "Units": "Hz", "Value": 2000, "Max": 10000, "Min": 1000 },
        "Amount": { "Units": " ", "Value": 1.4, "Max": 1.5, "Min": 0.5 },
        "Mix": { "Units": "%", "Value": 0.7, "Max": 1, "Min": 0.1 }
    },
    "BPFEXCITED": {
        "Fc": { "Units": "Hz", "Value": 2600, "Max": 15000, "Min": 1 },
        "Q": { "Units": " ", "Value": 0.17, "Max": 2, "Min": 0.1 },
        "Bw": { "Units": "Hz", "Value": 4000, "Max": 10000, "Min": 100 },
        "Mix": { "Units": "%", "Value": 1, "Max": 1, "Min": 0.001 }
    },
    "BPFGRUNGE": {
        "Fc": { "Units": "Hz", "Value": 2600, "Max": 15000, "Min": 100 },
        "Q": { "Units": " ", "Value": 0.17, "Max": 2, "Min": 0.333 },
        "Bw": { "Units": "Hz", "Value": 4000, "Max": 10000, "Min": 100 },
        "Drive": { "Units": " ", "Value": 0.2, "Max": 1, "Min": 0.001 },
        "Mix": { "Units": "%", "Value": 0.7, "Max": 1, "Min": 0.001 }
    },
    "BPFTHIN": {
        "Fc": { "Units": "Hz", "Value": 2000, "Max": 9000, "Min": 10 },
        "Bw": { "Units": "Hz", "Value": 500, "Max": 2000, "Min": 10 },
        "Q": { "Units": " ", "Value": 3, "Max": 12, "Min": 0.01 },
        "Mix": { "Units": "%", "Value": 0.9071, "Max": 1, "Min": 0 }
    },
    "RESONATOR": {
        "Freq1": { "Units": "Hz", "Value": 8800, "Max": 15000, "Min": 100 },
        "Freq2": { "Units": "Hz", "Value": 2200, "Max": 15000, "Min": 100 },
        "Q": { "Units": " ", "Value": 0.9, "Max": 0.999, "Min": 0.1 },
        "Mix": { "Units": "%", "Value": 1, "Max": 1, "Min": 0.1 }
    },
    "DELAYMOD": {
        "Width": { "Units": "%", "Value": 0.1, "Max": 0.999, "Min": 0.1 },
        "Delay1": { "Units": "s", "Value": 0.1, "Max": 0.3, "Min": 0.001 },
        "Feedback": { "Units": "%", "Value": 0.3, "Max": 1, "Min": 0 },
        "Mix": { "Units": "%", "Value": 0.4, "Max": 1, "Min": 0.1 }
    },
    "VIBRATO": {
        "Delay1": { "Units": "s", "Value": 0.015, "Max": 0.03, "Min": 0 },
        "Width": { "Units": "%", "Value": 1, "Max": 0.9, "Min": 0.01 },
        "Feedback": { "Units": "%", "Value": 1, "Max": 0.2, "Min": 0 },
        "Mix": { "Units": "%", "Value": 0.5, "Max": 1, "Min": 0.1 }
    },
    "SLAPBACK": {
        "Width": { "Units": "%", "Value": 0.4, "Max": 0.999, "Min": 0 },
        "Delay1": { "Units": "s", "Value": 0.013, "Max": 0.05, "Min": 0.001 },
        "Feedback": { "Units": "%", "Value": 0.9, "Max": 1, "Min": 0 },
        "Mix": { "Units": "%", "Value": 0.4, "Max": 1, "Min": 0 }
    },
    "RINGMOD": {
        "Fc": { "Units": "Hz", "Value": 3000, "Max": 20000, "Min": 1 },
        "Mix": { "Value": 0.3, "Max": 1, "Min": 0.1 }
    },
    "FMMOD": {
        "Fc": { "Units": "Hz", "Value": 1000, "Max": 20000, "Min": 100 },
        "Mix": { "Units": "%", "Value": 0.7, "Max": 1, "Min": 0.1 }
    },
    "PMMOD": {
        "Fc": { "Units": "Hz", "Value": 1000, "Max": 20000, "Min": 100 },
        "Mix": { "Units": "%", "Value": 0.7, "Max": 1, "Min": 0.1 }
    },
    "AMDSB": {
        "Fc": { "Units": "Hz", "Value": 5000, "Max": 20000, "Min": 100 },
        "Amount": { "Units": " ", "Value": 0.7, "Max": 1.5, "Min": 0.1 },
        "Mix": { "Units": "%", "Value": 0.7, "Max": 1, "Min": 0.1 }
    },
    "AMSSB": {
        "Fc": { "Units": "Hz", "Value": 3000, "Max": 20000, "Min": 100 },
        "Amount": { "Units": " ", "Value": 1, "Max": 1.5, "Min": 0.5 },
        "Mix": { "Units": "%", "Value": 0.7, "Max": 1, "Min": 0.1 }
    },
    "AMMOD": {
        "Fc": { "Units": "Hz", "Value": 3000, "Max": 20000, "Min": 100 },
        "Amount": { "Units": " ", "Value": 1, "Max": 1.5, "Min": 0.5 },
        "Mix": { "Units": "%", "Value": 0.7, "Max": 1, "Min": 0.1 }
    },
    "RESAMPLER": {
        "Rate1": { "Units": "Hz", "Value": 22050, "Max": 44100, "Min": 1024 },
        "Mix": { "Units": "%", "Value": 1, "Max": 1, "Min": 0.1 }
    },
    "DISTORT": {
        "Drive": { "Units": " ", "Value": 0.5, "Max": 1, "Min": 0 },
        "Mix": { "Units": "%", "Value": 0.7, "Max": 1, "Min": 0 }
    },
    "DISTORT2": {
        "Drive": { "Units": " ", "Value": 0.5, "Max": 1, "Min": 0.1 },
    },
    "DISTORT3": {
        "Drive": { "Units": " ", "Value": 0.5, "Max": 1, "Min": 0.1 },
        "Mix": { "Units": "%", "Value": 0.7, "Max": 1, "Min": 0 }
    },
    "SAMPLEHOLD": {
        "Delay1": { "Units": "s", "Value": 0.0007, "Max": 0.001, "Min": 0 },
        "Amount": { "Units": " ", "Value": 0.9, "Max": 1, "Min": 0 },
        "Mix": { "Units": "%", "Value": 0.7, "Max": 1, "Min": 0 }
    },
    "FORMANTSOFT": {
        "Vowel": { "Units": " ", "Value": 0.4, "Max": 1, "Min": 0.01 },
        "Fc": { "Units": "Hz", "Value": 1500, "Max": 12000, "Min": 333 },
        "Mix": { "Units": "%", "Value": 0.6, "Max": 1, "Min": 0.01 }
    },
    "ENVELOPE": {
        "Attack": { "Units": "s", "Value": 0.01, "Max": 1, "Min": 0.001 },
        "Decay": { "Units": "s", "Value": 0.2, "Max": 2, "Min": 0.001 },
        "Release": { "Units": "s", "Value": 0.3, "Max": 3, "Min": 0.001 },
        "Mix": { "Units": "%", "Value": 1, "Max": 1, "Min": 0.001 }
    },
    "CHORUS": {
        "Delay1": { "Units": "s", "Value": 0.012, "Max": 0.03, "Min": 0.005)json"
                                    U"\t"
                                    UR"json(},
        "Depth": { "Units": "%", "Value": 0.5, "Max": 1, "Min": 0.01 },
        "Feedback": { "Units": "%", "Value": 0.2, "Max": 0.9, "Min": 0 },
        "Mix": { "Units": "%", "Value": 0.5, "Max": 1, "Min": 0.1 }
    },
    "AMMILITARY": {
        "Fc": { "Units": "Hz", "Value": 440, "Max": 5000, "Min": 20 },
        "Amount": { "Units": " ", "Value": 1, "Max": 1.5, "Min": 0.5 },
        "Mix": { "Units": "%", "Value": 0.7, "Max": 1, "Min": 0.1 }
    },
    "DISTORT4": {
        "Drive": { "Units": " ", "Value": 0.5, "Max": 1, "Min": 0.1 },
        "Clip": { "Units": " ", "Value": 0.8, "Max": 1, "Min": 0.1 },
        "Mix": { "Units": "%", "Value": 0.7, "Max": 1, "Min": 0 }
    },
    "LPFSALLEN": {
        "Fc": { "Units": "Hz", "Value": 5000, "Max": 15000, "Min": 1 },
        "Fmin": { "Units": "%", "Value": 0.1, "Max": 1, "Min": 0.01 },
        "Q": { "Units": " ", "Value": 0.7071, "Max": 2, "Min": 0.5 },
        "Mix": { "Units": "%", "Value": 1, "Max": 1, "Min": 0.001 }
    },
    "LPFDAFT": {
        "Fc": { "Units": "Hz", "Value": 4000, "Max": 15000, "Min": 1 },
        "Fmin": { "Units": "%", "Value": 0.1, "Max": 1, "Min": 0.01 },
        "Res": { "Units": "%", "Value": 0.5, "Max": 1, "Min": 0.1 },
        "Drive": { "Units": " ", "Value": 0.3, "Max": 1, "Min": 0.001 },
        "Mix": { "Units": "%", "Value": 1, "Max": 1, "Min": 0.001 }
    },
    "ECHO": {
        "Time": { "Units": "s", "Value": 0.25, "Max": 1, "Min": 0.01 },
        "Feedback": { "Units": "%", "Value": 0.5, "Max": 0.95, "Min": 0 },
        "Width": { "Value": 0.5, "Max": 1, "Min": 0 },
        "Mix": { "Units": "%", "Value": 0.4, "Max": 1, "Min": 0 }
    },
    "ECHOSTEREO": {
        "Delay1": { "Units": "s", "Value": 0.25, "Max": 1, "Min": 0.01 },
        "Delay2": { "Units": "s", "Value": 0.375, "Max": 1, "Min": 0.01 },
        "Feedback": { "Units": "%", "Value": 0.5, "Max": 0.95, "Min": 0 },
        "Mix": { "Units": "%", "Value": 0.4, "Max": 1, "Min": 0 }
    },
    "FLANGER": {
        "Delay1": { "Units": "s", "Value": 0.003, "Max": 0.01, "Min": 0.0005 },
        "Depth": { "Units": "%", "Value": 0.7, "Max": 1, "Min": 0.01 },
        "Feedback": { "Units": "%", "Value": 0.6, "Max": 0.95, "Min": 0 },
        "Mix": { "Units": "%", "Value": 0.5, "Max": 1, "Min": 0.1 }
    },
    "SHEPARDTONE": {
        "Rate1": { "Units": "Hz", "Value": 0.1, "Max": 1, "Min": 0.01 },
        "Fmin": { "Units": "%", "Value": 0.1, "Max": 1, "Min": 0.01 },
        "Fmax": { "Units": "%", "Value": 1, "Max": 1, "Min": 0.01 },
        "Mix": { "Units": "%", "Value": 0.5, "Max": 1, "Min": 0.1 }
    },
    "LPFMIRROR": {
        "Fc": { "Units": "Hz", "Value": 6000, "Max": 15000, "Min": 1 },
        "Fmin": { "Units": "%", "Value": 0.1, "Max": 1, "Min": 0.01 },
        "Q": { "Units": " ", "Value": 1, "Max": 2, "Min": 0.5 },
        "Mix": { "Units": "%", "Value": 1, "Max": 1, "Min": 0.001 }
    },
    "LPFMOOG": {
        "Fc": { "Units": "Hz", "Value": 5000, "Max": 15000, "Min": 1 },
        "Fmin": { "Units": "%", "Value": 0.1, "Max": 1, "Min": 0.01 },
        "Res": { "Units": "%", "Value": 0.6, "Max": 0.99, "Min": 0 },
        "Drive": { "Units": " ", "Value": 0.2, "Max": 1, "Min": 0.001 },
        "Mix": { "Units": "%", "Value": 1, "Max": 1, "Min": 0.001 }
    },
    "LPFSVF2": {
        "Fc": { "Units": "Hz", "Value": 7000, "Max": 15000, "Min": 1 },
        "Fmin": { "Units": "%", "Value": 0.1, "Max": 1, "Min": 0.1 },
        "Q": { "Units": " ", "Value": 0.83, "Max": 2, "Min": 0.1 },
        "Mix": { "Units": "%", "Value": 1, "Max": 1, "Min": 0.001 }
    },
    "LPFSVF3": {
        "Fc": { "Units": "Hz", "Value": 7000, "Max": 15000, "Min": 1 },
        "Fmin": { "Units": "%", "Value": 0.1, "Max": 1, "Min": 0.1 },
        "Q": { "Units": " ", "Value": 1.2, "Max": 2, "Min": 0.1 },
        "Mix": { "Units": "%", "Value": 1, "Max": 1, "Min": 0.001 }
    },
    "PHASER": {
        "Freq1": { "Units": "Hz", "Value": 400, "Max": 2000, "Min": 50 },
        "Freq2": { "Units": "Hz", "Value": 4000, "Max": 15000, "Min": 500 },
        "Feedback": { "Units": "%", "Value": 0.5, "Max": 0.95, "Min": 0 },
        "Mix": { "Units": "%", "Value": 0.5, "Max": 1, "Min": 0.1 }
    },
    "DENOISE": {
        "Thres1": { "Units": "%", "Value": 0.05, "Max": 0.5, "Min": 0.001 },
        "Attack": { "Units": "s", "Value": 0.005, "Max": 0.1, "Min": 0.0001 },
        "Release": { "Units": "s", "Value": 0.1, "Max": 1, "Min": 0.001 },
        "Mix": { "Units": "%", "Value": 1, "Max": 1, "Min": 0.1 }
    },
    "BPFSVFAMDSB": {
        "Fc": { "Units": "Hz", "Value": 2600, "Max": 15000, "Min": 1 },
        "Q": { "Units": " ", "Value": 0.17, "Max": 0.666, "Min": 0.1 },
        "Freq1": { "Units": "Hz", "Value": 2600, "Max": 15000, "Min": 1 },
        "Mix": { "Units": "%", "Value": 0.7, "Max": 1, "Min": 0.1 }
    },
    "BPFSVFAMSSB": {
        "Fc": { "Units": "Hz", "Value": 2600, "Max": 15000, "Min": 100 },
        "Q": { "Units": " ", "Value": 0.17, "Max": 0.666, "Min": 0.1 },
        "Freq1": { "Units": "Hz", "Value": 2000, "Max": 10000, "Min": 1000 },
        "Mix": { "Units": "%", "Value": 0.7, "Max": 1, "Min": 0.1 }
    },
    "BPFSVF2": {
        "Fc": { "Units": "Hz", "Value": 2600, "Max": 15000, "Min": 1 },
        "Q": { "Units": " ", "Value": 0.3, "Max": 1, "Min": 0.1 },
        "Bw": { "Units": "Hz", "Value": 2000, "Max": 10000, "Min": 100 },
        "Mix": { "Units": "%", "Value": 0.6, "Max": 1, "Min": 0.001 }
    },
    "BPF12dB": {
        "Fc": { "Units": "Hz", "Value": 2000, "Max": 15000, "Min": 1 },
        "Fmin": { "Units": "%", "Value": 0.1, "Max": 1, "Min": 0.01 },
        "Q": { "Units": " ", "Value": 1.414, "Max": 4, "Min": 0.5 },
        "Mix": { "Units": "%", "Value": 1, "Max": 1, "Min": 0.001 }
    },
    "GATE": {
        "Thres1": { "Units": "%", "Value": 0.2, "Max": 1, "Min": 0.001 },
        "Thres2": { "Units": "%", "Value": 0.1, "Max": 1, "Min": 0.001 },
        "Attack": { "Units": "s", "Value": 0.001, "Max": 0.1, "Min": 0.0001 },
        "Hold": { "Units": "s", "Value": 0.05, "Max": 1, "Min": 0 },
        "Release": { "Units": "s", "Value": 0.1, "Max": 1, "Min": 0.001 }
    },
    "STEREODELAY": {
        "Delay1": { "Units": "s", "Value": 0.3, "Max": 1, "Min": 0.001 },
        "Delay2": { "Units": "s", "Value": 0.45, "Max": 1, "Min": 0.001 },
        "Feedback": { "Units": "%", "Value": 0.4, "Max": 0.95, "Min": 0 },
        "Wet": { "Units": "%", "Value": 0.5, "Max": 1, "Min": 0 },
        "Dry": { "Units": "%", "Value": 1, "Max": 1, "Min": 0 }
    },
    "DETUNE": {
        "Factor": { "Units": " ", "Value": 1.01, "Max": 1.1, "Min": 0.9 },
        "Delay1": { "Units": "s", "Value": 0.02, "Max": 0.05, "Min": 0.005 },
        "Mix": { "Units": "%", "Value": 0.5, "Max": 1, "Min": 0.1 }
    },
    "PITCHSHIFT1": {
        "Factor": { "Units": " ", "Value": 1.5, "Max": 2, "Min": 0.5 },
        "Fade": { "Units": " ", "Value": 0.1, "Max": 0.5, "min": 0.01 },
        "Mix": { "Units": "%", "Value": 1, "Max": 1, "Min": 0.1 }
    },
    "PITCHDELAY": {
        "Factor": { "Units": " ", "Value": 0.5, "Max": 2, "Min": 0.5 },
        "Delay1": { "Units": "s", "Value": 0.1, "Max": 0.5, "Min": 0.01 },
        "Fade": { "Units": " ", "Value": 0.1, "Max": 0.5, "min": 0.01 },
        "Feedback": { "Units": "%", "Value": 0.3, "Max": 0.9, "Min": 0 },
        "Mix": { "Units": "%", "Value": 0.6, "Max": 1, "Min": 0.1 }
    },
    "REVERSE": {
        "Time": { "Units": "s", "Value": 0.5, "Max": 2, "Min": 0.05 },
        "Fade": { "Units": " ", "Value": 0.05, "Max": 0.5, "Min": 0.001 },
        "Mix": { "Units": "%", "Value": 1, "Max": 1, "Min": 0.1 }
    },
    "REVERB": {
        "Decay": { "Units": "s", "Value": 2, "Max": 10, "Min": 0.1 },
        "Width1": { "Units": "%", "Value": 0.8, "Max": 1, "Min": 0 },
        "High Cut": { "Units": "%", "Value": 0.5, "Max": 1, "Min": 0.01 },
        "Wet": { "Units": "%", "Value": 0.3, "Max": 1, "Min": 0 },
        "Dry": { "Units": "%", "Value": 1, "Max": 1, "Min": 0 }
    },
    "AUTOWAH": {
        "Fc": { "Units": "Hz", "Value": 2000, "Max": 8000, "Min": 100 },
        "Fmin": { "Units": "%", "Value": 0.1, "Max": 1, "Min": 0.01 },
        "Q": { "Units": " ", "Value": 2, "Max": 8, "Min": 0.5 },
        "Attack": { "Units": "s", "Value": 0.01, "Max": 0.5, "Min": 0.001 },
        "Release": { "Units": "s", "Value": 0.1, "Max": 1, "Min": 0.001 },
        "Mix": { "Units": "%", "Value": 1, "Max": 1, "Min": 0.1 }
    },
    "AUTOWAHFM": {
        "Fc": { "Units": "Hz", "Value": 2000, "Max": 8000, "Min": 100 },
        "Mod": { "Units": "Hz", "Value": 5, "Max": 50, "Min": 0.1 },
        "Depth": { "Units": "%", "Value": 0.5, "Max": 1, "Min": 0.01 },
        "Q": { "Units": " ", "Value": 2, "Max": 8, "Min": 0.5 },
        "Mix": { "Units": "%", "Value": 1, "Max": 1, "Min": 0.1 }
    },
    "DECIMATE": {
        "Rate2": { "Units": "Hz", "Value": 8000, "Max": 44100, "Min": 500 },
        "Shape": { "Units": " ", "Value": 0.5, "Max": 1, "Min": 0 },
        "Mix": { "Units": "%", "Value": 1, "Max": 1, "Min": 0.1 }
    },
    "DISPERSE": {
        "Freq1": { "Units": "Hz", "Value": 1000, "Max": 10000, "Min": 20 },
        "Amount": { "Units": " ", "Value": 0.5, "Max": 1, "Min": 0 },
        "Mix": { "Units": "%", "Value": 0.7, "Max": 1, "Min": 0.1 }
    },
    "DISTORTSMH": {
        "Drive": { "Units": " ", "Value": 0.5, "Max": 1, "Min": 0.1 },
        "Mid Boost": { "Units": "%", "Value": 0.3, "Max": 1, "Min": 0 },
        "Grunge": { "Units": "%", "Value": 0.2, "Max": 1, "Min": 0 },
        "Shape": { "Units": " ", "Value": 0.5, "Max": 1, "Min": 0 },
        "Mix": { "Units": "%", "Value": 0.7, "Max": 1, "Min": 0 }
    }
})json";
} // namespace

juce::String kernelParameterDocumentText()
{
    const std::u32string_view wide (documentText, std::size (documentText) - 1);
    std::basic_string<juce::juce_wchar> lowBytes;
    lowBytes.reserve (wide.size());
    for (const char32_t c : wide)
        lowBytes.push_back (static_cast<juce::juce_wchar> (c & 0xffu));
    return juce::String (juce::CharPointer_UTF32 (lowBytes.c_str()));
}

} // namespace gatevox
