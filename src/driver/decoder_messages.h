// The decoder's own messages (translation context "CAB") and the usage text.
#pragma once
#include <string>
#include <string_view>

namespace driver {

enum class DecoderMessage {
  ValueTooSmall = 0, ValueTooLarge, LengthTooSmall, LengthTooLarge, TooManyArguments, ListForbiddenArgument,
  UnknownOption, InvalidCharacter, UsedTwice, MandatoryArgument, NoArgument, ListForbiddenOption,
  ArgumentMissing, AmbiguousOption, UnknownValue, AmbiguousValue, IllegalCombination, FileNotFound,
  NoMemory, Title, BadOptionName
};

// The translated message text.
std::string decoder_text(DecoderMessage message);
// The translated word joining two names ("and").
std::string joining_word();
// "<product> Command analysis : <text> <argument>" (no newline).
std::string decoder_line(DecoderMessage message, std::string_view argument);
// The translated usage text without the "[-XT" lines; it starts with a newline.
std::string usage_text();
// Prints the decoder line, the usage text and a newline to stderr.
void print_decoder_message(DecoderMessage message, std::string_view argument);

}  // namespace driver
