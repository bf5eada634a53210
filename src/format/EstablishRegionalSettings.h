#pragma once
// The regional notation that numeric filtering, date completion and the "Vesk Date" format
// rest on, read off the platform's own rendering of known sample values.

#include "control/QueltaThreadData.h"

namespace quelta {

// Determines each regional setting of data that is still undetermined (separator code 0,
// empty numeric characters, any date position 0) from the current thread's region and
// clock; determined settings stay as they are. A date order without a numeric month leaves
// MonthPosition 0, so that part is determined again on the next call. A failing platform
// call (a number group too large for 32 bits) propagates and leaves the remaining settings
// undetermined.
void establishRegionalSettings(QueltaThreadData& data);

}  // namespace quelta
