#pragma once

#include "core/ProcessorModel.h"

#include <juce_core/juce_core.h>

// Applies one model's pending LFO table and envelope rebuilds in the
// background. One thread serves every processor in the process and polls each
// model every few milliseconds: the threads that request rebuilds (the audio
// thread among them) only raise flags and never wake anyone.
class SkiptorRebuildWorker final : private juce::TimeSliceClient
{
public:
    static constexpr int pollMilliseconds = 5;

    explicit SkiptorRebuildWorker (gatevox::ProcessorModel& modelToServe);
    ~SkiptorRebuildWorker() override;

private:
    struct SharedThread final : juce::TimeSliceThread
    {
        SharedThread();
    };

    int useTimeSlice() override;

    gatevox::ProcessorModel& model;
    juce::SharedResourcePointer<SharedThread> thread;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (SkiptorRebuildWorker)
};
