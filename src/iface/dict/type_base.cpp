#include "iface/dict/type_base.h"

#include <cstdlib>
#include <string>

#include "diag/report.h"

namespace iface {

namespace {

TypeDescriptor* make_base(TypeStore& store, TypeKind kind, std::string name, int bits, bool character) {
  return new_descriptor(store, kind, BaseTypeData{std::move(name), bits, character});
}

// The words of a base type's name, sorted into the three slots of a composed name.
struct SpecifierWords {
  int sign = 0;    // -1 "signed", 1 "unsigned", 0 none
  int length = 0;  // -1 "short", 1 "long", 2 "long long", 0 none
  std::string core;  // "int", "char", "double"... (empty when the name has only specifier words)
};

SpecifierWords split_words(std::string_view name) {
  SpecifierWords words;
  std::size_t position = 0;
  while (position < name.size()) {
    std::size_t end = name.find(' ', position);
    if (end == std::string_view::npos) end = name.size();
    std::string_view word = name.substr(position, end - position);
    if (word == "signed") {
      words.sign = -1;
    } else if (word == "unsigned") {
      words.sign = 1;
    } else if (word == "short") {
      words.length = -1;
    } else if (word == "long") {
      words.length += 1;
    } else if (!word.empty()) {
      if (!words.core.empty()) words.core += ' ';
      words.core += word;
    }
    position = end + 1;
  }
  return words;
}

std::string join_words(const SpecifierWords& words) {
  std::string name;
  auto add = [&name](std::string_view word) {
    if (!name.empty()) name += ' ';
    name += word;
  };
  if (words.sign < 0) add("signed");
  if (words.sign > 0) add("unsigned");
  if (words.length < 0) add("short");
  if (words.length > 0) add("long");
  if (words.length > 1) add("long");
  bool drop_int = words.length != 0 && words.core == "int";
  if (!words.core.empty() && !drop_int) add(words.core);
  if (name.empty()) name = "int";
  return name;
}

void report_bad_construction(std::string_view word, const TypeDescriptor* type, const SourcePosition& where) {
  std::string argument(word);
  if (const char* name = type_name(type)) {
    argument += ' ';
    argument += name;
  }
  diag::report_at(diag::MessageKind::Warning, diag::Code::CONSTRUCT, argument, where.file, where.line);
}

// The composition on a base type; null when the words clash.
TypeDescriptor* compose_base(BaseTypes& base, TypeStore& store, std::string_view word, const TypeDescriptor* type) {
  const BaseTypeData* record = base_data(type);
  SpecifierWords words = split_words(record->name);
  if (type->kind == TypeKind::Floating) {
    if (word != "long" || words.core != "double" || words.length != 0) return nullptr;
    return make_base(store, TypeKind::Floating, "long double", 128, false);
  }
  int magnitude = std::abs(record->bits);
  bool character = record->character;
  if (word == "unsigned" || word == "signed") {
    if (words.sign != 0) return nullptr;
    words.sign = word == "unsigned" ? 1 : -1;
  } else if (word == "short") {
    if (words.length != 0) return nullptr;
    words.length = -1;
    magnitude = base.sizes.short_bits;
    character = false;
  } else if (word == "long") {
    if (words.length < 0 || words.length > 1) return nullptr;
    words.length += 1;
    magnitude = words.length == 1 ? base.sizes.long_bits : base.sizes.long_long_bits;
    character = false;
  } else {
    return nullptr;
  }
  if (!character && words.core == "char") words.core = "int";
  int bits = words.sign > 0 ? magnitude : -magnitude;
  return make_base(store, TypeKind::Integer, join_words(words), bits, character);
}

bool copy_typedef_integer(TypeStore& store, TypeDescriptor* alias, int bits) {
  const TypedefData* data = typedef_data(alias);
  if (data == nullptr) return false;
  const TypeDescriptor* target = strip_typedefs(data->target);
  const BaseTypeData* record = base_data(target);
  if (record == nullptr || target->kind != TypeKind::Integer) return false;
  TypeDescriptor* copy = make_base(store, TypeKind::Integer, record->name, bits, record->character);
  std::get<TypedefData>(*alias->data).target = copy;
  return true;
}

}  // namespace

void install_builtin_types(BaseTypes& base, TypeStore& store) {
  const IntegerSizes& sizes = base.sizes;
  BuiltinTypes& builtin = base.builtin;
  builtin.char_type = make_base(store, TypeKind::Integer, "char",
                                sizes.plain_char_unsigned ? sizes.char_bits : -sizes.char_bits, true);
  builtin.short_type = make_base(store, TypeKind::Integer, "short", -sizes.short_bits, false);
  builtin.int_type = make_base(store, TypeKind::Integer, "int", -sizes.int_bits, false);
  builtin.long_type = make_base(store, TypeKind::Integer, "long", -sizes.long_bits, false);
  builtin.long_long_type = make_base(store, TypeKind::Integer, "long long", -sizes.long_long_bits, false);
  builtin.bool_type = make_base(store, TypeKind::Integer, "bool", 8, false);
  builtin.wchar_type = make_base(store, TypeKind::Integer, "wchar_t", -32, false);
  builtin.float_type = make_base(store, TypeKind::Floating, "float", 32, false);
  builtin.double_type = make_base(store, TypeKind::Floating, "double", 64, false);
  builtin.void_type = new_descriptor(store, TypeKind::Void, std::monostate{});
  builtin.ellipsis_type = new_descriptor(store, TypeKind::Ellipsis, std::monostate{});
}

TypeDescriptor* builtin_type(const BaseTypes& base, std::string_view name) {
  const BuiltinTypes& builtin = base.builtin;
  struct Row {
    std::string_view name;
    TypeDescriptor* type;
  };
  const Row rows[] = {
      {"char", builtin.char_type},   {"short", builtin.short_type},         {"int", builtin.int_type},
      {"long", builtin.long_type},   {"long long", builtin.long_long_type}, {"bool", builtin.bool_type},
      {"wchar_t", builtin.wchar_type}, {"float", builtin.float_type},       {"double", builtin.double_type},
      {"void", builtin.void_type},
  };
  for (const Row& row : rows) {
    if (row.name == name) return row.type;
  }
  return nullptr;
}

bool set_builtin_size(BaseTypes& base, std::string_view size_word, int bits) {
  IntegerSizes& sizes = base.sizes;
  BuiltinTypes& builtin = base.builtin;
  if (size_word == "char") {
    sizes.char_bits = bits;
    base_data(builtin.char_type)->bits = sizes.plain_char_unsigned ? bits : -bits;
  } else if (size_word == "short") {
    sizes.short_bits = bits;
    base_data(builtin.short_type)->bits = -bits;
  } else if (size_word == "int") {
    sizes.int_bits = bits;
    base_data(builtin.int_type)->bits = -bits;
  } else if (size_word == "long") {
    sizes.long_bits = bits;
    base_data(builtin.long_type)->bits = -bits;
  } else if (size_word == "longlong") {
    sizes.long_long_bits = bits;
    base_data(builtin.long_long_type)->bits = -bits;
  } else {
    return false;
  }
  return true;
}

void set_plain_char_unsigned(BaseTypes& base, bool is_unsigned) {
  base.sizes.plain_char_unsigned = is_unsigned;
  base_data(base.builtin.char_type)->bits = is_unsigned ? base.sizes.char_bits : -base.sizes.char_bits;
}

bool set_typedef_integer_size(TypeStore& store, TypeDescriptor* alias, int bits) {
  const TypedefData* data = typedef_data(alias);
  const BaseTypeData* record = data != nullptr ? base_data(strip_typedefs(data->target)) : nullptr;
  if (record == nullptr) return false;
  return copy_typedef_integer(store, alias, record->bits > 0 ? bits : -bits);
}

bool set_typedef_integer_sign(TypeStore& store, TypeDescriptor* alias, bool is_unsigned) {
  const TypedefData* data = typedef_data(alias);
  const BaseTypeData* record = data != nullptr ? base_data(strip_typedefs(data->target)) : nullptr;
  if (record == nullptr) return false;
  int magnitude = std::abs(record->bits);
  return copy_typedef_integer(store, alias, is_unsigned ? magnitude : -magnitude);
}

TypeDescriptor* compose_type(BaseTypes& base, TypeStore& store, std::string_view word, TypeDescriptor* type,
                             const SourcePosition& where) {
  if (const PointerData* pointer = pointer_data(type)) {
    TypeDescriptor* pointee = compose_type(base, store, word, pointer->pointee, where);
    return pointee != nullptr ? make_pointer(store, pointee) : nullptr;
  }
  if (const QualifiedData* qualified = qualified_data(type)) {
    TypeDescriptor* target = compose_type(base, store, word, qualified->target, where);
    return target != nullptr ? make_qualified(store, qualified->qualifier, target) : nullptr;
  }
  TypeDescriptor* composed = base_data(type) != nullptr ? compose_base(base, store, word, type) : nullptr;
  if (composed == nullptr) report_bad_construction(word, type, where);
  return composed;
}

}  // namespace iface
