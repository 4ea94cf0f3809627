// The dialect rules per DBMS and the statement rewriter that applies them.
#include "runtime/sql_dialect.h"

#include <cwctype>
#include <optional>

namespace {

struct DialectRules {
    SqlDialect dialect;
    std::wstring_view dbmsName; // SQL_DBMS_NAME of the DBMS
    bool dropForFetchOnly;
    bool unparenthesizeCompounds;
    // A list of objects selected by "WHERE qrtid in (subquery)" without an
    // ORDER BY comes back in whatever order the plan yields (identifier order
    // in SQLite, heap order of a hash join in PostgreSQL); ordering it by
    // qrtid makes every DBMS return the same sequence.
    bool orderIdLists;
    std::vector<QuotedColumn> columns;
};

// Every column of the control tables was checked against both DBMSs: only
// these are refused unquoted. PostgreSQL keeps the quoted columns in lower
// case (the tables are created with "having", "isnull", "offset").
const std::vector<DialectRules>& rules() {
    static const std::vector<DialectRules> table{
        {SqlDialect::SQLite,
         L"SQLite",
         true,
         true,
         true,
         {{L"having", L"\"having\""}, {L"isNull", L"\"isNull\""}}},
        {SqlDialect::PostgreSQL,
         L"PostgreSQL",
         true,
         false,
         true,
         {{L"having", L"\"having\""}, {L"isNull", L"\"isnull\""}, {L"offset", L"\"offset\""}}},
    };
    return table;
}

const DialectRules* rulesFor(SqlDialect dialect) {
    for (const auto& r : rules())
        if (r.dialect == dialect)
            return &r;
    return nullptr;
}

bool equalsNoCase(std::wstring_view a, std::wstring_view b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::towupper(a[i]) != std::towupper(b[i]))
            return false;
    return true;
}

enum class Kind { Space, Word, Literal, QuotedName, Number, Punct };

struct Token {
    Kind kind;
    size_t pos;
    size_t len;
};

bool wordStart(wchar_t c) {
    return std::iswalpha(c) || c == L'_';
}
bool wordPart(wchar_t c) {
    return std::iswalnum(c) || c == L'_' || c == L'$' || c == L'#';
}

std::vector<Token> lex(std::wstring_view s) {
    std::vector<Token> out;
    size_t i = 0;
    while (i < s.size()) {
        const size_t start = i;
        const wchar_t c = s[i];
        Kind kind = Kind::Punct;
        if (std::iswspace(c)) {
            kind = Kind::Space;
            while (i < s.size() && std::iswspace(s[i]))
                ++i;
        } else if (c == L'\'' || c == L'"') {
            kind = c == L'\'' ? Kind::Literal : Kind::QuotedName;
            ++i;
            while (i < s.size()) {
                if (s[i] == c) {
                    if (i + 1 < s.size() && s[i + 1] == c) { // doubled quote
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                ++i;
            }
        } else if (wordStart(c)) {
            kind = Kind::Word;
            while (i < s.size() && wordPart(s[i]))
                ++i;
        } else if (std::iswdigit(c)) {
            kind = Kind::Number;
            while (i < s.size() && (std::iswdigit(s[i]) || s[i] == L'.'))
                ++i;
        } else {
            ++i;
        }
        out.push_back({kind, start, i - start});
    }
    return out;
}

class Rewriter {
public:
    Rewriter(const DialectRules& rules, std::wstring_view text)
        : rules_(rules), text_(text), tokens_(lex(text)), replacement_(tokens_.size()) {
        for (size_t i = 0; i < tokens_.size(); ++i)
            if (tokens_[i].kind != Kind::Space)
                sig_.push_back(i);
    }

    std::wstring run() {
        if (rules_.dropForFetchOnly)
            dropForFetchOnly();
        if (!rules_.columns.empty())
            quoteColumns();
        if (rules_.unparenthesizeCompounds)
            unparenthesizeCompounds();
        const bool orderById = rules_.orderIdLists && isUnorderedIdList();
        std::wstring out;
        out.reserve(text_.size() + 16);
        for (size_t i = 0; i < tokens_.size(); ++i) {
            if (replacement_[i])
                out += *replacement_[i];
            else
                out += text_.substr(tokens_[i].pos, tokens_[i].len);
        }
        if (orderById) {
            while (!out.empty() && out.back() == L' ')
                out.pop_back();
            out += L" ORDER BY qrtid";
        }
        return out;
    }

private:
    std::wstring_view textOf(size_t token) const {
        return text_.substr(tokens_[token].pos, tokens_[token].len);
    }
    // The n-th significant token is the word w (ignoring case).
    bool isWord(size_t n, std::wstring_view w) const {
        return n < sig_.size() && tokens_[sig_[n]].kind == Kind::Word &&
               equalsNoCase(textOf(sig_[n]), w);
    }
    bool isPunct(size_t n, wchar_t c) const {
        return n < sig_.size() && tokens_[sig_[n]].kind == Kind::Punct &&
               text_[tokens_[sig_[n]].pos] == c;
    }
    bool isCompoundOperator(size_t n) const {
        return isWord(n, L"INTERSECT") || isWord(n, L"UNION") || isWord(n, L"EXCEPT");
    }

    // A SELECT whose top-level WHERE starts with "qrtid in (" and that has no
    // top-level ORDER BY.
    bool isUnorderedIdList() const {
        if (!isWord(0, L"SELECT"))
            return false;
        bool idList = false;
        int depth = 0;
        for (size_t n = 0; n < sig_.size(); ++n) {
            if (isPunct(n, L'('))
                ++depth;
            else if (isPunct(n, L')'))
                --depth;
            else if (depth == 0 && isWord(n, L"ORDER") && isWord(n + 1, L"BY"))
                return false;
            else if (depth == 0 && isWord(n, L"WHERE") && isWord(n + 1, L"qrtid") &&
                     isWord(n + 2, L"in") && isPunct(n + 3, L'('))
                idList = true;
        }
        return idList;
    }

    void dropForFetchOnly() {
        for (size_t n = 0; n + 2 < sig_.size(); ++n) {
            if (!(isWord(n, L"FOR") && isWord(n + 1, L"FETCH") && isWord(n + 2, L"ONLY")))
                continue;
            const size_t from = n == 0 ? 0 : sig_[n - 1] + 1; // with the blanks before FOR
            for (size_t t = from; t <= sig_[n + 2]; ++t)
                replacement_[t] = std::wstring();
            n += 2;
        }
    }

    // A keyword column stands as a column when the token before it cannot end
    // an expression.
    bool columnPosition(size_t n) const {
        if (n == 0)
            return true;
        const size_t prev = sig_[n - 1];
        if (tokens_[prev].kind == Kind::Punct)
            return text_[tokens_[prev].pos] != L')';
        if (tokens_[prev].kind != Kind::Word)
            return false;
        static constexpr std::wstring_view kIntroducers[] = {
            L"SELECT", L"DISTINCT", L"WHERE", L"AND", L"OR", L"NOT", L"SET", L"BY", L"ON"};
        for (auto w : kIntroducers)
            if (equalsNoCase(textOf(prev), w))
                return true;
        return false;
    }

    void quoteColumns() {
        for (size_t n = 0; n < sig_.size(); ++n) {
            const size_t t = sig_[n];
            if (tokens_[t].kind != Kind::Word || replacement_[t])
                continue;
            for (const auto& col : rules_.columns) {
                if (equalsNoCase(textOf(t), col.name) && columnPosition(n)) {
                    replacement_[t] = std::wstring(col.quoted);
                    break;
                }
            }
        }
    }

    void unparenthesizeCompounds() {
        // Matching parentheses, as positions in sig_.
        std::vector<size_t> match(sig_.size(), SIZE_MAX);
        std::vector<size_t> open;
        for (size_t n = 0; n < sig_.size(); ++n) {
            if (isPunct(n, L'(')) {
                open.push_back(n);
            } else if (isPunct(n, L')') && !open.empty()) {
                match[open.back()] = n;
                match[n] = open.back();
                open.pop_back();
            }
        }
        for (size_t o = 0; o < sig_.size(); ++o) {
            const size_t c = match[o];
            if (!isPunct(o, L'(') || c == SIZE_MAX || c <= o + 1)
                continue;
            if (!(isWord(o + 1, L"SELECT") || isPunct(o + 1, L'(')))
                continue;
            const bool leftMember = isCompoundOperator(c + 1);
            const bool rightMember =
                o > 0 && (isCompoundOperator(o - 1) ||
                          (isWord(o - 1, L"ALL") && o > 1 && isCompoundOperator(o - 2)));
            // A right member may lose its parentheses only when it is one
            // SELECT: (a EXCEPT b) on the right must keep its grouping.
            if (!leftMember && !(rightMember && !hasTopLevelCompound(o, c, match)))
                continue;
            replacement_[sig_[o]] = L" ";
            replacement_[sig_[c]] = L" ";
        }
    }

    bool hasTopLevelCompound(size_t o, size_t c, const std::vector<size_t>& match) const {
        for (size_t n = o + 1; n < c; ++n) {
            if (isPunct(n, L'(') && match[n] != SIZE_MAX)
                n = match[n];
            else if (isCompoundOperator(n))
                return true;
        }
        return false;
    }

    const DialectRules& rules_;
    std::wstring_view text_;
    std::vector<Token> tokens_;
    std::vector<size_t> sig_; // indexes of the tokens that are not blanks
    std::vector<std::optional<std::wstring>> replacement_;
};

} // namespace

SqlDialect dialectOfDbms(std::wstring_view dbmsName) {
    for (const auto& r : rules())
        if (equalsNoCase(dbmsName, r.dbmsName))
            return r.dialect;
    return SqlDialect::Native;
}

const std::vector<QuotedColumn>& quotedColumns(SqlDialect dialect) {
    static const std::vector<QuotedColumn> none;
    const DialectRules* r = rulesFor(dialect);
    return r ? r->columns : none;
}

std::wstring adaptSql(SqlDialect dialect, std::wstring_view statement) {
    const DialectRules* r = rulesFor(dialect);
    if (!r)
        return std::wstring(statement);
    return Rewriter(*r, statement).run();
}
