#include "iface/dict/dictionary_declare.h"

#include <utility>

#include "diag/report.h"
#include "iface/dict/dictionary_lookup.h"

namespace iface {

namespace {

enum class NameCategory { Function, Typedef, Object };

NameCategory category_of(const Declaration& declaration) {
  const TypedefData* alias = typedef_data(declaration.type);
  if (alias != nullptr && alias->name == declaration.name) return NameCategory::Typedef;
  if (strip_typedefs(declaration.type) != nullptr && strip_typedefs(declaration.type)->kind == TypeKind::Function) {
    return NameCategory::Function;
  }
  return NameCategory::Object;
}

void warn(diag::Code code, const char* name, const SourcePosition& where) {
  diag::report_at(diag::MessageKind::Warning, code, name != nullptr ? name : "", where.file, where.line);
}

bool same_parameters(const FunctionData& a, const FunctionData& b) {
  if (a.parameters.size() != b.parameters.size()) return false;
  for (std::size_t i = 0; i < a.parameters.size(); ++i) {
    if (!types_equivalent(a.parameters[i].type, b.parameters[i].type)) return false;
  }
  return true;
}

bool is_complete_tag(const TypeDescriptor* type) {
  if (const CompoundData* compound = compound_data(type)) return compound->complete;
  if (const EnumData* enumeration = enum_data(type)) return enumeration->complete;
  if (const TemplateData* pattern = template_data(type)) return pattern->pattern != nullptr;
  return false;
}

// The existing descriptor takes the body of `definition`; its own scope record stays.
void adopt_body(TypeDescriptor* existing, TypeDescriptor* definition) {
  if (CompoundData* target = compound_data(existing)) {
    CompoundData& source = std::get<CompoundData>(*definition->data);
    target->members = std::move(source.members);
    target->bases = std::move(source.bases);
    target->is_struct = source.is_struct;
    target->complete = true;
  } else if (EnumData* target_enum = enum_data(existing)) {
    EnumData& source = std::get<EnumData>(*definition->data);
    target_enum->enumerators = std::move(source.enumerators);
    target_enum->complete = true;
  } else if (TemplateData* target_template = template_data(existing)) {
    TemplateData& source = std::get<TemplateData>(*definition->data);
    target_template->parameters = std::move(source.parameters);
    target_template->pattern = source.pattern;
    target_template->is_struct = source.is_struct;
  }
  definition->data = existing->data;
}

// An object declared again: one entry when the types agree (an array without bound takes the
// later bound); false when they conflict.
bool merge_object(SymbolEntry& existing, const Declaration& declaration, unsigned flags) {
  const TypeDescriptor* old_type = existing.declaration.type;
  const TypeDescriptor* new_type = declaration.type;
  bool agree = types_equivalent(old_type, new_type);
  const ArrayData* old_array = array_data(old_type);
  const ArrayData* new_array = array_data(new_type);
  if (!agree && old_array != nullptr && new_array != nullptr &&
      types_equivalent(old_array->element, new_array->element) &&
      (old_array->bound_text.empty() || new_array->bound_text.empty())) {
    agree = true;
    if (old_array->bound_text.empty()) existing.declaration.type = declaration.type;
  }
  if (!agree) return false;
  bool both_extern = (existing.flags & kSymbolExtern) != 0 && (flags & kSymbolExtern) != 0;
  existing.flags |= flags;
  if (!both_extern) existing.flags &= ~static_cast<unsigned>(kSymbolExtern);
  return true;
}

enum class FunctionMerge { Merged, Overload, Conflict };

FunctionMerge merge_function(SymbolEntry& existing, const Declaration& declaration, unsigned flags) {
  const FunctionData* old_function = function_data(strip_typedefs(existing.declaration.type));
  const FunctionData* new_function = function_data(strip_typedefs(declaration.type));
  if (!same_parameters(*old_function, *new_function)) return FunctionMerge::Overload;
  if (!types_equivalent(old_function->result, new_function->result)) return FunctionMerge::Conflict;
  if ((existing.flags & kSymbolDefined) != 0 && (flags & kSymbolDefined) != 0) return FunctionMerge::Conflict;
  // The definition's type carries the parameter names of the body.
  if ((flags & kSymbolDefined) != 0) existing.declaration.type = declaration.type;
  existing.flags |= flags;
  return FunctionMerge::Merged;
}

SymbolEntry* declare_ordinary(Dictionary& dictionary, const Declaration& declaration, unsigned flags,
                              const SourcePosition& where) {
  const std::vector<SymbolEntry*>& same_name =
      entries_in_scope(dictionary, SymbolTable::Ordinary, declaration.name, declaration.scope);
  NameCategory category = category_of(declaration);
  for (SymbolEntry* existing : same_name) {
    if (declaration.name == kReservedVariable) {
      existing->declaration.type = declaration.type;
      existing->declaration.file = declaration.file;
      return existing;
    }
    NameCategory existing_category = category_of(existing->declaration);
    bool conflict = existing_category != category;
    if (!conflict && category == NameCategory::Function) {
      FunctionMerge merge = merge_function(*existing, declaration, flags);
      if (merge == FunctionMerge::Overload) continue;
      if (merge == FunctionMerge::Merged) return existing;
      conflict = true;
    } else if (!conflict && category == NameCategory::Typedef) {
      if (types_equivalent(typedef_data(existing->declaration.type)->target, typedef_data(declaration.type)->target)) {
        return existing;
      }
      conflict = true;
    } else if (!conflict) {
      if (merge_object(*existing, declaration, flags)) return existing;
      conflict = true;
    }
    warn(diag::Code::REDEFSYMB, declaration.name, where);
    break;
  }
  return append_symbol(dictionary, declaration, SymbolTable::Ordinary, flags);
}

SymbolEntry* declare_tag(Dictionary& dictionary, const Declaration& declaration, unsigned flags,
                         const SourcePosition& where) {
  for (SymbolEntry* existing : entries_in_scope(dictionary, SymbolTable::Tags, declaration.name, declaration.scope)) {
    TypeDescriptor* old_type = existing->declaration.type;
    TypeDescriptor* new_type = declaration.type;
    if (old_type == nullptr || new_type == nullptr || old_type->kind != new_type->kind) {
      warn(diag::Code::REDEFSYMB, declaration.name, where);
      break;
    }
    if (old_type == new_type || !is_complete_tag(new_type)) return existing;
    if (!is_complete_tag(old_type)) {
      adopt_body(old_type, new_type);
      existing->flags |= flags | kSymbolDefined;
      return existing;
    }
    bool structure = old_type->kind == TypeKind::Struct || old_type->kind == TypeKind::Union;
    warn(structure ? diag::Code::REDEFSTRU : diag::Code::REDEFSYMB, declaration.name, where);
    break;
  }
  unsigned defined = is_complete_tag(declaration.type) ? static_cast<unsigned>(kSymbolDefined) : 0U;
  return append_symbol(dictionary, declaration, SymbolTable::Tags, flags | defined);
}

SymbolEntry* declare_enumerator(Dictionary& dictionary, const Declaration& declaration, unsigned flags,
                                const SourcePosition& where) {
  if (!entries_in_scope(dictionary, SymbolTable::Enumerators, declaration.name, declaration.scope).empty()) {
    warn(diag::Code::REDEFSYMB, declaration.name, where);
  }
  return append_symbol(dictionary, declaration, SymbolTable::Enumerators, flags);
}

// The tag entry that holds `tag`, or null.
SymbolEntry* entry_of_tag(const Dictionary& dictionary, const TypeDescriptor* tag) {
  const char* name = type_name(tag);
  if (name == nullptr) return nullptr;
  // A tag is declared in its own scope: that group first (a name may be declared in thousands of
  // scopes), then every entry of the name.
  for (SymbolEntry* entry : entries_in_scope(dictionary, SymbolTable::Tags, name, tag->scope)) {
    if (entry->declaration.type == tag) return entry;
  }
  for (SymbolEntry* entry : entries_named(dictionary, SymbolTable::Tags, name)) {
    if (entry->declaration.type == tag) return entry;
  }
  return nullptr;
}

void register_named_compound(Dictionary& dictionary, TypeDescriptor* tag) {
  const ScopeInfo* info = scope_info(tag);
  if (info != nullptr && info->qualified_name.empty() && type_name(tag) != nullptr) register_scope(dictionary, tag);
}

TypeDescriptor* make_tag(Dictionary& dictionary, TypeKind kind, const char* name, bool is_struct,
                         TypeDescriptor* scope) {
  TypeDescriptor* tag = kind == TypeKind::Enumeration ? make_enumeration(dictionary.types, name)
                                                      : make_compound(dictionary.types, kind, name, is_struct);
  set_scope(tag, scope);
  return tag;
}

}  // namespace

SymbolEntry* declare_symbol(Dictionary& dictionary, const Declaration& declaration, SymbolTable table,
                            unsigned flags, const SourcePosition& where) {
  switch (table) {
    case SymbolTable::Ordinary: return declare_ordinary(dictionary, declaration, flags, where);
    case SymbolTable::Tags: return declare_tag(dictionary, declaration, flags, where);
    case SymbolTable::Enumerators: return declare_enumerator(dictionary, declaration, flags, where);
  }
  return nullptr;
}

SymbolEntry* declare_object(Dictionary& dictionary, const char* name, TypeDescriptor* type, TypeDescriptor* scope,
                            const char* file, unsigned flags, const SourcePosition& where) {
  return declare_symbol(dictionary, make_declaration(name, type, scope, file), SymbolTable::Ordinary, flags, where);
}

SymbolEntry* declare_typedef(Dictionary& dictionary, const char* name, TypeDescriptor* target, TypeDescriptor* scope,
                             const char* file, const SourcePosition& where) {
  TypeDescriptor* alias = make_typedef(dictionary.types, name, target);
  set_scope(alias, scope);
  return declare_object(dictionary, name, alias, scope, file, 0, where);
}

TypeDescriptor* begin_tag_definition(Dictionary& dictionary, TypeKind kind, const char* name, bool is_struct,
                                     TypeDescriptor* scope, const char* file, const SourcePosition& where) {
  if (name == nullptr) return make_tag(dictionary, kind, name, is_struct, scope);
  SymbolEntry* same_kind = find_tag_in_scope(dictionary, kind, name, scope);
  if (same_kind != nullptr && !is_complete_tag(same_kind->declaration.type)) {
    TypeDescriptor* tag = same_kind->declaration.type;
    if (CompoundData* compound = compound_data(tag)) compound->is_struct = is_struct;
    register_named_compound(dictionary, tag);
    return tag;
  }
  if (same_kind != nullptr) {
    bool structure = kind == TypeKind::Struct || kind == TypeKind::Union;
    warn(structure ? diag::Code::REDEFSTRU : diag::Code::REDEFSYMB, name, where);
  } else if (find_in_scope(dictionary, SymbolTable::Tags, name, scope) != nullptr) {
    warn(diag::Code::REDEFSYMB, name, where);
  }
  TypeDescriptor* tag = make_tag(dictionary, kind, name, is_struct, scope);
  append_symbol(dictionary, make_declaration(name, tag, scope, file), SymbolTable::Tags, 0);
  register_named_compound(dictionary, tag);
  return tag;
}

void complete_tag(Dictionary& dictionary, TypeDescriptor* tag, const char* file, const SourcePosition& where) {
  if (CompoundData* compound = compound_data(tag)) compound->complete = true;
  if (SymbolEntry* entry = entry_of_tag(dictionary, tag)) entry->flags |= kSymbolDefined;
  EnumData* enumeration = enum_data(tag);
  if (enumeration == nullptr) return;
  enumeration->complete = true;
  for (const Enumerator& enumerator : enumeration->enumerators) {
    if (enumerator.name == nullptr) continue;
    declare_symbol(dictionary, make_declaration(enumerator.name, tag, tag->scope, file), SymbolTable::Enumerators, 0,
                   where);
  }
}

TypeDescriptor* reference_tag(Dictionary& dictionary, TypeKind kind, const char* name, bool is_struct,
                              const LookupContext& context, TypeDescriptor* scope, const char* file,
                              const SourcePosition& where) {
  if (SymbolEntry* visible = lookup_tag(dictionary, kind, name, context)) return visible->declaration.type;
  TypeDescriptor* tag = make_tag(dictionary, kind, name, is_struct, scope);
  return declare_tag(dictionary, make_declaration(name, tag, scope, file), 0, where)->declaration.type;
}

void add_member(TypeDescriptor* compound, const Member& member) { compound_data(compound)->members.push_back(member); }

void add_base(TypeDescriptor* compound, TypeDescriptor* base, std::uint8_t flags) {
  compound_data(compound)->bases.push_back(BaseClass{base, flags});
}

void add_enumerator(TypeDescriptor* enumeration, const char* name, long long value) {
  enum_data(enumeration)->enumerators.push_back(Enumerator{name, value});
}

TypeDescriptor* declare_class_template(Dictionary& dictionary, const char* name, bool is_struct,
                                       std::vector<TemplateParameter> parameters, TypeDescriptor* scope,
                                       const char* file, const SourcePosition& where, TypeDescriptor* pattern) {
  TypeDescriptor* tag = make_class_template(dictionary.types, name, is_struct, std::move(parameters));
  template_data(tag)->pattern = pattern;
  set_scope(tag, scope);
  return declare_tag(dictionary, make_declaration(name, tag, scope, file), 0, where)->declaration.type;
}

TypeDescriptor* instantiate_template(Dictionary& dictionary, TypeDescriptor* template_type,
                                     std::vector<TemplateArgument> arguments, TypeDescriptor* instantiated) {
  TemplateData* pattern = template_data(template_type);
  for (TypeDescriptor* instance : pattern->instances) {
    InstanceData& data = std::get<InstanceData>(*instance->data);
    bool same = data.arguments.size() == arguments.size();
    for (std::size_t i = 0; same && i < arguments.size(); ++i) same = data.arguments[i].text == arguments[i].text;
    if (!same) continue;
    if (data.instantiated == nullptr) data.instantiated = instantiated;
    return instance;
  }
  TypeDescriptor* instance = new_descriptor(dictionary.types, TypeKind::TemplateInstance,
                                            InstanceData{std::move(arguments), template_type, instantiated});
  set_scope(instance, template_type->scope);
  pattern->instances.push_back(instance);
  return instance;
}

// The chain of pointers, arrays, functions and typedefs is followed in a loop; only the
// parameters of a function are compared by a nested call, whose depth the parser bounds.
bool types_equivalent(const TypeDescriptor* a, const TypeDescriptor* b) {
  for (;;) {
    if (a == b) return true;
    if (a == nullptr || b == nullptr || a->kind != b->kind) return false;
    switch (a->kind) {
      case TypeKind::Integer:
      case TypeKind::Floating: {
        const BaseTypeData* x = base_data(a);
        const BaseTypeData* y = base_data(b);
        return x->name == y->name && x->bits == y->bits && x->character == y->character;
      }
      case TypeKind::Void:
      case TypeKind::Ellipsis: return true;
      case TypeKind::Pointer:
        a = pointer_data(a)->pointee;
        b = pointer_data(b)->pointee;
        break;
      case TypeKind::Reference:
        a = reference_data(a)->referenced;
        b = reference_data(b)->referenced;
        break;
      case TypeKind::Qualified:
        if (qualified_data(a)->qualifier != qualified_data(b)->qualifier) return false;
        a = qualified_data(a)->target;
        b = qualified_data(b)->target;
        break;
      case TypeKind::Array:
        if (array_data(a)->bound_text != array_data(b)->bound_text) return false;
        a = array_data(a)->element;
        b = array_data(b)->element;
        break;
      case TypeKind::Function:
        if (!same_parameters(*function_data(a), *function_data(b))) return false;
        a = function_data(a)->result;
        b = function_data(b)->result;
        break;
      case TypeKind::Typedef:
        if (typedef_data(a)->name != typedef_data(b)->name) return false;
        a = typedef_data(a)->target;
        b = typedef_data(b)->target;
        break;
      case TypeKind::Namespace:
      case TypeKind::Enumeration:
      case TypeKind::Union:
      case TypeKind::Struct:
      case TypeKind::ClassTemplate:
      case TypeKind::TemplateInstance: return false;
    }
  }
}

}  // namespace iface
