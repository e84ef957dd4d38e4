// The analyser's expression parser: C/C++ expressions, the script's value notation, casts that
// depend on the dictionary's type names, syntax errors and the nesting limit.
#include <gtest/gtest.h>

#include <string>

#include "base/intern.h"
#include "diag/catalogue.h"
#include "diag/report.h"
#include "iface/cparse/c_expression.h"

namespace {

class CExpression : public testing::Test {
 protected:
  void SetUp() override {
    diag::reset_reporting();
    diag::reset_catalogue();
    diag::catalogue_insert("SYNTAXERR", "%1Syntax error: %2");
    context_.file = "s.pts";
    context_.line = 7;
    context_.sizes = &sizes_;
    context_.scope = "ns";
    context_.is_type_name = [this](const char* name, std::string_view scope) {
      asked_scope_ = std::string(scope);
      return name == base::intern("T") || name == base::intern("ns::U");
    };
  }
  void TearDown() override { diag::reset_reporting(); }

  std::string expr(std::string_view text) {
    tree_ = iface::parse_expression(text, context_);
    return tree_ ? iface::expression_outline(tree_->root) : "null";
  }
  std::string value(std::string_view text) {
    tree_ = iface::parse_value(text, context_);
    return tree_ ? iface::expression_outline(tree_->root) : "null";
  }
  // What parsing prints (the outline is kept in last_).
  std::string messages_of_expr(std::string_view text) {
    testing::internal::CaptureStderr();
    last_ = expr(text);
    return testing::internal::GetCapturedStderr();
  }
  std::string messages_of_value(std::string_view text) {
    testing::internal::CaptureStderr();
    last_ = value(text);
    return testing::internal::GetCapturedStderr();
  }

  iface::SizeSettings sizes_;
  iface::ExprContext context_;
  std::unique_ptr<iface::ExprTree> tree_;
  std::string asked_scope_;
  std::string last_;
};

TEST_F(CExpression, EmptyTextGivesNoTreeAndNoMessage) {
  EXPECT_EQ(messages_of_expr(""), "");
  EXPECT_EQ(last_, "null");
  EXPECT_EQ(messages_of_expr("  \n\t "), "");
  EXPECT_EQ(last_, "null");
  EXPECT_EQ(messages_of_value(""), "");
  EXPECT_EQ(last_, "null");
}

TEST_F(CExpression, OperatorsBindAsInC) {
  EXPECT_EQ(expr("a + b * c - d"), "(binary - (binary + (id a) (binary * (id b) (id c))) (id d))");
  EXPECT_EQ(expr("a || b && c | d ^ e & f == g < h << i"),
            "(binary || (id a) (binary && (id b) (binary | (id c) (binary ^ (id d) (binary & (id e) (binary == (id f) "
            "(binary < (id g) (binary << (id h) (id i)))))))))");
  EXPECT_EQ(expr("a = b += c"), "(assign = (id a) (assign += (id b) (id c)))");
  EXPECT_EQ(expr("a ? b : c ? d : e"), "(cond (id a) (id b) (cond (id c) (id d) (id e)))");
  EXPECT_EQ(expr("a ? b : c = d"), "(cond (id a) (id b) (assign = (id c) (id d)))");
  EXPECT_EQ(expr("a, b, c"), "(comma (comma (id a) (id b)) (id c))");
  EXPECT_EQ(expr("-x * !y"), "(binary * (unary - (id x)) (unary ! (id y)))");
  EXPECT_EQ(expr("*p++"), "(deref (postfix ++ (id p)))");
  EXPECT_EQ(expr("~&v + ++i"), "(binary + (unary ~ (unary & (id v))) (unary ++ (id i)))");
  EXPECT_EQ(expr("o.*pm + q->*pm"), "(binary + (binary .* (id o) (id pm)) (binary ->* (id q) (id pm)))");
}

TEST_F(CExpression, PostfixChainsAndNames) {
  EXPECT_EQ(expr("s.f[2]->g(1, x)(y)"),
            "(call (call (member ->g (index (member .f (id s)) (lit 2))) (lit 1) (id x)) (id y))");
  EXPECT_EQ(expr("f()"), "(call (id f))");
  EXPECT_EQ(expr("a::b::c + ::g"), "(binary + (scoped a::b::c) (scoped ::g))");
  EXPECT_EQ(expr("ns :: f(1)"), "(call (scoped ns::f) (lit 1))");
  EXPECT_EQ(expr("true && false || this->x"), "(binary || (binary && (id true) (id false)) (member ->x (id this)))");
  ASSERT_TRUE(tree_);
  EXPECT_EQ(iface::left_operand(iface::left_operand(tree_->root))->name, base::intern("true"));
  // Arguments are linked in order and counted.
  expr("f(a, b = 2, c)");
  ASSERT_TRUE(tree_);
  EXPECT_EQ(tree_->root->item_count, 3);
  EXPECT_EQ(tree_->root->items->next->text, "b = 2");
  EXPECT_EQ(tree_->root->items->next->next->text, "c");
}

// Each kind's children by their role; an accessor of another kind gives null.
TEST_F(CExpression, ChildrenByTheirRole) {
  using namespace iface;
  auto text = [](const ExprNode* n) { return n != nullptr ? std::string(n->text) : std::string("null"); };
  expr("c ? a[i] : f(x).m");
  ASSERT_TRUE(tree_);
  const ExprNode* root = tree_->root;
  EXPECT_EQ(text(condition(root)), "c");
  EXPECT_EQ(text(then_value(root)), "a[i]");
  EXPECT_EQ(text(else_value(root)), "f(x).m");
  EXPECT_EQ(text(subscripted(then_value(root))), "a");
  EXPECT_EQ(text(subscript_index(then_value(root))), "i");
  EXPECT_EQ(text(member_object(else_value(root))), "f(x)");
  EXPECT_EQ(text(callee(member_object(else_value(root)))), "f");
  EXPECT_EQ(text(left_operand(root)), "null");
  EXPECT_EQ(text(operand(root)), "null");
  EXPECT_EQ(text(callee(then_value(root))), "null");
  expr("(-x)++ , *p = (int)q");
  ASSERT_TRUE(tree_);
  root = tree_->root;
  const ExprNode* assignment = right_operand(root);
  EXPECT_EQ(text(left_operand(root)), "(-x)++");
  EXPECT_EQ(text(operand(left_operand(root))), "(-x)");
  EXPECT_EQ(text(operand(operand(left_operand(root)))), "-x");
  EXPECT_EQ(text(operand(operand(operand(left_operand(root))))), "x");
  EXPECT_EQ(text(left_operand(assignment)), "*p");
  EXPECT_EQ(text(operand(left_operand(assignment))), "p");
  EXPECT_EQ(text(operand(right_operand(assignment))), "q");
  EXPECT_EQ(text(condition(root)), "null");
  value("(1..2 => v, OTHERS => 0)");
  ASSERT_TRUE(tree_);
  const ExprNode* item = tree_->root->items;
  EXPECT_EQ(text(designator(item)), "1..2");
  EXPECT_EQ(text(designated_value(item)), "v");
  EXPECT_EQ(text(range_low(designator(item))), "1");
  EXPECT_EQ(text(range_high(designator(item))), "2");
  EXPECT_EQ(text(designator(item->next)), "OTHERS");
  EXPECT_EQ(text(range_low(item)), "null");
  EXPECT_EQ(text(designator(tree_->root)), "null");
}

TEST_F(CExpression, LiteralsKeepValueAndText) {
  expr("0x10");
  ASSERT_TRUE(tree_);
  std::int64_t v = 0;
  ASSERT_TRUE(base::wide_to_int64(tree_->root->value, &v));
  EXPECT_EQ(v, 16);
  EXPECT_EQ(tree_->root->literal, iface::TokenKind::IntegerConstant);
  EXPECT_EQ(expr("\"ab\" \"cd\"  L\"e\""), "(lit \"ab\" \"cd\"  L\"e\")");
  EXPECT_EQ(tree_->root->string_pieces, 3);
  EXPECT_EQ(expr("'\\n' + 1.5f"), "(binary + (lit '\\n') (lit 1.5f))");
  EXPECT_EQ(iface::left_operand(tree_->root)->constant_type, iface::ConstantType::Char);
  EXPECT_EQ(iface::right_operand(tree_->root)->constant_type, iface::ConstantType::Float);
}

TEST_F(CExpression, CastsNeedTypeNames) {
  EXPECT_EQ(expr("(int)x"), "(cast <int> (id x))");
  EXPECT_EQ(expr("(unsigned long const *) p + 1"), "(binary + (cast <unsigned long const *> (id p)) (lit 1))");
  EXPECT_EQ(expr("(struct s *)p->next"), "(cast <struct s *> (member ->next (id p)))");
  EXPECT_EQ(expr("(void (*)(int, char))f"), "(cast <void (*)(int, char)> (id f))");
  EXPECT_EQ(expr("(T)-1"), "(cast <T> (unary - (lit 1)))");
  EXPECT_EQ(asked_scope_, "ns");
  EXPECT_EQ(expr("(ns::U*)q"), "(cast <ns::U*> (id q))");
  EXPECT_EQ(expr("(const T &) r"), "(cast <const T &> (id r))");
  // A name that is no type is a parenthesised expression.
  EXPECT_EQ(expr("(x) + 1"), "(binary + (paren (id x)) (lit 1))");
  EXPECT_EQ(expr("(f)(2)"), "(call (paren (id f)) (lit 2))");
  EXPECT_EQ(expr("static_cast<char *>(p)"), "(cast <char *> (id p))");
  EXPECT_EQ(tree_->root->op, iface::TokenKind::KwStaticCast);
  EXPECT_EQ(expr("reinterpret_cast<T>(a, b)"), "(cast <T> (comma (id a) (id b)))");
  EXPECT_EQ(expr("int(3.5)"), "(cast <int> (lit 3.5))");
  EXPECT_EQ(expr("sizeof(int) + sizeof x + sizeof(x) + sizeof(T[3])"),
            "(binary + (binary + (binary + (sizeof-type <int>) (unary sizeof (id x))) (unary sizeof (paren (id x)))) "
            "(sizeof-type <T[3]>))");
  // Without the dictionary only keywords start a type name.
  context_.is_type_name = nullptr;
  EXPECT_EQ(messages_of_expr("(T)x"), "Qandor-W-SYNTAXERR,  [s.pts:7] Syntax error: syntax error\n");
}

TEST_F(CExpression, SyntaxErrorsAreReportedOnceAtTheToken) {
  EXPECT_EQ(messages_of_expr("a +"), "Qandor-W-SYNTAXERR,  [s.pts:7] Syntax error: syntax error\n");
  EXPECT_EQ(last_, "null");
  EXPECT_EQ(messages_of_expr("a b c d"), "Qandor-W-SYNTAXERR,  [s.pts:7] Syntax error: syntax error\n");
  EXPECT_EQ(messages_of_expr("f(1,\n\n)"), "Qandor-W-SYNTAXERR,  [s.pts:9] Syntax error: syntax error\n");
  EXPECT_EQ(messages_of_expr("(a"), "Qandor-W-SYNTAXERR,  [s.pts:7] Syntax error: syntax error\n");
  EXPECT_EQ(messages_of_expr("(a:: 1)"), "Qandor-W-SYNTAXERR,  [s.pts:7] Syntax error: syntax error\n");
  EXPECT_EQ(messages_of_expr("a.1"), "Qandor-W-SYNTAXERR,  [s.pts:7] Syntax error: syntax error\n");
  EXPECT_EQ(messages_of_expr("#line 40 \"h.h\"\nx ? y"), "Qandor-W-SYNTAXERR,  [h.h:40] Syntax error: syntax error\n");
  // The value notation's tokens are not C.
  EXPECT_EQ(messages_of_expr("x => 1"), "Qandor-W-SYNTAXERR,  [s.pts:7] Syntax error: syntax error\n");
  EXPECT_EQ(messages_of_expr("1..4"), "Qandor-W-SYNTAXERR,  [s.pts:7] Syntax error: syntax error\n");
  EXPECT_EQ(diag::warning_count(), 9);
}

TEST_F(CExpression, NestingLimitIsTheGeneratedParsersStack) {
  auto nested = [](int depth) { return std::string(depth, '(') + "x" + std::string(depth, ')'); };
  EXPECT_EQ(messages_of_expr(nested(iface::expression_stack_limit - 1)), "");
  EXPECT_NE(last_, "null");
  EXPECT_EQ(messages_of_expr(nested(iface::expression_stack_limit)),
            "Qandor-W-SYNTAXERR,  [s.pts:7] Syntax error: yacc stack overflow\n");
  EXPECT_EQ(last_, "null");
  EXPECT_EQ(messages_of_expr(std::string(2000, '-') + "x"),
            "Qandor-W-SYNTAXERR,  [s.pts:7] Syntax error: yacc stack overflow\n");
  std::string chain;
  for (int i = 0; i < 700; ++i) chain += "a=";
  EXPECT_EQ(messages_of_expr(chain + "b"), "Qandor-W-SYNTAXERR,  [s.pts:7] Syntax error: yacc stack overflow\n");
  // Long flat lists and operator chains do not nest.
  std::string sum = "x";
  for (int i = 0; i < 5000; ++i) sum += "+x";
  EXPECT_EQ(messages_of_expr(sum), "");
  std::string list = "(0";
  for (int i = 0; i < 5000; ++i) list += ", 1";
  EXPECT_EQ(messages_of_value(list + ")"), "");
  ASSERT_TRUE(tree_);
  EXPECT_EQ(tree_->root->item_count, 5001);
  std::string deep_value = "x";
  for (int i = 0; i < 700; ++i) deep_value = "(" + deep_value + ", 0)";
  EXPECT_EQ(messages_of_value(deep_value), "Qandor-W-SYNTAXERR,  [s.pts:7] Syntax error: yacc stack overflow\n");
}

TEST_F(CExpression, ValueNotation) {
  EXPECT_EQ(value("(1, 2, 3)"), "(list (lit 1) (lit 2) (lit 3))");
  EXPECT_EQ(value("(x => (1, 2), OTHERS => 0)"),
            "(list (=> (id x) (list (lit 1) (lit 2))) (=> (id OTHERS) (lit 0)))");
  EXPECT_EQ(value("(1, , 3)"), "(list (lit 1) (empty) (lit 3))");
  EXPECT_EQ(value("(, 2,)"), "(list (empty) (lit 2) (empty))");
  EXPECT_EQ(value("(0 => 5)"), "(list (=> (lit 0) (lit 5)))");
  EXPECT_EQ(value("(1..4 => v, 2 + 3 => -w)"),
            "(list (=> (.. (lit 1) (lit 4)) (id v)) (=> (binary + (lit 2) (lit 3)) (unary - (id w))))");
  EXPECT_EQ(value("-1..N"), "(.. (unary - (lit 1)) (id N))");
  EXPECT_EQ(value("(a => )"), "(list (=> (id a) (empty)))");
  EXPECT_EQ(value("(a => , b => 1)"), "(list (=> (id a) (empty)) (=> (id b) (lit 1)))");
  EXPECT_EQ(value("{1, {2}}"), "(list (lit 1) (list (lit 2)))");
  // A parenthesised text without a top-level "," or "=>" is an expression.
  EXPECT_EQ(value("(x)"), "(paren (id x))");
  EXPECT_EQ(value("(a) + f(b, c)"), "(binary + (paren (id a)) (call (id f) (id b) (id c)))");
  EXPECT_EQ(value("((1, 2))"), "(paren (paren (comma (lit 1) (lit 2))))");
  EXPECT_EQ(value("(f(b, c), (int)d)"), "(list (call (id f) (id b) (id c)) (cast <int> (id d)))");
  EXPECT_EQ(value("NONIL"), "(id NONIL)");
}

TEST_F(CExpression, ValueNodesKeepTheirTextAndPosition) {
  value("( x => f(b,  c) ,\n OTHERS => 1..2 )");
  ASSERT_TRUE(tree_);
  const iface::ExprNode* list = tree_->root;
  EXPECT_EQ(list->text, "( x => f(b,  c) ,\n OTHERS => 1..2 )");
  EXPECT_EQ(list->line, 7);
  EXPECT_STREQ(list->file, "s.pts");
  const iface::ExprNode* first = list->items;
  EXPECT_EQ(first->text, "x => f(b,  c)");
  EXPECT_EQ(iface::designated_value(first)->text, "f(b,  c)");
  const iface::ExprNode* second = first->next;
  EXPECT_EQ(second->text, "OTHERS => 1..2");
  EXPECT_EQ(second->line, 8);
  const iface::ExprNode* range = iface::designated_value(second);
  EXPECT_EQ(range->kind, iface::ExprKind::Range);
  EXPECT_EQ(range->text, "1..2");
  EXPECT_EQ(iface::range_low(range)->text, "1");
  EXPECT_EQ(iface::range_high(range)->text, "2");
  EXPECT_EQ(second->next, nullptr);
}

TEST_F(CExpression, ValueNotationErrors) {
  EXPECT_EQ(messages_of_value("(1, 2"), "Qandor-W-SYNTAXERR,  [s.pts:7] Syntax error: syntax error\n");
  EXPECT_EQ(messages_of_value("()"), "Qandor-W-SYNTAXERR,  [s.pts:7] Syntax error: syntax error\n");
  EXPECT_EQ(messages_of_value("((1, 2) => 3, 4)"), "Qandor-W-SYNTAXERR,  [s.pts:7] Syntax error: syntax error\n");
  EXPECT_EQ(messages_of_value("x => 1"), "Qandor-W-SYNTAXERR,  [s.pts:7] Syntax error: syntax error\n");
  EXPECT_EQ(messages_of_value("(1, 2) 3"), "Qandor-W-SYNTAXERR,  [s.pts:7] Syntax error: syntax error\n");
}

TEST_F(CExpression, ParsesInsideADeclarationParsersTokens) {
  iface::Lexer lexer;
  iface::lexer_init(lexer, "int a[N + 1], b = f(2, 3);", "d.h", 3, &sizes_);
  iface::ExprTree tree;
  iface::ExprParser parser;
  iface::expr_parser_start(parser, lexer, tree, context_);
  EXPECT_TRUE(iface::starts_type_name(parser));
  EXPECT_EQ(iface::parse_type_name(parser), "int");
  ASSERT_EQ(parser.current.kind, iface::TokenKind::Identifier);
  iface::next_token(lexer);  // "[": the caller reads its own tokens and hands the parser the next one
  parser.current = iface::next_token(lexer);
  const iface::ExprNode* bound = iface::parse_conditional_expression(parser);
  EXPECT_EQ(iface::expression_outline(bound), "(binary + (id N) (lit 1))");
  EXPECT_EQ(parser.current.kind, iface::TokenKind::RightBracket);
  for (int i = 0; i < 3; ++i) parser.current = iface::next_token(lexer);  // "," "b" "="
  ASSERT_EQ(parser.current.kind, iface::TokenKind::Assign);
  parser.current = iface::next_token(lexer);
  const iface::ExprNode* init = iface::parse_assignment_expression(parser);
  EXPECT_EQ(iface::expression_outline(init), "(call (id f) (lit 2) (lit 3))");
  EXPECT_EQ(init->text, "f(2, 3)");
  EXPECT_EQ(parser.current.kind, iface::TokenKind::Semicolon);
  EXPECT_FALSE(parser.failed);
}

}  // namespace
