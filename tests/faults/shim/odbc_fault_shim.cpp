// A library preloaded into the program (LD_PRELOAD) by the fault-injection
// tests. It stands between the program and the ODBC driver manager: every
// call that the program itself makes to an ODBC function is counted, and the
// call with a chosen number can be made to fail.
//
//   QRT_FAULT_COUNTER  file holding the number of calls counted so far (an
//                      8-byte counter, updated in place, so that it survives
//                      a process that ends without running exit handlers)
//   QRT_FAULT_AT       number (from 1) of the call that fails; none: no fault
//   QRT_FAULT_MODE     "error": only that call fails, with SQL_ERROR and a
//                      diagnostic record "HY000"; "lost": that call and every
//                      later one fail as on a lost connection ("08S01");
//                      "nodata": that call answers SQL_NO_DATA, unexecuted
//   QRT_FAULT_LOG      file that receives one line "<number> <function>" per
//                      call
//
// A failing call does not reach the driver manager. An allocation that fails
// hands back a null handle. SQLError reports the record of the failed call
// once, then "no more records"; calls made by the driver manager or a driver
// (not by the program) pass through uncounted.
#include <dlfcn.h>
#include <fcntl.h>
#include <link.h>
#include <sql.h>
#include <sqlext.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <string>
#include <unordered_map>

namespace {

struct Record {
    std::string state;
    SQLINTEGER native = 0;
    std::string text;
    bool reported = false;
};

struct Shim {
    uint64_t* counter = nullptr; // shared counter, or the local one
    uint64_t localCounter = 0;
    uint64_t failAt = 0;
    bool lost = false;
    bool noData = false;
    bool connectionLost = false;
    int logFd = -1;
    uintptr_t programStart = 0, programEnd = 0;
    std::mutex mutex;
    std::unordered_map<const void*, Record> pending;

    Shim() {
        counter = &localCounter;
        if (const char* path = std::getenv("QRT_FAULT_COUNTER")) {
            const int fd = ::open(path, O_RDWR | O_CREAT, 0600);
            if (fd >= 0 && ::ftruncate(fd, sizeof(uint64_t)) == 0) {
                void* map =
                    ::mmap(nullptr, sizeof(uint64_t), PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
                if (map != MAP_FAILED)
                    counter = static_cast<uint64_t*>(map);
            }
            if (fd >= 0)
                ::close(fd);
        }
        if (const char* at = std::getenv("QRT_FAULT_AT"))
            failAt = std::strtoull(at, nullptr, 10);
        if (const char* mode = std::getenv("QRT_FAULT_MODE")) {
            lost = std::strcmp(mode, "lost") == 0;
            noData = std::strcmp(mode, "nodata") == 0;
        }
        if (const char* log = std::getenv("QRT_FAULT_LOG"))
            logFd = ::open(log, O_WRONLY | O_CREAT | O_APPEND, 0600);
        // The address range of the program itself: the first object listed.
        dl_iterate_phdr(
            [](dl_phdr_info* info, size_t, void* data) {
                auto* self = static_cast<Shim*>(data);
                for (int i = 0; i < info->dlpi_phnum; ++i) {
                    const ElfW(Phdr)& ph = info->dlpi_phdr[i];
                    if (ph.p_type != PT_LOAD)
                        continue;
                    const uintptr_t start = info->dlpi_addr + ph.p_vaddr;
                    const uintptr_t end = start + ph.p_memsz;
                    if (self->programStart == 0 || start < self->programStart)
                        self->programStart = start;
                    if (end > self->programEnd)
                        self->programEnd = end;
                }
                return 1; // only the program
            },
            this);
    }

    bool fromProgram(const void* caller) const {
        const auto address = reinterpret_cast<uintptr_t>(caller);
        return address >= programStart && address < programEnd;
    }

    // Counts a call of the program; true when this call is to fail.
    bool counts(const char* name, const void* caller) {
        if (!fromProgram(caller))
            return false;
        const std::lock_guard lock(mutex);
        const uint64_t number = ++*counter;
        if (logFd >= 0) {
            char line[64];
            const int n = std::snprintf(line, sizeof line, "%llu %s\n",
                                        static_cast<unsigned long long>(number), name);
            if (n > 0)
                (void)!::write(logFd, line, static_cast<size_t>(n));
        }
        if (failAt != 0 && number == failAt) {
            connectionLost = lost;
            return true;
        }
        return connectionLost;
    }

    SQLRETURN fail(const void* handle) {
        if (noData)
            return SQL_NO_DATA;
        const std::lock_guard lock(mutex);
        if (handle != nullptr) {
            if (connectionLost)
                pending[handle] = {"08S01", 0, "[fault injection] Communication link failure"};
            else
                pending[handle] = {"HY000", 4242, "[fault injection] Injected failure"};
        }
        return SQL_ERROR;
    }

    // A call that reaches the driver manager replaces the handle's records.
    void passed(const void* handle) {
        const std::lock_guard lock(mutex);
        if (!pending.empty())
            pending.erase(handle);
    }

    // 1: the injected record of the handle, reported now; 0: the handle
    // failed by injection and its record was reported already (no more
    // records); -1: the handle's records are the driver manager's.
    int takeRecord(const void* handle, Record& record) {
        const std::lock_guard lock(mutex);
        auto found = pending.find(handle);
        if (found == pending.end())
            return -1;
        if (found->second.reported)
            return 0;
        found->second.reported = true;
        record = found->second;
        return 1;
    }
};

Shim& shim() {
    static Shim instance;
    return instance;
}

template <class F> F next(const char* name) {
    return reinterpret_cast<F>(::dlsym(RTLD_NEXT, name));
}

} // namespace

// Each wrapper: count, fail or pass the call on to the next definition.
#define QRT_FORWARD(name, handle, ...)                                                             \
    do {                                                                                           \
        static auto real = next<decltype(&name)>(#name);                                           \
        if (shim().counts(#name, __builtin_return_address(0)))                                     \
            return shim().fail(handle);                                                            \
        shim().passed(handle);                                                                     \
        return real(__VA_ARGS__);                                                                  \
    } while (0)

extern "C" {

SQLRETURN SQL_API SQLAllocEnv(SQLHENV* env) {
    static auto real = next<decltype(&SQLAllocEnv)>("SQLAllocEnv");
    if (shim().counts("SQLAllocEnv", __builtin_return_address(0))) {
        *env = SQL_NULL_HENV;
        return SQL_ERROR;
    }
    return real(env);
}

SQLRETURN SQL_API SQLAllocConnect(SQLHENV env, SQLHDBC* dbc) {
    static auto real = next<decltype(&SQLAllocConnect)>("SQLAllocConnect");
    if (shim().counts("SQLAllocConnect", __builtin_return_address(0))) {
        *dbc = SQL_NULL_HDBC;
        return shim().fail(env);
    }
    return real(env, dbc);
}

SQLRETURN SQL_API SQLAllocStmt(SQLHDBC dbc, SQLHSTMT* stmt) {
    static auto real = next<decltype(&SQLAllocStmt)>("SQLAllocStmt");
    if (shim().counts("SQLAllocStmt", __builtin_return_address(0))) {
        *stmt = SQL_NULL_HSTMT;
        return shim().fail(dbc);
    }
    return real(dbc, stmt);
}

SQLRETURN SQL_API SQLConnect(SQLHDBC dbc, SQLCHAR* server, SQLSMALLINT serverLength, SQLCHAR* user,
                             SQLSMALLINT userLength, SQLCHAR* password,
                             SQLSMALLINT passwordLength) {
    QRT_FORWARD(SQLConnect, dbc, dbc, server, serverLength, user, userLength, password,
                passwordLength);
}

SQLRETURN SQL_API SQLDriverConnect(SQLHDBC dbc, SQLHWND window, SQLCHAR* in, SQLSMALLINT inLength,
                                   SQLCHAR* out, SQLSMALLINT outMax, SQLSMALLINT* outLength,
                                   SQLUSMALLINT completion) {
    QRT_FORWARD(SQLDriverConnect, dbc, dbc, window, in, inLength, out, outMax, outLength,
                completion);
}

SQLRETURN SQL_API SQLGetInfo(SQLHDBC dbc, SQLUSMALLINT type, SQLPOINTER value,
                             SQLSMALLINT bufferLength, SQLSMALLINT* length) {
    QRT_FORWARD(SQLGetInfo, dbc, dbc, type, value, bufferLength, length);
}

SQLRETURN SQL_API SQLSetConnectOption(SQLHDBC dbc, SQLUSMALLINT option, SQLULEN value) {
    QRT_FORWARD(SQLSetConnectOption, dbc, dbc, option, value);
}

SQLRETURN SQL_API SQLSetConnectAttr(SQLHDBC dbc, SQLINTEGER attribute, SQLPOINTER value,
                                    SQLINTEGER length) {
    QRT_FORWARD(SQLSetConnectAttr, dbc, dbc, attribute, value, length);
}

SQLRETURN SQL_API SQLSetStmtOption(SQLHSTMT stmt, SQLUSMALLINT option, SQLULEN value) {
    QRT_FORWARD(SQLSetStmtOption, stmt, stmt, option, value);
}

SQLRETURN SQL_API SQLPrepare(SQLHSTMT stmt, SQLCHAR* text, SQLINTEGER length) {
    QRT_FORWARD(SQLPrepare, stmt, stmt, text, length);
}

SQLRETURN SQL_API SQLBindParameter(SQLHSTMT stmt, SQLUSMALLINT number, SQLSMALLINT kind,
                                   SQLSMALLINT cType, SQLSMALLINT sqlType, SQLULEN size,
                                   SQLSMALLINT digits, SQLPOINTER value, SQLLEN bufferLength,
                                   SQLLEN* indicator) {
    QRT_FORWARD(SQLBindParameter, stmt, stmt, number, kind, cType, sqlType, size, digits, value,
                bufferLength, indicator);
}

SQLRETURN SQL_API SQLBindCol(SQLHSTMT stmt, SQLUSMALLINT number, SQLSMALLINT type, SQLPOINTER value,
                             SQLLEN bufferLength, SQLLEN* indicator) {
    QRT_FORWARD(SQLBindCol, stmt, stmt, number, type, value, bufferLength, indicator);
}

SQLRETURN SQL_API SQLExecute(SQLHSTMT stmt) {
    QRT_FORWARD(SQLExecute, stmt, stmt);
}

SQLRETURN SQL_API SQLExecDirect(SQLHSTMT stmt, SQLCHAR* text, SQLINTEGER length) {
    QRT_FORWARD(SQLExecDirect, stmt, stmt, text, length);
}

SQLRETURN SQL_API SQLFetch(SQLHSTMT stmt) {
    QRT_FORWARD(SQLFetch, stmt, stmt);
}

SQLRETURN SQL_API SQLRowCount(SQLHSTMT stmt, SQLLEN* rows) {
    QRT_FORWARD(SQLRowCount, stmt, stmt, rows);
}

SQLRETURN SQL_API SQLFreeStmt(SQLHSTMT stmt, SQLUSMALLINT option) {
    QRT_FORWARD(SQLFreeStmt, stmt, stmt, option);
}

SQLRETURN SQL_API SQLTransact(SQLHENV env, SQLHDBC dbc, SQLUSMALLINT type) {
    QRT_FORWARD(SQLTransact, dbc != SQL_NULL_HDBC ? dbc : env, env, dbc, type);
}

SQLRETURN SQL_API SQLDisconnect(SQLHDBC dbc) {
    QRT_FORWARD(SQLDisconnect, dbc, dbc);
}

SQLRETURN SQL_API SQLFreeConnect(SQLHDBC dbc) {
    QRT_FORWARD(SQLFreeConnect, nullptr, dbc);
}

SQLRETURN SQL_API SQLFreeEnv(SQLHENV env) {
    QRT_FORWARD(SQLFreeEnv, nullptr, env);
}

// Reports the injected record of the most specific handle given; in the
// "error" mode the call itself can be the one that fails.
SQLRETURN SQL_API SQLError(SQLHENV env, SQLHDBC dbc, SQLHSTMT stmt, SQLCHAR* state,
                           SQLINTEGER* native, SQLCHAR* text, SQLSMALLINT bufferLength,
                           SQLSMALLINT* textLength) {
    static auto real = next<decltype(&SQLError)>("SQLError");
    const void* handle = stmt != SQL_NULL_HSTMT ? static_cast<const void*>(stmt)
                         : dbc != SQL_NULL_HDBC ? static_cast<const void*>(dbc)
                                                : static_cast<const void*>(env);
    Shim& s = shim();
    if (s.fromProgram(__builtin_return_address(0))) {
        Record record;
        const int taken = s.takeRecord(handle, record);
        if (taken == 0)
            return SQL_NO_DATA;
        if (taken == 1) {
            std::snprintf(reinterpret_cast<char*>(state), 6, "%s", record.state.c_str());
            *native = record.native;
            if (text != nullptr && bufferLength > 0)
                std::snprintf(reinterpret_cast<char*>(text), static_cast<size_t>(bufferLength),
                              "%s", record.text.c_str());
            if (textLength != nullptr)
                *textLength = static_cast<SQLSMALLINT>(record.text.size());
            return SQL_SUCCESS;
        }
        if (s.connectionLost)
            return SQL_NO_DATA;
        if (s.counts("SQLError", __builtin_return_address(0)))
            return SQL_ERROR;
    }
    return real(env, dbc, stmt, state, native, text, bufferLength, textLength);
}

} // extern "C"
