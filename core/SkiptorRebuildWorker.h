#pragma once

#include "core/ProcessorModel.h"

#include <juce_core/juce_core.h>

#include <functional>

// Applies one model's pending LFO table and envelope rebuilds in the
// background. One thread serves every processor in the process and polls each
// model every few milliseconds: the threads that request rebuilds (the audio
// thread among them) only raise flags and never wake anyone.
class SkiptorRebuildWorker final : private juce::TimeSliceClient
{
public:
    static constexpr int pollMilliseconds = 5;

    // `alsoOnPoll` runs on the worker's thread after each poll of the model.
    SkiptorRebuildWorker (gatevox::ProcessorModel& modelToServe, std::function<void()> alsoOnPoll);
    ~SkiptorRebuildWorker() override;

private:
    struct SharedThread final : juce::TimeSliceThread
    {
        SharedThread();
    };

    int useTimeSlice() override;

    gatevox::ProcessorModel& model;
    const std::function<void()> onPoll;
    juce::SharedResourcePointer<SharedThread> thread;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (SkiptorRebuildWorker)
};
