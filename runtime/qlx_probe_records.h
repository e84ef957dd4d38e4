/* qlx_probe_records.h - the recordings of the dry-run probe runtime.
 *
 * A recording is a text file, one record per line, each an application's report to a probe:
 *     <date> <code> <key> <message>
 * <date>, <code> and <key> are decimal numbers (the code of a SEND, of a WAITTIL or of a
 * selector, as the probe header names them); <message> is the bytes of the reported value in
 * memory order, two hexadecimal digits each, which '_' may separate ("-" for none). Empty lines
 * and lines starting with '#' are skipped. A recording is named by QMK_DRYRUN_PROBE, or else
 * "<path><instance>.prb" from the probe's own arguments. docs/dry-run.md describes it.
 */
#ifndef QMK_DRYRUN_PROBE_RECORDS_H
#define QMK_DRYRUN_PROBE_RECORDS_H

#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "TP.h"

namespace qlx_dryrun {

/* Longest message of a record, in bytes. */
constexpr std::size_t k_probe_message_size = 65536;

struct ProbeFile {
  FILE *file = nullptr;
  std::string name;
  long line = 0;
  alignas(std::max_align_t) unsigned char message[k_probe_message_size];
  char text[2 * k_probe_message_size + 256];  // the line being read
  char bytes[2 * k_probe_message_size + 1];   // its message field
};

/* The recording of a probe: QMK_DRYRUN_PROBE, or "<path><instance>.prb". */
inline std::string probe_file_name(const char *path, const char *instance) {
  const char *named = std::getenv("QMK_DRYRUN_PROBE");
  if (named && *named) return named;
  return std::string(path ? path : "") + (instance ? instance : "") + ".prb";
}

/* Opens a recording for reading ("r") or writing ("w"); null, with a message on the standard
 * error stream, when it cannot be opened. */
inline ProbeFile *open_probe_file(const std::string &name, const char *mode) {
  FILE *f = std::fopen(name.c_str(), mode);
  if (!f) {
    std::fprintf(stderr, "dry-run: cannot open the probe recording '%s'\n", name.c_str());
    return nullptr;
  }
  ProbeFile *probe = new ProbeFile;
  probe->file = f;
  probe->name = name;
  return probe;
}

inline void close_probe_file(ProbeFile *probe) {
  if (!probe) return;
  std::fclose(probe->file);
  delete probe;
}

inline int hex_digit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

/* The next record: 1 with its fields (the message stays valid until the next read), 0 at the end
 * of the recording. A line that is not a record is reported on the standard error stream and
 * ends the recording. */
inline int read_probe_record(ProbeFile *probe, QLX_T_DATE *date, QLX_T_UINT *code, QLX_T_UINT *key, void **message,
                             std::size_t *length) {
  if (!probe) return 0;
  char *text = probe->text;
  char *bytes = probe->bytes;
  while (std::fgets(text, sizeof probe->text, probe->file)) {
    ++probe->line;
    const char *p = text;
    while (*p == ' ' || *p == '\t') ++p;
    if (*p == '#' || *p == '\n' || *p == '\r' || *p == '\0') continue;
    long when = 0;
    unsigned long c = 0, k = 0;
    if (std::sscanf(p, "%ld %lu %lu %131072s", &when, &c, &k, bytes) < 4) {
      std::fprintf(stderr, "dry-run: %s:%ld: not a probe record\n", probe->name.c_str(), probe->line);
      return 0;
    }
    std::size_t n = 0;
    for (const char *b = bytes; *b && std::strcmp(bytes, "-") != 0; ++b) {
      if (*b == '_') continue;
      int high = hex_digit(b[0]);
      int low = b[1] ? hex_digit(b[1]) : -1;
      if (high < 0 || low < 0 || n >= k_probe_message_size) {
        std::fprintf(stderr, "dry-run: %s:%ld: bad message bytes\n", probe->name.c_str(), probe->line);
        return 0;
      }
      probe->message[n++] = static_cast<unsigned char>(high * 16 + low);
      ++b;
    }
    std::memset(probe->message + n, 0, k_probe_message_size - n);
    if (date) date->qlx_date = when;
    if (code) *code = static_cast<QLX_T_UINT>(c);
    if (key) *key = static_cast<QLX_T_UINT>(k);
    if (message) *message = probe->message;
    if (length) *length = n;
    return 1;
  }
  return 0;
}

/* Appends a record. */
inline void write_probe_record(ProbeFile *probe, QLX_T_UTIME date, QLX_T_UINT code, QLX_T_UINT key, const void *message,
                               std::size_t length) {
  if (!probe) return;
  std::fprintf(probe->file, "%ld %u %u ", static_cast<long>(date), code, key);
  const unsigned char *bytes = static_cast<const unsigned char *>(message);
  if (!bytes || length == 0) std::fputc('-', probe->file);
  for (std::size_t i = 0; bytes && i < length; ++i) std::fprintf(probe->file, "%02x", bytes[i]);
  std::fputc('\n', probe->file);
}

}  // namespace qlx_dryrun

#endif /* QMK_DRYRUN_PROBE_RECORDS_H */
