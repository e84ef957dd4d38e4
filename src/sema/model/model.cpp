#include "sema/model/model.h"

#include <cstdlib>
#include <string>

#include "diag/report.h"

namespace sema {

namespace {

[[noreturn]] void unknown_entry_kind(int kind) {
  diag::report_at(diag::MessageKind::Internal, diag::Code::ENTCODUNK, std::to_string(kind), "", 0);
  std::abort();  // not reached: an internal message ends the run
}

[[noreturn]] void unknown_descriptor_kind(int kind) {
  diag::report_at(diag::MessageKind::Internal, diag::Code::DSCCODUNK, std::to_string(kind), "", 0);
  std::abort();  // not reached
}

// The record a new descriptor of `kind` starts with.
DescriptorRecord default_record(DescriptorKind kind) {
  switch (kind) {
    case DescriptorKind::Scenario: return ScenarioRecord{};
    case DescriptorKind::Procedure: return ProcedureRecord{};
    case DescriptorKind::Header: return HeaderRecord{};
    case DescriptorKind::CommType:
    case DescriptorKind::SocketVariable: return CommTypeRecord{};
    case DescriptorKind::Call: return CallRecord{};
    case DescriptorKind::Channel: return ChannelRecord{};
    case DescriptorKind::ReturnCheck: return ValueRecord{};
    case DescriptorKind::Waittil: return WaittilRecord{};
    case DescriptorKind::If:
    case DescriptorKind::Case:
    case DescriptorKind::While: return ConditionRecord{};
    case DescriptorKind::WhenBranch: return WhenBranchRecord{};
    case DescriptorKind::InitCheck:
    case DescriptorKind::ExpectedCheck:
    case DescriptorKind::ReceiveCheck: return CheckRecord{};
    case DescriptorKind::Initialization:
    case DescriptorKind::Termination:
    case DescriptorKind::Exception: return BlockRecord{};
    case DescriptorKind::MessageType: return MessageTypeRecord{};
    case DescriptorKind::EventVariable: return EventVariableRecord{};
    case DescriptorKind::Callback:
    case DescriptorKind::Procsend: return CallbackRecord{};
    case DescriptorKind::Cleanup: return CleanupRecord{};
    case DescriptorKind::DefMessage:
    case DescriptorKind::MessageDefinition: return DefMessageRecord{};
    case DescriptorKind::AddId:
    case DescriptorKind::ClearId: return IdRecord{};
    case DescriptorKind::Timer: return TimerRecord{};
    case DescriptorKind::Print: return PrintRecord{};
    case DescriptorKind::Catch: return CatchRecord{};
    case DescriptorKind::Send: return SendRecord{};
    case DescriptorKind::DeclaredInstance: return DeclaredInstanceRecord{};
    case DescriptorKind::InstanceDesignation: return InstanceDesignationRecord{};
    case DescriptorKind::Intersend: return IntersendRecord{};
    case DescriptorKind::Interrecv: return InterrecvRecord{};
    case DescriptorKind::Rendezvous: return RendezvousRecord{};
  }
  unknown_descriptor_kind(static_cast<int>(kind));
}

void link_after(Scope* scope, Entry* entry, Entry* before) {
  entry->previous = before;
  entry->next = before != nullptr ? before->next : scope->first;
  if (entry->next != nullptr) {
    entry->next->previous = entry;
  } else {
    scope->last = entry;
  }
  if (before != nullptr) {
    before->next = entry;
  } else {
    scope->first = entry;
  }
}

Entry* make_checked_entry(Model& model, Scope* scope, EntryKind kind, std::string_view name, const Position& at) {
  int number = static_cast<int>(kind);
  if (number < first_entry_kind || number > last_entry_kind) unknown_entry_kind(number);
  if (scope == nullptr) diag::report_at(diag::MessageKind::Internal, diag::Code::SCPBADPTR, "", "", 0);
  Entry* entry = model.make_entry();
  entry->scope = scope;
  entry->kind = kind;
  entry->name.assign(name);
  entry->has_name = !name.empty();
  entry->file = at.file;
  entry->file_number = at.file_number;
  entry->line = at.line;
  return entry;
}

// The entry after which an entry of element number `order` goes (ascending order).
Entry* insertion_point_by_number(Scope* scope, int order) {
  Entry* before = scope->last;
  while (before != nullptr && before->numbers.element > order) before = before->previous;
  return before;
}

Entry* insertion_point_before_scenarios(Scope* scope) {
  Entry* before = nullptr;
  for (Entry* e = scope->first; e != nullptr && e->kind != EntryKind::Scenario; e = e->next) before = e;
  return before;
}

bool owns_block_scope(const Scope* scope) {
  if (scope->owner == nullptr) return false;
  switch (scope->owner->kind) {
    case DescriptorKind::Scenario:
    case DescriptorKind::Procedure:
    case DescriptorKind::Callback:
    case DescriptorKind::Procsend:
    case DescriptorKind::Initialization:
    case DescriptorKind::Termination:
    case DescriptorKind::Exception: return true;
    default: return false;
  }
}

}  // namespace

Model::Model() : global_(make_scope()) {}

Scope* Model::make_scope() { return scopes_.make(); }
Entry* Model::make_entry() { return entries_.make(); }
Descriptor* Model::make_descriptor() { return descriptors_.make(); }

Entry* new_entry(Model& model, Scope* scope, EntryKind kind, std::string_view name, const Position& at,
                 std::string_view filter, bool has_filter) {
  Entry* entry = make_checked_entry(model, scope, kind, name, at);
  entry->filter.assign(filter);
  entry->has_filter = has_filter;
  link_after(scope, entry, scope->last);
  return entry;
}

Entry* new_entry_at(Model& model, Insertion where, Scope* scope, EntryKind kind, std::string_view name,
                    const Position& at, int order) {
  Entry* entry = make_checked_entry(model, scope, kind, name, at);
  switch (where) {
    case Insertion::Append: link_after(scope, entry, scope->last); break;
    case Insertion::ByElementNumber:
      entry->numbers.element = order;
      link_after(scope, entry, insertion_point_by_number(scope, order));
      break;
    case Insertion::Head: link_after(scope, entry, nullptr); break;
    case Insertion::BeforeFirstScenario: link_after(scope, entry, insertion_point_before_scenarios(scope)); break;
  }
  return entry;
}

Entry* new_entry_in_block_scope(Model& model, Scope* scope, EntryKind kind, std::string_view name,
                                const Position& at) {
  Scope* target = scope;
  while (target != nullptr && !owns_block_scope(target) && target->parent != nullptr) target = target->parent;
  // An instance-guarded declaration group opens no scope of its own: its begin entry (72) stands
  // in the enclosing scope, which is then the block scope found above.
  return new_entry_at(model, Insertion::Head, target, kind, name, at);
}

Descriptor* new_descriptor(Model& model, Entry* entry, DescriptorKind kind) {
  int number = static_cast<int>(kind);
  if (number < first_descriptor_kind || number > last_descriptor_kind) unknown_descriptor_kind(number);
  Descriptor* descriptor = model.make_descriptor();
  descriptor->kind = kind;
  descriptor->entry = entry;
  descriptor->record = default_record(kind);
  if (entry != nullptr) entry->descriptor = descriptor;
  return descriptor;
}

Scope* open_scope(Model& model, Descriptor* descriptor, Scope* parent) {
  Scope* scope = model.make_scope();
  scope->parent = parent;
  scope->owner = descriptor;
  if (descriptor != nullptr) descriptor->child_scope = scope;
  return scope;
}

void add_to_function_list(Model& model, Entry* entry) {
  Scope* global = model.global();
  entry->chain = global->function_list;
  global->function_list = entry;
}

void wrong_record(const Descriptor* descriptor) {
  unknown_descriptor_kind(descriptor != nullptr ? static_cast<int>(descriptor->kind) : 0);
}

}  // namespace sema
