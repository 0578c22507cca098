#include "editor/EnvelopeTab.h"

#include "core/SkiptorAudioProcessor.h"
#include "editor/ControlStyle.h"
#include "editor/EnvelopeDestinations.h"
#include "editor/Images.h"
#include "editor/ValueChange.h"
#include "params/ParameterLayout.h"

#include <cmath>

namespace gatevox
{
namespace
{
using Bounds = juce::Rectangle<int>;

const Bounds previewBounds{6, 4, 368, 80};
constexpr std::array<std::array<int, knobsPerSegment>, numEnvelopeSegments> knobX{
    {{6, 33, 60}, {102, 129, 156}, {198, 225, 252}, {294, 319, 346}}};
constexpr std::array<int, numEnvelopeSegments> knobY{101, 100, 100, 100};
constexpr int knobSize = 25;
const std::array<Bounds, numEnvelopeSegments> stepLabelBounds{
    {{16, 88, 56, 8}, {113, 88, 56, 8}, {204, 88, 61, 8}, {297, 88, 67, 8}}};
const std::array<juce::String, numEnvelopeSegments> stepLabelTexts{"STEPS 1:4", "STEPS 5:8", "STEPS 9:12",
                                                                   "STEPS 13:16"};
const Bounds destinationBounds{175, 126, 96, 16};
const Bounds enableBounds{275, 126, 96, 16};
const juce::Rectangle<float> textureArea{-92.0f, -36.0f, 580.0f, 220.0f};

const juce::Colour panelWash{0x7bffffff};
const juce::Colour labelText{0xfff5f5f5};
const juce::Colour destinationText{0xfff0f0f0};
const juce::Colour enableText{0xffd3d3d3};
constexpr float labelFontHeight = 13.0f;
} // namespace

EnvelopeTab::EnvelopeTab (int number, SkiptorAudioProcessor& owner)
    : slotIndex (std::clamp (number - 1, 0, numSlots - 1)), processor (owner), preview (number)
{
    addAndMakeVisible (preview);
    for (auto& segment : knobs)
        for (auto& knob : segment)
        {
            knob.setSliderStyle (juce::Slider::Rotary);
            knob.setRange (0.0, 1.0);
            knob.setTextBoxStyle (juce::Slider::NoTextBox, true, 80, 20);
            knob.addListener (this);
            addAndMakeVisible (knob);
        }
    for (std::size_t g = 0; g < stepLabels.size(); ++g)
    {
        auto& label = stepLabels[g];
        label.setName ("new label");
        label.setText (stepLabelTexts[g], juce::dontSendNotification);
        controlStyle::label (label, labelFontHeight);
        label.setFont (juce::Font (labelFontHeight, juce::Font::bold));
        label.setColour (juce::Label::textColourId, labelText);
        addAndMakeVisible (label);
    }
    enable.setButtonText ("Enable Envelope");
    enable.setColour (juce::ToggleButton::textColourId, enableText);
    enable.addListener (this);
    addAndMakeVisible (enable);
    controlStyle::choiceBox (destinationBox, {});
    destinationBox.addItemList (envelopeDestinationNames, 1);
    destinationBox.setColour (juce::ComboBox::textColourId, destinationText);
    destinationBox.addListener (this);
    addAndMakeVisible (destinationBox);

    texture = images::panelTexture();
    setSize (600, 410);
}

void EnvelopeTab::resized()
{
    preview.setBounds (previewBounds);
    for (std::size_t g = 0; g < knobs.size(); ++g)
        for (std::size_t k = 0; k < knobs[g].size(); ++k)
            knobs[g][k].setBounds (knobX[g][k], knobY[g], knobSize, knobSize);
    for (std::size_t g = 0; g < stepLabels.size(); ++g)
        stepLabels[g].setBounds (stepLabelBounds[g]);
    destinationBox.setBounds (destinationBounds);
    enable.setBounds (enableBounds);
}

void EnvelopeTab::paint (juce::Graphics& g)
{
    g.fillAll (panelWash);
    g.drawImage (texture, textureArea, juce::RectanglePlacement::centred | juce::RectanglePlacement::onlyReduceInSize);
}

bool EnvelopeTab::envelopeOn() const noexcept
{
    return processor.getModel().envelope (slotIndex).switches.read (EnvelopeSettings::envelopeOn) >
           valueChangeThreshold;
}

void EnvelopeTab::refresh()
{
    const auto& settings = processor.getModel().envelope (slotIndex);
    enable.setToggleState (envelopeOn(), juce::dontSendNotification);
    for (int g = 0; g < numEnvelopeSegments; ++g)
        for (int k = 0; k < knobsPerSegment; ++k)
            setKnob (g, k, settings.knobs.read (EnvelopeSettings::knobIndex (g, k)));
    destinationBox.setSelectedId (std::clamp (settings.destination.read (0), 0, envelopeDestinationNames.size()),
                                  juce::dontSendNotification);
}

void EnvelopeTab::setKnob (int g, int k, float value)
{
    preview.setKnob (g, k, value);
    auto& knob = knobs[static_cast<std::size_t> (std::clamp (g, 0, numEnvelopeSegments - 1))]
                      [static_cast<std::size_t> (std::clamp (k, 0, knobsPerSegment - 1))];
    if (!knob.isMouseButtonDown())
        knob.setValue (value, juce::dontSendNotification);
}

void EnvelopeTab::sliderValueChanged (juce::Slider* slider)
{
    for (int g = 0; g < numEnvelopeSegments; ++g)
        for (int k = 0; k < knobsPerSegment; ++k)
            if (slider == &knobs[static_cast<std::size_t> (g)][static_cast<std::size_t> (k)])
            {
                const auto value = static_cast<float> (slider->getValue());
                processor.setParameterNotifyingHost (parameterIndex::envelopeKnob +
                                                         numEnvelopeSegments * knobsPerSegment * slotIndex +
                                                         numEnvelopeSegments * k + g,
                                                     value);
                preview.setKnob (g, k, value);
            }
}

void EnvelopeTab::buttonClicked (juce::Button* button)
{
    if (button == &enable)
        processor.setParameterNotifyingHost (parameterIndex::envelopeOn + slotIndex,
                                             enable.getToggleState() ? 1.0f : 0.0f);
}

void EnvelopeTab::comboBoxChanged (juce::ComboBox* box)
{
    if (box == &destinationBox)
        processor.setParameterNotifyingHost (parameterIndex::envelopeDestination + slotIndex,
                                             envelopeDestinationValue (destinationBox.getSelectedId()));
}

} // namespace gatevox
