// Type from text through the declaration parser: the type name is read as the declaration
// "<type> __quelt_var;" would read it, and the reserved variable records it.
#include "iface/cparse/c_type_from_text.h"

#include "base/intern.h"
#include "iface/cparse/c_declarations_parser.h"
#include "iface/dict/dictionary_declare.h"

namespace iface {

TypeDescriptor* type_from_text(DeclarationAnalyser& analyser, std::string_view text, TypeDescriptor* scope,
                               std::string_view file, int line) {
  decl::Parser p;
  decl::start_parser(p, analyser, text, scope, file, line);
  if (decl::at(p, TokenKind::End)) return nullptr;
  p.end_is_syntax_error = true;
  bool ok = true;
  TypeDescriptor* type = decl::parse_type_id(p, &ok);
  if (!ok) return nullptr;
  if (!decl::at(p, TokenKind::End)) {
    decl::fail(p);
    return nullptr;
  }
  SourcePosition where{base::intern_or_empty(p.default_file), line};
  SymbolEntry* entry =
      declare_object(*analyser.dictionary, base::intern(kReservedVariable), type, scope, p.default_file, 0, where);
  return entry != nullptr ? entry->declaration.type : type;
}

}  // namespace iface
