#include "tests/engine/RenderHarness.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

using namespace gatevox;

namespace
{
void changeDuty (ProcessorModel& m, int s, double duty)
{
    m.lfo (s).setDuty (duty);
    m.lfo (s).rebuild (0, duty, 0.0, RebuildTiming::now);
}

void changeAttack (ProcessorModel& m, int s, float level)
{
    m.envelope (s).knobs.waitingWrite (EnvelopeSettings::knobIndex (0, 2), level);
    m.rebuildEnvelopeSegment (s, 0, RebuildTiming::now);
}
} // namespace

TEST (SharedTables, SlotsAndInstancesWithTheSameContentShareOneTable)
{
    auto a = makeModel();
    auto b = makeModel();
    EXPECT_EQ (a->lfo (0).publishedTable(), b->lfo (4).publishedTable());
    EXPECT_EQ (a->envelopeGenerator (1).segmentTable (3), b->envelopeGenerator (2).segmentTable (3));

    changeDuty (*a, 0, 0.3);
    changeAttack (*a, 0, 0.7f);
    EXPECT_NE (a->lfo (0).publishedTable(), b->lfo (0).publishedTable());
    EXPECT_NE (a->envelopeGenerator (0).segmentTable (0), b->envelopeGenerator (0).segmentTable (0));

    // The same change elsewhere finds the table the first one built, equal to
    // a table built on its own.
    changeDuty (*b, 2, 0.3);
    changeAttack (*b, 3, 0.7f);
    EXPECT_EQ (a->lfo (0).publishedTable(), b->lfo (2).publishedTable());
    EXPECT_EQ (a->envelopeGenerator (0).segmentTable (0), b->envelopeGenerator (3).segmentTable (0));

    RenderEpoch epoch;
    UserWaveStore store;
    LfoWaveTable alone (store, epoch);
    alone.setDuty (0.3);
    alone.generate (0, 0.3, 0.0);
    alone.expand();
    EXPECT_EQ (a->lfo (0).publishedTable()->entries, alone.publishedTable()->entries);
}

TEST (SharedTables, AReplacedTableLastsUntilTheBlockThatMayReadItEnds)
{
    auto m = makeModel();
    changeDuty (*m, 1, 0.61);
    changeAttack (*m, 1, 0.37f);
    const std::weak_ptr<const LfoTable> lfoTable = m->lfo (1).publishedTable();
    const std::weak_ptr<const EnvelopeSegment> segment = m->envelopeGenerator (1).segmentTable (0);

    {
        const RenderEpoch::BlockScope block (m->renderEpoch);
        changeDuty (*m, 1, 0.62);
        changeAttack (*m, 1, 0.38f);
        m->applyPendingRebuilds();
        EXPECT_FALSE (lfoTable.expired());
        EXPECT_FALSE (segment.expired());
    }

    m->applyPendingRebuilds();
    EXPECT_TRUE (lfoTable.expired());
    EXPECT_TRUE (segment.expired());
}

// Two instances render while a control thread keeps giving both new LFO
// tables and envelope segments, some shared between them, and lets the old
// ones go: no render may read a table after it is freed (the sanitizer
// trees run this).
TEST (SharedTables, InstancesRenderWhileTheirTablesAreReplaced)
{
    std::array<RenderHarness, 2> harnesses;
    for (auto& h : harnesses)
    {
        h.fillLayer (0, 0);
        h.model->envelope (0).switches.waitingWrite (EnvelopeSettings::envelopeOn, 1.0f);
    }

    std::atomic<bool> done{false};
    const auto play = [&] (RenderHarness& h)
    {
        std::vector<float> left (256), right (256);
        while (!done.load())
        {
            std::fill (left.begin(), left.end(), 0.25f);
            std::fill (right.begin(), right.end(), -0.25f);
            h.render (left, right);
        }
    };
    std::thread first (play, std::ref (harnesses[0]));
    std::thread second (play, std::ref (harnesses[1]));

    for (int n = 0; n < 40; ++n)
        for (auto& h : harnesses)
        {
            changeDuty (*h.model, 0, 0.25 + 0.01 * (n % 5));
            changeAttack (*h.model, 0, 0.1f * static_cast<float> (n % 7));
            h.model->applyPendingRebuilds();
        }
    done = true;
    first.join();
    second.join();
}
