// Long texts and binary data kept outside an object's row: DIRString (rows of
// the strings table, concatenated) and DIRBinary (one row of the binary-data
// table), both read on first use and keyed by a name and the owner's id.
#pragma once

#include <string>

#include "runtime/hq_string.h"
#include "runtime/return_code.h"

class DIRBase;

class DIRString {
public:
    // Registers with the owner, which resets it on every fetch.
    DIRString(DIRBase& owner, const char* keyName);
    DIRString(const DIRString&) = delete;
    DIRString& operator=(const DIRString&) = delete;

    // The text, read from the strings table on first use (its rows joined in
    // seqno order); no row gives "".
    const HQSTRING& getValue(HQRC& rc);
    // Gives the text a new value, to be stored by store() (or by the
    // owner's create and update).
    void setValue(const HQSTRING& value);
    bool isLoaded() const { return loaded_; }
    // The value held, without reading it.
    const HQSTRING& heldValue() const { return value_; }
    // True when setValue gave a value that was not stored since.
    bool isChanged() const { return changed_; }
    const std::string& getKeyName() const { return keyName_; }
    // Forgets the value: the next getValue reads it again.
    void reset();

    // Replaces the rows of the text in the strings table by the value, in
    // pieces that the text column holds (cut between characters); an empty
    // value leaves no row.
    HQRC store();
    // Deletes the rows of the text.
    HQRC remove();

private:
    void keep(HQSTRING value);

    DIRBase& owner_;
    std::string keyName_;
    HQSTRING value_;
    bool loaded_ = false;
    bool changed_ = false;
};

class DIRBinary {
public:
    DIRBinary(DIRBase& owner, const char* name);
    DIRBinary(const DIRBinary&) = delete;
    DIRBinary& operator=(const DIRBinary&) = delete;

    // The bytes, read from the binary-data table on first use.
    const std::string& getData(HQRC& rc);
    size_t getLength() const { return data_.size(); }
    bool isLoaded() const { return loaded_; }
    bool isChanged() const { return changed_; }
    const std::string& getName() const { return name_; }
    void reset();

    // Gives the data new bytes, to be stored by store().
    void setData(std::string bytes);
    // Replaces the row of the data in the binary-data table; no bytes leave
    // no row.
    HQRC store();
    // Deletes the row of the data.
    HQRC remove();

private:
    DIRBase& owner_;
    std::string name_;
    std::string data_;
    bool loaded_ = false;
    bool changed_ = false;
};
