#include "editor/InstalledFeel.h"

#include "editor/SkiptorFeel.h"

namespace gatevox
{

InstalledFeel::InstalledFeel() : feel (new SkiptorFeel())
{
    juce::LookAndFeel::setDefaultLookAndFeel (feel.get());
}

InstalledFeel::~InstalledFeel()
{
    auto* ours = feel.get();
    if (ours == nullptr)
        return;

    if (&juce::LookAndFeel::getDefaultLookAndFeel() == ours)
        juce::LookAndFeel::setDefaultLookAndFeel (nullptr);
    // Nothing may still point at a look-and-feel that is deleted, this
    // reference included.
    feel = nullptr;
    delete ours;
}

} // namespace gatevox
