#pragma once
// A host for window tests: answers nothing and remembers every message box it was asked to show.

#include <string>
#include <string_view>
#include <vector>

#include "base/Host.h"

namespace gx::test {

class BoxRecordingHost : public NullHost {
 public:
  void ShowInformation(std::string_view text) override { information.emplace_back(text); }
  void ShowError(std::string_view text) override { errors.emplace_back(text); }
  std::vector<std::string> information;
  std::vector<std::string> errors;
};

}  // namespace gx::test
