// HQOdbc: the process-wide call-level-interface environment and its two
// connections.
#include <memory>

#include "runtime/odbc.h"
#include "runtime/odbc_diagnostics.h"

namespace {

// Holds the environment; at process end it releases the handles before the
// object goes, so that the destructor has nothing left to fail on.
struct EnvironmentHolder {
    std::unique_ptr<HQOdbc> env;
    ~EnvironmentHolder();
};

EnvironmentHolder& holder() {
    static EnvironmentHolder h;
    return h;
}

} // namespace

EnvironmentHolder::~EnvironmentHolder() {
    HQOdbc::free();
}

HQOdbc& HQOdbc::getEnv() {
    auto& env = holder().env;
    if (!env)
        env = std::make_unique<HQOdbc>();
    return *env;
}

void HQOdbc::free() {
    auto& env = holder().env;
    if (!env)
        return;
    const HQRC rc = env->releaseHandles();
    env.reset();
    if (rc.code != 0)
        throw rc;
}

HQOdbc::HQOdbc() {
    if (SQLAllocEnv(&henv_) != SQL_SUCCESS) {
        henv_ = SQL_NULL_HENV;
        throw odbcdiag::layerError(odbcdiag::kAllocEnv, L"HQOdbc::HQOdbc", L"", L"");
    }
    allocated_ = 1;
    for (auto& c : connections_)
        c.henv_ = henv_;
}

HQOdbc::~HQOdbc() noexcept(false) {
    const HQRC rc = releaseHandles();
    if (rc.code != 0 && std::uncaught_exceptions() == 0)
        throw rc;
}

HQRC HQOdbc::releaseHandles() {
    for (auto& c : connections_)
        c.disconnect();
    if (!allocated_)
        return HQRC();
    const SQLRETURN r = SQLFreeEnv(henv_);
    allocated_ = 0;
    for (auto& c : connections_)
        c.henv_ = SQL_NULL_HENV;
    if (r != SQL_SUCCESS)
        return odbcdiag::layerError(odbcdiag::kFreeEnv, L"HQOdbc::~HQOdbc", L"", L"");
    henv_ = SQL_NULL_HENV;
    return HQRC();
}
