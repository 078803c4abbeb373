#pragma once
// The batch tool's words for why a fill left slots empty.

#include <string>

#include "core/BuildLogic.h"

namespace gx::cli {

// "the dictionary has no words of length 7", "the grid has 12 slots of length 3 and the dictionary
// only 2 different words of that length", "all 64 fill attempts were used", "the fill was stopped".
std::string FillShortfallText(const FillShortfall& why);

}  // namespace gx::cli
