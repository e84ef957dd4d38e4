// The element records of the TDC file: the walk of the declarations in order, into generated
// scenarios, used procedures, callbacks and procsends, blocks and every statement list, writing
// the records of each element and putting its numbers back into the model (number, end number,
// a procedure's after number) for the C++ writer.
#pragma once
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "gen/model_walk.h"
#include "gen/tdc/probe_header.h"
#include "gen/tdc/tdc_records.h"
#include "sema/model/model.h"

namespace gen {

// The channels of each communication type, in declaration order.
using ChannelsByType = std::unordered_map<const sema::Entry*, std::vector<const sema::Entry*>>;

class TdcElements {
 public:
  TdcElements(TdcRecords& records, ProbeHeader& probe, const sema::Model& model);

  void enter(sema::Entry* entry, WalkPlan& plan);
  void leave(sema::Entry* entry);

 private:
  void enter_scenario(sema::Entry* entry, WalkPlan& plan);
  void enter_block(sema::Entry* entry, WalkPlan& plan);
  void enter_procedure(sema::Entry* entry, WalkPlan& plan);
  void enter_call(sema::Entry* entry, WalkPlan& plan);
  void enter_argument(sema::Entry* entry);
  void enter_send(sema::Entry* entry);
  void enter_waittil(sema::Entry* entry);
  void enter_event_variable(sema::Entry* entry, WalkPlan& plan);
  void enter_definition(sema::Entry* entry, WalkPlan& plan);
  void enter_value(sema::Entry* entry, WalkPlan& plan);
  void enter_check(sema::Entry* entry, WalkPlan& plan);
  void enter_channel(sema::Entry* entry);
  void enter_print(sema::Entry* entry);
  void leave_call(sema::Entry* entry);

  TdcRecords& records_;
  ProbeHeader& probe_;
  ChannelsByType channels_;
  std::unordered_set<const sema::Entry*> state_channels_;  // the channels a WAITTIL receives on
};

}  // namespace gen
