#include "persistence/GlobalSettingsFile.h"

#include "persistence/AttributeReader.h"
#include "persistence/DocumentBuilder.h"
#include "persistence/DocumentText.h"

#include <string>
#include <utility>

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

    // An absent or unreadable value keeps the option's current value. Every
    // finite value is kept as it stands: the readers only compare the options
    // (smoothing modes other than 2-6 run the three-point mean, and only 1
    // turns a toggle on or picks "Bypass"), so none can index or divide.
    const AttributeReader in (*document);
    for (int i = 0; i < static_cast<int> (GlobalOptions::optionCount); ++i)
    {
        const auto option = optionOf (i);
        options.change (option, in.floatNumber (attributeOf (i), options.readFloat (option)));
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
