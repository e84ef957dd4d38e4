// The SPG scenario-plan file (-SPVGEN): for an external planning tool, the script's files, its
// declared instances, the families its scenarios use, the tree of scenarios, every scenario with
// its origin and families, and every rendezvous with the scenario or procedure that holds it and
// the instances that take part in it (spg_plan.h says how those are found).
//
// The file is created in the current directory under the SPG name's last component, while the
// texts written into it keep the name as given (directory included).
#pragma once
#include <string>
#include <vector>

#include "gen/generation.h"
#include "gen/output_set.h"
#include "sema/model/model.h"

namespace gen {

// Writes the plan of `model` through `outputs` (whole or absent: it takes its name when the set is
// committed). `spg_name` is the script's name with ".spg" for its extension; `files` the script
// files read, newest first (the script itself last). "FICERROPN" (fatal) with the file name when
// the file cannot be created.
void write_spg(OutputSet& outputs, const std::string& spg_name, const std::vector<ScriptFile>& files,
               const sema::Model& model);

}  // namespace gen
