#include "cli/FillShortfallText.h"

namespace gx::cli {

std::string FillShortfallText(const FillShortfall& why) {
  const std::string length = std::to_string(why.length);
  switch (why.cause) {
    case FillShortfall::Cause::NoWordsOfLength: return "the dictionary has no words of length " + length;
    case FillShortfall::Cause::TooFewWordsOfLength:
      return "the grid has " + std::to_string(why.needed) + " slots of length " + length + " and the dictionary only " +
             std::to_string(why.words) + (why.words == 1 ? " different word" : " different words") + " of that length";
    case FillShortfall::Cause::AttemptsUsedUp:
      return "all " + std::to_string(why.attempts) + " fill attempts were used";
    case FillShortfall::Cause::None:
    case FillShortfall::Cause::Stopped: break;
  }
  return "the fill was stopped";
}

}  // namespace gx::cli
