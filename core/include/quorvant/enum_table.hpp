// Tables read by an enum's value: a check, at compile time, that their rows stay in that order.
#pragma once

#include <cstddef>

namespace quorvant {

// True when the row at each place of `table` is about the enum value of that place, as `key`
// says of the row.
template <class Row, std::size_t N, class Key>
constexpr bool inEnumOrder(const Row (&table)[N], Key key)
{
    for (std::size_t i = 0; i < N; ++i)
        if (static_cast<std::size_t>(key(table[i])) != i)
            return false;
    return true;
}

} // namespace quorvant
