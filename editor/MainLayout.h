#pragma once

#include <juce_graphics/juce_graphics.h>

#include <array>

// Where the window's controls sit (window coordinates) and how they look.
namespace gatevox::mainLayout
{
using Bounds = juce::Rectangle<int>;

inline constexpr int windowWidth = 800;
inline constexpr int windowHeight = 500;
inline constexpr int timerIntervalMs = 200;

inline const Bounds tabPanel{22, 120, 752, 248};
inline constexpr int tabBarDepth = 32;
inline constexpr std::array<juce::uint32, 6> tabColours{0xffd2d2c1, 0xff9a9a9a, 0xff1d901d,
                                                        0xffd6d94e, 0xffdc1414, 0xffd3d3d3};

inline const Bounds stepStrip{21, 411, 657, 54};
inline constexpr std::array<int, 16> lightX{43,  83,  123, 163, 206, 246, 286, 326,
                                            367, 407, 447, 487, 526, 566, 606, 646};
inline constexpr int lightY = 428;
inline constexpr int lightWidth = 10;
inline constexpr int lightHeight = 5;

inline const Bounds selectedPatternBox{264, 378, 56, 24};
inline const Bounds patternCountBox{416, 378, 54, 24};
inline const Bounds patternSpeedBox{576, 378, 81, 24};

inline const Bounds gainKnob{547, 31, 94, 94};
inline const Bounds mixKnob{654, 31, 94, 94};
inline constexpr juce::uint32 knobThumbColour = 0xff8b8b8b;

inline const Bounds presetLabel{32, 80, 56, 24};
inline const Bounds presetBox{88, 80, 126, 24};
inline const Bounds loadButton{219, 80, 60, 24};
inline const Bounds saveButton{282, 80, 60, 24};
inline constexpr juce::uint32 presetBoxText = 0xff111111;
inline constexpr juce::uint32 presetButtonColour = 0xffb0b0b4;
inline constexpr juce::uint32 presetButtonOnColour = 0xff636363;

inline const Bounds resetButton{23, 383, 72, 24};
inline const Bounds copyPasteButton{104, 382, 71, 26};
inline const Bounds fillButton{356, 471, 62, 24};
inline const Bounds drawTool{50, 472, 56, 24};
inline const Bounds deleteTool{114, 472, 56, 24};

inline const Bounds layerLabel{424, 472, 97, 24};
// The layer buttons overlap by 12 pixels.
inline constexpr std::array<int, 4> layerButtonX{520, 552, 584, 616};
inline constexpr int layerButtonY = 464;
inline constexpr int layerButtonWidth = 44;
inline constexpr int layerButtonHeight = 36;
inline const Bounds currentPatternLabel{184, 473, 128, 24};

inline constexpr float presetLabelFontHeight = 15.0f;
inline constexpr float footLabelFontHeight = 14.0f;
inline constexpr juce::uint32 footLabelText = 0xffc4c4c4;
} // namespace gatevox::mainLayout
