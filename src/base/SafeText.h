#pragma once
// Text from outside (file names, keys and words of a file read) as a message may quote it: a
// terminal or a message box shows it as it is and is not steered by it.

#include <string>
#include <string_view>

namespace gx {

// The bytes as valid UTF-8: each byte of a malformed sequence becomes U+FFFD.
std::string ValidUtf8(std::string_view bytes);

// ValidUtf8, with every control character (C0, DEL, C1) and every character that reorders the
// text around it (bidirectional embeddings, overrides and isolates) written as an escape: \n, \t,
// \r, \x1B, \u202E. Applying it twice gives what applying it once does.
std::string SafeText(std::string_view bytes);

}  // namespace gx
