#pragma once
// SHA-256 of a byte string, as lowercase hex. The program folder's list of delivered files
// records each file by this sum, so a file the user changed is told from the delivered copy.

#include <string>
#include <string_view>

namespace gx {

std::string Sha256Hex(std::string_view bytes);

}  // namespace gx
