// The tag file: opening, line output, checkpoints and side-file names.
#include "export/tag_file.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include "export/export_error.h"

namespace {
HQRC openFailure(std::string_view filename) {
    HQRC rc = tagHQRCset(13001, L"Tag_File::init", HQSTRING(tagxobj_module),
                         HQSTRING(std::string(filename)));
    rc.token2 = L"its name must be shorter than 128 bytes and its folder writable";
    return rc;
}
} // namespace

HQRC Tag_File::init(std::string_view filename) {
    blob_id = 0;
    if (tfile.is_open())
        clean_up();
    block_used = 0;
    write_failure = HQRC(0, 0, DomainWhsSrv);
    tfile.clear();
    if (filename.size() >= name_capacity || filename.find('\0') != std::string_view::npos)
        return openFailure(filename);
    // Without a buffer of its own the stream writes each block in one piece.
    tfile.rdbuf()->pubsetbuf(nullptr, 0);
    tfile.open(std::string(filename), std::ios::out | std::ios::trunc | std::ios::binary);
    if (!tfile.is_open())
        return openFailure(filename);
    fn.fill('\0');
    std::copy(filename.begin(), filename.end(), fn.begin());
    fn_len = static_cast<int>(filename.size());
    current_chkpid = 150;
    return HQRC(0, 0, DomainWhsSrv);
}

void Tag_File::fail(const wchar_t* location) {
    const int error = errno;
    if (write_failure.code == 0) {
        write_failure = tagHQRCset(13001, location, HQSTRING(tagxobj_module),
                                   HQSTRING(std::string(fn.data(), static_cast<size_t>(fn_len))));
        write_failure.nativeCode = error;
        write_failure.token2 =
            HQSTRING(std::string(error != 0 ? std::strerror(error) : "the write did not complete"));
        write_failure.nativeMessage = write_failure.token2;
    }
    tfile.setstate(std::ios::badbit);
}

void Tag_File::write_line(std::wstring_view line) {
    write_line({line});
}

char* Tag_File::room(size_t characters) {
    // 4 bytes a character at most, and the line end.
    const size_t needed = block_used + 4 * characters + 1;
    if (block.size() < needed)
        block.resize(std::max({needed, 2 * block.size(), block_limit + size_t{64} * 1024}));
    return block.data() + block_used;
}

void Tag_File::write_line(std::initializer_list<std::wstring_view> parts) {
    if (!tfile.is_open() || write_failure.code != 0)
        return;
    size_t characters = 0;
    for (const std::wstring_view part : parts)
        characters += part.size();
    char* to = room(characters);
    for (const std::wstring_view part : parts)
        to = putMultiByte(to, part);
    *to++ = '\n';
    block_used = static_cast<size_t>(to - block.data());
    if (block_used > block_limit)
        flush();
}

void Tag_File::write_part(std::wstring_view part) {
    if (!tfile.is_open() || write_failure.code != 0)
        return;
    block_used = static_cast<size_t>(putMultiByte(room(part.size()), part) - block.data());
}

const HQRC& Tag_File::flush() {
    if (!tfile.is_open() || write_failure.code != 0 || block_used == 0)
        return write_failure;
    errno = 0;
    tfile.write(block.data(), static_cast<std::streamsize>(block_used));
    block_used = 0;
    if (!tfile)
        fail(L"Tag_File::write_line");
    return write_failure;
}

void Tag_File::write_chkpid() {
    if (!tfile.is_open())
        return;
    ++current_chkpid;
    write_line(L":COMMIT.CHKPID(" + std::to_wstring(current_chkpid) + L")");
    raiseIfFailed(flush());
}

const char* Tag_File::next_blob_filename() {
    ++blob_id;
    const std::string_view name(fn.data(), static_cast<size_t>(fn_len));
    const size_t dot = name.find('.');
    const std::string_view stem = dot == std::string_view::npos ? name : name.substr(0, dot + 1);
    std::snprintf(new_filename.data(), new_filename.size(), "%.*s%d", static_cast<int>(stem.size()),
                  stem.data(), blob_id);
    return new_filename.data();
}

HQRC Tag_File::clean_up() {
    if (tfile.is_open()) {
        flush();
        errno = 0;
        tfile.close();
        if (tfile.fail())
            fail(L"Tag_File::clean_up");
    }
    block_used = 0;
    block = std::vector<char>();
    return write_failure;
}
