// HQConfiguration: connecting, loading the configuration table, reading and
// writing settings, and the writers back to the table.
#include "runtime/configuration.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "runtime/fetched_value.h"
#include "runtime/odbc.h"
#include "runtime/trace.h"

namespace {

constexpr const wchar_t* kComponentNames[] = {L"NONE", L"DDD", L"RTK", L"Agent", L"HQOdbc", L"Log"};

HQRC settingError(int32_t code, const wchar_t* location, const HQSTRING& name) {
    HQRC rc(code, 0, DomainWhsDDD);
    rc.location = location;
    rc.token1 = name;
    return rc;
}

HQOdbcConnect& controlConnection() {
    return HQOdbc::getEnv().connection(0);
}

// Copies text into a terminated buffer of the bound size.
template <size_t N> void fill(char (&buffer)[N], const HQSTRING& text) {
    const std::string bytes = text.toMultiByte();
    const size_t n = std::min(bytes.size(), N - 1);
    std::copy_n(bytes.data(), n, buffer);
    buffer[n] = '\0';
}

// The bound row of the configuration table.
struct ConfigurationRow {
    char component[11] = {};
    char name[21] = {};
    char type[2] = {};
    SQLINTEGER valueInt = 0;
    char valueChar[200] = {};
    char shortName[20] = {};
    SQLLEN componentLen = 0, nameLen = 0, typeLen = 0, valueIntLen = 0, valueCharLen = 0,
           shortNameLen = 0;

    void set(const HQConfigurationElement& e) {
        fill(component, ComponentEnumToString(e.component));
        fill(name, e.name);
        fill(type, e.isString ? HQSTRING(L"C") : HQSTRING(L"N"));
        fill(valueChar, e.valueString);
        fill(shortName, e.shortName);
        valueInt = e.valueInt;
        componentLen = nameLen = typeLen = valueCharLen = shortNameLen = SQL_NTS;
        valueIntLen = 0;
    }
};

HQSTRING text(const char* buffer, SQLLEN length) {
    return length == SQL_NULL_DATA ? HQSTRING() : HQSTRING(buffer);
}

} // namespace

std::unique_ptr<HQConfiguration> HQConfiguration::Instance;

HQSTRING ComponentEnumToString(ComponentEnum component) {
    const auto i = static_cast<int32_t>(component);
    return i >= 0 && i <= 5 ? HQSTRING(kComponentNames[i]) : HQSTRING(L"NONE");
}

ComponentEnum ComponentEnumFromString(const HQSTRING& name) {
    for (int32_t i = 0; i <= 5; ++i)
        if (name == kComponentNames[i])
            return static_cast<ComponentEnum>(i);
    return ComponentEnum::NONE;
}

HQConfiguration& HQConfiguration::getInstance() {
    if (!Instance)
        Instance = std::make_unique<HQConfiguration>(Key{});
    return *Instance;
}

HQRC HQConfiguration::init(const HQSTRING& db, const HQSTRING& prefix, const HQSTRING& user,
                           const HQSTRING& password, int manualCommit) {
    HQConfiguration& self = getInstance();
    componentTrace(ComponentEnum::DDD, "Calling SQLConnect\n");
    // The environment is made on first use; its failure (2003) is thrown.
    HQOdbcConnect* control = nullptr;
    try {
        control = &controlConnection();
    } catch (const HQRC& failure) {
        HQRC rc = failure;
        return rc.AddComment(L"HQConfiguration::init");
    }
    HQOdbcConnect& connection = *control;
    HQRC rc = connection.connect(db, user, password);
    if (rc.code != 0)
        return rc.AddComment(L"HQConfiguration::init");
    // The control tables are reached as "<prefix>.<table>".
    rc = connection.setSchemaPrefix(prefix);
    if (rc.code != 0)
        return rc.AddComment(L"HQConfiguration::init");
    if (manualCommit) {
        rc = connection.connectOptionManual();
        if (rc.code != 0)
            return rc.AddComment(L"HQConfiguration::init");
    }
    if (self.isLoaded_) {
        const HQConfigurationElement* loadedDb = self.find(ComponentEnum::DDD, L"dbName");
        if (!loadedDb || loadedDb->valueString != db) {
            self.elements_.clear();
            self.isLoaded_ = 0;
            ++self.changes_;
        }
    }
    rc = self.load(prefix);
    if (rc.code != 0)
        return rc.AddComment(L"HQConfiguration::Init");
    const std::pair<const wchar_t*, const HQSTRING*> settings[] = {
        {L"dbName", &db}, {L"prefix", &prefix}, {L"userid", &user}, {L"password", &password}};
    for (const auto& [name, value] : settings) {
        rc = setValueString(ComponentEnum::DDD, name, *value, L"");
        if (rc.code != 0)
            return rc;
    }
    self.prefix_ = prefix;
    return HQRC();
}

void HQConfiguration::clear() {
    HQConfiguration& self = getInstance();
    self.elements_.clear();
    ++self.changes_;
    self.traceLevel_.fill(0);
    self.prefix_.clear();
    self.isLoaded_ = 0;
}

void HQConfiguration::terminate() {
    try {
        HQOdbc::free();
    } catch (const HQRC&) {
        // the environment is gone either way
    }
}

HQRC HQConfiguration::load(const HQSTRING& prefix) {
    if (isLoaded_)
        return HQRC();
    const bool traceDDD = traceLevel(ComponentEnum::DDD) > 0;
    HQOdbcCursor cursor(&controlConnection());
    ConfigurationRow row;
    char valueIntText[fetched::kNumberTextSize] = {}; // value_int, checked and parsed here
    const HQSTRING table = prefix + L".configuration";
    HQRC rc = cursor.prepare(
        L"SELECT component, name, type, value_int, value_char, short_name FROM " + table);
    struct Column {
        const wchar_t* name;
        char* buffer;
        size_t size;
        SQLLEN* length;
    };
    const Column columns[] = {
        {L"component", row.component, sizeof row.component, &row.componentLen},
        {L"name", row.name, sizeof row.name, &row.nameLen},
        {L"type", row.type, sizeof row.type, &row.typeLen},
        {L"value_int", valueIntText, sizeof valueIntText, &row.valueIntLen},
        {L"value_char", row.valueChar, sizeof row.valueChar, &row.valueCharLen},
        {L"short_name", row.shortName, sizeof row.shortName, &row.shortNameLen},
    };
    for (SQLUSMALLINT i = 0; rc.code == 0 && i < std::size(columns); ++i)
        rc = cursor.bindCol(i + 1, SQL_C_CHAR, columns[i].buffer,
                            static_cast<SQLLEN>(columns[i].size), columns[i].length);
    if (rc.code != 0)
        return rc.AddComment(L"HQConfiguration::load");
    while (cursor.fetch(rc)) {
        // Values that do not fit their fields end the load, and so does a
        // row that came with another warning.
        for (const Column& c : columns) {
            std::wstring reason = fetched::textMisfit(*c.length, c.size - 1);
            if (reason.empty() && c.buffer == valueIntText && row.valueIntLen != SQL_NULL_DATA)
                reason = fetched::integerMisfit(valueIntText, INT32_MIN, INT32_MAX);
            if (!reason.empty()) {
                rc = fetched::misfit(L"HQConfiguration::load", table, c.name,
                                     text(row.component, row.componentLen) + L"/" +
                                         text(row.name, row.nameLen),
                                     reason);
                break;
            }
        }
        if (rc.code != 0)
            break;
        row.valueInt = static_cast<SQLINTEGER>(fetched::integerOf(valueIntText));
        HQConfigurationElement e;
        e.component = ComponentEnumFromString(text(row.component, row.componentLen));
        e.name = text(row.name, row.nameLen);
        e.isString = text(row.type, row.typeLen) == L"C" ? 1 : 0;
        e.valueInt = row.valueIntLen == SQL_NULL_DATA ? 0 : row.valueInt;
        e.valueString = text(row.valueChar, row.valueCharLen);
        e.shortName = text(row.shortName, row.shortNameLen);
        if (e.name == L"TRACELVL" && !e.isString) {
            traceLevel_[static_cast<size_t>(e.component)] = e.valueInt;
            if (traceDDD) {
                const std::string line = "Set Tracelevel for " +
                                         ComponentEnumToString(e.component).toMultiByte() +
                                         ", value=" + std::to_string(e.valueInt) + "\n";
                std::fwrite(line.data(), 1, line.size(), stdout);
                std::fflush(stdout);
            }
        }
        elements_.push_back(std::move(e));
        ++changes_;
    }
    if (rc.code != 0)
        return rc.AddComment(L"HQConfiguration::load");
    isLoaded_ = 1;
    return HQRC();
}

const HQConfigurationElement* HQConfiguration::find(ComponentEnum component,
                                                    const HQSTRING& name) const {
    for (const auto& e : elements_)
        if (e.component == component && e.name == name)
            return &e;
    return nullptr;
}

HQConfigurationElement* HQConfiguration::find(ComponentEnum component, const HQSTRING& name) {
    for (auto& e : elements_)
        if (e.component == component && e.name == name)
            return &e;
    return nullptr;
}

bool HQConfiguration::getElement(ComponentEnum component, const HQSTRING& name,
                                 HQConfigurationElement& element) const {
    const HQConfigurationElement* e = find(component, name);
    if (e)
        element = *e;
    return e != nullptr;
}

std::vector<HQConfigurationElement> HQConfiguration::getList(ComponentEnum component) const {
    std::vector<HQConfigurationElement> list;
    for (const auto& e : elements_)
        if (e.component == component)
            list.push_back(e);
    return list;
}

HQSTRING HQConfiguration::getValueString(ComponentEnum component, const HQSTRING& name, HQRC& rc) {
    const HQConfigurationElement* e = getInstance().find(component, name);
    if (!e) {
        rc = settingError(kNotFound, L"HQConfiguration::getValueString", name);
        return HQSTRING();
    }
    if (!e->isString) {
        rc = settingError(kNotString, L"HQConfiguration::getValueString", name);
        return HQSTRING();
    }
    return e->valueString;
}

int32_t HQConfiguration::getValueInt(ComponentEnum component, const HQSTRING& name, HQRC& rc) {
    const HQConfigurationElement* e = getInstance().find(component, name);
    if (!e) {
        rc = settingError(kNotFound, L"HQConfiguration::getValueInt", name);
        return 0;
    }
    if (e->isString) {
        rc = settingError(kNotInteger, L"HQConfiguration::getValueInt", name);
        return 0;
    }
    return e->valueInt;
}

HQSTRING HQConfiguration::getShortName(ComponentEnum component, const HQSTRING& name, HQRC& rc) {
    const HQConfigurationElement* e = getInstance().find(component, name);
    if (!e) {
        rc = settingError(kNotFound, L"HQConfiguration::getShortName", name);
        return HQSTRING();
    }
    return e->shortName;
}

int HQConfiguration::getIsString(ComponentEnum component, const HQSTRING& name, HQRC& rc) {
    const HQConfigurationElement* e = getInstance().find(component, name);
    if (!e) {
        rc = settingError(kNotFound, L"HQConfiguration::getIsString", name);
        return 0;
    }
    return e->isString;
}

HQRC HQConfiguration::setValueString(ComponentEnum component, const HQSTRING& name,
                                     const HQSTRING& value, const HQSTRING& shortName) {
    HQConfiguration& self = getInstance();
    HQConfigurationElement* e = self.find(component, name);
    if (e && !e->isString)
        return settingError(kNotString, L"HQConfiguration::setValueString", name);
    HQConfigurationElement updated{component, name, 1, value, 0, shortName};
    if (e)
        *e = std::move(updated);
    else
        self.elements_.push_back(std::move(updated));
    ++self.changes_;
    return HQRC();
}

HQRC HQConfiguration::setValueInt(ComponentEnum component, const HQSTRING& name, int32_t value,
                                  const HQSTRING& shortName) {
    HQConfiguration& self = getInstance();
    HQConfigurationElement* e = self.find(component, name);
    if (e && e->isString)
        return settingError(kNotInteger, L"HQConfiguration::setValueInt", name);
    HQConfigurationElement updated{component, name, 0, HQSTRING(), value, shortName};
    if (e)
        *e = std::move(updated);
    else
        self.elements_.push_back(std::move(updated));
    ++self.changes_;
    if (name == L"TRACELVL")
        self.traceLevel_[static_cast<size_t>(component)] = value;
    return HQRC();
}

int32_t HQConfiguration::traceLevel(ComponentEnum component) const {
    const auto i = static_cast<size_t>(component);
    return i < traceLevel_.size() ? traceLevel_[i] : 0;
}

void HQConfiguration::print() const {
    for (const auto& e : elements_) {
        const bool secret = e.name == L"password";
        std::string line = ComponentEnumToString(e.component).toMultiByte() + " " +
                           e.name.toMultiByte() + " " + (e.isString ? "C" : "N") + " ";
        if (secret)
            line += "********";
        else
            line += e.isString ? e.valueString.toMultiByte() : std::to_string(e.valueInt);
        if (!e.shortName.empty())
            line += " (" + e.shortName.toMultiByte() + ")";
        line += "\n";
        std::fwrite(line.data(), 1, line.size(), stdout);
    }
    std::fflush(stdout);
}

HQRC HQConfiguration::insertRow(const HQConfigurationElement& element) {
    HQOdbcCursor cursor(&controlConnection());
    ConfigurationRow row;
    row.set(element);
    HQRC rc = cursor.prepare(L"INSERT INTO " + prefix_ +
                             L".configuration (component, name, type, value_char, value_int, "
                             L"short_name)VALUES (?, ?, ?, ?, ?, ?)");
    struct Parm {
        SQLSMALLINT cType, sqlType;
        SQLULEN size;
        void* value;
        SQLLEN length;
        SQLLEN* indicator;
    };
    const Parm parms[] = {
        {SQL_C_CHAR, SQL_CHAR, 10, row.component, sizeof row.component, &row.componentLen},
        {SQL_C_CHAR, SQL_VARCHAR, 20, row.name, sizeof row.name, &row.nameLen},
        {SQL_C_CHAR, SQL_CHAR, 1, row.type, sizeof row.type, &row.typeLen},
        {SQL_C_CHAR, SQL_VARCHAR, 199, row.valueChar, sizeof row.valueChar, &row.valueCharLen},
        {SQL_C_SLONG, SQL_INTEGER, 0, &row.valueInt, 0, &row.valueIntLen},
        {SQL_C_CHAR, SQL_VARCHAR, 19, row.shortName, sizeof row.shortName, &row.shortNameLen},
    };
    for (SQLUSMALLINT i = 0; rc.code == 0 && i < std::size(parms); ++i) {
        const Parm& p = parms[i];
        rc = cursor.bindParameter(i + 1, SQL_PARAM_INPUT, p.cType, p.sqlType, p.size, 0, p.value,
                                  p.length, p.indicator);
    }
    if (rc.code == 0)
        rc = cursor.execute();
    return rc;
}

HQRC HQConfiguration::store() {
    HQRC rc = controlConnection().executeStmt(L"DELETE FROM " + prefix_ + L".configuration", 1);
    for (const auto& e : elements_) {
        if (rc.code != 0)
            break;
        rc = insertRow(e);
    }
    return rc.code != 0 ? rc.AddComment(L"HQConfiguration::store") : rc;
}

HQRC HQConfiguration::storeNewVariable(const HQConfigurationElement& element) {
    HQRC rc = insertRow(element);
    return rc.code != 0 ? rc.AddComment(L"HQConfiguration::storeNewVariable") : rc;
}

HQRC HQConfiguration::storeVariable(const HQConfigurationElement& element) {
    HQOdbcCursor cursor(&controlConnection());
    ConfigurationRow row;
    row.set(element);
    HQRC rc = cursor.prepare(L"UPDATE " + prefix_ +
                             L".configuration SET value_char = ?, value_int = ? WHERE "
                             L"component = ? and name = ?");
    if (rc.code == 0)
        rc = cursor.bindParameter(1, SQL_PARAM_INPUT, SQL_C_CHAR, SQL_VARCHAR, 199, 0,
                                  row.valueChar, sizeof row.valueChar, &row.valueCharLen);
    if (rc.code == 0)
        rc = cursor.bindParameter(2, SQL_PARAM_INPUT, SQL_C_SLONG, SQL_INTEGER, 0, 0, &row.valueInt,
                                  0, &row.valueIntLen);
    if (rc.code == 0)
        rc = cursor.bindParameter(3, SQL_PARAM_INPUT, SQL_C_CHAR, SQL_CHAR, 10, 0, row.component,
                                  sizeof row.component, &row.componentLen);
    if (rc.code == 0)
        rc = cursor.bindParameter(4, SQL_PARAM_INPUT, SQL_C_CHAR, SQL_VARCHAR, 20, 0, row.name,
                                  sizeof row.name, &row.nameLen);
    if (rc.code == 0)
        rc = cursor.executeIgnoreNDF();
    return rc.code != 0 ? rc.AddComment(L"HQConfiguration::storeVariable") : rc;
}
