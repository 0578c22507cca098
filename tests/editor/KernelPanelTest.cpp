#include "tests/editor/SlotPageRig.h"

#include "editor/SettingEffect.h"
#include "editor/ValueText.h"
#include "kernels/KernelCatalogue.h"
#include "params/ParameterLayout.h"

#include <cmath>

using namespace gatevox;

class KernelPanel : public SlotPageRig
{
protected:
    static inline const std::array<juce::Rectangle<int>, 4> knobBounds{
        {{328, 4, 40, 40}, {199, 75, 40, 40}, {263, 75, 40, 40}, {329, 75, 40, 40}}};
    static inline const std::array<juce::Rectangle<int>, 4> boxBounds{
        {{318, 47, 57, 18}, {192, 120, 57, 18}, {255, 120, 57, 18}, {318, 120, 57, 18}}};

    juce::ComboBox& kernelBox() { return findNamed<juce::ComboBox> (page (0), "new combo box"); }
    juce::ComboBox& envelopeBox() { return findNamed<juce::ComboBox> (page (0), "EnvelopeControl"); }
    juce::Slider& knob (int p) { return control<juce::Slider> (page (0), knobBounds[static_cast<std::size_t> (p)]); }
    juce::ComboBox& parameterBox (int p)
    {
        return control<juce::ComboBox> (page (0), boxBounds[static_cast<std::size_t> (p)]);
    }
    juce::Label& valueLabel (int p)
    {
        return control<juce::Label> (page (0), boxBounds[static_cast<std::size_t> (p)].withSize (56, 16));
    }

    void chooseKernel (std::string_view name) { user::choose (kernelBox(), kernelIdOfName (name) + 1); }

    std::vector<juce::String> shownParameters()
    {
        std::vector<juce::String> shown;
        for (int p = 0; p < 4; ++p)
            shown.push_back (parameterBox (p).getText() + (parameterBox (p).isEnabled() ? "" : " (off)"));
        return shown;
    }
};

TEST_F (KernelPanel, ValuesAreShownWithTheirUnits)
{
    EXPECT_EQ (valueText (2000.0f, "Hz"), "2.00kHz");
    EXPECT_EQ (valueText (0.05f, "s"), "50.00ms");
    EXPECT_EQ (valueText (0.75f, "%"), "75.00 %");
    EXPECT_EQ (valueText (440.0f, "Hz"), "440.00 Hz");
    EXPECT_EQ (valueText (0.0f, "Hz"), "0.00mHz");
}

TEST_F (KernelPanel, StereoPanPutsItsOnlyParameterOnKnobOne)
{
    chooseKernel ("STEREO PAN");
    EXPECT_EQ (shownParameters(), (std::vector<juce::String>{"Depth", "n/a (off)", "n/a (off)", "n/a (off)"}));
    EXPECT_FALSE (knob (1).isEnabled());
    EXPECT_EQ (envelopeBox().getSelectedId(), 2);
    EXPECT_TRUE (envelopeBox().isItemEnabled (4));
    EXPECT_FALSE (envelopeBox().isItemEnabled (5));
    EXPECT_FLOAT_EQ (host.received.at (parameterIndex::kernel), 2.0f / 51.0f);
    EXPECT_FLOAT_EQ (host.received.at (parameterIndex::kernelSelect), 24.0f / 40.0f);
    EXPECT_EQ (model().reloadInProgress.load(), 0);
}

TEST_F (KernelPanel, LpfFuzzLaysOutItsFirstFourParametersInListOrder)
{
    chooseKernel ("LPF FUZZ");
    EXPECT_EQ (shownParameters(), (std::vector<juce::String>{"Fc", "Fmin", "Q", "Drive"}));
    for (int p = 0; p < 4; ++p)
        EXPECT_TRUE (parameterBox (p).isItemEnabled (static_cast<int> (kernelParam::mix) + 1));
    EXPECT_FALSE (parameterBox (0).isItemEnabled (static_cast<int> (kernelParam::vowel) + 1));

    // Another parameter on knob 4: its selector goes to the host, the knob
    // shows where its value lies.
    user::choose (parameterBox (3), static_cast<int> (kernelParam::mix) + 1);
    EXPECT_FLOAT_EQ (host.received.at (parameterIndex::kernelSelect + 3), 30.0f / 40.0f);
    const auto& store = model().kernelParams (0);
    const auto mix = kernelParam::mix;
    EXPECT_NEAR (knob (3).getValue(),
                 (store.value.read (mix) - store.minimum.read (mix)) /
                     (store.maximum.read (mix) - store.minimum.read (mix)),
                 1e-6);
}

TEST_F (KernelPanel, Lpf12SendsFcAndItsDefault)
{
    chooseKernel ("LPF 12dB");
    EXPECT_FLOAT_EQ (host.received.at (parameterIndex::kernelSelect), 0.025f);
    EXPECT_NEAR (host.received.at (parameterIndex::kernelValue), (3000.0 - 1.0) / (20000.0 - 1.0), 1.0 / 1024.0);
}

TEST_F (KernelPanel, TheKernelTheSlotHoldsIsNotLoadedAgain)
{
    // The host has chosen "LPF 12dB" without its parameters; choosing it in
    // the box only lays out what the slot holds: nothing.
    processor.setParameterFromHost (parameterIndex::kernel, 3.0f / 51.0f);
    host.received.clear();
    chooseKernel ("LPF 12dB");
    EXPECT_FLOAT_EQ (host.received.at (parameterIndex::kernel), 3.0f / 51.0f);
    EXPECT_EQ (shownParameters(), (std::vector<juce::String>{"n/a (off)", "n/a (off)", "n/a (off)", "n/a (off)"}));
}

TEST_F (KernelPanel, AfterALoadTheFirstChoiceKeepsTheLoadedParameters)
{
    juce::MemoryBlock state;
    processor.getStateInformation (state);
    processor.setStateInformation (state.getData(), static_cast<int> (state.getSize()));
    tick();
    const float loadedMax = model().kernelParams (0).maximum.read (kernelParam::fc);

    chooseKernel ("LPF 12dB");
    EXPECT_FLOAT_EQ (model().kernelParams (0).maximum.read (kernelParam::fc), loadedMax);
    chooseKernel ("HPF 12dB");
    EXPECT_FLOAT_EQ (model().kernelParams (0).maximum.read (kernelParam::fc), 15000.0f);
}

TEST_F (KernelPanel, KnobShowsItsValueWhileHeld)
{
    chooseKernel ("LPF 12dB");
    // About a tenth of the way round the knob: near 2 kHz of 1 Hz-20 kHz.
    const double angle = 1.2 * juce::MathConstants<double>::pi + 0.1 * 1.6 * juce::MathConstants<double>::pi;
    const juce::Point<int> centre (20, 20);
    const juce::Point<int> target (20 + juce::roundToInt (100 * std::sin (angle)),
                                   20 - juce::roundToInt (100 * std::cos (angle)));
    pressAndDrag (knob (0), {centre, centre.translated (-10, 10), target});
    ASSERT_TRUE (valueLabel (0).isVisible());
    const float fc = model().kernelParams (0).value.read (kernelParam::fc);
    EXPECT_NEAR (fc, 2000.0f, 50.0f);
    EXPECT_EQ (valueLabel (0).getText(), valueText (fc, "Hz"));
    EXPECT_TRUE (valueLabel (0).getText().endsWith ("kHz"));
    EXPECT_FLOAT_EQ (host.received.at (parameterIndex::kernelValue), static_cast<float> (knob (0).getValue()));
    release (knob (0));
    EXPECT_FALSE (valueLabel (0).isVisible());

    user::click (knob (0), user::Button::right);
    EXPECT_FALSE (valueLabel (0).isVisible());
}

TEST_F (KernelPanel, OtherControlsSendTheirParameters)
{
    // The Envelope box first: the Layering box's list opens over it.
    user::choose (envelopeBox(), 5);
    EXPECT_FLOAT_EQ (host.received.at (parameterIndex::envelopeDestination), 5.0f / 7.0f);
    user::choose (findNamed<juce::ComboBox> (page (0), "LayeringMethod"), 3);
    EXPECT_FLOAT_EQ (host.received.at (parameterIndex::routeType), 0.75f);
    user::click (findNamed<juce::Button> (page (0), "Wavetable Reset"));
    EXPECT_FLOAT_EQ (host.received.at (parameterIndex::lfoContinuous), 1.0f);
    EXPECT_EQ (model().slot (0).ints.read (SlotSettings::retrigger), 0);
    user::drag (control<juce::Slider> (page (0), {261, 4, 40, 40}), {{20, 20}, {20, 10}, {20, -40}});
    EXPECT_TRUE (host.receivedAny (parameterIndex::slotGainPan + 1, 1));
}
