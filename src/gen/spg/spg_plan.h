// The scenario plan of a script, as the SPG file describes it: the collections that one pre-order
// walk of the semantic model gathers (scenarios, procedures, calls of procedures, rendezvous,
// declared instances) and the instances that take part in each rendezvous.
//
// The analysis keeps no list of rendezvous of its own: the walk takes every RENDEZVOUS entry of the
// model (its name, file and line) with the innermost scenario and the procedure that hold it. The
// blocks that call a procedure (CALL form of INITIALIZATION, TERMINATION, EXCEPTION) count as calls
// of it, like the CALL statements; the instances come from the designation entries and the
// begin/end entries of INSTANCE blocks and instance-restricted groups, which the analysis records.
//
// Member lists. The instances of a procedure, a CALL, an INITIALIZATION/TERMINATION/EXCEPTION
// block or a RENDEZVOUS are those of the run of instance designations that precedes it in its own
// list of entries: walking backwards from the element, the designations met are taken (the last
// written first, each name once) and the walk ends at the first other entry after them, or at once
// at the begin or end of an INSTANCE block or of an instance-restricted group. With no designation
// the element stands for every declared instance.
//
// A rendezvous inside a procedure takes part only for the instances its procedure runs for: its
// own members are kept when the procedure's members hold them too and some call of the procedure
// (a CALL statement, or a block that calls the procedure) runs for them. The list keeps the order
// of the rendezvous' own members. A procedure that nothing calls gives its rendezvous no members.
#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "sema/model/model.h"

namespace gen {

// The declared-instance entries of a member list; `every_instance` stands for all of them (kept as
// a flag, so that a large script does not copy the instance list into every element).
struct MemberList {
  std::vector<const sema::Entry*> named;
  bool every_instance = false;
};

struct SpgScenario {
  const sema::Entry* entry = nullptr;
  std::string path;  // the names from the first level below the root down to it, joined with "."
};

struct SpgProcedure {
  const sema::Entry* entry = nullptr;
  MemberList members;
  std::vector<std::size_t> calls;  // indices into SpgPlan::calls, in model order
};

// A CALL of a procedure, or an INITIALIZATION, TERMINATION or EXCEPTION block that calls one.
struct SpgCall {
  const sema::Entry* entry = nullptr;
  const sema::Entry* target = nullptr;  // the procedure entry
  MemberList members;
};

struct SpgRendezvous {
  const sema::Entry* entry = nullptr;
  std::optional<std::size_t> scenario;   // the innermost scenario holding it (index into scenarios)
  std::optional<std::size_t> procedure;  // the procedure holding it (index into procedures)
  MemberList members;
  // False for a rendezvous of a procedure that nothing calls: its member list is left out.
  bool members_written = true;
};

struct SpgPlan {
  std::vector<SpgScenario> scenarios;  // the first one is the unnamed root scenario
  std::vector<SpgProcedure> procedures;
  std::vector<SpgCall> calls;
  std::vector<SpgRendezvous> rendezvous;
  std::vector<const sema::Entry*> instances;  // the declared instances
};

// Walks the model once (no recursion) and settles every member list.
SpgPlan collect_spg_plan(const sema::Model& model);

// The instances of a member list, in order.
const std::vector<const sema::Entry*>& members_of(const SpgPlan& plan, const MemberList& members);

}  // namespace gen
