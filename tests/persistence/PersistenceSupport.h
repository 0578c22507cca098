#pragma once

#include "core/ProcessorModel.h"
#include "engine/RenderLoop.h"
#include "tests/support/TemporaryFolder.h"

#include <juce_core/juce_core.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <utility>
#include <vector>

// A model built with no user wave files, as on a machine without the shared folder.
inline std::unique_ptr<gatevox::ProcessorModel> makeModel()
{
    return std::make_unique<gatevox::ProcessorModel> ([] (int) { return std::string(); });
}

// The lines of a file in tests/fixtures/.
inline std::vector<std::string> fixtureLines (const std::string& name)
{
    const auto path = std::filesystem::path (__FILE__).parent_path().parent_path() / "fixtures" / name;
    std::ifstream in (path);
    std::vector<std::string> lines;
    for (std::string line; std::getline (in, line);)
        lines.push_back (line);
    return lines;
}

using AttributeList = std::vector<std::pair<const char*, const char*>>;

// A document of the tag with the attributes in the order given.
inline juce::XmlElement makeDocument (const char* tag, const AttributeList& attributes)
{
    juce::XmlElement element (tag);
    for (const auto& [name, value] : attributes)
        element.setAttribute (name, value);
    return element;
}

inline std::vector<std::string> attributeNames (const juce::XmlElement& element)
{
    std::vector<std::string> names;
    for (int i = 0; i < element.getNumAttributes(); ++i)
        names.push_back (element.getAttributeName (i).toStdString());
    return names;
}

inline std::string attributeText (const juce::XmlElement& element, const char* name)
{
    return element.getStringAttribute (name).toStdString();
}

// A folder of its own under the system's temporary folder, removed with everything in it.
class TemporaryFolder
{
public:
    TemporaryFolder() : folder (makeTemporaryFolder ("gatevox-persistence-test")) {}

    ~TemporaryFolder() { folder.deleteRecursively(); }

    TemporaryFolder (const TemporaryFolder&) = delete;
    TemporaryFolder& operator= (const TemporaryFolder&) = delete;

    [[nodiscard]] const juce::File& get() const noexcept { return folder; }

private:
    juce::File folder;
};

// Renders a stretch of song from quarter note 1 at 120 beats per minute,
// block by block, and returns the left and right outputs of a fixed input.
inline std::vector<float> renderSong (gatevox::ProcessorModel& model, int blocks, int blockSize = 512)
{
    model.prepareToPlay (48000.0);
    gatevox::RenderLoop loop (model);

    std::vector<float> out;
    std::vector<float> left (static_cast<std::size_t> (blockSize));
    std::vector<float> right (static_cast<std::size_t> (blockSize));
    double ppq = 1.0;
    std::uint32_t noise = 12345;
    for (int b = 0; b < blocks; ++b)
    {
        for (std::size_t i = 0; i < left.size(); ++i)
        {
            noise = noise * 1664525u + 1013904223u;
            left[i] = static_cast<float> (noise >> 8) / 16777216.0f - 0.5f;
            right[i] = 0.5f * left[i];
        }
        loop.process (left.data(), right.data(), blockSize, gatevox::HostPosition{120.0, ppq});
        ppq += blockSize * 120.0 / (60.0 * 48000.0);
        out.insert (out.end(), left.begin(), left.end());
        out.insert (out.end(), right.begin(), right.end());
    }
    return out;
}
