#pragma once

#include "core/KernelParamStore.h"

#include <juce_core/juce_core.h>

namespace gatevox
{

// Loads a kernel's parameter defaults and ranges from the embedded parameter
// document into one slot's kernel parameter store. Each slot record has its own
// loader, which parses the document on its first load and keeps the tree.
// Runs on the message thread, never on the audio thread.
class KernelDefaultsLoader
{
public:
    // Resets the store, then writes "Value", "Max" and "Min" of every parameter
    // in the kernel's entry. A kernel without an entry leaves the store reset.
    void load (KernelParamStore& store, const juce::String& kernelName);

    [[nodiscard]] int parseCount() const noexcept { return parses; }

private:
    juce::var document;
    int parses = 0;
};

} // namespace gatevox
