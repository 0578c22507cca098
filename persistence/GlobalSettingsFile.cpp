#include "persistence/GlobalSettingsFile.h"

#include "persistence/AttributeReader.h"
#include "persistence/DocumentBuilder.h"
#include "persistence/DocumentText.h"

#include <algorithm>
#include <string>

namespace gatevox
{
namespace
{
using Option = GlobalOptions::Option;

[[nodiscard]] std::string attributeOf (int option)
{
    return "global_f_" + std::to_string (option);
}

[[nodiscard]] Option optionOf (int i) noexcept
{
    return static_cast<Option> (i);
}
} // namespace

GlobalSettingsFile::GlobalSettingsFile (GlobalOptions& optionsToKeep, juce::File sharedFolder)
    : options (optionsToKeep), folder (std::move (sharedFolder))
{
}

float GlobalSettingsFile::highestValue (Option option) noexcept
{
    switch (option)
    {
    case GlobalOptions::frequencyEstimation:
        return 3.0f;
    case GlobalOptions::additionalSmoothing:
        return 5.0f;
    case GlobalOptions::emptySequenceDefault:
    case GlobalOptions::defaultRoutingPath:
        return 2.0f;
    case GlobalOptions::effectAutoSelect:
    case GlobalOptions::patternFollowsSongPosition:
    case GlobalOptions::optionCount:
        break;
    }
    return 1.0f;
}

void GlobalSettingsFile::applyFileDefaults()
{
    options.change (GlobalOptions::patternFollowsSongPosition, 1.0f);
    options.change (GlobalOptions::additionalSmoothing, 0.0f);
    options.change (GlobalOptions::frequencyEstimation, 1.0f);
}

void GlobalSettingsFile::load()
{
    const auto settings = file();
    if (!settings.existsAsFile())
        return;

    const auto document = parseDocumentFile (settings);
    applyFileDefaults();

    if (document == nullptr || !document->getTagName().equalsIgnoreCase (tag))
    {
        save();
        return;
    }

    // An absent or unreadable value keeps the option's current value; a
    // value outside the option's range is brought into it.
    const AttributeReader in (*document);
    for (int i = 0; i < static_cast<int> (GlobalOptions::optionCount); ++i)
    {
        const auto option = optionOf (i);
        const float value = in.floatNumber (attributeOf (i), options.readFloat (option));
        options.change (option, std::clamp (value, 0.0f, highestValue (option)));
    }
}

bool GlobalSettingsFile::save()
{
    if (savesRunning.fetch_add (1) > 0)
    {
        savesRunning.fetch_sub (1);
        return false;
    }

    juce::XmlElement element (tag);
    DocumentBuilder out (element);
    for (int i = 0; i < static_cast<int> (GlobalOptions::optionCount); ++i)
        out.number (attributeOf (i), options.readFloat (optionOf (i)));

    const bool written = writeDocumentFile (element, file());
    savesRunning.fetch_sub (1);
    return written;
}

bool GlobalSettingsFile::change (Option option, float value)
{
    if (!options.change (option, value))
        return false;

    save();
    return true;
}

} // namespace gatevox
