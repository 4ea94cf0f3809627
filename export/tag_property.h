// Tag properties: one NAME(value) pair (Euit_Parm), the ordered property list
// that also serves as an object's key list (Euit_ParmList), and the helpers
// that protect parentheses inside property values.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "runtime/hq_string.h"

// Kind of a property; 0 unless set explicitly.
enum Parm_Type : int32_t { parm_untyped = 0 };

class Euit_Parm {
public:
    // Name from count characters, stripped of leading and trailing blanks.
    Euit_Parm(const wchar_t* chars, size_t count);
    explicit Euit_Parm(const HQSTRING& name) : Euit_Parm(name.data(), name.size()) {}
    // Copies name and value only: the type becomes 0 and there are no
    // sub-properties.
    Euit_Parm(const Euit_Parm& other);
    Euit_Parm& operator=(const Euit_Parm&) = delete;
    ~Euit_Parm() = default;

    void set_parm_name(const HQSTRING& name);
    void set_parm_type(Parm_Type type) { parm_type = type; }
    // Replaces the value (stripped).
    void set_parm_value(const HQSTRING& value);
    // Appends count characters to the value, then strips the whole value.
    void set_parm_value(const wchar_t* chars, size_t count);

    const HQSTRING& get_parm_name() const { return parm_name; }
    Parm_Type get_parm_type() const { return parm_type; }
    const HQSTRING& get_parm_value() const { return parm_value; }

    // Sub-properties are not owned: whoever adds them keeps them alive.
    void add_subparm(Euit_Parm* sub) { subparms.push_back(sub); }
    Euit_Parm* get_ith_subparm(size_t i) const { return subparms[i]; }
    size_t subparm_count() const { return subparms.size(); }

    // "NAME(value) ", with the trailing blank.
    HQSTRING toString() const;

    // Name, type and value equal (exact, case-sensitive); sub-properties are
    // not compared.
    bool operator==(const Euit_Parm& other) const;

private:
    HQSTRING parm_name;
    Parm_Type parm_type = parm_untyped;
    HQSTRING parm_value;
    std::vector<Euit_Parm*> subparms;
};

// Ordered list of properties; owns its elements.
class Euit_ParmList {
public:
    Euit_ParmList() = default;
    Euit_ParmList(const Euit_ParmList& other) { copy(other); }
    Euit_ParmList& operator=(const Euit_ParmList& other);
    Euit_ParmList(Euit_ParmList&&) noexcept = default;
    Euit_ParmList& operator=(Euit_ParmList&&) noexcept = default;
    ~Euit_ParmList() = default;

    // Replaces the content by new properties carrying the names and values of
    // other's elements, in order (type 0, no sub-properties).
    void copy(const Euit_ParmList& other);
    // Appends a property with the stripped name and stripped value.
    void insertElem(std::wstring_view name, std::wstring_view value);
    void clear() { elems.clear(); }

    // First element whose name equals name exactly; null when there is none.
    Euit_Parm* getElem(const HQSTRING& name);
    const Euit_Parm* getElem(const HQSTRING& name) const;
    // Value of that element; throws HQRC 13233 when there is none.
    HQSTRING getValue(const HQSTRING& name) const;

    size_t entries() const { return elems.size(); }
    bool isEmpty() const { return elems.empty(); }
    const Euit_Parm& operator[](size_t i) const { return *elems[i]; }

    // "A(1) B(2) ": each element's text form in list order; empty for an empty
    // list.
    HQSTRING toString() const;

    // Same number of elements and, for every element on the left, the first
    // element of the same name on the right has an equal value. Order and
    // types are ignored.
    bool operator==(const Euit_ParmList& other) const;

private:
    std::vector<std::unique_ptr<Euit_Parm>> elems;
};

// Replaces every "(" by "'('", then every ")" by "')'".
void wrap_parens(HQSTRING& text);
// Replaces every "'('" by "(", then every "')'" by ")".
void unwrap_parens(HQSTRING& text);
