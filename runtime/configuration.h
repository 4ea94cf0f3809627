// HQConfiguration: the process-wide store of settings. It opens the control
// database's connection, reads the schema's "configuration" table into memory
// and holds the connection parameters of the run and the per-component trace
// levels.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "runtime/return_code.h"

enum class ComponentEnum : int32_t { NONE = 0, DDD = 1, RTK = 2, Agent = 3, HQOdbc = 4, Log = 5 };

// Exact, case-sensitive; a value outside the table gives "NONE" and an unknown
// name gives NONE.
HQSTRING ComponentEnumToString(ComponentEnum component);
ComponentEnum ComponentEnumFromString(const HQSTRING& name);

// One setting. Two elements are the same setting when component and name match.
struct HQConfigurationElement {
    ComponentEnum component = ComponentEnum::NONE;
    HQSTRING name;
    int isString = 0;
    HQSTRING valueString;
    int32_t valueInt = 0;
    HQSTRING shortName;
};

class HQConfiguration {
public:
    // Message numbers of the store.
    static constexpr int32_t kNotFound = 9162;
    static constexpr int32_t kNotInteger = 9163; // a text setting asked for as a number
    static constexpr int32_t kNotString = 9164;  // an integer setting asked for as text

    static HQConfiguration& getInstance();

    // Connects the first connection of the environment, attaches the schema
    // where the DBMS needs it, loads the table once per database and records
    // "dbName", "prefix", "userid" and "password" under DDD.
    static HQRC init(const HQSTRING& db, const HQSTRING& prefix, const HQSTRING& user,
                     const HQSTRING& password, int manualCommit);
    // Frees the call-level-interface environment.
    static void terminate();
    // Forgets every setting and trace level; the next init loads afresh.
    static void clear();

    static HQSTRING getValueString(ComponentEnum component, const HQSTRING& name, HQRC& rc);
    static int32_t getValueInt(ComponentEnum component, const HQSTRING& name, HQRC& rc);
    static HQSTRING getShortName(ComponentEnum component, const HQSTRING& name, HQRC& rc);
    static int getIsString(ComponentEnum component, const HQSTRING& name, HQRC& rc);
    static HQRC setValueString(ComponentEnum component, const HQSTRING& name, const HQSTRING& value,
                               const HQSTRING& shortName);
    // Setting "TRACELVL" also sets the component's trace level.
    static HQRC setValueInt(ComponentEnum component, const HQSTRING& name, int32_t value,
                            const HQSTRING& shortName);

    // Reads "<prefix>.configuration" unless already loaded.
    HQRC load(const HQSTRING& prefix);
    bool getElement(ComponentEnum component, const HQSTRING& name,
                    HQConfigurationElement& element) const;
    std::vector<HQConfigurationElement> getList(ComponentEnum component) const;
    const std::vector<HQConfigurationElement>& getListAll() const { return elements_; }
    // Lists the settings on standard output; passwords are not shown.
    void print() const;

    // Writers back to the table (not used by the export): store replaces the
    // table's rows with the settings in memory; storeNewVariable inserts one
    // row, storeVariable updates the values of one row.
    HQRC store();
    HQRC storeNewVariable(const HQConfigurationElement& element);
    HQRC storeVariable(const HQConfigurationElement& element);

    int32_t traceLevel(ComponentEnum component) const;
    int isLoaded() const { return isLoaded_; }
    // Counts the changes to the settings in memory: a value worked out from
    // them stays right while this count stays the same.
    static uint64_t changeCount() { return getInstance().changes_; }
    const HQSTRING& prefix() const { return prefix_; }

private:
    struct Key {}; // only getInstance creates the instance

public:
    explicit HQConfiguration(Key) {}

private:
    const HQConfigurationElement* find(ComponentEnum component, const HQSTRING& name) const;
    HQConfigurationElement* find(ComponentEnum component, const HQSTRING& name);
    HQRC insertRow(const HQConfigurationElement& element);

    static std::unique_ptr<HQConfiguration> Instance;

    int isLoaded_ = 0;
    HQSTRING prefix_;
    std::array<int32_t, 6> traceLevel_{};
    std::vector<HQConfigurationElement> elements_;
    uint64_t changes_ = 0;
};
