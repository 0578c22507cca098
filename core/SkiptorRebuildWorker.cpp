#include "core/SkiptorRebuildWorker.h"

SkiptorRebuildWorker::SharedThread::SharedThread() : juce::TimeSliceThread ("Gatevox rebuilds")
{
    startThread();
}

SkiptorRebuildWorker::SkiptorRebuildWorker (gatevox::ProcessorModel& modelToServe, std::function<void()> alsoOnPoll)
    : model (modelToServe), onPoll (std::move (alsoOnPoll))
{
    thread->addTimeSliceClient (this);
}

SkiptorRebuildWorker::~SkiptorRebuildWorker()
{
    // Waits for a rebuild of this model that is running to finish.
    thread->removeTimeSliceClient (this);
}

int SkiptorRebuildWorker::useTimeSlice()
{
    model.applyPendingRebuilds();
    onPoll();
    return pollMilliseconds;
}
