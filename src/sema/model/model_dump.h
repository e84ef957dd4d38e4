// The semantic model as text: every scope, entry and record, then the function list. Used by the
// test tool tests/tools/dump_model (whose source describes the format line by line) and by the
// model's unit tests; the format is stable so that tests can match it.
#pragma once
#include <string>

#include "sema/model/model.h"

namespace sema {

// The short name of a kind ("CommType"); "" for a number no kind has.
const char* entry_kind_name(EntryKind kind);
const char* descriptor_kind_name(DescriptorKind kind);

// The model under its global scope, scopes indented by depth (two blanks per level), then the
// function list, newest first. Walks the scope tree with an explicit stack: any depth.
std::string dump_model(const Model& model);

}  // namespace sema
