// The single-statement guard of the call-level-interface layer.
#include "runtime/sql_statement_guard.h"

bool holdsOneStatement(std::wstring_view text) {
    wchar_t quote = 0; // the quote of the literal or name being read, if any
    for (const wchar_t c : text) {
        if (quote != 0) {
            // A doubled quote closes and reopens at once: the same state.
            if (c == quote)
                quote = 0;
        } else if (c == L'\'' || c == L'"') {
            quote = c;
        } else if (c == L';') {
            return false;
        }
    }
    return true;
}
