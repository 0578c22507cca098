#pragma once

#include "core/ProcessorModel.h"

namespace gatevox
{

// The one road by which host automation and the editor change the model.
// An index outside 0-196 is ignored. The value is limited to 0-1 and kept in
// the model's parameter table (a value that is not a number is kept as it is
// and acts as 0), then written into the records it controls under their write
// disciplines; LFO tables and envelope segments that depend on it are rebuilt
// inside the call, or only requested when the timing defers them (the audio
// thread's road: it then never rebuilds and never waits on another writer's
// rebuild). The table entries of other parameters whose model values the write
// changed are read back again (see refreshDependentParameterValues). Any thread; several may call at once. Never
// allocates and takes no lock.
void setParameter (ProcessorModel& model, int index, float value, RebuildTiming timing = RebuildTiming::now) noexcept;

} // namespace gatevox
