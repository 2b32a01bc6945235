#pragma once

#include <cstddef>
#include <cstdint>

namespace q417 {

// How a row of a button's function list is assigned. The row index is the function number.
enum class ChosenBy : std::uint8_t {
    Direct,     // rows 0-5, 7, 14: the row alone
    DpiSubList, // row 6: only through the DPI sub-list, which says which variant
    Dialog,     // rows 8-13: through the function's own dialog
    NoRow,      // past the list (function 15 is never chosen)
};

[[nodiscard]] ChosenBy chosenBy(std::size_t row);

} // namespace q417
