#include "driver/option_table.h"

namespace driver {

namespace {

Names same(std::string_view name) { return Names{{name, name, name}}; }

ValueDescription text_value(Names names, char list, long minimum, long maximum) {
  ValueDescription value;
  value.names = names;
  value.type = 'C';
  value.list = list;
  value.minimum = minimum;
  value.maximum = maximum;
  return value;
}

std::vector<Keyword> keywords(std::initializer_list<std::string_view> names) {
  std::vector<Keyword> list;
  for (std::string_view name : names) list.push_back(Keyword{same(name)});
  return list;
}

struct OptionRow {
  std::string_view name;
  int value_mode;  // 0 none, 1 mandatory, 2 optional
  Names value_names;
  char list;
  long maximum;
  std::initializer_list<std::string_view> keyword_names;
  int default_keyword;
  bool negatable;
  bool default_on;
};

const Names no_value{};

}  // namespace

CommandTable make_command_table() {
  CommandTable table;
  table.positionals = {
      text_value(Names{{"scn", "scn", "scn"}}, 'N', 1, 255),
      text_value(Names{{"fichier_interface", "fichier_interface", "interface_file"}}, 'Y', 1, 255),
      text_value(Names{{"racine", "racine", "root"}}, 'N', 1, 255),
  };
  const OptionRow rows[] = {
      {"INCL", 1, {{"liste_repertoires", "liste_répertoires", "directory_list"}}, 'Y', 255, {}, 0, false, false},
      {"SET", 1, {{"lettres", "lettres", "letters"}}, 'N', 255, {}, 0, false, false},
      {"DEFINE", 1, {{"option_compilation", "option_compilation", "compiler_option"}}, 'Y', 255, {}, 0, false, false},
      {"STD_DEFINE", 1, {{"fichier", "fichier", "file"}}, 'N', 255, {}, 0, false, false},
      {"STUDIO_LOG", 1, {{"fichier", "fichier", "file"}}, 'N', 255, {}, 0, false, false},
      {"SCN", 1, {{"nom_scenario", "nom_scénario", "scenario_name"}}, 'Y', 255, {}, 0, false, false},
      {"EXSCN", 1, {{"nom_exscenario", "nom_exscénario", "exscenario_name"}}, 'Y', 255, {}, 0, false, false},
      {"FAMILY", 1, {{"nom_famille", "nom_famille", "family_name"}}, 'Y', 255, {}, 0, false, false},
      {"EXFAMILY", 1, {{"nom_exfamille", "nom_exfamille", "exfamily_name"}}, 'Y', 255, {}, 0, false, false},
      {"INSTANCE", 1, {{"nom_instance", "nom_instance", "instance_name"}}, 'N', 255, {}, 0, false, false},
      {"RESTRICTION", 1, same("restriction"), 'N', 5, {"KR", "ANSI"}, 1, false, false},
      {"FAST", 0, no_value, 'N', 0, {}, 0, true, true},
      {"PROBE", 1, same("probe"), 'N', 8, {"DEFAULT", "CUSTOM"}, 1, false, false},
      {"LOG", 0, no_value, 'N', 0, {}, 0, true, true},
      {"ALLOCATION", 2, same("allocation"), 'N', 9, {"STACK", "DYNAMIC"}, 1, false, false},
      {"THREAD", 2, {{"nom_routine", "nom_routine", "routine_name"}}, 'N', 255, {}, 0, false, false},
      {"NOTSHARED", 0, no_value, 'N', 0, {}, 0, false, false},
      {"NOPATH", 0, no_value, 'N', 0, {}, 0, false, false},
      {"NOCOMMENT", 0, no_value, 'N', 0, {}, 0, false, false},
      {"SPVGEN", 0, no_value, 'N', 0, {}, 0, false, false},
      {"TRACE", 1, same("trace_option"), 'N', 8, {"CIRCULAR", "SCN", "TIME", "ERROR"}, 1, false, false},
      {"BUFSIZE", 1, {{"taille_buffer", "taille_buffer", "buffer_size"}}, 'N', 255, {}, 0, false, false},
  };
  for (const OptionRow& row : rows) {
    Option option;
    option.names = same(row.name);
    option.value_mandatory = row.value_mode == 1;
    if (row.value_mode != 0) {
      option.value = static_cast<int>(table.values.size());
      table.values.push_back(text_value(row.value_names, row.list, 1, row.maximum));
    }
    option.negatable = row.negatable;
    option.default_on = row.default_on;
    option.default_keyword = row.default_keyword;
    option.keywords = keywords(row.keyword_names);
    table.options.push_back(std::move(option));
  }
  table.incompatibilities = {
      {3, OptNOTSHARED, -3, OptALLOCATION},
      {3, OptFAMILY, 3, OptEXFAMILY},
      {3, OptSCN, 3, OptEXSCN},
  };
  return table;
}

CommandTable& command_table() {
  static CommandTable table = make_command_table();
  return table;
}

}  // namespace driver
