// Benchmark: one million property lines through the tag writer, which flushes
// after every line, compared with the same lines written to one buffered
// stream without the per-line flush. Usage: tag_write_bench [folder] [lines]
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "export/tag_property.h"
#include "export/tag_vocabulary.h"
#include "export/tag_writer.h"

namespace {

using Clock = std::chrono::steady_clock;

HQSTRING valueOf(long i) {
    HQSTRING value = L"CUSTOMER_ORDERS(" + std::to_wstring(i) + L")";
    wrap_parens(value);
    return value;
}

double seconds(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

} // namespace

int main(int argc, char** argv) {
    const std::filesystem::path folder = argc > 1 ? argv[1] : ".";
    const long lines = argc > 2 ? std::atol(argv[2]) : 1000000;
    const std::string flushedName = (folder / "bench_flushed.tag").string();
    const std::string bufferedName = (folder / "bench_buffered.tag").string();

    if (Tag_File::init(flushedName).code != 0) {
        std::printf("cannot open %s\n", flushedName.c_str());
        return 1;
    }
    auto start = Clock::now();
    for (long i = 0; i < lines; ++i)
        write_property(tables_key, valueOf(i));
    Tag_File::clean_up();
    const double flushed = seconds(start);

    std::ofstream buffered(bufferedName, std::ios::out | std::ios::trunc | std::ios::binary);
    start = Clock::now();
    for (long i = 0; i < lines; ++i) {
        HQSTRING line(indent_str);
        line.append(tables_key).append(l_paren).append(valueOf(i)).append(r_paren);
        buffered << line.toMultiByte() << '\n';
    }
    buffered.close();
    const double unflushed = seconds(start);

    const auto size = std::filesystem::file_size(flushedName);
    std::printf("%ld property lines, %ju bytes\n", lines, static_cast<uintmax_t>(size));
    std::printf("tag writer, flush after every line: %.3f s (%.2f us/line)\n", flushed,
                flushed * 1e6 / lines);
    std::printf("same lines, one buffered stream, no flush: %.3f s (%.2f us/line)\n", unflushed,
                unflushed * 1e6 / lines);
    std::filesystem::remove(flushedName);
    std::filesystem::remove(bufferedName);
    return 0;
}
