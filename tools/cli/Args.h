// Parsing of the command line's numbers, shared by the commands.
#pragma once

namespace halmora::cli {

// A whole decimal number within min..max, nothing else in the text.
bool ParseNumber(const char* text, long min, long max, long& out);

}  // namespace halmora::cli
