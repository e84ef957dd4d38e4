#include "iface/query/anc_expression_type.h"

#include <string>
#include <vector>

#include "base/intern.h"
#include "diag/report.h"
#include "iface/query/anc_session.h"
#include "iface/query/anc_types.h"
#include "iface/cparse/c_declarations.h"
#include "iface/cparse/c_type_from_text.h"
#include "iface/dict/dictionary_lookup.h"
#include "iface/dict/type_members.h"
#include "iface/dict/type_operators.h"

namespace iface {

namespace {

struct Typer {
  Dictionary& dictionary;
  TypeDescriptor* scope;
  bool failed = false;
};

const TypeDescriptor* fail(Typer& t, const ExprNode* node, diag::Code code, std::string_view argument) {
  if (!t.failed)
    diag::report_at(diag::MessageKind::Warning, code, argument, node->file != nullptr ? node->file : "", node->line);
  t.failed = true;
  return nullptr;
}

const TypeDescriptor* object(const TypeDescriptor* type) { return strip_to_object_type(type); }

bool is_numeric(const TypeDescriptor* type) {
  int c = type_class_of(type);
  return c >= kClassEnum && c <= kClassDouble;
}

bool is_integer(const TypeDescriptor* type) {
  int c = type_class_of(type);
  return c >= kClassEnum && c <= kClassLong;
}

bool is_scalar(const TypeDescriptor* type) { return is_numeric(type) || type_class_of(type) == kClassCharPointer ||
                                                    type_class_of(type) == kClassPointer; }

TypeDescriptor* builtin(Typer& t, std::string_view name) { return builtin_type(t.dictionary.base, name); }

// The result type of the operator member `op` of a class, or null.
const TypeDescriptor* operator_result(Typer& t, const TypeDescriptor* type, std::string_view op) {
  const TypeDescriptor* c = object(type);
  if (c == nullptr || c->kind != TypeKind::Struct) return nullptr;
  const Member* member = find_member(c, base::intern(operator_function_name(op)));
  const FunctionData* function = member != nullptr ? function_data(strip_typedefs(member->type)) : nullptr;
  return function != nullptr ? (function->result != nullptr ? function->result : builtin(t, "void")) : nullptr;
}

const TypeDescriptor* type_of(Typer& t, ExprNode* node);

// "this" stands for a pointer to the class whose scope the expression is typed in; outside a
// class it is an unknown identifier.
const TypeDescriptor* this_type(Typer& t, ExprNode* node) {
  if (t.scope == nullptr || t.scope->kind != TypeKind::Struct) return fail(t, node, diag::Code::IDENTIINC, "this");
  return make_pointer(t.dictionary.types, t.scope);
}

// The items of a list must all have one type: the first typed item sets it, an item of another
// type gives "TYPESDIFF" with the list text. Empty, designated and range items have no type of
// their own and are left out. The list itself gets no type.
const TypeDescriptor* list_type(Typer& t, ExprNode* node) {
  const TypeDescriptor* first = nullptr;
  for (ExprNode* item = node->items; item != nullptr; item = item->next) {
    if (item->kind == ExprKind::Empty || item->kind == ExprKind::Designated || item->kind == ExprKind::Range ||
        item->kind == ExprKind::BraceList)
      continue;
    const TypeDescriptor* type = type_of(t, item);
    if (t.failed) return nullptr;
    if (type == nullptr) continue;
    if (first == nullptr) first = type;
    else if (!types_identical(first, type)) return fail(t, node, diag::Code::TYPESDIFF, node->text);
  }
  return nullptr;
}

const TypeDescriptor* name_type(Typer& t, ExprNode* node) {
  std::string_view name = node->name != nullptr ? node->name : "";
  if (name == "true" || name == "false") return builtin(t, "bool");
  if (node->kind == ExprKind::Identifier && name == "this") return this_type(t, node);
  if (node->kind == ExprKind::Identifier && name == "nullptr")
    return make_pointer(t.dictionary.types, builtin(t, "void"));
  SymbolEntry* entry = nullptr;
  if (node->kind == ExprKind::ScopedName) {
    entry = lookup_qualified(t.dictionary, qualified_parts(name));
  } else {
    entry = lookup_value_name(t.dictionary, node->name, scope_context(t.scope));
  }
  if (entry == nullptr) return fail(t, node, diag::Code::IDENTIINC, name);
  return entry->declaration.type != nullptr ? entry->declaration.type : builtin(t, "int");
}

const TypeDescriptor* literal_type(Typer& t, const ExprNode* node) {
  switch (node->constant_type) {
    case ConstantType::Long: case ConstantType::UnsignedLong: return builtin(t, "long");
    case ConstantType::LongLong: case ConstantType::UnsignedLongLong: return builtin(t, "long long");
    case ConstantType::Char: return builtin(t, "char");
    case ConstantType::Float: return builtin(t, "float");
    case ConstantType::Double: case ConstantType::FloatN: return builtin(t, "double");
    case ConstantType::LongDouble:
      return compose_type(t.dictionary.base, t.dictionary.types, "long", builtin(t, "double"), SourcePosition{});
    default: break;
  }
  if (node->literal == TokenKind::StringLiteral) return make_pointer(t.dictionary.types, builtin(t, "char"));
  if (node->literal == TokenKind::FloatingConstant) return builtin(t, "double");
  return builtin(t, "int");
}

const TypeDescriptor* subscript_type(Typer& t, ExprNode* node) {
  const TypeDescriptor* base = type_of(t, subscripted(node));
  if (type_of(t, subscript_index(node)) == nullptr && t.failed) return nullptr;
  if (base == nullptr) return nullptr;
  const TypeDescriptor* o = object(base);
  if (const ArrayData* array = array_data(o)) return array->element;
  if (const PointerData* pointer = pointer_data(o)) return pointer->pointee;
  if (const TypeDescriptor* result = operator_result(t, o, "[]")) return result;
  return fail(t, node, diag::Code::NONTABLEA, subscripted(node)->text);
}

// The class that a called name stands for when it names a class type and no object: "T(...)".
const TypeDescriptor* called_class(Typer& t, const ExprNode* called) {
  if (called->kind != ExprKind::Identifier && called->kind != ExprKind::ScopedName) return nullptr;
  SymbolEntry* entry = nullptr;
  if (called->kind == ExprKind::ScopedName) {
    if (lookup_qualified(t.dictionary, qualified_parts(called->name)) != nullptr) return nullptr;
    entry = lookup_qualified_type(t.dictionary, qualified_parts(called->name));
  } else {
    if (lookup_value_name(t.dictionary, called->name, scope_context(t.scope)) != nullptr) return nullptr;
    entry = lookup_type_name(t.dictionary, called->name, scope_context(t.scope));
  }
  const TypeDescriptor* type = entry != nullptr ? entry->declaration.type : nullptr;
  const TypeDescriptor* c = object(type);
  return c != nullptr && c->kind == TypeKind::Struct ? type : nullptr;
}

// A constructor call "T(arguments)" gives the class; it needs a constructor that the class
// declares (a member function named as the class), else "CONSTRINC" with the class name. A call
// without arguments of a class that declares no constructor at all uses the implicit default
// constructor and is accepted.
const TypeDescriptor* constructor_type(Typer& t, ExprNode* node, const TypeDescriptor* type) {
  for (ExprNode* argument = node->items; argument != nullptr; argument = argument->next) type_of(t, argument);
  if (t.failed) return nullptr;
  const TypeDescriptor* c = object(type);
  const char* name = type_name(c);
  if (name != nullptr && find_member(c, name) != nullptr) return type;
  if (node->items == nullptr) return type;
  return fail(t, node, diag::Code::CONSTRINC, name != nullptr ? name : callee(node)->text);
}

const TypeDescriptor* call_type(Typer& t, ExprNode* node) {
  if (const TypeDescriptor* type = called_class(t, callee(node))) return constructor_type(t, node, type);
  const TypeDescriptor* callee_type = type_of(t, callee(node));
  for (ExprNode* argument = node->items; argument != nullptr; argument = argument->next) type_of(t, argument);
  if (callee_type == nullptr || t.failed) return nullptr;
  const TypeDescriptor* o = object(callee_type);
  if (const PointerData* pointer = pointer_data(o)) o = object(pointer->pointee);
  if (const FunctionData* function = function_data(o))
    return function->result != nullptr ? function->result : builtin(t, "void");
  if (const TypeDescriptor* result = operator_result(t, o, "()")) return result;
  return fail(t, node, diag::Code::NONFONCTI, callee(node)->text);
}

const TypeDescriptor* member_type(Typer& t, ExprNode* node) {
  ExprNode* object_node = member_object(node);
  const TypeDescriptor* base = type_of(t, object_node);
  if (base == nullptr) return nullptr;
  const TypeDescriptor* record = object(base);
  if (node->op == TokenKind::Arrow) {
    if (const TypeDescriptor* through = operator_result(t, record, "->")) {
      record = object(through);
    }
    const PointerData* pointer = pointer_data(record);
    if (pointer == nullptr) return fail(t, node, diag::Code::NOPOSTRUC, object_node->text);
    record = object(pointer->pointee);
    if (compound_data(record) == nullptr) return fail(t, node, diag::Code::POINSTRUC, object_node->text);
  } else if (compound_data(record) == nullptr) {
    return fail(t, node, diag::Code::INVCHASTR, object_node->text);
  }
  const Member* member = find_member(record, node->name);
  if (member == nullptr) return fail(t, node, diag::Code::CHAMPINCO, node->name != nullptr ? node->name : "");
  return member->type != nullptr ? member->type : builtin(t, "int");
}

// "object.*member" and "pointer->*member". The dictionary records a pointer to member as a plain
// pointer to the member's type, so the result is what the right operand points to. The left
// operand is checked as for "." and "->" (with their messages); a right operand that is no
// pointer gives "NONPOINTE".
const TypeDescriptor* member_pointer_type(Typer& t, ExprNode* node) {
  const TypeDescriptor* left = type_of(t, left_operand(node));
  const TypeDescriptor* right = type_of(t, right_operand(node));
  if (left == nullptr || right == nullptr) return nullptr;
  const TypeDescriptor* record = object(left);
  std::string_view left_text = left_operand(node)->text;
  if (node->op == TokenKind::ArrowStar) {
    const PointerData* pointer = pointer_data(record);
    if (pointer == nullptr) return fail(t, node, diag::Code::NOPOSTRUC, left_text);
    if (compound_data(object(pointer->pointee)) == nullptr) return fail(t, node, diag::Code::POINSTRUC, left_text);
  } else if (compound_data(record) == nullptr) {
    return fail(t, node, diag::Code::INVCHASTR, left_text);
  }
  const PointerData* member = pointer_data(object(right));
  if (member == nullptr) return fail(t, node, diag::Code::NONPOINTE, right_operand(node)->text);
  return member->pointee;
}

const TypeDescriptor* unary_type(Typer& t, ExprNode* node) {
  const TypeDescriptor* operand_type = type_of(t, operand(node));
  if (node->op == TokenKind::KwSizeof || node->op == TokenKind::KwAlignof) return builtin(t, "long");
  if (operand_type == nullptr) return nullptr;
  switch (node->op) {
    case TokenKind::Minus:
    case TokenKind::Plus:
      if (is_numeric(operand_type)) return operand_type;
      return fail(t, node, diag::Code::OPERARITH, node->op == TokenKind::Minus ? " \"-\" " : " \"+\" ");
    case TokenKind::Bang:
      return is_scalar(operand_type) ? builtin(t, "int") : fail(t, node, diag::Code::OPERSCALA, "\"!\"");
    case TokenKind::Tilde:
      return is_integer(operand_type) ? operand_type : fail(t, node, diag::Code::OPERENTIE, "\"~\"");
    case TokenKind::Amp:
      return make_pointer(t.dictionary.types, const_cast<TypeDescriptor*>(operand_type));
    default:
      return operand_type;
  }
}

bool is_comparison_or_logical(TokenKind op) {
  switch (op) {
    case TokenKind::Less: case TokenKind::Greater: case TokenKind::LessEqual: case TokenKind::GreaterEqual:
    case TokenKind::Equal: case TokenKind::NotEqual: case TokenKind::AndAnd: case TokenKind::OrOr:
      return true;
    default:
      return false;
  }
}

const TypeDescriptor* binary_type(Typer& t, ExprNode* node) {
  const TypeDescriptor* left = type_of(t, left_operand(node));
  const TypeDescriptor* right = type_of(t, right_operand(node));
  if (left == nullptr || right == nullptr) return nullptr;
  if (is_comparison_or_logical(node->op)) return builtin(t, "int");
  if (node->op == TokenKind::ShiftLeft || node->op == TokenKind::ShiftRight) return left;
  int lc = type_class_of(left);
  int rc = type_class_of(right);
  bool lp = lc == kClassPointer || lc == kClassCharPointer || lc == kClassArray || lc == kClassCharArray;
  bool rp = rc == kClassPointer || rc == kClassCharPointer || rc == kClassArray || rc == kClassCharArray;
  if (lp && rp) return builtin(t, "long");  // the difference of two pointers
  if (lp) return left;
  if (rp) return right;
  if (lc == kClassDouble || (lc == kClassFloat && rc != kClassDouble)) return left;
  if (rc == kClassDouble || rc == kClassFloat) return right;
  if (lc == kClassLong) return left;
  if (rc == kClassLong) return right;
  return lc == kClassEnum || lc == kClassChar ? builtin(t, "int") : left;
}

const TypeDescriptor* cast_type(Typer& t, ExprNode* node) {
  if (operand(node) != nullptr) type_of(t, operand(node));
  if (t.failed) return nullptr;
  std::string_view text = node->type_text;
  if (node->kind == ExprKind::Cast && node->op != TokenKind::LeftParen && text.empty()) text = token_kind_spelling(node->op);
  const TypeDescriptor* type =
      type_from_text(the_analyser(), text, t.scope, node->file != nullptr ? node->file : "", node->line);
  if (type == nullptr) t.failed = true;
  return type;
}

const TypeDescriptor* compute(Typer& t, ExprNode* node) {
  switch (node->kind) {
    case ExprKind::Identifier:
    case ExprKind::ScopedName: return name_type(t, node);
    case ExprKind::Literal: return literal_type(t, node);
    case ExprKind::Parenthesised: return type_of(t, operand(node));
    case ExprKind::Subscript: return subscript_type(t, node);
    case ExprKind::Call: return call_type(t, node);
    case ExprKind::Member: return member_type(t, node);
    case ExprKind::Dereference: {
      const TypeDescriptor* operand_type = type_of(t, operand(node));
      if (operand_type == nullptr) return nullptr;
      if (const PointerData* pointer = pointer_data(object(operand_type))) return pointer->pointee;
      if (const ArrayData* array = array_data(object(operand_type))) return array->element;
      return fail(t, node, diag::Code::NONPOINTE, operand(node)->text);
    }
    case ExprKind::Unary: return unary_type(t, node);
    case ExprKind::Postfix: return type_of(t, operand(node));
    case ExprKind::Binary:
      if (node->op == TokenKind::DotStar || node->op == TokenKind::ArrowStar) return member_pointer_type(t, node);
      return binary_type(t, node);
    case ExprKind::Assignment: {
      const TypeDescriptor* target = type_of(t, left_operand(node));
      type_of(t, right_operand(node));
      return t.failed ? nullptr : target;
    }
    case ExprKind::Conditional: {
      type_of(t, condition(node));
      const TypeDescriptor* then_type = type_of(t, then_value(node));
      type_of(t, else_value(node));
      return t.failed ? nullptr : then_type;
    }
    case ExprKind::Comma: {
      type_of(t, left_operand(node));
      const TypeDescriptor* right = type_of(t, right_operand(node));
      return t.failed ? nullptr : right;
    }
    case ExprKind::Cast: return cast_type(t, node);
    case ExprKind::SizeofType: return builtin(t, "long");
    case ExprKind::BraceList: return list_type(t, node);
    default: return nullptr;  // lists, designators, ranges and empty items have no type of their own
  }
}

const TypeDescriptor* type_of(Typer& t, ExprNode* node) {
  if (node == nullptr) return nullptr;
  const TypeDescriptor* type = compute(t, node);
  if (t.failed) type = nullptr;
  node->type = type;
  return type;
}

}  // namespace

const TypeDescriptor* type_expression(ExprNode* node, TypeDescriptor* scope) {
  Typer typer{the_dictionary(), scope};
  return type_of(typer, node);
}

ExprContext query_expression_context(std::string_view scope, std::string_view file, int line) {
  ExprContext context;
  context.scope = scope;
  context.file = file.empty() ? std::string_view() : std::string_view(base::intern(file));
  context.line = line;
  context.sizes = &the_analyser().sizes;
  context.is_type_name = [](const char* name, std::string_view in_scope) {
    std::string_view text(name);
    const Dictionary& dictionary = the_dictionary();
    if (text.find("::") != std::string_view::npos)
      return lookup_qualified_type(dictionary, qualified_parts(text)) != nullptr;
    return lookup_type_name(dictionary, name, scope_context(anc_scope(in_scope))) != nullptr;
  };
  return context;
}

}  // namespace iface
