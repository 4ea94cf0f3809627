// The dialect rules per DBMS and the statement rewriter that applies them.
#include "runtime/sql_dialect.h"

#include <cwctype>
#include <optional>
#include <string>
#include <unordered_set>

namespace {

struct DialectRules {
    SqlDialect dialect;
    std::wstring_view dbmsName; // SQL_DBMS_NAME of the DBMS
    bool dropForFetchOnly;
    bool unparenthesizeCompounds;
    // A query for objects ("SELECT qrtid, ...") ends its ORDER BY with qrtid,
    // or gets "ORDER BY qrtid" when it has none: without it, equal sort keys,
    // a retrieval by a name that several rows hold and lists without an order
    // come back in whatever order the plan yields (identifier order in SQLite,
    // heap order of a hash join in PostgreSQL).
    bool totalObjectOrder;
    // Added after each character column of the control tables in an ORDER BY
    // where the DBMS's own order of text is not byte order; empty for none.
    std::wstring_view textCollation;
    // Each ORDER BY item gets "NULLS FIRST" ("NULLS LAST" after DESC): the
    // DBMS would otherwise sort NULL after every value, where SQLite sorts it
    // before.
    bool nullsAsSmallest;
    std::vector<QuotedColumn> columns;
    ReadSnapshotStatements snapshot;
    // Wraps both sides of "update_ts = ?" (the optimistic check of an update)
    // so that the stored time stamp and the parameter compare by their value;
    // empty for none. SQLite keeps time stamps as text, and the same instant
    // may be stored as "2024-01-02 03:04:05" or "2024-01-02 03:04:05.000".
    std::wstring_view stampValue;
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
         L"",
         false,
         {{L"having", L"\"having\""}, {L"isNull", L"\"isNull\""}},
         // Deferred: the first read takes the snapshot (in WAL mode writers go
         // on; in rollback-journal mode they wait until the end). COMMIT
         // leaves reads still open alone, where ROLLBACK would abort them.
         {L"BEGIN", L"COMMIT"},
         L"julianday"},
        {SqlDialect::PostgreSQL,
         L"PostgreSQL",
         true,
         false,
         true,
         L"\"C\"",
         true,
         {{L"having", L"\"having\""}, {L"isNull", L"\"isnull\""}, {L"offset", L"\"offset\""}},
         // The snapshot is taken by the first query after the start.
         {L"START TRANSACTION ISOLATION LEVEL REPEATABLE READ, READ ONLY", L"ROLLBACK"},
         L""},
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

// The character columns of the control tables, matched ignoring case.
bool isTextColumn(std::wstring_view name) {
    static const std::unordered_set<std::wstring> columns{
#include "runtime/control_text_columns.inc"
    };
    std::wstring lower(name);
    for (wchar_t& c : lower)
        c = static_cast<wchar_t>(std::towlower(c));
    return columns.contains(lower);
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
        : rules_(rules), text_(text), tokens_(lex(text)), replacement_(tokens_.size()),
          suffix_(tokens_.size()) {
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
        if (!rules_.stampValue.empty())
            compareStampsByValue();
        orderClauses();
        std::wstring out;
        out.reserve(text_.size() + 16);
        for (size_t i = 0; i < tokens_.size(); ++i) {
            if (replacement_[i])
                out += *replacement_[i];
            else
                out += text_.substr(tokens_[i].pos, tokens_[i].len);
            out += suffix_[i];
        }
        if (!appendedOrder_.empty()) {
            while (!out.empty() && out.back() == L' ')
                out.pop_back();
            out += appendedOrder_;
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

    // A query for objects: its first result column is the bare qrtid.
    bool isObjectQuery() const {
        if (!isWord(0, L"SELECT"))
            return false;
        const size_t first = isWord(1, L"DISTINCT") ? 2 : 1;
        return isWord(first, L"qrtid") && (isPunct(first + 1, L',') || isWord(first + 1, L"FROM"));
    }

    // One item of an ORDER BY list, as positions in sig_.
    struct OrderItem {
        size_t first;
        size_t last;
    };

    // The items of the ORDER BY list that begins at n; `end` is set to the
    // first position after it (a closing parenthesis of an enclosing group, a
    // clause that ends the list, or the end of the text).
    std::vector<OrderItem> orderList(size_t n, size_t& end) const {
        static constexpr std::wstring_view kEnders[] = {L"LIMIT", L"OFFSET", L"FETCH",    L"FOR",
                                                        L"UNION", L"EXCEPT", L"INTERSECT"};
        std::vector<OrderItem> items;
        int depth = 0;
        size_t first = n;
        for (; n < sig_.size(); ++n) {
            if (isPunct(n, L'(')) {
                ++depth;
                continue;
            }
            if (isPunct(n, L')') && depth-- == 0)
                break;
            if (depth != 0)
                continue;
            if (isPunct(n, L',')) {
                if (n > first)
                    items.push_back({first, n - 1});
                first = n + 1;
                continue;
            }
            // A clause word at the start of an item is a column ("offset").
            bool ender = false;
            for (auto w : kEnders)
                ender = ender || isWord(n, w);
            if (ender && n > first)
                break;
        }
        if (n > first)
            items.push_back({first, n - 1});
        end = n;
        return items;
    }

    // The column an item sorts by, when the item is a plain (possibly
    // qualified) column name with an optional direction and NULLS clause.
    std::optional<size_t> itemColumn(const OrderItem& item) const {
        size_t last = item.last;
        for (size_t n = item.first + 1; n <= item.last; ++n)
            if (isWord(n, L"COLLATE"))
                last = n - 1;
        while (last > item.first &&
               (isWord(last, L"ASC") || isWord(last, L"DESC") || isWord(last, L"NULLS") ||
                isWord(last, L"FIRST") || isWord(last, L"LAST")))
            --last;
        for (size_t n = item.first; n <= last; ++n) {
            const Kind kind = tokens_[sig_[n]].kind;
            const bool name = kind == Kind::Word || kind == Kind::QuotedName;
            if ((n - item.first) % 2 == 0 ? !name : !isPunct(n, L'.'))
                return std::nullopt;
        }
        if ((last - item.first) % 2 != 0)
            return std::nullopt;
        return last;
    }

    std::wstring columnName(size_t n) const {
        std::wstring_view name = textOf(sig_[n]);
        if (tokens_[sig_[n]].kind == Kind::QuotedName && name.size() >= 2)
            name = name.substr(1, name.size() - 2);
        return std::wstring(name);
    }

    // An ORDER BY item that sorts by the column, in the form of the dialect.
    std::wstring orderItem(std::wstring_view column) const {
        std::wstring item(column);
        if (!rules_.textCollation.empty() && isTextColumn(column))
            item.append(L" COLLATE ").append(rules_.textCollation);
        if (rules_.nullsAsSmallest)
            item += L" NULLS FIRST";
        return item;
    }

    void decorate(const OrderItem& item) {
        bool desc = false;
        bool nulls = false;
        bool collate = false;
        for (size_t n = item.first; n <= item.last; ++n) {
            desc = desc || isWord(n, L"DESC");
            nulls = nulls || isWord(n, L"NULLS");
            collate = collate || isWord(n, L"COLLATE");
        }
        const std::optional<size_t> column = itemColumn(item);
        if (column && !collate && !rules_.textCollation.empty() &&
            isTextColumn(columnName(*column)))
            suffix_[sig_[*column]].append(L" COLLATE ").append(rules_.textCollation);
        if (rules_.nullsAsSmallest && !nulls)
            suffix_[sig_[item.last]] += desc ? L" NULLS LAST" : L" NULLS FIRST";
    }

    // Gives every ORDER BY item the dialect's text and NULL order, and an
    // object query its qrtid tie-breaker.
    void orderClauses() {
        const bool decorating = !rules_.textCollation.empty() || rules_.nullsAsSmallest;
        const bool tieBreak = rules_.totalObjectOrder && isObjectQuery();
        if (!decorating && !tieBreak)
            return;
        bool ordered = false;
        std::optional<OrderItem> lastItem; // of the top-level ORDER BY
        int depth = 0;
        for (size_t n = 0; n < sig_.size(); ++n) {
            if (isPunct(n, L'(')) {
                ++depth;
            } else if (isPunct(n, L')')) {
                --depth;
            } else if (isWord(n, L"ORDER") && isWord(n + 1, L"BY")) {
                size_t end = 0;
                const std::vector<OrderItem> items = orderList(n + 2, end);
                if (decorating)
                    for (const OrderItem& item : items)
                        decorate(item);
                if (depth == 0) {
                    ordered = true;
                    lastItem = items.empty() ? std::nullopt : std::optional(items.back());
                }
                n = end - 1;
            }
        }
        if (!tieBreak)
            return;
        if (!ordered) {
            appendedOrder_ = L" ORDER BY " + orderItem(L"qrtid");
            return;
        }
        if (!lastItem)
            return;
        const std::optional<size_t> column = itemColumn(*lastItem);
        if (!column || !equalsNoCase(columnName(*column), L"qrtid"))
            suffix_[sig_[lastItem->last]] += L", " + orderItem(L"qrtid");
    }

    void compareStampsByValue() {
        for (size_t n = 0; n + 2 < sig_.size(); ++n) {
            // Only in a condition: after WHERE or AND, not in a SET list.
            if (n == 0 || !(isWord(n - 1, L"WHERE") || isWord(n - 1, L"AND")) ||
                !(isWord(n, L"update_ts") && isPunct(n + 1, L'=') && isPunct(n + 2, L'?')))
                continue;
            const std::wstring wrap(rules_.stampValue);
            replacement_[sig_[n]] = wrap + L"(" + std::wstring(textOf(sig_[n])) + L")";
            replacement_[sig_[n + 2]] = wrap + L"(?)";
            n += 2;
        }
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
    std::vector<std::wstring> suffix_; // put after a token (or its replacement)
    std::wstring appendedOrder_;       // put after the whole text
};

} // namespace

SqlDialect dialectOfDbms(std::wstring_view dbmsName) {
    for (const auto& r : rules())
        if (equalsNoCase(dbmsName, r.dbmsName))
            return r.dialect;
    return SqlDialect::Native;
}

const ReadSnapshotStatements* readSnapshotStatements(SqlDialect dialect) {
    const DialectRules* r = rulesFor(dialect);
    return r ? &r->snapshot : nullptr;
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
