// Side files of the tag file: creating, writing and closing one, every step
// checked.
#include "export/side_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include "export/export_error.h"
#include "export/tag_file.h"

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

[[noreturn]] void fail(const HQSTRING& location, const std::string& name, int error) {
    HQRC rc = tagHQRCset(13001, location, HQSTRING(tagxobj_module), HQSTRING(name));
    rc.nativeCode = error;
    rc.token2 =
        HQSTRING(std::string(error != 0 ? std::strerror(error) : "the write did not complete"));
    rc.nativeMessage = rc.token2;
    throw rc;
}

} // namespace

int write_side_file(std::string_view data, const HQSTRING& location) {
    const std::string name = Tag_File::next_blob_filename();
    const int number = Tag_File::blob_id;
    errno = 0;
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(name.c_str(), "wb"));
    if (!file)
        fail(location, name, errno);
    errno = 0;
    if (std::fwrite(data.data(), 1, data.size(), file.get()) != data.size() ||
        std::fflush(file.get()) != 0)
        fail(location, name, errno);
    errno = 0;
    if (std::fclose(file.release()) != 0)
        fail(location, name, errno);
    return number;
}
