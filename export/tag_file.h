// Tag_File: the one tag-language file of the process, its checkpoint counter
// and the numbering of side files. Every line of the tag file goes through
// write_line; writes while no file is open do nothing.
#pragma once

#include <array>
#include <cstddef>
#include <fstream>
#include <string_view>

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
    // Writes the line in the multibyte form, then "\n", and flushes.
    static void write_line(std::wstring_view line);
    // Writes the next checkpoint, ":COMMIT.CHKPID(n)"; the first after init is 151.
    static void write_chkpid();
    // The tag file's name up to and including its first ".", followed by the
    // next side-file number ("out.tag" gives "out.1", then "out.2" ...).
    static const char* next_blob_filename();
    // Closes the file; later writes do nothing.
    static void clean_up();
    static bool is_open() { return tfile.is_open(); }

    static inline std::ofstream tfile;
    static inline std::array<char, name_capacity> fn{};
    static inline int fn_len = 0;
    static inline std::array<char, name_capacity> new_filename{};
    static inline long current_chkpid = 150;
    static inline int blob_id = 0;
};
