#include "core/SkiptorAudioProcessor.h"
#include "params/ParameterApplier.h"
#include "params/ParameterLayout.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace
{
using Clock = std::chrono::steady_clock;

int indexOf (const char* name)
{
    for (int i = 0; i < gatevox::numAutomationParameters; ++i)
        if (gatevox::parameterName (i) == std::string (name))
            return i;
    ADD_FAILURE() << name;
    return 0;
}

// The LFO wave, duty and floor of slot 1 and a knob of its first envelope
// segment, as a host automates them.
const std::vector<std::pair<const char*, float>> shapeChanges{
    {"LFO Wave 1", 0.3f}, {"LFO Duty Cycle 1", 0.3f}, {"LFO Floor 1", 0.2f}, {"Envelope1 Knob2 Seg1", 0.9f}};

bool sameShapes (gatevox::ProcessorModel& a, gatevox::ProcessorModel& b)
{
    for (int i = 0; i < gatevox::LfoWaveTable::tablePoints; i += 97)
        if (a.lfo (0).entry (i) != b.lfo (0).entry (i))
            return false;
    for (int j = 0; j < gatevox::ProcessorModel::envelopePoints; j += 101)
        if (a.envelopeGenerator (0).point (0, j) != b.envelopeGenerator (0).point (0, j))
            return false;
    return true;
}
} // namespace

// Host automation leaves the table and segment rebuilds to the worker (the
// burst test below shows they wait for it), which builds exactly what the
// direct road builds. How soon is a benchmark's business, not a test's.
TEST (RebuildWorker, AutomationRebuildsThroughTheWorkerAsTheDirectRoadDoes)
{
    SkiptorAudioProcessor automated, reference;
    automated.prepareToPlay (48000.0, 64);
    auto& model = automated.getModel();

    for (const auto& [name, value] : shapeChanges)
    {
        automated.getParameters()[indexOf (name)]->setValue (value);
        gatevox::setParameter (reference.getModel(), indexOf (name), value);
    }

    const auto start = Clock::now();
    while (!sameShapes (model, reference.getModel()) && Clock::now() - start < std::chrono::seconds (30))
        std::this_thread::sleep_for (std::chrono::milliseconds (1));
    EXPECT_TRUE (sameShapes (model, reference.getModel()));
}

TEST (RebuildWorker, ABurstCostsFewRebuildsAndOfflineRenderingRebuildsAtOnce)
{
    SkiptorAudioProcessor p;
    auto& table = p.getModel().lfo (0);
    auto* duty = p.getParameters()[indexOf ("LFO Duty Cycle 1")];

    const auto generation = table.publishedGeneration();
    for (int i = 0; i < 200; ++i)
        duty->setValue (static_cast<float> (i % 50) / 50.0f);
    p.applyPendingRebuilds();
    EXPECT_GT (table.publishedGeneration(), generation);
    EXPECT_LT (table.publishedGeneration() - generation, 20u);

    p.setNonRealtime (true);
    const auto offline = table.publishedGeneration();
    duty->setValue (0.7f);
    EXPECT_EQ (table.publishedGeneration(), offline + 1);
}
