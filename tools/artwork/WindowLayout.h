#pragma once

#include <juce_graphics/juce_graphics.h>

// Where the window's controls sit (window pixels), so that the background's
// captions, wells and slits line up with them and opaque key pictures can carry
// the background that lies behind their button.
namespace gatevox::artwork::windowLayout
{
const juce::Rectangle<int> window{0, 0, 800, 500};
constexpr int headerHeight = 120;
const juce::Rectangle<float> emblem{20.0f, 10.0f, 60.0f, 60.0f};
const juce::Rectangle<float> wordmark{90.0f, 16.0f, 250.0f, 48.0f};
const juce::Rectangle<float> presetPlate{26.0f, 75.0f, 322.0f, 34.0f};

const juce::Rectangle<int> gainKnob{547, 31, 94, 94};
const juce::Rectangle<int> mixKnob{654, 31, 94, 94};
constexpr float knobCaptionTop = 7.0f;
constexpr float knobCaptionHeight = 14.0f;

const juce::Rectangle<float> outputBracket{552.0f, 127.0f, 192.0f, 18.0f};

const juce::Rectangle<int> resetButton{23, 383, 72, 24};
const juce::Rectangle<int> copyButton{104, 382, 71, 26};
const juce::Rectangle<int> fillButton{356, 471, 62, 24};
const juce::Rectangle<int> patternBox{264, 378, 56, 24};
const juce::Rectangle<int> patternCountBox{416, 378, 54, 24};
const juce::Rectangle<int> patternSpeedBox{576, 378, 81, 24};
constexpr int captionGap = 12; // from a caption's right end to its box, the slit between them
constexpr int captionWidth = 100;
constexpr float bottomGrooveY = 372.0f;

const juce::Rectangle<int> stepStrip{21, 411, 657, 54};
const juce::Rectangle<float> makerEmblem{690.0f, 408.0f, 100.0f, 88.0f};

// The part of the window that a picture of the given size covers when its
// button scales it to fit, keeping its proportions, and centres it.
juce::Rectangle<float> pictureArea (juce::Rectangle<int> button, int pictureWidth, int pictureHeight);
} // namespace gatevox::artwork::windowLayout
