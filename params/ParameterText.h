#pragma once

#include "core/ProcessorModel.h"

#include <string>

namespace gatevox
{

// The value the host reads back: the table entry when it lies in 0-1, else 0
// (a value that is not a number reads as 0). An index outside 0-196 reads 0.
[[nodiscard]] float parameterValue (const ProcessorModel& model, int index) noexcept;

// The value as C's "%.9g" writes it in the C locale, whatever the process
// locale: "0", "0.5", "1", "0.333333343".
[[nodiscard]] std::string formatParameterValue (float value);

// The text of the value of the index, which is first limited to 0-196.
[[nodiscard]] std::string parameterText (const ProcessorModel& model, int index);

} // namespace gatevox
