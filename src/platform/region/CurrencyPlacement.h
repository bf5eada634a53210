#pragma once
// The platform's currency placement codes, read off an ICU currency pattern
// ("¤#,##0.00", "#,##0.00 ¤", "¤ #,##0.00;¤-#,##0.00").

#include "platform/String.h"

namespace quelta {

struct CurrencyPlacement {
    // 0 "$1", 1 "1$", 2 "$ 1", 3 "1 $"
    int positive = 0;
    // 0 "($1)", 1 "-$1", 2 "$-1", 3 "$1-", 4 "(1$)", 5 "-1$", 6 "1-$", 7 "1$-",
    // 8 "-1 $", 9 "-$ 1", 10 "1 $-", 11 "$ 1-", 12 "$ -1", 13 "1- $", 14 "($ 1)", 15 "(1 $)"
    int negative = 1;
};

// Without an explicit negative subpattern a negative amount is the positive form with the
// minus sign in front, as ICU formats it. A pattern without a currency sign gives "$1" and
// "-$1".
CurrencyPlacement currencyPlacementOf(StringView icuCurrencyPattern);

}  // namespace quelta
