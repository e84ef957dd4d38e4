// A translator that records every lookup made through QCoreApplication::translate and answers
// none, so that the next installed translator (or the source text) gives the result.
#pragma once
#include <QTranslator>
#include <string>
#include <vector>

namespace diag_test {

// One lookup as the translators see it.
struct Lookup {
  std::string context;
  std::string source;
  std::string comment;  // empty: no translator comment
  bool has_comment;
};

class RecordingTranslator : public QTranslator {
 public:
  mutable std::vector<Lookup> lookups;
  bool isEmpty() const override { return false; }
  QString translate(const char* context, const char* source, const char* disambiguation, int) const override {
    lookups.push_back({context, source, disambiguation ? disambiguation : "", disambiguation != nullptr});
    return QString();
  }
};

}  // namespace diag_test
