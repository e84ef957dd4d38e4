// The script's source files: one record per file opened (the script and every included file),
// and the table of distinct files that gives each file its number.
#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace script {

// Entry of a file in the file table.
struct FileEntry {
  int number = 0;            // position in the file table, from 1
  long identity_key = 0;     // size + sum over the absolute directory of (character - 32)
  std::uint16_t crc = 0;
  std::string absolute_directory;
  std::string base_name;     // the file name without its directory
};

struct SourceFile {
  std::string name;          // as opened
  std::size_t size = 0;
  std::uint16_t crc = 0;     // CRC-16/KERMIT of the raw bytes
  FileEntry entry;
};

// Source file records, newest first (the order the driver and the generators see).
using SourceFileList = std::vector<std::unique_ptr<SourceFile>>;

// The table of distinct files: two files are the same file when their identity keys and CRCs
// are equal. At most `file_table_limit` distinct files.
inline constexpr int file_table_limit = 500;

struct FileTableRow {
  long identity_key;
  std::uint16_t crc;
};

struct FileTable {
  std::vector<FileTableRow> rows;
};

// The number of the file with this key and CRC: an existing row's, or a new row's. A distinct
// file beyond the limit is fatal "INCLOVFLW".
int register_file(FileTable& table, long identity_key, std::uint16_t crc);

// The absolute directory of a file opened under `name`: the directory part when it is absolute,
// the working directory when there is none, else the working directory joined with it. A
// working directory that does not fit the 4000-character path buffer is internal "SIZBUFOVL".
std::string absolute_directory_of(const std::string& name, const std::string& working_directory);
// The current working directory ("SIZBUFOVL" when it cannot be read).
std::string working_directory();

long identity_key_of(std::size_t size, const std::string& absolute_directory);

// A record for `name` whose whole contents are `bytes`, registered in `table`.
std::unique_ptr<SourceFile> make_source_file(const std::string& name, const std::string& bytes, FileTable& table,
                                             const std::string& working_directory);

}  // namespace script
