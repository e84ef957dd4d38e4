// What the communication templates of the driver ask of the model: the names of message types,
// communication types and channels, the form of a callback, whether a message type is a
// polymorphic class, and the names a CALLBACK or PROCSEND body uses for its message, connection
// (or connection table) and count.
#pragma once
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "sema/model/model.h"

namespace gen {

// The message type entry (47) of an event variable, or none.
const sema::Entry* message_type_of_value(const sema::Entry* event_variable);
// The communication type entry (50) of a channel, or none.
const sema::Entry* comm_type_of_channel(const sema::Entry* channel);
int comm_type_number(const sema::Entry* comm_type);
int channel_number(const sema::Entry* channel);
int event_index(const sema::Entry* event_variable);

// A communication type whose callbacks read the whole connection table in one call (MULTIPLEXING,
// and the "qlx_socket" of TRIGGER scripts, whose generated callback polls every connection): the
// table class "qlx_tabid_<name>" exists and its callbacks take no connection index.
bool reads_connection_table(const sema::Entry* comm_type);

// A message type that is a class with virtual members: its received and sent values are reached
// through pointers, and a WAITTIL names the dynamic type of what it received.
bool is_polymorphic(const sema::Entry* message_type);

// The names a callback or procsend body gives its message, its connection (or connection table)
// and the count of connections: "qlx_msg", "qlx_ids" and "qlx_n", unless the routine's parameters
// name them (first, second and third parameter).
struct RoutineNames {
  std::string message = "qlx_msg";
  std::string connection = "qlx_ids";
  std::string count = "qlx_n";
};
RoutineNames routine_names(const sema::Entry* routine);

// The message types some value of which has values (reference checks or a definition).
std::unordered_set<const sema::Entry*> message_types_with_values(const sema::Scope* global);

// Whether a body (with its nested statement lists) names `name` as a C identifier.
bool body_uses(const sema::Scope* body, const std::string& name);

// The channels of each communication type, in declaration order.
using ChannelMap = std::unordered_map<const sema::Entry*, std::vector<const sema::Entry*>>;
ChannelMap channels_by_comm_type(const sema::Scope* global);

// The channels an awaited message is polled on: its own, or every channel of its communication
// type.
std::vector<const sema::Entry*> polled_channels(const ChannelMap& channels, const sema::AwaitedMessage& awaited);

// A prepared WAITTIL condition with each matching test given the state it tests:
// "QLX_<test>_1(qlx_msg_T[i])" becomes "QLX_<test>_1(qlx_msg_T[i].qlx_state)" and
// "QLX_<test>_2(qlx_msg_T[i],qlx_state_channel[c][n])" becomes
// "QLX_<test>_2(n,qlx_msg_T[i].qlx_state_channel[c][n])"; the rest is kept.
std::string state_tests(const std::string& condition);

}  // namespace gen
