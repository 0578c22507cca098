#include "editor/SettingComponent.h"

#include "core/SkiptorAudioProcessor.h"
#include "editor/ControlStyle.h"
#include "editor/Images.h"
#include "editor/SnapInterval.h"
#include "editor/ValueChange.h"
#include "params/ParameterLayout.h"

#include <cmath>

namespace gatevox
{
namespace
{
using Bounds = juce::Rectangle<int>;

const Bounds waveformLabelBounds{7, 24, 150, 24};
const Bounds previewBounds{15, 52, 166, 92};
const Bounds dutyLabelBounds{83, 48, 88, 16};
const Bounds dutyBounds{88, 61, 87, 10};
const Bounds floorLabelBounds{83, 68, 88, 16};
const Bounds floorBounds{88, 84, 87, 10};
const Bounds frequencyLabelBounds{6, 157, 100, 24};
const Bounds snapBounds{112, 157, 55, 24};
const Bounds frequencyBounds{8, 180, 176, 24};
const Bounds waveformTypeLabelBounds{198, 26, 150, 24};
const Bounds waveformBoxBounds{200, 48, 142, 24};
const Bounds phaseLabelBounds{198, 82, 150, 24};
const Bounds phaseBounds{200, 104, 142, 24};
const Bounds snapIntervalLabelBounds{198, 138, 150, 24};
const Bounds snapIntervalBoxBounds{200, 160, 142, 24};
const Bounds innerTabBounds{360, 24, 384, 174};
const juce::Rectangle<float> backdropArea{0.0f, -4.0f, 752.0f, 228.0f};
const juce::Rectangle<float> screenArea{4.0f, 42.0f, 188.0f, 108.0f};

constexpr int innerTabDepth = 26;
const juce::Colour innerTabColour{0xffd3d3d3};
const juce::Colour pageTop{0xfff9f9f9};
const juce::Colour pageBottom{0xaa333333};
constexpr float backdropOpacity = 0.503f;
const juce::Colour barTrack{0xfffffefe};
const juce::Colour barFill{0xff6b6b6b};
// The frequency and phase values are written over the bar's near-white track:
// light grey there cannot be read, so both read in dark grey.
const juce::Colour valueText{0xff2b2b2b};
const juce::Colour phaseOutline{0x95aeaeae};
const juce::Colour shapeOutline{0xffa1a1a1};
constexpr float labelFontHeight = 14.0f;
constexpr float shapeLabelFontHeight = 12.9f;

const juce::StringArray waveformNames{"Sine",        "Triangle",    "Saw",         "Inverse Saw", "Square",
                                      "Waveform #1", "Waveform #2", "Waveform #3", "Waveform #4", "Waveform #5",
                                      "Waveform #6", "Waveform #7", "Waveform #8"};
const juce::StringArray snapIntervalNames{"1/2", "1/2(3)", "1/4", "1/4(3)", "1/8"};

constexpr double knobStep = 1.0 / 1024.0;
constexpr double maxFrequency = 20.0;
constexpr double minFloor = 0.0125;
constexpr double phaseLimit = 6.28;
constexpr double twoPi = 6.2831853;
constexpr float fallbackTempo = 120.0f;

// Waveforms whose shape takes a duty cycle, and those that also take a floor.
[[nodiscard]] bool takesDuty (std::int32_t w) noexcept
{
    return w == 0 || (w >= 2 && w <= 6);
}
[[nodiscard]] bool takesFloor (std::int32_t w) noexcept
{
    return w >= 2 && w <= 4;
}

void barSlider (juce::Slider& slider, double minimum, double maximum, double step)
{
    slider.setSliderStyle (juce::Slider::LinearBar);
    slider.setRange (minimum, maximum, step);
    slider.setColour (juce::Slider::trackColourId, barTrack);
    slider.setColour (juce::Slider::thumbColourId, barFill);
}
} // namespace

SettingComponent::SettingComponent (int slotNumber, SkiptorAudioProcessor& owner)
    : slotIndex (std::clamp (slotNumber, 1, numSlots) - 1), processor (owner), preview (owner, slotIndex),
      effect (slotIndex + 1, owner), envelope (slotIndex + 1, owner)
{
    buildControls();
    backdrop = images::slotBackdrop();
    screen = images::previewScreen();
    showInitialValues();
    setSize (width, height);
}

SettingComponent::~SettingComponent()
{
    innerTabs.clearTabs();
}

void SettingComponent::buildControls()
{
    controlStyle::choiceBox (waveformBox, "Sine");
    waveformBox.addItemList (waveformNames, 1);
    controlStyle::choiceBox (snapIntervalBox, "1/4");
    snapIntervalBox.addItemList (snapIntervalNames, 1);
    for (auto* box : {&waveformBox, &snapIntervalBox})
    {
        box->addListener (this);
        addAndMakeVisible (*box);
    }
    addAndMakeVisible (preview);

    for (auto* label : {&waveformLabel, &frequencyLabel, &waveformTypeLabel, &phaseLabel, &snapIntervalLabel})
    {
        controlStyle::label (*label, labelFontHeight);
        addAndMakeVisible (*label);
    }
    for (auto* label : {&dutyLabel, &floorLabel})
    {
        controlStyle::label (*label, labelFontHeight);
        label->setFont (juce::Font (shapeLabelFontHeight, juce::Font::bold));
        addChildComponent (*label);
    }

    innerTabs.setTabBarDepth (innerTabDepth);
    innerTabs.addTab ("Setting Effect", innerTabColour, &effect, false);
    innerTabs.addTab ("Envelope", innerTabColour, &envelope, false);
    innerTabs.setCurrentTabIndex (0);
    addAndMakeVisible (innerTabs);

    barSlider (duty, 0.0, 1.0, knobStep);
    duty.setTooltip ("Duty Cycle");
    barSlider (floor, minFloor, 1.0, knobStep);
    for (auto* slider : {&duty, &floor})
    {
        slider->setTextBoxStyle (juce::Slider::NoTextBox, false, 0, 0);
        slider->setColour (juce::Slider::textBoxHighlightColourId, barFill);
        slider->setColour (juce::Slider::textBoxOutlineColourId, shapeOutline);
        slider->addListener (this);
        addChildComponent (*slider);
    }
    barSlider (frequency, 0.0, maxFrequency, knobStep);
    frequency.setColour (juce::Slider::textBoxTextColourId, valueText);
    barSlider (phase, -phaseLimit, phaseLimit, 0.0);
    phase.setColour (juce::Slider::textBoxTextColourId, valueText);
    phase.setColour (juce::Slider::textBoxOutlineColourId, phaseOutline);
    for (auto* slider : {&frequency, &phase})
    {
        slider->setTextBoxStyle (juce::Slider::TextBoxLeft, false, 80, 20);
        // Hz and radians read to a hundredth; typing keeps the full value.
        slider->setNumDecimalPlacesToDisplay (2);
        slider->addListener (this);
        addAndMakeVisible (*slider);
    }

    snap.setButtonText ("Snap");
    snap.addListener (this);
    addAndMakeVisible (snap);
}

void SettingComponent::showInitialValues()
{
    const auto& slot = processor.getModel().slot (slotIndex);
    duty.setValue (slot.floats.read (SlotSettings::dutyCycle), juce::dontSendNotification);
    frequency.setValue (maxFrequency * static_cast<double> (slot.floats.read (SlotSettings::lfoRate)),
                        juce::dontSendNotification);
    phase.setValue (twoPi * static_cast<double> (slot.floats.read (SlotSettings::phase)), juce::dontSendNotification);
    snap.setToggleState (slot.ints.read (SlotSettings::snapOn) != 0, juce::dontSendNotification);
    if (snap.getToggleState())
    {
        const float tempo = processor.getModel().transport.tempo;
        snapFrequency (tempo / 60.0f / snapInterval::divisions (slot.ints.read (SlotSettings::snapInterval)));
    }
}

void SettingComponent::resized()
{
    waveformLabel.setBounds (waveformLabelBounds);
    preview.setBounds (previewBounds);
    dutyLabel.setBounds (dutyLabelBounds);
    duty.setBounds (dutyBounds);
    floorLabel.setBounds (floorLabelBounds);
    floor.setBounds (floorBounds);
    frequencyLabel.setBounds (frequencyLabelBounds);
    snap.setBounds (snapBounds);
    frequency.setBounds (frequencyBounds);
    waveformTypeLabel.setBounds (waveformTypeLabelBounds);
    waveformBox.setBounds (waveformBoxBounds);
    phaseLabel.setBounds (phaseLabelBounds);
    phase.setBounds (phaseBounds);
    snapIntervalLabel.setBounds (snapIntervalLabelBounds);
    snapIntervalBox.setBounds (snapIntervalBoxBounds);
    innerTabs.setBounds (innerTabBounds);
}

void SettingComponent::paint (juce::Graphics& g)
{
    g.setGradientFill ({pageTop, 0.0f, 0.0f, pageBottom, 753.0f, 300.0f, false});
    g.fillAll();
    g.setColour (juce::Colours::black.withAlpha (backdropOpacity));
    g.drawImage (backdrop, backdropArea);
    g.setOpacity (1.0f);
    g.drawImage (screen, screenArea);
}

void SettingComponent::refresh (int currentTab, const LfoReadout& lfo)
{
    auto& model = processor.getModel();
    auto& hold = model.resyncHold;
    const bool resyncing = hold.load() > 0;
    showReadout (lfo);

    const auto& floats = model.slot (slotIndex).floats;
    if (slotIndex == currentTab || resyncing)
    {
        effect.refresh (resyncing);
        showShape();
        envelope.refresh();
    }
    const float slotDuty = floats.read (SlotSettings::dutyCycle);
    if (differs (preview.shown.duty, slotDuty))
        repaintPreview ({preview.shown.phase, slotDuty, preview.shown.floor});

    // Pages refresh in slot order, so by the last one every page has seen
    // the loaded model.
    if (slotIndex == numSlots - 1)
        while (hold.load() > 0)
            hold.fetch_sub (1);
}

void SettingComponent::showReadout (const LfoReadout& lfo)
{
    lfoShown = lfo;
    waveformBox.setSelectedId (std::clamp (lfo.waveformNumber, 0, waveformNames.size() - 1) + 1,
                               juce::dontSendNotification);
    if (std::isfinite (lfo.phase))
        phase.setValue (twoPi * static_cast<double> (lfo.phase), juce::dontSendNotification);
    if (std::isfinite (lfo.frequencyHz))
        frequency.setValue (lfo.frequencyHz, juce::dontSendNotification);
    const int interval =
        std::isfinite (lfo.snapInterval) ? static_cast<int> (std::clamp (5.0f * lfo.snapInterval, 0.0f, 5.0f)) : 0;
    snapIntervalBox.setSelectedId (interval, juce::dontSendNotification);
}

// The duty and floor controls of the slot's waveform, and the preview's
// caches, left alone while the table is being rebuilt.
void SettingComponent::showShape()
{
    const auto& slot = processor.getModel().slot (slotIndex);
    const auto w = slot.ints.read (SlotSettings::waveform);
    const bool settled = !processor.getModel().lfo (slotIndex).isRebuilding();
    const WaveformPreview::Shown now{slot.floats.read (SlotSettings::phase), slot.floats.read (SlotSettings::dutyCycle),
                                     slot.floats.read (SlotSettings::floor)};

    dutyLabel.setVisible (takesDuty (w));
    duty.setVisible (takesDuty (w));
    floorLabel.setVisible (takesFloor (w));
    floor.setVisible (takesFloor (w));

    if (duty.isVisible() && differs (preview.shown.duty, now.duty) && settled)
    {
        duty.setValue (now.duty, juce::dontSendNotification);
        repaintPreview ({preview.shown.phase, now.duty, preview.shown.floor});
    }
    if (floor.isVisible() && differs (preview.shown.floor, now.floor) && settled)
    {
        floor.setValue (now.floor, juce::dontSendNotification);
        repaintPreview ({preview.shown.phase, preview.shown.duty, now.floor});
    }
    const auto& shown = preview.shown;
    if (settled &&
        (differs (shown.phase, now.phase) || differs (shown.duty, now.duty) || differs (shown.floor, now.floor)))
        repaintPreview (now);

    snap.setToggleState (slot.ints.read (SlotSettings::snapOn) != 0, juce::dontSendNotification);
    if (!snap.getToggleState())
        frequency.setRange (0.0, maxFrequency, knobStep);
}

void SettingComponent::setSnapStep (float step, float)
{
    if (snap.getToggleState())
        snapFrequency (step);
}

void SettingComponent::snapFrequency (float step)
{
    if (!std::isfinite (step) || step <= 0.0f)
        return;
    const double a = step;
    frequency.setRange (0.0, std::ceil (maxFrequency / a) * a, a);
}

void SettingComponent::repaintPreview (WaveformPreview::Shown cache)
{
    preview.shown = cache;
    preview.repaint();
}

void SettingComponent::sendParameter (int firstIndex, float value)
{
    processor.setParameterNotifyingHost (firstIndex + slotIndex, value);
}

void SettingComponent::comboBoxChanged (juce::ComboBox* box)
{
    if (box == &waveformBox)
    {
        const int id = waveformBox.getSelectedId();
        sendParameter (parameterIndex::lfoWave,
                       id <= 1 ? 0.0f : static_cast<float> (id - 1) / static_cast<float> (waveformBox.getNumItems()));
        // The preview shows the new table at once.
        processor.applyPendingRebuilds();
        repaintPreview ({preview.shown.phase,
                         processor.getModel().slot (slotIndex).floats.read (SlotSettings::dutyCycle),
                         preview.shown.floor});
    }
    else if (box == &snapIntervalBox)
    {
        sendParameter (parameterIndex::snapInterval, snapInterval::parameterOfChoice (snapIntervalBox.getSelectedId()));
    }
}

void SettingComponent::sliderValueChanged (juce::Slider* slider)
{
    const auto value = static_cast<float> (slider->getValue());
    if (slider == &frequency)
    {
        if (value >= 0.0f && value <= static_cast<float> (maxFrequency))
            sendParameter (parameterIndex::lfoFrequency, value / static_cast<float> (maxFrequency));
    }
    else if (slider == &phase)
    {
        constexpr auto limit = static_cast<float> (phaseLimit);
        if (value >= -limit && value <= limit)
            sendParameter (parameterIndex::lfoPhase, (value + limit) * 0.5f / limit);
    }
    else if (slider == &duty || slider == &floor)
    {
        sendParameter (slider == &duty ? parameterIndex::lfoDuty : parameterIndex::lfoFloor, value);
        processor.applyPendingRebuilds();
        auto cache = preview.shown;
        (slider == &duty ? cache.duty : cache.floor) = value;
        repaintPreview (cache);
    }
}

void SettingComponent::buttonClicked (juce::Button* button)
{
    if (button == &snap)
        clickSnap();
}

// Snap on stores the snap interval the box shows, in the code the timer
// decodes, and snaps the frequency to the step the timer will keep.
void SettingComponent::clickSnap()
{
    const bool on = snap.getToggleState();
    if (on)
    {
        const auto code = snapInterval::codeOfChoice (snapIntervalBox.getSelectedId());
        processor.getModel().slot (slotIndex).ints.waitingWrite (SlotSettings::snapInterval, code);
        float tempo = processor.getModel().transport.tempo;
        if (!std::isfinite (tempo) || tempo <= valueChangeThreshold)
            tempo = fallbackTempo;
        snapFrequency (tempo / 60.0f / snapInterval::divisions (code));
    }
    else
    {
        frequency.setRange (0.0, maxFrequency, knobStep);
    }
    sendParameter (parameterIndex::snapOn, on ? 1.0f : 0.0f);
}

} // namespace gatevox
