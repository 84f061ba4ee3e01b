// What the number reader takes of a typed text: for the tests and the fuzz target, which compare
// it with a reference reader, and not for the program, which needs only the number.
#pragma once

#include <string>
#include <string_view>

namespace quorvant::detail {

// The prefix (after blanks are dropped) that readNumber converts; empty when no digit was read.
std::string acceptedPrefix(std::string_view text);

} // namespace quorvant::detail
