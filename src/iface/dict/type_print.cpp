#include "iface/dict/type_print.h"

#include <string>
#include <vector>

namespace iface {

namespace {

void trim_right(std::string& text) {
  while (!text.empty() && text.back() == ' ') text.pop_back();
}

// The name of a type as it is written, with its namespace or class in front ("N::T").
std::string scoped_name(const TypeDescriptor* type, const char* name) {
  std::string text;
  const ScopeInfo* outer = type->scoped ? scope_info(type->scope) : nullptr;
  // Script scopes carry no C name and qualify nothing.
  if (outer != nullptr && type_name(type->scope) != nullptr && !outer->qualified_name.empty()) {
    text = outer->qualified_name;
    text += "::";
  }
  text += name;
  return text;
}

std::string member_statement(const Member& member) {
  std::string text = joined_declaration(
      print_declaration(member.type, member.name != nullptr ? member.name : "", PrintMode::AsDeclared));
  if (member.bit_width >= 0) text += " : " + std::to_string(member.bit_width);
  return text + ";";
}

std::string compound_text(const TypeDescriptor* type, const CompoundData& compound) {
  std::string text = type->kind == TypeKind::Union ? "union" : compound.is_struct ? "struct" : "class";
  if (compound.name != nullptr) return text + " " + scoped_name(type, compound.name);
  text += " {";
  for (const Member& member : compound.members) text += " " + member_statement(member);
  return text + " }";
}

std::string enumeration_text(const TypeDescriptor* type, const EnumData& enumeration) {
  if (enumeration.name != nullptr) return "enum " + scoped_name(type, enumeration.name);
  std::string text = "enum {";
  const char* separator = " ";
  for (const Enumerator& enumerator : enumeration.enumerators) {
    text += separator;
    text += enumerator.name != nullptr ? enumerator.name : "";
    text += " = " + std::to_string(enumerator.value);
    separator = ", ";
  }
  return text + " }";
}

std::string instance_text(const InstanceData& instance) {
  const TypeDescriptor* pattern = instance.template_type;
  std::string text = pattern != nullptr && type_name(pattern) != nullptr ? scoped_name(pattern, type_name(pattern)) : "";
  text += "<";
  for (std::size_t i = 0; i < instance.arguments.size(); ++i) {
    if (i > 0) text += ", ";
    text += instance.arguments[i].text;
  }
  if (text.back() == '>') text += ' ';
  return text + ">";
}

// The text of a type that is printed by name (no declarator of its own).
std::string named_type_text(const TypeDescriptor* type) {
  if (type == nullptr) return "int";
  switch (type->kind) {
    case TypeKind::Integer:
    case TypeKind::Floating: return base_data(type)->name;
    case TypeKind::Void: return "void";
    case TypeKind::Ellipsis: return "...";
    case TypeKind::Typedef: return scoped_name(type, typedef_data(type)->name);
    case TypeKind::Struct:
    case TypeKind::Union: return compound_text(type, *compound_data(type));
    case TypeKind::Enumeration: return enumeration_text(type, *enum_data(type));
    case TypeKind::TemplateInstance: return instance_text(*instance_data(type));
    case TypeKind::ClassTemplate:
    case TypeKind::Namespace: {
      const char* name = type_name(type);
      return name != nullptr ? scoped_name(type, name) : "";
    }
    case TypeKind::Pointer:
    case TypeKind::Array:
    case TypeKind::Function:
    case TypeKind::Qualified:
    case TypeKind::Reference: break;
  }
  return "int";
}

// Qualifiers in front of `*type`, removed from it: "const volatile ".
std::string take_qualifiers(const TypeDescriptor** type) {
  std::string qualifiers;
  while (const QualifiedData* qualified = qualified_data(*type)) {
    qualifiers += qualified->qualifier + " ";
    *type = qualified->target;
  }
  return qualifiers;
}

// Whether a declarator wrapped by this pointer target needs parentheses: "(*p)[3]", "(*f)(int)".
bool binds_tighter(const TypeDescriptor* target) {
  take_qualifiers(&target);
  return target != nullptr && (target->kind == TypeKind::Array || target->kind == TypeKind::Function);
}

std::string parameter_list(const FunctionData& function) {
  std::string text = "(";
  for (std::size_t i = 0; i < function.parameters.size(); ++i) {
    if (i > 0) text += ", ";
    const Parameter& parameter = function.parameters[i];
    text += joined_declaration(print_declaration(parameter.type, parameter.name != nullptr ? parameter.name : "",
                                                 PrintMode::AsDeclared));
  }
  return text + ")";
}

// The declarator of `type` around `inner`; `base_qualifiers` are written before the base type.
// The chain of pointers, arrays and functions is walked in a loop, as deep as it is: what goes
// left of the name is collected in reverse and what goes right of it in order, so that each
// level costs its own text only.
void build_declarator(const TypeDescriptor* type, std::string inner, std::string base_qualifiers,
                      DeclarationParts& parts) {
  std::vector<std::string> left;  // innermost first
  std::string right;
  bool empty = inner.empty();
  for (;;) {
    std::string qualifiers = take_qualifiers(&type);
    if (type == nullptr || (type->kind != TypeKind::Pointer && type->kind != TypeKind::Reference &&
                            type->kind != TypeKind::Array && type->kind != TypeKind::Function)) {
      parts.type_text = base_qualifiers + qualifiers + named_type_text(type) + " ";
      break;
    }
    if (type->kind == TypeKind::Pointer || type->kind == TypeKind::Reference) {
      const TypeDescriptor* target =
          type->kind == TypeKind::Pointer ? pointer_data(type)->pointee : reference_data(type)->referenced;
      std::string wrapped = type->kind == TypeKind::Pointer ? "*" : "&";
      wrapped += qualifiers;
      if (!qualifiers.empty() && empty) trim_right(wrapped);
      left.push_back(std::move(wrapped));
      empty = false;
      if (binds_tighter(target)) {
        left.emplace_back("(");
        right += ")";
      }
      type = target;
    } else if (type->kind == TypeKind::Array) {
      const ArrayData* array = array_data(type);
      right += "[" + array->bound_text + "]";
      empty = false;
      base_qualifiers += qualifiers;
      type = array->element;
    } else {
      const FunctionData* function = function_data(type);
      right += parameter_list(*function);
      empty = false;
      type = function->result;
    }
  }
  std::string text;
  for (auto piece = left.rbegin(); piece != left.rend(); ++piece) text += *piece;
  text += inner;
  text += right;
  parts.declarator_text = std::move(text);
}

// Whether the arrays that apply to a name have to stay inside the declarator: the element is
// reached through a pointer or reference whose target is an array or function ("(*a[2])(int)").
bool arrays_stay_inside(const TypeDescriptor* element) {
  bool through_pointer = false;
  for (;;) {
    take_qualifiers(&element);
    if (element == nullptr) return false;
    if (element->kind == TypeKind::Pointer) {
      element = pointer_data(element)->pointee;
    } else if (element->kind == TypeKind::Reference) {
      element = reference_data(element)->referenced;
    } else {
      return through_pointer && (element->kind == TypeKind::Array || element->kind == TypeKind::Function);
    }
    through_pointer = true;
  }
}

bool is_character_pointer(const TypeDescriptor* type) {
  const PointerData* pointer = pointer_data(strip_typedefs_and_qualifiers(type));
  return pointer != nullptr && is_character_type(strip_typedefs_and_qualifiers(pointer->pointee));
}

}  // namespace

DeclarationParts print_declaration(const TypeDescriptor* type, std::string_view name, PrintMode mode) {
  DeclarationParts parts;
  if (mode == PrintMode::CharacterPointerAsBuffer && is_character_pointer(type)) {
    parts.type_text = "char ";
    parts.declarator_text.assign(name);
    parts.array_text = "[" + std::to_string(kCharacterBufferSize) + "]";
    return parts;
  }
  std::string arrays;
  const TypeDescriptor* element = type;
  while (const ArrayData* array = array_data(element)) {
    arrays += "[" + array->bound_text + "]";
    element = array->element;
  }
  if (arrays.empty() || arrays_stay_inside(element)) {
    build_declarator(type, std::string(name), "", parts);
    return parts;
  }
  build_declarator(element, std::string(name), "", parts);
  parts.array_text = std::move(arrays);
  return parts;
}

std::string joined_declaration(const DeclarationParts& parts) {
  std::string text = parts.type_text + parts.declarator_text + parts.array_text;
  trim_right(text);
  return text;
}

std::string declaration_statement(const TypeDescriptor* type, std::string_view name, PrintMode mode) {
  return joined_declaration(print_declaration(type, name, mode)) + ";";
}

std::string type_text(const TypeDescriptor* type) {
  return joined_declaration(print_declaration(type, "", PrintMode::AsDeclared));
}

}  // namespace iface
