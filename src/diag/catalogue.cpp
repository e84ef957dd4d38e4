#include "diag/catalogue.h"

#include <QCoreApplication>
#include <array>
#include <map>

namespace diag {

namespace {

struct Catalogue {
  std::map<std::string, std::string, std::less<>> texts;
  std::array<bool, 4> registered{};
};

Catalogue& catalogue() {
  static Catalogue instance;
  return instance;
}

const char base_table_comment[] =
    "%1 and %2 are empty strings: they must still appear in the translation";

}  // namespace

void catalogue_insert(std::string_view code, std::string text) {
  catalogue().texts.insert_or_assign(std::string(code), std::move(text));
}

const std::string* catalogue_find(std::string_view code) {
  auto& texts = catalogue().texts;
  auto found = texts.find(code);
  return found == texts.end() ? nullptr : &found->second;
}

void reset_catalogue() {
  catalogue().texts.clear();
  catalogue().registered = {};
}

void register_table(MessageTable table, const MessageEntry* entries, std::size_t count, CommentRule rule) {
  bool& done = catalogue().registered[static_cast<std::size_t>(table)];
  if (done) return;
  done = true;
  std::string comment;
  for (std::size_t i = 0; i < count; ++i) {
    const MessageEntry& entry = entries[i];
    const char* disambiguation = nullptr;
    if (rule == CommentRule::ErrorCode) {
      comment = "Error code is \"";
      comment += entry.code;
      comment += '"';
      disambiguation = comment.c_str();
    } else if (std::string_view(entry.code) == "ENDNOENWR") {
      disambiguation = base_table_comment;
    }
    QString text = QCoreApplication::translate(entry.context, entry.source, disambiguation);
    catalogue_insert(entry.code, text.toStdString());
  }
}

void register_all_messages() {
  register_script_compiler_messages();
  register_library_messages();
  register_base_messages();
  register_analyser_messages();
}

}  // namespace diag
