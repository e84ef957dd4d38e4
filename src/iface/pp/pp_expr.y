/* The #if expression grammar: C's operators of preprocessor conditions in C precedence. */
%define api.pure full
%define api.prefix {ppexpr_}
%define api.value.type {iface::pp::ExprValue}
%parse-param {iface::pp::ExprParser& p}
%lex-param {iface::pp::ExprParser& p}

%code requires {
#include "iface/pp/preprocessor_expr.h"
}

%code provides {
int ppexpr_parse(iface::pp::ExprParser& p);
}

%code {
#include <cstring>
namespace {
using iface::pp::ExprValue;
using iface::pp::ExprParser;

int ppexpr_lex(ExprValue* value, ExprParser& p);
void ppexpr_error(ExprParser& p, const char* text);

std::uintmax_t bits(const ExprValue& v) { return static_cast<std::uintmax_t>(v.v); }
bool truth(const ExprValue& v) { return v.v != 0; }
ExprValue make(std::uintmax_t v, bool u) { return ExprValue{static_cast<std::intmax_t>(v), u}; }
ExprValue flag(bool b) { return ExprValue{b ? 1 : 0, false}; }

ExprValue divide(ExprParser& p, const ExprValue& a, const ExprValue& b, bool remainder) {
  bool u = a.is_unsigned || b.is_unsigned;
  if (b.v == 0) {
    if (p.skip == 0) p.message(diag::Code::DIVISZERO, "");
    return make(0, u);
  }
  if (u) return make(remainder ? bits(a) % bits(b) : bits(a) / bits(b), true);
  if (b.v == -1) return make(remainder ? 0 : 0 - bits(a), false);  // no overflow trap on INTMAX_MIN / -1
  return ExprValue{remainder ? a.v % b.v : a.v / b.v, false};
}

ExprValue shift(const ExprValue& a, const ExprValue& b, bool left) {
  bool right = !left;
  std::intmax_t count = b.v;
  if (!b.is_unsigned && count < 0) {
    right = !right;
    count = count == INTMAX_MIN ? INTMAX_MAX : -count;
  }
  if (!right) {
    if (b.is_unsigned ? bits(b) >= 64 : count >= 64) return make(0, a.is_unsigned);
    return make(bits(a) << count, a.is_unsigned);
  }
  if (b.is_unsigned ? bits(b) >= 64 : count >= 64) return make(a.is_unsigned || a.v >= 0 ? 0 : ~std::uintmax_t{0}, a.is_unsigned);
  if (a.is_unsigned) return make(bits(a) >> count, true);
  return ExprValue{a.v >> count, false};
}

bool less(const ExprValue& a, const ExprValue& b) {
  if (a.is_unsigned || b.is_unsigned) return bits(a) < bits(b);
  return a.v < b.v;
}
}  // namespace
}

%token NUMBER ERRTOK
%token OROR "||" ANDAND "&&" EQ "==" NE "!=" LE "<=" GE ">=" LSH "<<" RSH ">>"

%%

start: expr { p.result = $1; }
     ;

expr: cond
    | expr ',' cond { $$ = $3; }
    ;

cond: lor
    | lor '?' { p.skip += truth($1) ? 0 : 1; } expr ':' { p.skip -= truth($1) ? 0 : 1; p.skip += truth($1) ? 1 : 0; } cond
      { p.skip -= truth($1) ? 1 : 0;
        bool u = $4.is_unsigned || $7.is_unsigned;
        $$ = ExprValue{truth($1) ? $4.v : $7.v, u}; }
    ;

lor: land
   | lor "||" { p.skip += truth($1) ? 1 : 0; } land { p.skip -= truth($1) ? 1 : 0; $$ = flag(truth($1) || truth($4)); }
   ;

land: bor
    | land "&&" { p.skip += truth($1) ? 0 : 1; } bor { p.skip -= truth($1) ? 0 : 1; $$ = flag(truth($1) && truth($4)); }
    ;

bor: bxor
   | bor '|' bxor { $$ = make(bits($1) | bits($3), $1.is_unsigned || $3.is_unsigned); }
   ;

bxor: band
    | bxor '^' band { $$ = make(bits($1) ^ bits($3), $1.is_unsigned || $3.is_unsigned); }
    ;

band: equality
    | band '&' equality { $$ = make(bits($1) & bits($3), $1.is_unsigned || $3.is_unsigned); }
    ;

equality: relation
        | equality "==" relation { $$ = flag(bits($1) == bits($3)); }
        | equality "!=" relation { $$ = flag(bits($1) != bits($3)); }
        ;

relation: shifted
        | relation '<' shifted { $$ = flag(less($1, $3)); }
        | relation '>' shifted { $$ = flag(less($3, $1)); }
        | relation "<=" shifted { $$ = flag(!less($3, $1)); }
        | relation ">=" shifted { $$ = flag(!less($1, $3)); }
        ;

shifted: additive
       | shifted "<<" additive { $$ = shift($1, $3, true); }
       | shifted ">>" additive { $$ = shift($1, $3, false); }
       ;

additive: multiplicative
        | additive '+' multiplicative { $$ = make(bits($1) + bits($3), $1.is_unsigned || $3.is_unsigned); }
        | additive '-' multiplicative { $$ = make(bits($1) - bits($3), $1.is_unsigned || $3.is_unsigned); }
        ;

multiplicative: unary
              | multiplicative '*' unary { $$ = make(bits($1) * bits($3), $1.is_unsigned || $3.is_unsigned); }
              | multiplicative '/' unary { $$ = divide(p, $1, $3, false); }
              | multiplicative '%' unary { $$ = divide(p, $1, $3, true); }
              ;

unary: primary
     | '+' unary { $$ = $2; }
     | '-' unary { $$ = make(0 - bits($2), $2.is_unsigned); }
     | '~' unary { $$ = make(~bits($2), $2.is_unsigned); }
     | '!' unary { $$ = flag(!truth($2)); }
     ;

primary: NUMBER
       | '(' expr ')' { $$ = $2; }
       ;

%%

namespace {

int punct_token(std::string_view t) {
  if (t.size() == 1) {
    static const char singles[] = "+-*/%<>&^|~!?:,()";
    if (std::strchr(singles, t[0]) != nullptr) return static_cast<unsigned char>(t[0]);
    return ERRTOK;
  }
  if (t == "||") return OROR;
  if (t == "&&") return ANDAND;
  if (t == "==") return EQ;
  if (t == "!=") return NE;
  if (t == "<=") return LE;
  if (t == ">=") return GE;
  if (t == "<<") return LSH;
  if (t == ">>") return RSH;
  return ERRTOK;
}

int ppexpr_lex(ExprValue* value, ExprParser& p) {
  using iface::pp::TokKind;
  if (p.next >= p.count) {
    p.last = p.count;
    return 0;
  }
  p.last = p.next;
  const iface::pp::Token& t = p.tokens[p.next++];
  *value = ExprValue{};
  switch (t.kind) {
    case TokKind::Ident:
      return NUMBER;
    case TokKind::Number: {
      int kind = 0;
      *value = iface::pp::number_value(t.view(), &kind);
      if (kind == 0) return NUMBER;
      p.message(diag::Code::EXPERRONE, kind == 1 ? "floating point numbers not allowed in #if expressions"
                                       : "Invalid token in expression");
      return ERRTOK;
    }
    case TokKind::Char: {
      bool ok = true;
      *value = iface::pp::character_value(t, p, &ok);
      return ok ? NUMBER : ERRTOK;
    }
    case TokKind::String:
      p.message(diag::Code::EXPERRONE, "double quoted strings not allowed in #if expressions");
      return ERRTOK;
    case TokKind::Punct: {
      int code = punct_token(t.view());
      if (code == ERRTOK) p.message(diag::Code::EXPERRONE, "Invalid token in expression");
      return code;
    }
    default:
      p.message(diag::Code::EXPERRONE, "Invalid token in expression");
      return ERRTOK;
  }
}

void ppexpr_error(ExprParser& p, const char* text) {
  if (std::strcmp(text, "memory exhausted") == 0) p.overflow = true;
}

}  // namespace
