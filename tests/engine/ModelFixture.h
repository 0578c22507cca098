#pragma once

#include "core/ProcessorModel.h"

#include <memory>

// A model built with no user wave files, as on a machine without the shared folder.
inline std::unique_ptr<gatevox::ProcessorModel> makeModel()
{
    return std::make_unique<gatevox::ProcessorModel> ([] (int) { return std::string(); });
}
