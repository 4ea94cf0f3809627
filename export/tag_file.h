// Tag_File: the one tag-language file of the process, its checkpoint counter
// and the numbering of side files. Every line of the tag file goes through
// write_line; writes while no file is open do nothing. Lines are collected in
// memory and written to the file in blocks: at each checkpoint (after its
// line), by flush, and when the file is closed, so that a process that ends
// without warning leaves a file that ends at a checkpoint or inside the work
// that follows it.
#pragma once

#include <array>
#include <cstddef>
#include <fstream>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/hq_string.h"
#include "runtime/return_code.h"

class Tag_File {
public:
    // Bytes of the name buffers, terminator included.
    static constexpr size_t name_capacity = 128;

    // Opens (creates or truncates) the tag file. Resets the side-file counter
    // first; on success stores the name and restarts checkpoints at 150.
    // A name that does not fit the name buffer is refused. Failure: 13001.
    static HQRC init(std::string_view filename);
    // Adds the line in the multibyte form, then "\n", to the block not yet
    // written; a block that grew beyond block_limit bytes is written at
    // once. A write that fails (a full disk, a file-size limit) is kept as
    // the file's failure (status) and nothing more is written to the file.
    static void write_line(std::wstring_view line);
    // The same for a line given in parts, written one after the other.
    static void write_line(std::initializer_list<std::wstring_view> parts);
    // Adds the front part of a line that the next write_line ends.
    static void write_part(std::wstring_view part);
    // Adds the next checkpoint, ":COMMIT.CHKPID(n)" (the first after init is
    // 151), and writes the block. Then raises the file's failure, if any: a
    // checkpoint promises that everything before it is in the file.
    static void write_chkpid();
    // Writes the block collected so far; returns the file's failure.
    static const HQRC& flush();
    // 0 while every write so far succeeded; else the first failure (13001,
    // with the system's error number and text).
    static const HQRC& status() { return write_failure; }
    // The tag file's name up to and including its first ".", followed by the
    // next side-file number ("out.tag" gives "out.1", then "out.2" ...).
    static const char* next_blob_filename();
    // Writes the last block and closes the file; later writes do nothing.
    // Returns the file's failure, including one of the final write and close
    // (0 when there was none).
    static HQRC clean_up();
    static bool is_open() { return tfile.is_open(); }

    // Size of the block beyond which it is written before the next checkpoint.
    static constexpr size_t block_limit = size_t{1} << 20;

    static inline std::ofstream tfile;     // unbuffered: the block is its buffer
    static inline std::vector<char> block; // lines not yet written: the first block_used bytes
    static inline size_t block_used = 0;
    static inline std::array<char, name_capacity> fn{};
    static inline int fn_len = 0;
    static inline std::array<char, name_capacity> new_filename{};
    static inline long current_chkpid = 150;
    static inline int blob_id = 0;
    static inline HQRC write_failure;

private:
    // Where the block goes on, with room for a text of `characters`
    // characters and a line end.
    static char* room(size_t characters);
    // Keeps the first write failure and stops further writes.
    static void fail(const wchar_t* location);
};
