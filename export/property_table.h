// The one mechanism that writes an object's record: each exporter describes
// its record as data, an ExportRecord (object type, property rows, the
// relation from its owner, checkpoint), and writeNewRecord does the rest:
// registry check, header, one line per property row, footer, the relation
// record from the owner, the checkpoint. Property rows are made by the row
// makers of PropertyRow (a field of the object, its name, descriptions,
// identifier, keys, or a computed value).
#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <type_traits>
#include <utility>
#include <variant>

#include "dictionary/dir_id.h"
#include "export/export_error.h"
#include "export/tag_property.h"
#include "export/tag_vocabulary.h"
#include "export/tag_writer.h"
#include "runtime/hq_string.h"
#include "runtime/return_code.h"

class DIRBase;

// How a property value is written.
enum class PropertyForm {
    Wrapped,           // parentheses protected, always written
    WrappedIfNonEmpty, // parentheses protected, only a non-empty value
    Text,              // as it is, always written
    TextIfNonEmpty,    // as it is, only a non-empty value
    Decimal,           // a number in plain decimal
    YesIfOne,          // "Y" when the number is 1, else "N"
    YesIfNonZero,      // "Y" when the number is not 0, else "N"
    EachKey,           // every property of the object's key list, in list order
};

// A property value: a text, a text held by the object (valid while its
// record is written), or a number (flags are numbers).
using PropertyValue = std::variant<HQSTRING, std::wstring_view, long>;

// A getter's text as a property value: a view of a text the object holds, a
// copy of one it makes.
template <class Text> PropertyValue textValue(Text&& text) {
    if constexpr (std::is_lvalue_reference_v<Text>)
        return std::wstring_view(text);
    else
        return HQSTRING(std::move(text));
}

// One row of an exporter's property table, for objects of class T. A row
// with a condition is written only when the condition holds.
template <class T> class PropertyRow {
public:
    using Fields = typename T::Fields;
    // A computed value; it may fill the HQRC, and a non-zero code is raised.
    using Compute = PropertyValue (*)(T& object, HQRC& rc);
    using Condition = bool (*)(T& object);

    // A column field of the object, read as it is.
    static PropertyRow field(std::wstring_view name, PropertyForm form, HQSTRING Fields::*member) {
        return {name, form, member};
    }
    static PropertyRow field(std::wstring_view name, PropertyForm form, int32_t Fields::*member) {
        return {name, form, member};
    }
    static PropertyRow field(std::wstring_view name, PropertyForm form, int16_t Fields::*member) {
        return {name, form, member};
    }
    static PropertyRow computed(std::wstring_view name, PropertyForm form, Compute compute,
                                Condition condition = nullptr) {
        return {name, form, compute, condition};
    }
    // NAME: the object's name, wrapped.
    static PropertyRow name() {
        return computed(DIRBname_key, PropertyForm::Wrapped,
                        [](T& o, HQRC&) { return textValue(o.getName()); });
    }
    // SHRTDESC: the short description, wrapped, when there is one.
    static PropertyRow shortDescription() {
        return computed(shrtdesc_key, PropertyForm::WrappedIfNonEmpty,
                        [](T& o, HQRC&) { return textValue(o.getShortDescription()); });
    }
    // LONGDESC: the long description, wrapped, when there is one; a failing
    // read is raised.
    static PropertyRow longDescription() {
        return computed(longdesc_key, PropertyForm::WrappedIfNonEmpty,
                        [](T& o, HQRC& rc) { return textValue(o.getLongDescription(rc)); });
    }
    // The object's identifier (10 characters) under the given name.
    static PropertyRow identifier(std::wstring_view name) {
        return computed(name, PropertyForm::Text,
                        [](T& o, HQRC&) -> PropertyValue { return o.getId().toString(); });
    }
    // Every key of the object's key list.
    static PropertyRow eachKey() { return {{}, PropertyForm::EachKey, Compute{}}; }

    std::wstring_view getName() const { return name_; }
    PropertyForm form() const { return form_; }
    bool applies(T& object) const { return condition_ == nullptr || condition_(object); }
    // The value of the row for object; a failing computation is raised.
    PropertyValue valueOf(T& object) const {
        if (const auto* compute = std::get_if<Compute>(&value_)) {
            HQRC rc;
            PropertyValue value = (*compute)(object, rc);
            raiseIfFailed(rc);
            return value;
        }
        if (const auto* text = std::get_if<HQSTRING Fields::*>(&value_))
            return std::wstring_view(object.fields().*(*text));
        if (const auto* number = std::get_if<int32_t Fields::*>(&value_))
            return long{object.fields().*(*number)};
        return long{object.fields().*std::get<int16_t Fields::*>(value_)};
    }

private:
    using Value = std::variant<Compute, HQSTRING Fields::*, int32_t Fields::*, int16_t Fields::*>;
    PropertyRow(std::wstring_view name, PropertyForm form, Value value,
                Condition condition = nullptr)
        : name_(name), form_(form), value_(value), condition_(condition) {}

    std::wstring_view name_;
    PropertyForm form_;
    Value value_;
    Condition condition_;
};

// An object together with what its record needs besides the object itself (a
// switch of the run, the keys of its owner, a side file written for it). Its
// property rows (PropertyRow<ObjectInContext<T, Context>>) read the object's
// fields and common values as those of T, and the context as `context`.
template <class T, class Context> struct ObjectInContext {
    using Fields = typename T::Fields;

    T& object;
    Context context;

    const Fields& fields() const { return object.fields(); }
    const HQSTRING& getName() const { return object.getName(); }
    const HQSTRING& getShortDescription() const { return object.getShortDescription(); }
    const HQSTRING& getLongDescription(HQRC& rc) { return object.getLongDescription(rc); }
    const DIRId& getId() const { return object.getId(); }
};

// Writes one property in its form (nothing for an empty value of an
// "if non-empty" form, nothing for EachKey).
void writeProperty(std::wstring_view name, PropertyForm form, const PropertyValue& value);

template <class T>
void writeProperties(std::span<const PropertyRow<T>> rows, T& object, const Euit_ParmList& keys) {
    for (const PropertyRow<T>& row : rows) {
        if (!row.applies(object))
            continue;
        if (row.form() == PropertyForm::EachKey)
            write_keys(keys);
        else
            writeProperty(row.getName(), row.form(), row.valueOf(object));
    }
}

// Relation records from source to target.
inline void writeContain(TagType source, const Euit_ParmList& sourceKeys, TagType target,
                         const Euit_ParmList& targetKeys) {
    export_relation(source.number(), sourceKeys, target.number(), targetKeys, 1);
}
inline void writeLink(TagType source, const Euit_ParmList& sourceKeys, TagType target,
                      const Euit_ParmList& targetKeys) {
    export_relation(source.number(), sourceKeys, target.number(), targetKeys, 0);
}

// The relation record an exporter writes from an object's owner to it, right
// after the object's record.
enum class FromOwner { None, Contain, Link };

// The owner of an object: its type and keys. No owner: nothing is written
// from it.
struct Owner {
    TagType type = DIRObjectType::None;
    const Euit_ParmList* keys = nullptr;
};

// What an exporter writes for one object, in this order: header, the
// property rows, footer, the relation record from the owner, a checkpoint.
template <class T> struct ExportRecord {
    DIRObjectType type;
    std::span<const PropertyRow<T>> properties;
    FromOwner fromOwner = FromOwner::None;
    bool checkpoint = false;
};

// Registers object and fills keys with its keys. False when it was written
// earlier in this run (nothing more is to be written for it).
bool registerNew(DIRBase& object, Euit_ParmList& keys);

// Writes the record of an object whose keys are known, as record describes.
template <class T>
void writeRecord(const ExportRecord<T>& record, T& object, const Euit_ParmList& keys,
                 const Owner& owner = {}) {
    export_objHeader(static_cast<int32_t>(record.type));
    writeProperties(record.properties, object, keys);
    export_objFooter(static_cast<int32_t>(record.type));
    if (owner.keys != nullptr && record.fromOwner == FromOwner::Contain)
        writeContain(owner.type, *owner.keys, record.type, keys);
    if (owner.keys != nullptr && record.fromOwner == FromOwner::Link)
        writeLink(owner.type, *owner.keys, record.type, keys);
    if (record.checkpoint)
        Tag_File::write_chkpid();
}

// The common beginning of an exporter: registers the object and, when it is
// new, writes its record. False (nothing written) when it was written before.
template <class T>
bool writeNewRecord(const ExportRecord<T>& record, T& object, Euit_ParmList& keys,
                    const Owner& owner = {}) {
    if (!registerNew(object, keys))
        return false;
    writeRecord(record, object, keys, owner);
    return true;
}
