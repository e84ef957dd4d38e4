#include "script/source_files.h"

#include <unistd.h>

#include <cerrno>

#include "base/crc16.h"
#include "base/names.h"
#include "diag/report.h"

namespace script {

namespace {

// The path buffer of the file records holds 4000 characters, the terminator included.
constexpr std::size_t path_buffer_size = 4000;

bool has_directory_part(const std::string& name) {
  for (char c : name) {
    if (base::is_separator(c)) return true;
  }
  return false;
}

}  // namespace

int register_file(FileTable& table, long identity_key, std::uint16_t crc) {
  for (std::size_t i = 0; i < table.rows.size(); ++i) {
    if (table.rows[i].identity_key == identity_key && table.rows[i].crc == crc) return static_cast<int>(i) + 1;
  }
  if (table.rows.size() >= static_cast<std::size_t>(file_table_limit)) diag::report_fatal(diag::Code::INCLOVFLW);
  table.rows.push_back({identity_key, crc});
  return static_cast<int>(table.rows.size());
}

std::string working_directory() {
  std::string buffer(path_buffer_size * 2, '\0');
  while (getcwd(buffer.data(), buffer.size()) == nullptr) {
    if (errno != ERANGE || buffer.size() > (1u << 20)) diag::report_internal(diag::Code::SIZBUFOVL);
    buffer.resize(buffer.size() * 2);
  }
  buffer.resize(buffer.find('\0'));
  return buffer;
}

std::string absolute_directory_of(const std::string& name, const std::string& cwd) {
  if (!has_directory_part(name)) {
    if (cwd.size() >= path_buffer_size) diag::report_internal(diag::Code::SIZBUFOVL);
    return cwd;
  }
  std::string directory = base::directory_of(name);
  if (base::is_absolute_path(directory)) return directory;
  if (cwd.size() + 1 + directory.size() >= path_buffer_size) diag::report_internal(diag::Code::SIZBUFOVL);
  return base::join_path(cwd, directory);
}

long identity_key_of(std::size_t size, const std::string& absolute_directory) {
  long key = static_cast<long>(size);
  for (unsigned char c : absolute_directory) key += static_cast<long>(c) - 32;
  return key;
}

std::unique_ptr<SourceFile> make_source_file(const std::string& name, const std::string& bytes, FileTable& table,
                                             const std::string& cwd) {
  auto file = std::make_unique<SourceFile>();
  file->name = name;
  file->size = bytes.size();
  file->crc = base::crc16(0, reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size(), 0x8000, -1);
  file->entry.absolute_directory = absolute_directory_of(name, cwd);
  file->entry.base_name = base::file_name_of(name);
  file->entry.identity_key = identity_key_of(file->size, file->entry.absolute_directory);
  file->entry.crc = file->crc;
  file->entry.number = register_file(table, file->entry.identity_key, file->crc);
  return file;
}

}  // namespace script
