// Copying of the metadata-type definition files into the tag file.
#include "export/metatype_export.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

#include "export/export_error.h"
#include "export/tag_file.h"

namespace {

constexpr std::array<const char*, 6> typeFiles = {
    "qztnydat.typ", "qztnytab.typ", "qztnycol.typ", "qztnyhq0.ty1", "qztnyinf.typ", "qztnyhq1.ty1",
};
// Capacity of a type file's path, terminator included.
constexpr size_t pathCapacity = 100;
// Bytes taken by one read, terminator included.
constexpr size_t pieceCapacity = 512;

HQRC failure() {
    return tagHQRCset(13106, L"export_metatype", HQSTRING(metatype_module));
}

struct Closer {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

} // namespace

HQRC export_metatype() {
    const char* ktlpath = std::getenv("KTLPATH");
    if (ktlpath == nullptr)
        return failure();
    const std::string folder = std::string(ktlpath) + "/types/";

    for (const char* name : typeFiles) {
        const std::string path = folder + name;
        if (path.size() >= pathCapacity)
            return failure();
        std::unique_ptr<std::FILE, Closer> file(std::fopen(path.c_str(), "rb"));
        if (!file)
            return failure();
        std::array<char, pieceCapacity> piece{};
        while (std::fgets(piece.data(), static_cast<int>(piece.size()), file.get()) != nullptr) {
            std::string_view bytes(piece.data(), std::strlen(piece.data()));
            if (!bytes.empty() && bytes.back() == '\n')
                bytes.remove_suffix(1);
            Tag_File::write_line(HQSTRING(bytes.data(), bytes.size()));
        }
    }

    const HQSTRING rule = HQSTRING(L":COMMENT.") + HQSTRING(std::wstring(60, L'='));
    Tag_File::write_line(rule);
    Tag_File::write_line(L":COMMENT.  End Object Type Definition");
    Tag_File::write_line(rule);
    return HQRC(0, 0, DomainWhsSrv);
}
