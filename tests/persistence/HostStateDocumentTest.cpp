#include "tests/persistence/PersistenceSupport.h"

#include "kernels/KernelCatalogue.h"
#include "params/ParameterApplier.h"
#include "params/ParameterLayout.h"
#include "persistence/HostStateDocument.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

using namespace gatevox;

namespace
{
// Something in every kind of field, set the way the host and the editor set them.
void shapeModel (ProcessorModel& model)
{
    namespace pi = parameterIndex;
    setParameter (model, pi::patternSpeed, 0.9f); // "1/8"
    setParameter (model, pi::patternCount, 0.15f);
    setParameter (model, pi::effectMix, 0.75f);
    for (int layer = 0; layer < 2; ++layer)
    {
        setParameter (model, pi::layer, 0.3f * static_cast<float> (layer));
        for (int step = 0; step < numSteps; ++step)
            setParameter (model, pi::step + step, static_cast<float> ((step + layer) % 6) / 6.0f + 0.01f);
    }
    for (int s = 0; s < numSlots; ++s)
    {
        const auto f = static_cast<float> (s);
        setParameter (model, pi::kernel + s, (3.0f + 7.0f * f) / 51.0f);
        setParameter (model, pi::lfoWave + s, (2.0f + f) / 14.0f + 0.001f); // saw to waveform #2
        setParameter (model, pi::lfoFloor + s, 0.05f * (f + 1.0f));
        setParameter (model, pi::lfoFrequency + s, 0.1f + 0.05f * f);
        setParameter (model, pi::routeType + s, static_cast<float> (s % 4) * 0.25f + 0.1f);
        setParameter (model, pi::slotGainPan + 2 * s + 1, 0.3f);
        setParameter (model, pi::kernelSelect + 4 * s, 0.14f);
        setParameter (model, pi::envelopeDestination + s, 0.6f);
        for (int k = 0; k < 12; ++k)
            setParameter (model, pi::envelopeKnob + 12 * s + k, 0.07f * static_cast<float> (k));
        auto& store = model.kernelParams (s);
        for (std::size_t k = 0; k < static_cast<std::size_t> (numKernelParams); ++k)
        {
            store.maximum.drainingRelease (k, 100.0f + static_cast<float> (k * k));
            store.value.drainingRelease (k, 3.0f + 0.1f * static_cast<float> (k) + f);
        }
        model.slot (s).nextPosition = 1000 * s + 7;
        model.slot (s).ints.waitingWrite (SlotSettings::position, 2000 * s + 3);
    }
    model.transport.tempo = 97.5f;
}

std::unique_ptr<juce::XmlElement> roundTrip (ProcessorModel& from, ProcessorModel& to)
{
    juce::MemoryBlock block;
    writeHostStateBlock (from, 44100.0, block);
    EXPECT_TRUE (restoreHostStateBlock (to, block.getData(), static_cast<int> (block.getSize())));
    return writeHostState (to, 44100.0);
}

int seq (const ProcessorModel& model, SequencerState::Int field)
{
    return model.sequencer.ints.read (field);
}
int slotInt (ProcessorModel& model, int s, SlotSettings::Int field)
{
    return model.slot (s).ints.read (field);
}
} // namespace

TEST (HostState, AttributesInTheirOrderAndSpelling)
{
    auto model = makeModel();
    const auto state = writeHostState (*model, 48000.0);
    EXPECT_EQ (state->getTagName(), "SkiptorStateInfo");
    EXPECT_EQ (state->getNumAttributes(), 1174);
    EXPECT_EQ (attributeNames (*state), fixtureLines ("host-state-attributes.txt"));
}

TEST (HostState, FreshModelValues)
{
    auto model = makeModel();
    const auto state = writeHostState (*model, 200000.0);
    const auto text = [&] (const std::string& name) { return attributeText (*state, name.c_str()); };

    const std::pair<const char*, const char*> fixed[] = {
        {"gatevox_version", "1.05"}, {"effect_mix", "1"},
        {"effect_gain", "0.5625"},   {"effect_gain_actual", "1.41253757"},
        {"sample_rate", "200000"},   {"pattern_count", "0"},
        {"pattern_speed", "1"},      {"tempo", "120"},
        {"parameter_196", "0"},      {"layer3_pattern15", "5,5,5,5,5,5,5,5,5,5,5,5,5,5,5,5"},
    };
    for (const auto& [name, value] : fixed)
        EXPECT_EQ (text (name), value) << name;

    const char* knobs[] = {"0", "0.200000003", "1", "1", "0.699999988", "1", "1", "0.699999988", "1", "1", "0.5", "0"};
    const char* floats[] = {"0",           "0",
                            "0.5",         "0",
                            "0.5",         "0.200000003",
                            "1",           "0.400000006",
                            "0.400000006", "0",
                            "0",           "1",
                            "1",           "0.5",
                            "0.100000001", "0.100000001",
                            "0.100000001", "0.100000001",
                            "0.600000024", "0",
                            "0",           "0",
                            "0",           "8",
                            "0",           "0"};
    const char* ints[] = {"0", "0", "0", "0", "0", "0", "0", "2", "1", "0", "0", "4", "1", "1", "1", "1", "0"};
    for (int s = 0; s < numSlots; ++s)
    {
        const auto slot = std::to_string (s);
        EXPECT_EQ (text ("adsrControl_" + slot), "0");
        EXPECT_EQ (text ("controls_" + slot + "_effect_str"), "TREMELO");
        for (int k = 0; k < 12; ++k)
            EXPECT_EQ (text ("adsr" + slot + "Poly" + std::to_string (k % 3) + "Group" + std::to_string (k / 3)),
                       knobs[k]);
        for (int m = 0; m < 26; ++m)
            EXPECT_EQ (text ("controls_" + slot + "_f_" + std::to_string (m)), floats[m]) << "float " << m;
        for (int m = 0; m < 17; ++m)
            EXPECT_EQ (text ("controls_" + slot + "_i_" + std::to_string (m)), ints[m]) << "int " << m;
    }
}

TEST (HostState, RoundTripReproducesEverySavedField)
{
    auto original = makeModel();
    shapeModel (*original);
    const auto saved = writeHostState (*original, 44100.0);
    auto restored = makeModel();
    const auto again = roundTrip (*original, *restored);

    const std::set<std::string> notRestored{"seq_position", "ppq_pos", "tempo"};
    int compared = 0;
    for (int i = 0; i < saved->getNumAttributes(); ++i)
    {
        const auto name = saved->getAttributeName (i).toStdString();
        if (notRestored.count (name) == 0 && !name.starts_with ("parameter_"))
        {
            EXPECT_EQ (saved->getAttributeValue (i), again->getAttributeValue (i)) << name;
            ++compared;
        }
    }
    EXPECT_EQ (compared, 1174 - 3 - 197);
    EXPECT_EQ (attributeText (*again, "parameter_76"), "0") << "host parameter values are left alone";
    EXPECT_EQ (restored->reloadInProgress.load(), 0);
    EXPECT_EQ (restored->resyncHold.load(), 1);
    EXPECT_EQ (restored->slot (2).loadMarkers.read (0), 1);
}

TEST (HostState, RestoredProjectSoundsAsSaved)
{
    auto original = makeModel();
    shapeModel (*original);
    auto restored = makeModel();
    roundTrip (*original, *restored);

    // The step clock's timing pair follows the restored "1/8", and the saws
    // and square come back with their own floors.
    EXPECT_EQ (restored->transport.stepsPerBeat.get(), 2.0);
    EXPECT_EQ (restored->transport.stepLengthBeats.get(), 0.5f);
    for (int s = 0; s < numSlots; ++s)
    {
        EXPECT_EQ (restored->lfo (s).floor(), original->lfo (s).floor()) << s;
        for (int i = 0; i < LfoWaveTable::tablePoints; i += 997)
            ASSERT_EQ (restored->lfo (s).entry (i), original->lfo (s).entry (i)) << s << " " << i;
        EXPECT_EQ (restored->routeMixers[1].seriesGroup (s), original->routeMixers[1].seriesGroup (s));
    }

    // Envelopes off: their tables carry the history of their builds.
    for (auto* model : {original.get(), restored.get()})
        for (int s = 0; s < numSlots; ++s)
            model->envelope (s).switches.waitingWrite (EnvelopeSettings::envelopeOn, 0.0f);
    EXPECT_EQ (renderSong (*original, 40), renderSong (*restored, 40));
}

TEST (HostState, VersionRuleAndLegacyTranslations)
{
    auto model = makeModel();
    restoreHostState (*model, makeDocument (hostStateTag, {{"pattern_speed", "3"}, {"adsrControl_0", "0.1"}}));
    EXPECT_EQ (seq (*model, SequencerState::patternSpeed), 1);
    EXPECT_EQ (model->envelope (0).destination.read (0), 4) << "trunc (49 x 0.1)";

    const std::pair<const char*, int> legacySpeeds[] = {{"0", 0}, {"2", 1}, {"4", 2}, {"-1", 2}};
    for (const auto& [text, speed] : legacySpeeds)
    {
        restoreHostState (*model, makeDocument (hostStateTag, {{"pattern_speed", text}}));
        EXPECT_EQ (seq (*model, SequencerState::patternSpeed), speed) << text;
    }
    restoreHostState (*model, makeDocument (hostStateTag, {}));
    EXPECT_EQ (model->transport.stepsPerBeat.get(), 0.5) << "absent: old speed 1, played as 1/2";

    restoreHostState (*model,
                      makeDocument (hostStateTag, {{"gatevox_version", "1.05"}, {"adsrControl_0", "0.285714298"}}));
    EXPECT_EQ (model->envelope (0).destination.read (0), 2);
    EXPECT_EQ (seq (*model, SequencerState::patternSpeed), 2) << "a current document's default";
    EXPECT_EQ (model->transport.stepsPerBeat.get(), 2.0);
}

TEST (HostState, KernelByNameStepRowsAndSelection)
{
    auto model = makeModel();
    restoreHostState (*model, makeDocument (hostStateTag, {{"controls_0_effect_str", "FLANGER"},
                                                           {"controls_1_effect_str", "DOUBLER"},
                                                           {"controls_2_effect_str", "ECHO"},
                                                           {"controls_3_effect_str", "lpf 12db"},
                                                           {"controls_3_i_5", "12"},
                                                           {"layer0_pattern0", "5,5,5"},
                                                           {"layer1_pattern2", "1,,2"},
                                                           {"layer3_pattern4", "x, 3,9,-1,2147483648,4"},
                                                           {"selected_setting", "3"},
                                                           {"selected_effect", "1"},
                                                           {"effect_mix", "1.5"}}));
    for (int s = 0; s < 3; ++s)
    {
        EXPECT_EQ (slotInt (*model, s, SlotSettings::kernelId), kernelId::delayMod);
        EXPECT_EQ (model->slot (s).floats.read (SlotSettings::kernelNormalised), 36.0f / 51.0f);
    }
    EXPECT_EQ (slotInt (*model, 3, SlotSettings::kernelId), 12) << "names are case-sensitive";

    const auto row = [&] (int layer, int pattern)
    {
        std::vector<int> values;
        for (int i = 0; i < numSteps; ++i)
        {
            values.push_back (model->steps.read (pattern, layer, i));
            EXPECT_EQ (model->stepMirror.read (layer, pattern, i), values.back());
        }
        return values;
    };
    EXPECT_EQ (row (0, 0), std::vector<int> (16, 5));
    EXPECT_EQ (row (1, 2), (std::vector<int>{1, 0, 2, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5}));
    EXPECT_EQ (row (3, 4), (std::vector<int>{0, 3, 5, 5, 5, 4, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5})) << "out of range: empty";
    EXPECT_EQ (row (3, 15), std::vector<int> (16, 5)) << "an absent row is empty";

    EXPECT_EQ (seq (*model, SequencerState::selectedEffect), 3);
    EXPECT_EQ (model->sequencer.floats.read (SequencerState::effectMix), 1.0f);
    restoreHostState (*model, makeDocument (hostStateTag, {{"selected_effect", "1"}, {"effect_mix", "-0.5"}}));
    EXPECT_EQ (seq (*model, SequencerState::selectedEffect), 1);
    EXPECT_EQ (model->sequencer.floats.read (SequencerState::effectMix), -0.5f);
}

TEST (HostState, KernelOutsideTheCatalogueIsSavedWithoutNameAndKeepsItsId)
{
    auto model = makeModel();
    model->slot (0).ints.waitingWrite (SlotSettings::kernelId, -1);
    model->slot (1).ints.waitingWrite (SlotSettings::kernelId, 60);
    const auto state = writeHostState (*model, 48000.0);
    EXPECT_EQ (attributeText (*state, "controls_0_effect_str"), "");
    EXPECT_EQ (attributeText (*state, "controls_1_effect_str"), "");

    auto restored = makeModel();
    restoreHostState (*restored, *state);
    EXPECT_EQ (slotInt (*restored, 0, SlotSettings::kernelId), -1);
    EXPECT_EQ (slotInt (*restored, 1, SlotSettings::kernelId), kernelId::bypass) << "runs as it did";
}

TEST (HostState, FloorReachesTheLfoTable)
{
    auto model = makeModel();
    restoreHostState (*model, makeDocument (hostStateTag, {{"controls_0_i_4", "4"},
                                                           {"controls_0_f_2", "0.5"},
                                                           {"controls_0_f_24", "0.3"},
                                                           {"controls_1_f_24", "0.3"}}));
    EXPECT_EQ (model->slot (0).floats.read (SlotSettings::floor), 0.3f);
    EXPECT_EQ (model->lfo (0).floor(), static_cast<double> (0.3f));
    float squareLowest = 1.0f;
    float sineLowest = 1.0f;
    for (int i = 0; i < LfoWaveTable::tablePoints; ++i)
    {
        squareLowest = std::min (squareLowest, model->lfo (0).entry (i));
        sineLowest = std::min (sineLowest, model->lfo (1).entry (i));
    }
    EXPECT_GE (squareLowest, 0.3f - 1e-6f);
    EXPECT_LT (sineLowest, 0.01f) << "the sine takes no floor";
}

TEST (HostState, DefaultsOfAbsentAttributes)
{
    auto model = makeModel();
    model->kernelParams (1).value.drainingRelease (3, 42.0f);
    restoreHostState (*model, makeDocument (hostStateTag, {{"controls_0_position", "1234.9"},
                                                           {"controls_0_next_pos", "-7.5"},
                                                           {"controls_1_i_2", "55"}}));

    EXPECT_EQ (model->kernelParams (1).value.read (3), 42.0f) << "kernel parameters keep their values";
    EXPECT_EQ (model->sequencer.floats.read (SequencerState::effectGain), 0.5f);
    EXPECT_EQ (model->sequencer.floats.read (SequencerState::effectGainActual), 1.0f);
    EXPECT_EQ (seq (*model, SequencerState::patternCount), 1);
    EXPECT_EQ (slotInt (*model, 0, SlotSettings::position), 1234);
    EXPECT_EQ (model->slot (0).nextPosition.get(), -7);
    EXPECT_EQ (slotInt (*model, 1, SlotSettings::position), 55) << "absent: the restored int 2";
    for (int s = 0; s < numSlots; ++s)
    {
        EXPECT_EQ (model->slot (s).floats.read (SlotSettings::lfoRate), 0.4f);
        EXPECT_EQ (model->slot (s).floats.read (SlotSettings::lfoFrequency), 4.0f);
        EXPECT_EQ (model->slot (s).floats.read (SlotSettings::gain), 0.0f);
        EXPECT_EQ (model->envelope (s).knobs.read (5), 1.0f);
        EXPECT_EQ (model->slot (s).floats.read (SlotSettings::floor), 0.0125f) << "the floor of a waveform change";
    }
}

TEST (HostState, HugeKnobsAndRangesNeitherOverflowNorOutliveTheLoad)
{
    auto model = makeModel();
    restoreHostState (*model, makeDocument (hostStateTag, {{"adsr0Poly1Group0", "3e38"},
                                                           {"adsr0Poly0Group1", "-2"},
                                                           {"min_val_0_5", "-3e38"},
                                                           {"max_val_0_5", "3e38"},
                                                           {"controls_0_i_12", "6"}}));

    const auto& knobs = model->envelope (0).knobs;
    EXPECT_EQ (knobs.read (EnvelopeSettings::knobIndex (0, 1)), 1.0f) << "knobs are brought into 0-1";
    EXPECT_EQ (knobs.read (EnvelopeSettings::knobIndex (1, 0)), 0.0f);

    // Knob 1 of slot 1 selects "Q" (parameter 5): its range's ends, not NaN.
    setParameter (*model, parameterIndex::kernelValue, 0.0f);
    EXPECT_EQ (model->kernelParams (0).value.read (5), -3.0e38f);
    setParameter (*model, parameterIndex::kernelValue, 1.0f);
    EXPECT_EQ (model->kernelParams (0).value.read (5), 3.0e38f);

    // The envelope stays alive through the next reset.
    model->reset();
    auto& generator = model->envelopeGenerator (0);
    for (int g = 0; g < numEnvelopeSegments; ++g)
        for (int j = 0; j < generator.numPoints(); ++j)
            ASSERT_TRUE (std::isfinite (generator.point (g, j))) << g << " " << j;
}

TEST (HostState, ValuesOutsideTheirRangesAreBroughtIn)
{
    auto model = makeModel();
    restoreHostState (*model, makeDocument (hostStateTag, {{"gatevox_version", "1.05"},
                                                           {"layer", "9"},
                                                           {"pattern", "-1"},
                                                           {"pattern_count", "40"},
                                                           {"pattern_speed", "9"},
                                                           {"selected_effect", "-3"},
                                                           {"adsrControl_0", "2"},
                                                           {"controls_0_i_0", "7"},
                                                           {"controls_1_i_0", "-4"},
                                                           {"controls_0_i_4", "99"},
                                                           {"controls_1_i_4", "-2"},
                                                           {"controls_0_i_5", "1000"},
                                                           {"controls_1_i_5", "-1000"},
                                                           {"controls_0_i_12", "41"},
                                                           {"controls_0_i_13", "-1"},
                                                           {"controls_0_i_14", "40"},
                                                           {"controls_0_f_7", "nan"},
                                                           {"controls_0_f_9", "1e39"},
                                                           {"effect_gain", "inf"}}));

    EXPECT_EQ (seq (*model, SequencerState::layer), 3);
    EXPECT_EQ (seq (*model, SequencerState::pattern), 0);
    EXPECT_EQ (seq (*model, SequencerState::patternCount), 15);
    EXPECT_EQ (seq (*model, SequencerState::patternSpeed), 1);
    EXPECT_EQ (model->transport.stepsPerBeat.get(), 1.0);
    EXPECT_EQ (seq (*model, SequencerState::selectedEffect), 0);
    EXPECT_EQ (model->envelope (0).destination.read (0), 0) << "14 acts as Gain and is stored so";

    EXPECT_EQ (slotInt (*model, 0, SlotSettings::routeType), 3);
    EXPECT_EQ (model->routeMixers[0].seriesGroup (0), 2);
    EXPECT_EQ (slotInt (*model, 1, SlotSettings::routeType), 0);
    EXPECT_EQ (slotInt (*model, 0, SlotSettings::waveform), 14);
    EXPECT_EQ (model->lfo (0).waveformNumber(), 14);
    EXPECT_EQ (slotInt (*model, 1, SlotSettings::waveform), 0);
    EXPECT_EQ (slotInt (*model, 0, SlotSettings::kernelId), kernelId::bypass);
    EXPECT_EQ (slotInt (*model, 1, SlotSettings::kernelId), -1);
    EXPECT_EQ (slotInt (*model, 0, SlotSettings::paramSelect1), 0);
    EXPECT_EQ (model->slot (0).ints.read (SlotSettings::paramSelect1 + 1), 0);
    EXPECT_EQ (model->slot (0).ints.read (SlotSettings::paramSelect1 + 2), 40);

    EXPECT_EQ (model->slot (0).floats.read (SlotSettings::lfoRate), 0.4f) << "not a number counts as absent";
    EXPECT_EQ (model->slot (0).floats.read (SlotSettings::phase), 0.0f) << "beyond the float range counts as absent";
    EXPECT_EQ (model->sequencer.floats.read (SequencerState::effectGain), 0.5f);
}

TEST (HostState, CountersTempoAndDocumentsThatAreNotAState)
{
    auto model = makeModel();
    shapeModel (*model);
    const auto before = writeHostState (*model, 48000.0);

    const std::string garbage = "definitely not a state block";
    EXPECT_FALSE (restoreHostStateBlock (*model, garbage.data(), static_cast<int> (garbage.size())));
    EXPECT_FALSE (restoreHostStateBlock (*model, nullptr, 0));
    EXPECT_EQ (model->resyncHold.load(), 0) << "no counter moves";

    model->transport.tempo = -5.0f;
    restoreHostState (*model, makeDocument ("SkiptorPreset", {{"effect_mix", "0.1"}, {"tempo", "60"}}));
    EXPECT_EQ (model->transport.tempo.get(), 120.0f) << "a negative tempo becomes 120, the saved one has no effect";
    model->transport.tempo = 97.5f;
    EXPECT_TRUE (writeHostState (*model, 48000.0)->isEquivalentTo (before.get(), false))
        << "another root changes nothing";
    EXPECT_EQ (model->reloadInProgress.load(), 0);
    EXPECT_EQ (model->resyncHold.load(), 1);

    restoreHostState (*model, makeDocument ("skiptorstateinfo", {{"effect_mix", "0.1"}}));
    EXPECT_EQ (model->sequencer.floats.read (SequencerState::effectMix), 0.1f) << "tags compare without case";
}
