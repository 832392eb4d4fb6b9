// hostile_calls.h - device calls with hostile arguments (null, empty and overlong texts, every
// byte value, extreme and non-finite numbers), every choice drawn from a source of numbers: a
// seeded generator in the sanitized emulator test, the fuzzer's input in the fuzz target.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace hostile {

// Where every choice comes from.
void setSource(uint64_t (*source)());

// The texts the calls choose from (and a null pointer besides); defaultTexts() holds the empty,
// short, long, every-byte-value, FS and line-feed texts.
std::vector<std::string>& texts();
std::vector<std::string> defaultTexts();

// One call, or a few related ones, of the kind `which` (0 .. callKinds-1) with drawn arguments.
// False when the module reported an answer as given that is not terminated within its buffer.
constexpr int callKinds = 50;
bool oneCall(int which);

// A valid receipt with a drawn item, so that the deep paths run between the hostile calls.
void validReceipt();

} // namespace hostile
