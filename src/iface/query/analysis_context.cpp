#include "iface/query/analysis_context.h"

namespace iface {

namespace {

Analysis* analysis_in_use = nullptr;

Analysis& own_analysis() {
  static Analysis analysis;
  return analysis;
}

}  // namespace

Analysis::Analysis() : names_(std::make_unique<base::InternTable>()) {
  initialise_dictionary(dictionary_, "QUELT");
  reset_analyser(analyser_, dictionary_);
  use_analysis(this);
}

Analysis::~Analysis() {
  if (analysis_in_use == this) {
    analysis_in_use = nullptr;
    base::use_intern_table(nullptr);
  }
}

void Analysis::reset() {
  formats_ = FormatState{};
  session_ = AncSession{};
  preprocessor_.reset();
  // The built-in types carry their names as text, not as interned names: making them before the
  // intern table is replaced is safe.
  initialise_dictionary(dictionary_, "QUELT");
  reset_analyser(analyser_, dictionary_);
  auto fresh = std::make_unique<base::InternTable>();
  if (analysis_in_use == this) base::use_intern_table(fresh.get());
  names_ = std::move(fresh);
}

Analysis* use_analysis(Analysis* analysis) {
  Analysis* previous = analysis_in_use;
  Analysis& chosen = analysis != nullptr ? *analysis : own_analysis();
  analysis_in_use = &chosen;
  base::use_intern_table(chosen.names_.get());
  return previous;
}

Analysis& current_analysis() {
  if (analysis_in_use == nullptr) use_analysis(nullptr);
  return *analysis_in_use;
}

}  // namespace iface
