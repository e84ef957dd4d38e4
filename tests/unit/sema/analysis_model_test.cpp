// The model that the analysis builds for scenarios, blocks, procedures, instances and bodies: the
// records the generators read, checked field by field.
#include <cstdlib>
#include <string>
#include <vector>

#include "analysis_fixture.h"
#include "iface/query/anc_expressions.h"
#include "iface/query/anc_names.h"

namespace sema::test {
namespace {

using K = EntryKind;

TEST_F(AnalysisTest, ScenarioRecordsHoldNumberLineAndFullName) {
  analyse(
      "SCENARIO outer 0x10\n"   // 1
      "  SCENARIO inner 017\n"  // 2
      "    EXIT\n"
      "  END SCENARIO\n"
      "  SCENARIO plain\n"      // 5
      "  END SCENARIO\n"
      "END SCENARIO\n");
  EXPECT_EQ(messages(), "");
  const ScenarioRecord& root = record_of<ScenarioRecord>(scenario(""));
  EXPECT_FALSE(root.has_number);
  const ScenarioRecord& outer = record_of<ScenarioRecord>(scenario("outer"));
  EXPECT_TRUE(outer.has_number);
  EXPECT_EQ(outer.number, 16);
  EXPECT_EQ(outer.header_line, 1);
  EXPECT_EQ(outer.source_file, "t.pts");
  const ScenarioRecord& inner = record_of<ScenarioRecord>(scenario("outer.inner"));
  EXPECT_EQ(inner.number, 15);
  EXPECT_EQ(inner.header_line, 2);
  EXPECT_EQ(record_of<ScenarioRecord>(scenario("outer.plain")).header_line, 5);
  EXPECT_EQ(scenario("outer.inner")->line, 2);
  // The root scenario stands alone in the global scope; the others in their parent's scope.
  EXPECT_EQ(scenario("outer")->scope, child(scenario("")));
  EXPECT_EQ(kinds(child(scenario("outer.inner"))), std::vector<K>{K::Exit});
}

TEST_F(AnalysisTest, FunctionListIsNewestFirst) {
  analyse(
      "PROC p\nEND PROC\n"
      "SCENARIO a\n"
      "  INITIALIZATION\n    EXIT\n  END INITIALIZATION\n"
      "  TERMINATION CALL p\n"
      "  SCENARIO b\n  END SCENARIO\n"
      "END SCENARIO\n");
  std::vector<std::string> chain;
  for (const Entry* e = model().global()->function_list; e != nullptr; e = e->chain) {
    chain.push_back(std::to_string(static_cast<int>(e->kind)) + ":" + e->name);
  }
  // b, the INITIALIZATION (statement form), a, the root, p; the CALL-form block is no function.
  EXPECT_EQ(chain, (std::vector<std::string>{"0:b", "21:", "0:a", "0:", "3:p"}));
}

TEST_F(AnalysisTest, BlocksStandBeforeTheSubScenarios) {
  analyse(
      "PROC p (int level)\nEND PROC\n"
      "SCENARIO a\n"                 // 3
      "  SCENARIO b\n  END SCENARIO\n"
      "  EXCEPTION CALL p (2)\n"     // 6
      "  INITIALIZATION\n"           // 7
      "    EXIT\n"
      "  END INITIALIZATION\n"
      "END SCENARIO\n");
  EXPECT_EQ(messages(), "");
  Scope* a = child(scenario("a"));
  EXPECT_EQ(kinds(a), (std::vector<K>{K::Exception, K::Initialization, K::Scenario}));
  const Entry* exception = entries(a)[0];
  const BlockRecord& call_form = record_of<BlockRecord>(exception->descriptor);
  EXPECT_EQ(call_form.procedure, global_entry(K::Procedure, "p"));
  EXPECT_EQ(call_form.line, 6);
  EXPECT_EQ(call_form.value, -1);
  // The argument is a Value entry that refers to the parameter.
  std::vector<const Entry*> arguments = entries(exception->descriptor->child_scope);
  ASSERT_EQ(arguments.size(), 1u);
  EXPECT_EQ(arguments[0]->kind, K::Value);
  const ValueRecord& value = record_of<ValueRecord>(arguments[0]->descriptor);
  EXPECT_EQ(value.text, "2");
  EXPECT_EQ(value.value_class, 2);
  EXPECT_EQ(value.target_class, 2);
  EXPECT_EQ(value.parameter->name, "level");
  const Entry* initialization = entries(a)[1];
  EXPECT_EQ(record_of<BlockRecord>(initialization->descriptor).line, 7);
  EXPECT_EQ(kinds(initialization->descriptor->child_scope), std::vector<K>{K::Exit});
  EXPECT_TRUE(record_of<ProcedureRecord>(global_entry(K::Procedure, "p")).used);
}

TEST_F(AnalysisTest, ProcedureParametersAndBody) {
  declare("typedef unsigned long mask_t;");
  analyse(
      "PROC p (unsigned long int count, mask_t m)\n"
      "  # int twice;\n"
      "  EXIT\n"
      "END PROC\n"
      "PROC v (void)\nEND PROC\n"
      "PROC none\nEND PROC\n"
      "SCENARIO s\nEND SCENARIO\n");
  Entry* p = global_entry(K::Procedure, "p");
  const ProcedureRecord& record = record_of<ProcedureRecord>(p);
  std::vector<const Entry*> parameters = entries(record.parameters);
  ASSERT_EQ(parameters.size(), 2u);
  EXPECT_EQ(parameters[0]->kind, K::Parameter);
  EXPECT_EQ(parameters[0]->name, "count");
  EXPECT_EQ(parameters[0]->text, "unsigned long int");
  EXPECT_EQ(parameters[1]->text, "mask_t");
  EXPECT_FALSE(record.void_parameters);
  EXPECT_EQ(kinds(child(p)), (std::vector<K>{K::NativeDeclaration, K::Exit}));
  // The parameters and the body's declarations live in the procedure's C scope.
  EXPECT_EQ(iface::anc_declaration_kind("count", "p"), 1);
  EXPECT_EQ(iface::anc_is_declared_in("twice", "p"), 1);
  EXPECT_EQ(iface::anc_declaration_kind("count", ""), 0);
  EXPECT_TRUE(record_of<ProcedureRecord>(global_entry(K::Procedure, "v")).void_parameters);
  EXPECT_TRUE(entries(record_of<ProcedureRecord>(global_entry(K::Procedure, "v")).parameters).empty());
  EXPECT_FALSE(record_of<ProcedureRecord>(global_entry(K::Procedure, "none")).void_parameters);
}

TEST_F(AnalysisTest, ScenarioScopesAreCScopesForNativeLines) {
  analyse(
      "# int shared;\n"
      "SCENARIO a\n"
      "  SCENARIO b\n"
      "    # int local;\n"
      "  END SCENARIO\n"
      "  INITIALIZATION\n"
      "    # int setup_only;\n"
      "  END INITIALIZATION\n"
      "END SCENARIO\n");
  EXPECT_EQ(messages(), "");
  EXPECT_EQ(iface::anc_is_declared_in("shared", ""), 1);
  EXPECT_EQ(iface::anc_is_declared_in("local", "a.b"), 1);
  EXPECT_EQ(iface::anc_is_declared_in("setup_only", "a@init"), 1);
  EXPECT_EQ(iface::anc_declaration_kind("local", "a"), 0);
  // A scope falls back outwards.
  EXPECT_EQ(iface::anc_declaration_kind("shared", "a.b"), 1);
}

TEST_F(AnalysisTest, NativeLinesAreJoinedIntoOneDeclaration) {
  analyse(
      "# struct point {\n"
      "#   int x, y;\n"
      "# };\n"
      "# struct point origin;\n"
      "SCENARIO s\n"
      "  # typedef struct {\n"
      "  #   int id;\n"
      "  # } item_t;\n"
      "  # item_t first;\n"
      "END SCENARIO\n");
  EXPECT_EQ(messages(), "");
  EXPECT_EQ(iface::anc_declaration_kind("origin", ""), 1);
  EXPECT_EQ(iface::anc_is_declared_in("first", "s"), 1);
  std::vector<const Entry*> lines = entries(model().global());
  // The header, then one entry per line.
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(lines[1]->kind, K::NativeDeclaration);
  EXPECT_EQ(lines[1]->text, " struct point {");
  EXPECT_EQ(lines[2]->line, 2);
}

TEST_F(AnalysisTest, NativeLinesSeeTheInterfaceMacros) {
  declare("");
  analyse(
      "# #define SIZE 4\n"
      "# int table[SIZE];\n"
      "SCENARIO s\nEND SCENARIO\n");
  EXPECT_EQ(messages(), "");
  EXPECT_EQ(iface::anc_declaration_kind("table", ""), 1);
}

TEST_F(AnalysisTest, FiltersTravelWithTheirEntries) {
  analyse(
      "SCENARIO s\n"
      "%A+B  EXIT\n"
      "%%A~B  # int x;\n"
      "  ERROR\n"
      "END SCENARIO\n");
  std::vector<const Entry*> body = entries(child(scenario("s")));
  ASSERT_EQ(body.size(), 3u);
  EXPECT_TRUE(body[0]->has_filter);
  EXPECT_EQ(body[0]->filter, "A+B");
  EXPECT_EQ(body[1]->filter, "%A~B");
  EXPECT_FALSE(body[2]->has_filter);
}

TEST_F(AnalysisTest, HeaderTextsWithAnEnvironmentVariable) {
  setenv("QMK_TEST_AUTHOR", "tester", 1);
  analyse("HEADER \"Title\", \"1.0\", $QMK_TEST_AUTHOR\nSCENARIO s\nEND SCENARIO\n");
  const Entry* header = model().global()->first;
  ASSERT_EQ(header->kind, K::Header);
  const HeaderRecord& record = record_of<HeaderRecord>(header->descriptor);
  EXPECT_EQ(record.texts[0], "\"Title\"");
  EXPECT_EQ(record.texts[1], "\"1.0\"");
  EXPECT_EQ(record.texts[2], "tester");
  unsetenv("QMK_TEST_AUTHOR");
}

TEST_F(AnalysisTest, TheRunTimeNamesAreDeclared) {
  analyse("SCENARIO s\nEND SCENARIO\n");
  for (const char* name : {"WTIME", "QLX_TIMEOUT", "I0", "I20", "J20", "NONIL", "QLX_OCCID", "QLX_NUMINSTANCE"}) {
    EXPECT_EQ(iface::anc_declaration_kind(name, ""), 1) << name;
  }
  int type_class = -1;
  int bound = 0;
  iface::anc_value_class("TIME(WTIME) + NIL", "", "t.pts", 1, type_class, bound);
  EXPECT_EQ(type_class, 3);
}

}  // namespace
}  // namespace sema::test
