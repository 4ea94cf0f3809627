// The tag file: opening, line output, checkpoints and side-file names.
#include "export/tag_file.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "export/export_error.h"

HQRC Tag_File::init(std::string_view filename) {
    blob_id = 0;
    if (tfile.is_open())
        tfile.close();
    tfile.clear();
    if (filename.size() >= name_capacity || filename.find('\0') != std::string_view::npos)
        return tagHQRCset(13001, L"Tag_File::init", HQSTRING(tagxobj_module),
                          HQSTRING(std::string(filename)));
    tfile.open(std::string(filename), std::ios::out | std::ios::trunc | std::ios::binary);
    if (!tfile.is_open())
        return tagHQRCset(13001, L"Tag_File::init", HQSTRING(tagxobj_module),
                          HQSTRING(std::string(filename)));
    fn.fill('\0');
    std::copy(filename.begin(), filename.end(), fn.begin());
    fn_len = static_cast<int>(filename.size());
    current_chkpid = 150;
    return HQRC(0, 0, DomainWhsSrv);
}

void Tag_File::write_line(std::wstring_view line) {
    if (!tfile.is_open())
        return;
    const std::string bytes = wideToMultiByte(line);
    tfile.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    tfile.put('\n');
    tfile.flush();
}

void Tag_File::write_chkpid() {
    if (!tfile.is_open())
        return;
    ++current_chkpid;
    write_line(L":COMMIT.CHKPID(" + std::to_wstring(current_chkpid) + L")");
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

void Tag_File::clean_up() {
    if (tfile.is_open())
        tfile.close();
}
