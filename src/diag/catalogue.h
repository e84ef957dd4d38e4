// The message catalogue: code -> final (translated) text.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace diag {

void catalogue_insert(std::string_view code, std::string text);
// The text of `code`, or null when no table registers it.
const std::string* catalogue_find(std::string_view code);
// Empties the catalogue and clears the per-table registration flags (tests).
void reset_catalogue();

// One row of a message table: translation context, English source text, message code.
struct MessageEntry {
  const char* context;
  const char* source;
  const char* code;
};

// How a table gives its translator comments: "Error code is \"<code>\"" on every row, or the
// base table's rule (only "ENDNOENWR" has a comment).
enum class CommentRule { ErrorCode, BaseTable };

enum class MessageTable { ScriptCompiler = 0, Library = 1, Base = 2, Analyser = 3 };

// Translates and inserts every row in order (a later row replaces an earlier one of the same
// code); a table already registered is left alone.
void register_table(MessageTable table, const MessageEntry* entries, std::size_t count, CommentRule rule);

// Registration of the four tables; each translates its entries through the installed
// translators and registers itself only once.
void register_script_compiler_messages();
void register_library_messages();
void register_base_messages();
void register_analyser_messages();
// The four in their fixed order: script compiler, library, base, analyser.
void register_all_messages();

}  // namespace diag
