#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

namespace gatevox
{

// One of the sixteen lights above the step keys: red over the playing step,
// transparent otherwise.
class SequencerLight final : public juce::Component
{
public:
    static constexpr juce::uint32 litColour = 0xffc00000;
    static constexpr juce::uint32 darkColour = 0x00000000;

    SequencerLight();

    void setLit (bool lit);
    [[nodiscard]] bool isLit() const noexcept { return colour == juce::Colour (litColour); }

    void paint (juce::Graphics& g) override;

private:
    juce::Colour colour{darkColour};

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (SequencerLight)
};

} // namespace gatevox
