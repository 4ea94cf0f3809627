// The pieces every part of the warehouse generator shares: deterministic
// pseudo-random numbers, SQL literals and multi-row INSERT batches.
#pragma once

#include <cstdint>
#include <cstdio>
#include <initializer_list>
#include <ostream>
#include <random>
#include <string>
#include <string_view>

namespace warehouse_sql {

// Deterministic pseudo-random numbers: the engine's sequence is fixed by the
// standard, and the reduction below does not depend on the library.
class Rng {
public:
    explicit Rng(uint64_t seed) : engine(seed) {}
    uint32_t below(uint32_t n) { return n == 0 ? 0 : static_cast<uint32_t>(engine() % n); }
    bool oneIn(uint32_t n) { return below(n) == 0; }

private:
    std::mt19937_64 engine;
};

std::string format(const char* fmt, long a, long b = 0, long c = 0) {
    char buf[128];
    std::snprintf(buf, sizeof buf, fmt, a, b, c);
    return buf;
}

// One value of a row: a quoted text, a number or NULL.
class Value {
public:
    static Value null() { return Value("NULL"); }
    static Value number(long n) { return Value(std::to_string(n)); }
    static Value text(std::string_view s) {
        std::string q;
        q.reserve(s.size() + 2);
        q += '\'';
        for (char ch : s) {
            if (ch == '\'')
                q += '\'';
            q += ch;
        }
        q += '\'';
        return Value(std::move(q));
    }
    static Value textOrNull(const std::string& s) { return s.empty() ? null() : text(s); }
    const std::string& sql() const { return literal; }

private:
    explicit Value(std::string s) : literal(std::move(s)) {}
    std::string literal;
};

// Collects the rows of one table and writes them as multi-row INSERTs.
class InsertBatch {
public:
    InsertBatch(std::ostream& out, std::string table, std::string columns)
        : out(out),
          head("INSERT INTO " + std::move(table) + " (" + std::move(columns) + ") VALUES\n") {}
    InsertBatch(const InsertBatch&) = delete;
    InsertBatch& operator=(const InsertBatch&) = delete;
    ~InsertBatch() { flush(); }

    void add(std::initializer_list<Value> values) {
        buffer += rows == 0 ? "(" : ",\n(";
        bool first = true;
        for (const Value& v : values) {
            if (!first)
                buffer += ", ";
            buffer += v.sql();
            first = false;
        }
        buffer += ')';
        ++total;
        if (++rows == kRowsPerInsert)
            flush();
    }
    void flush() {
        if (rows == 0)
            return;
        out << head << buffer << ";\n";
        buffer.clear();
        rows = 0;
    }
    long count() const { return total; }

private:
    static constexpr int kRowsPerInsert = 500;
    std::ostream& out;
    std::string head;
    std::string buffer;
    int rows = 0;
    long total = 0;
};

} // namespace warehouse_sql
