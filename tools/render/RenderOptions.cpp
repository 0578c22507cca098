#include "tools/render/RenderOptions.h"

#include <cmath>

namespace gatevox::render
{

namespace
{
std::optional<double> positiveNumber (const juce::String& text)
{
    const auto trimmed = text.trim();
    if (trimmed.isEmpty() || !trimmed.containsOnly ("0123456789.eE+-"))
        return std::nullopt;
    const double v = trimmed.getDoubleValue();
    if (!std::isfinite (v) || v <= 0.0)
        return std::nullopt;
    return v;
}
} // namespace

juce::String usage()
{
    return "usage: gatevox-render [options]\n"
           "  -i, --input FILE    WAV or AIFF file to process (default: a built-in demo signal)\n"
           "  -s, --state FILE    host state (binary block or XML) or preset file to load\n"
           "                      (default: a built-in demo pattern)\n"
           "  -o, --output FILE   WAV file to write (default: gatevox-demo.wav)\n"
           "  -t, --tempo BPM     host tempo (default: 120)\n"
           "  -p, --start QN      song position of the first sample, in quarter notes (default: 0)\n"
           "  -r, --rate HZ       sample rate of the demo signal (default: 48000; an input keeps its own)\n"
           "  -l, --length SEC    seconds to render (default: the whole input, or 16 beats of the demo)\n"
           "  -b, --block N       samples per processing block (default: 512)\n"
           "  -h, --help          show this text\n";
}

std::variant<RenderOptions, juce::String> parseOptions (const juce::StringArray& arguments)
{
    RenderOptions options;
    for (int i = 0; i < arguments.size(); ++i)
    {
        const auto& name = arguments[i];
        if (name == "-h" || name == "--help")
        {
            options.showHelp = true;
            continue;
        }

        if (i + 1 >= arguments.size())
            return "option " + name + " needs a value (see --help)";
        const auto value = arguments[++i];
        const auto file = juce::File::getCurrentWorkingDirectory().getChildFile (value);

        if (name == "-i" || name == "--input")
            options.input = file;
        else if (name == "-s" || name == "--state")
            options.state = file;
        else if (name == "-o" || name == "--output")
            options.output = file;
        else if (name == "-t" || name == "--tempo" || name == "-r" || name == "--rate" || name == "-l" ||
                 name == "--length")
        {
            const auto number = positiveNumber (value);
            if (!number)
                return "option " + name + " needs a positive number, not '" + value + "'";
            if (name == "-t" || name == "--tempo")
                options.tempo = *number;
            else if (name == "-r" || name == "--rate")
                options.sampleRate = *number;
            else
                options.seconds = *number;
        }
        else if (name == "-p" || name == "--start")
        {
            const double v = value.getDoubleValue();
            if (!value.trim().containsOnly ("0123456789.eE+-") || !std::isfinite (v) || v < 0.0)
                return "option " + name + " needs a song position of 0 or more, not '" + value + "'";
            options.startPpq = v;
        }
        else if (name == "-b" || name == "--block")
        {
            const int n = value.getIntValue();
            if (!value.trim().containsOnly ("0123456789") || n < 1 || n > 65536)
                return "option " + name + " needs a block size from 1 to 65536, not '" + value + "'";
            options.blockSize = n;
        }
        else
        {
            return "unknown option '" + name + "' (see --help)";
        }
    }
    return options;
}

} // namespace gatevox::render
