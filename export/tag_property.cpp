// Tag properties, property lists and the parenthesis protection of values.
#include "export/tag_property.h"

#include <algorithm>
#include <utility>

#include "export/export_error.h"
#include "export/tag_vocabulary.h"

namespace {

HQSTRING strippedBlanks(std::wstring_view text) {
    const size_t first = text.find_first_not_of(L' ');
    if (first == std::wstring_view::npos)
        return HQSTRING();
    return HQSTRING(text.substr(first, text.find_last_not_of(L' ') - first + 1));
}

// Replaces every occurrence of from by to, scanning left to right; after each
// hit the search goes on at hit + resume.
void replaceAll(HQSTRING& text, std::wstring_view from, std::wstring_view to, size_t resume) {
    size_t pos = 0;
    while (pos < text.size()) {
        const size_t hit = text.find(from, pos);
        if (hit == HQSTRING::npos)
            break;
        text.replace(hit, from.size(), to);
        pos = hit + resume;
    }
}

} // namespace

Euit_Parm::Euit_Parm(const wchar_t* chars, size_t count)
    : parm_name(strippedBlanks(std::wstring_view(chars, count))) {}

Euit_Parm::Euit_Parm(const Euit_Parm& other)
    : parm_name(other.parm_name), parm_value(other.parm_value) {}

void Euit_Parm::set_parm_name(const HQSTRING& name) {
    parm_name = strippedBlanks(name);
}

void Euit_Parm::set_parm_value(const HQSTRING& value) {
    parm_value = strippedBlanks(value);
}

void Euit_Parm::set_parm_value(const wchar_t* chars, size_t count) {
    parm_value.append(chars, count);
    parm_value.strip(HQSTRING::both, L' ');
}

HQSTRING Euit_Parm::toString() const {
    HQSTRING text(parm_name);
    text.append(l_paren).append(parm_value).append(r_parenSpace);
    return text;
}

bool Euit_Parm::operator==(const Euit_Parm& other) const {
    return parm_name == other.parm_name && parm_type == other.parm_type &&
           parm_value == other.parm_value;
}

Euit_ParmList& Euit_ParmList::operator=(const Euit_ParmList& other) {
    if (this != &other)
        copy(other);
    return *this;
}

void Euit_ParmList::copy(const Euit_ParmList& other) {
    std::vector<std::unique_ptr<Euit_Parm>> fresh;
    fresh.reserve(other.elems.size());
    for (const auto& elem : other.elems)
        fresh.push_back(std::make_unique<Euit_Parm>(*elem));
    elems = std::move(fresh);
}

void Euit_ParmList::insertElem(std::wstring_view name, std::wstring_view value) {
    auto parm = std::make_unique<Euit_Parm>(name.data(), name.size());
    parm->set_parm_value(value.data(), value.size());
    elems.push_back(std::move(parm));
}

const Euit_Parm* Euit_ParmList::getElem(const HQSTRING& name) const {
    const auto it = std::find_if(elems.begin(), elems.end(), [&name](const auto& elem) {
        return elem->get_parm_name() == name;
    });
    return it == elems.end() ? nullptr : it->get();
}

Euit_Parm* Euit_ParmList::getElem(const HQSTRING& name) {
    return const_cast<Euit_Parm*>(std::as_const(*this).getElem(name));
}

HQSTRING Euit_ParmList::getValue(const HQSTRING& name) const {
    const Euit_Parm* elem = getElem(name);
    if (elem == nullptr)
        throw tagHQRCset(13233, L"Euit_ParmList::getValue", HQSTRING(tagparms_module));
    return elem->get_parm_value();
}

HQSTRING Euit_ParmList::toString() const {
    HQSTRING text;
    for (const auto& elem : elems)
        text.append(elem->toString());
    return text;
}

bool Euit_ParmList::operator==(const Euit_ParmList& other) const {
    if (elems.size() != other.elems.size())
        return false;
    return std::all_of(elems.begin(), elems.end(), [&other](const auto& elem) {
        const Euit_Parm* match = other.getElem(elem->get_parm_name());
        return match != nullptr && match->get_parm_value() == elem->get_parm_value();
    });
}

void wrap_parens(HQSTRING& text) {
    // In one pass: what the first replacement inserts holds no ")".
    const size_t parens = static_cast<size_t>(
        std::count_if(text.begin(), text.end(), [](wchar_t c) { return c == L'(' || c == L')'; }));
    if (parens == 0)
        return;
    HQSTRING wrapped;
    wrapped.reserve(text.size() + 2 * parens);
    for (const wchar_t c : text) {
        if (c == L'(')
            wrapped.append(ql_paren);
        else if (c == L')')
            wrapped.append(qr_paren);
        else
            wrapped.push_back(c);
    }
    text = std::move(wrapped);
}

void unwrap_parens(HQSTRING& text) {
    replaceAll(text, ql_paren, l_paren, 1);
    replaceAll(text, qr_paren, r_paren, 1);
}
