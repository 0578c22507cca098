#include "persistence/DocumentVocabulary.h"

namespace gatevox::attribute
{
namespace
{
[[nodiscard]] std::string slotControl (int s, std::string_view suffix)
{
    return "controls_" + std::to_string (s) + std::string (suffix);
}
} // namespace

std::string paramVal (int s, int k)
{
    return "param_val_" + std::to_string (s) + "_" + std::to_string (k);
}
std::string minVal (int s, int k)
{
    return "min_val_" + std::to_string (s) + "_" + std::to_string (k);
}
std::string maxVal (int s, int k)
{
    return "max_val_" + std::to_string (s) + "_" + std::to_string (k);
}

std::string stepRow (int layerIndex, int patternIndex)
{
    return "layer" + std::to_string (layerIndex) + "_pattern" + std::to_string (patternIndex);
}

std::string hostParameter (int j)
{
    return "parameter_" + std::to_string (j);
}
std::string envelopeOn (int s)
{
    return "adsrParam_" + std::to_string (s);
}
std::string envelopeDestination (int s)
{
    return "adsrControl_" + std::to_string (s);
}

std::string envelopeKnob (int s, int segment, int knob)
{
    return "adsr" + std::to_string (s) + "Poly" + std::to_string (knob) + "Group" + std::to_string (segment);
}

std::string kernelName (int s)
{
    return slotControl (s, "_effect_str");
}
std::string lfoPosition (int s)
{
    return slotControl (s, "_position");
}
std::string lfoNextPosition (int s)
{
    return slotControl (s, "_next_pos");
}
std::string slotFloat (int s, int m)
{
    return slotControl (s, "_f_" + std::to_string (m));
}
std::string slotInt (int s, int m)
{
    return slotControl (s, "_i_" + std::to_string (m));
}

} // namespace gatevox::attribute
