#include "editor/SettingEffect.h"

#include "core/SkiptorAudioProcessor.h"
#include "editor/ControlStyle.h"
#include "editor/EnvelopeDestinations.h"
#include "editor/Images.h"
#include "editor/ValueChange.h"
#include "editor/ValueText.h"
#include "kernels/KernelCatalogue.h"
#include "params/ParameterLayout.h"

#include <cmath>

namespace gatevox
{
namespace
{
using Bounds = juce::Rectangle<int>;

const Bounds kernelBoxBounds{8, 32, 159, 24};
const Bounds continuousBounds{16, 60, 160, 24};
const Bounds layeringLabelBounds{4, 86, 104, 24};
const Bounds layeringBoxBounds{108, 89, 57, 18};
const Bounds envelopeLabelBounds{4, 110, 104, 24};
const Bounds envelopeBoxBounds{108, 112, 57, 18};
const Bounds gainBounds{198, 4, 40, 40};
const Bounds panBounds{261, 4, 40, 40};
const Bounds gainLabelBounds{197, 44, 56, 24};
const Bounds panLabelBounds{265, 44, 31, 24};
const std::array<Bounds, SettingEffect::numKnobs> knobBounds{
    {{328, 4, 40, 40}, {199, 75, 40, 40}, {263, 75, 40, 40}, {329, 75, 40, 40}}};
const std::array<Bounds, SettingEffect::numKnobs> parameterBoxBounds{
    {{318, 47, 57, 18}, {192, 120, 57, 18}, {255, 120, 57, 18}, {318, 120, 57, 18}}};
constexpr std::array<const char*, SettingEffect::numKnobs> parameterBoxNames{"Param Select 1", "Param Select 2",
                                                                             "Param Select 2", "Param Select 2"};
constexpr std::array<const char*, SettingEffect::numKnobs> valueLabelNames{"Param Label 1", "Param Label 2",
                                                                           "Param Label 2", "Param Label 2"};
const juce::Rectangle<float> textureArea{-92.0f, -36.0f, 580.0f, 220.0f};
const juce::Rectangle<float> captionArea{4.0f, 4.0f, 112.0f, 24.0f};

const juce::Colour panelWash{0x7bffffff};
const juce::Colour lightText{0xffeaeaea};
const juce::Colour parameterText{0xffe6e6e6};
const juce::Colour valueLabelText{0xfff0f0f0};
const juce::Colour knobThumb{0xff8b8b8b};
constexpr float sideLabelFontHeight = 14.0f;
constexpr float labelFontHeight = 15.0f;

const juce::StringArray routeNames{"Parallel", "Series A", "Series B", "Series C"};
constexpr int freqDestinationId = 2;
constexpr int firstParamDestinationId = 4;
const juce::String absent{"n/a"};

[[nodiscard]] juce::String toString (std::string_view text)
{
    return {text.data(), text.size()};
}
} // namespace

SettingEffect::SettingEffect (int slotNumber, SkiptorAudioProcessor& owner)
    : slotIndex (std::clamp (slotNumber - 1, 0, numSlots - 1)), processor (owner)
{
    controlStyle::choiceBox (kernelBox, {});
    for (int id = 0; id < numKernels; ++id)
        kernelBox.addItem (toString (kernelNames[static_cast<std::size_t> (id)]), id + 1);
    controlStyle::choiceBox (layeringBox, {});
    layeringBox.addItemList (routeNames, 1);
    controlStyle::choiceBox (envelopeBox, {});
    envelopeBox.addItemList (envelopeDestinationNames, 1);
    for (auto* box : {&layeringBox, &envelopeBox})
        box->setColour (juce::ComboBox::textColourId, lightText);
    for (auto* box : {&kernelBox, &layeringBox, &envelopeBox})
    {
        box->addListener (this);
        addAndMakeVisible (*box);
    }

    continuous.setButtonText ("Continuous LFO");
    continuous.setTooltip ("Reset's LFO position every entry into the sequencer events");
    continuous.setColour (juce::ToggleButton::textColourId, lightText);
    continuous.addListener (this);
    addAndMakeVisible (continuous);

    for (auto* label : {&layeringLabel, &envelopeLabel, &gainLabel, &panLabel})
    {
        const bool side = label == &layeringLabel || label == &envelopeLabel;
        controlStyle::label (*label, side ? sideLabelFontHeight : labelFontHeight);
        label->setJustificationType (side ? juce::Justification::centredRight : juce::Justification::centredLeft);
        label->setColour (juce::Label::textColourId, lightText);
        addAndMakeVisible (*label);
    }

    for (auto* knob : {&gain, &pan})
    {
        controlStyle::knob (*knob, knobThumb);
        knob->addListener (this);
        addAndMakeVisible (*knob);
    }
    for (std::size_t p = 0; p < knobs.size(); ++p)
    {
        auto& knob = knobs[p];
        controlStyle::knob (knob, knobThumb);
        knob.setColour (juce::TextEditor::textColourId, parameterText);
        knob.addListener (this);
        knob.addMouseListener (this, false);
        addAndMakeVisible (knob);

        auto& box = parameterBoxes[p];
        box.setName (parameterBoxNames[p]);
        controlStyle::choiceBox (box, {});
        for (int k = 0; k < numKernelParameters; ++k)
            box.addItem (toString (kernelParameterNames[static_cast<std::size_t> (k)]), k + 1);
        box.setColour (juce::ComboBox::textColourId, parameterText);
        box.setTextWhenNothingSelected (absent); // a fresh page, before any kernel laid out its knobs
        box.addListener (this);
        addAndMakeVisible (box);

        auto& label = valueLabels[p];
        label.setName (valueLabelNames[p]);
        label.setText ("0 kHz", juce::dontSendNotification);
        controlStyle::label (label, labelFontHeight);
        label.setColour (juce::Label::backgroundColourId, juce::Colours::black);
        label.setColour (juce::Label::textColourId, valueLabelText);
        label.setColour (juce::TextEditor::textColourId, parameterText);
        addChildComponent (label);
    }

    texture = images::panelTexture();
    caption = images::filterEffectCaption();
    setSize (600, 400);
}

SettingEffect::~SettingEffect()
{
    for (auto& knob : knobs)
        knob.removeMouseListener (this);
}

void SettingEffect::resized()
{
    kernelBox.setBounds (kernelBoxBounds);
    continuous.setBounds (continuousBounds);
    layeringLabel.setBounds (layeringLabelBounds);
    layeringBox.setBounds (layeringBoxBounds);
    envelopeLabel.setBounds (envelopeLabelBounds);
    envelopeBox.setBounds (envelopeBoxBounds);
    gain.setBounds (gainBounds);
    pan.setBounds (panBounds);
    gainLabel.setBounds (gainLabelBounds);
    panLabel.setBounds (panLabelBounds);
    for (std::size_t p = 0; p < knobs.size(); ++p)
    {
        knobs[p].setBounds (knobBounds[p]);
        parameterBoxes[p].setBounds (parameterBoxBounds[p]);
        valueLabels[p].setBounds (parameterBoxBounds[p].withSize (56, 16));
    }
}

void SettingEffect::paint (juce::Graphics& g)
{
    g.fillAll (panelWash);
    const auto fit = juce::RectanglePlacement::centred | juce::RectanglePlacement::onlyReduceInSize;
    g.drawImage (texture, textureArea, fit);
    g.drawImage (caption, captionArea, fit);
}

void SettingEffect::refresh (bool resyncing)
{
    auto& model = processor.getModel();
    auto& slot = model.slot (slotIndex);
    kernelBox.setSelectedId (std::clamp (slot.ints.read (SlotSettings::kernelId), 0, numKernels - 1) + 1,
                             juce::dontSendNotification);
    gain.setValue (slot.floats.read (SlotSettings::gain), juce::dontSendNotification);
    pan.setValue (slot.floats.read (SlotSettings::pan), juce::dontSendNotification);
    layeringBox.setSelectedId (std::clamp (slot.ints.read (SlotSettings::routeType), 0, routeNames.size() - 1) + 1,
                               juce::dontSendNotification);
    envelopeBox.setSelectedId (
        std::clamp (model.envelope (slotIndex).destination.read (0), 0, envelopeDestinationNames.size()),
        juce::dontSendNotification);
    continuous.setToggleState (slot.ints.read (SlotSettings::retrigger) == 0, juce::dontSendNotification);

    if (slot.kernelRefreshCount.load() > 0 || resyncing)
    {
        showParameterChoices (false);
        slot.kernelRefreshCount.store (0);
    }
    for (std::size_t p = 0; p < knobs.size(); ++p)
        if (knobs[p].isEnabled() && !knobs[p].isMouseButtonDown())
            knobs[p].setValue (knobPosition (parameterBoxes[p].getSelectedId() - 1), juce::dontSendNotification);
}

// Position 0-1 of a parameter's value in its range; 0 without a range.
float SettingEffect::knobPosition (int parameter) const noexcept
{
    if (parameter < 0 || parameter >= numKernelParameters)
        return 0.0f;
    const auto& store = processor.getModel().kernelParams (slotIndex);
    const auto k = static_cast<std::size_t> (parameter);
    const float low = store.minimum.read (k);
    const float position = (store.value.read (k) - low) / (store.maximum.read (k) - low);
    return std::isfinite (position) ? std::clamp (position, 0.0f, 1.0f) : 0.0f;
}

void SettingEffect::chooseKernel()
{
    auto& model = processor.getModel();
    auto& slot = model.slot (slotIndex);
    slot.kernelRefreshCount.store (0);
    ++model.reloadInProgress;

    // A kernel's defaults replace the slot's parameters only on a real change,
    // and never the values a load has just brought.
    const float v = static_cast<float> (kernelBox.getSelectedId()) / static_cast<float> (kernelBox.getNumItems());
    const bool loaded = slot.loadMarkers.read (0) != 0 || slot.loadMarkers.read (1) != 0;
    if (differs (v, slot.floats.read (SlotSettings::kernelNormalised)) && !loaded)
        processor.chooseKernel (slotIndex, kernelBox.getText());
    for (std::size_t m = 0; m < SlotSettings::numLoadMarkers; ++m)
        slot.loadMarkers.waitingWrite (m, 0);
    sendParameter (parameterIndex::kernel + slotIndex, v);

    showParameterChoices (true);

    ++slot.kernelRefreshCount;
    --model.reloadInProgress;
    repaint();
}

// Lays the slot's parameters out on the knobs: parameters with a range are
// selectable in every box; with `sendChoices` the first four present ones go
// to knobs 1-4 (as a kernel choice does), otherwise each knob shows the
// parameter the slot selects for it.
void SettingEffect::showParameterChoices (bool sendChoices)
{
    auto& model = processor.getModel();
    const auto& store = model.kernelParams (slotIndex);
    const auto& slot = model.slot (slotIndex);
    std::array<bool, numKernelParameters> present{};
    for (std::size_t k = 0; k < present.size(); ++k)
        present[k] = std::abs (store.maximum.read (k)) > valueChangeThreshold;

    if (sendChoices)
        envelopeBox.setSelectedId (freqDestinationId, juce::dontSendNotification);
    int nextPresent = 0;
    for (int p = 0; p < numKnobs; ++p)
    {
        auto& box = parameterBoxes[static_cast<std::size_t> (p)];
        auto& knob = knobs[static_cast<std::size_t> (p)];
        for (int k = 0; k < numKernelParameters; ++k)
            box.setItemEnabled (k + 1, present[static_cast<std::size_t> (k)]);

        int parameter = -1;
        if (sendChoices)
        {
            while (nextPresent < numKernelParameters && !present[static_cast<std::size_t> (nextPresent)])
                ++nextPresent;
            parameter = nextPresent < numKernelParameters ? nextPresent++ : -1;
        }
        else
        {
            const int selected = slot.ints.read (SlotSettings::paramSelect1 + static_cast<std::size_t> (p)) - 1;
            if (selected >= 0 && selected < numKernelParameters && present[static_cast<std::size_t> (selected)])
                parameter = selected;
        }

        const bool live = parameter >= 0;
        envelopeBox.setItemEnabled (firstParamDestinationId + p, live);
        box.setEnabled (live);
        knob.setEnabled (live);
        if (!live)
        {
            box.setText (absent, juce::dontSendNotification);
            knob.setValue (0.0, juce::dontSendNotification);
            continue;
        }
        box.setSelectedId (parameter + 1, juce::dontSendNotification);
        knob.setValue (knobPosition (parameter), juce::dontSendNotification);
        if (sendChoices)
        {
            sendParameter (parameterIndex::kernelSelect + numKnobs * slotIndex + p,
                           static_cast<float> (parameter + 1) / static_cast<float> (numKernelParameters));
            sendParameter (parameterIndex::kernelValue + numKnobs * slotIndex + p,
                           static_cast<float> (knob.getValue()));
        }
    }
}

void SettingEffect::chooseParameter (int p)
{
    auto& box = parameterBoxes[static_cast<std::size_t> (p)];
    const int id = box.getSelectedId();
    sendParameter (parameterIndex::kernelSelect + numKnobs * slotIndex + p,
                   static_cast<float> (id) / static_cast<float> (box.getNumItems()));
    knobs[static_cast<std::size_t> (p)].setValue (knobPosition (id - 1), juce::dontSendNotification);
}

void SettingEffect::turnKnob (int p)
{
    const auto i = static_cast<std::size_t> (p);
    sendParameter (parameterIndex::kernelValue + numKnobs * slotIndex + p, static_cast<float> (knobs[i].getValue()));
    const int parameter = parameterBoxes[i].getSelectedId() - 1;
    if (parameter < 0 || parameter >= numKernelParameters)
        return;
    const auto k = static_cast<std::size_t> (parameter);
    valueLabels[i].setText (
        valueText (processor.getModel().kernelParams (slotIndex).value.read (k), kernelParameterUnits[k]),
        juce::dontSendNotification);
}

void SettingEffect::comboBoxChanged (juce::ComboBox* box)
{
    if (box == &kernelBox)
        chooseKernel();
    else if (box == &layeringBox)
        sendParameter (parameterIndex::routeType + slotIndex, static_cast<float> (layeringBox.getSelectedId()) / 4.0f);
    else if (box == &envelopeBox)
        sendParameter (parameterIndex::envelopeDestination + slotIndex,
                       envelopeDestinationValue (envelopeBox.getSelectedId()));
    else
        for (int p = 0; p < numKnobs; ++p)
            if (box == &parameterBoxes[static_cast<std::size_t> (p)])
                chooseParameter (p);
}

void SettingEffect::buttonClicked (juce::Button* button)
{
    if (button == &continuous)
        sendParameter (parameterIndex::lfoContinuous + slotIndex, continuous.getToggleState() ? 1.0f : 0.0f);
}

void SettingEffect::sliderValueChanged (juce::Slider* slider)
{
    if (slider == &gain || slider == &pan)
        sendParameter (parameterIndex::slotGainPan + 2 * slotIndex + (slider == &pan ? 1 : 0),
                       static_cast<float> (slider->getValue()));
    else if (const int p = knobOf (slider); p >= 0)
        turnKnob (p);
}

int SettingEffect::knobOf (const juce::Component* c) const noexcept
{
    for (int p = 0; p < numKnobs; ++p)
        if (c == &knobs[static_cast<std::size_t> (p)])
            return p;
    return -1;
}

// Value labels: shown over the parameter box while the left button holds
// the knob.
void SettingEffect::mouseDown (const juce::MouseEvent& e)
{
    if (const int p = knobOf (e.eventComponent); p >= 0)
        valueLabels[static_cast<std::size_t> (p)].setVisible (e.mods.isLeftButtonDown());
}

void SettingEffect::mouseUp (const juce::MouseEvent& e)
{
    if (knobOf (e.eventComponent) >= 0)
        for (auto& label : valueLabels)
            label.setVisible (false);
}

void SettingEffect::sendParameter (int index, float value)
{
    processor.setParameterNotifyingHost (index, value);
}

} // namespace gatevox
