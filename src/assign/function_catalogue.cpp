#include "assign/function_catalogue.h"

#include "texts/texts_functions.h"

#include <array>

namespace q417 {

namespace {

constexpr auto kChosenBy = std::to_array<ChosenBy>({
    ChosenBy::Direct,     // left click
    ChosenBy::Direct,     // right click
    ChosenBy::Direct,     // middle click
    ChosenBy::Direct,     // forward
    ChosenBy::Direct,     // backward
    ChosenBy::Direct,     // triple click
    ChosenBy::DpiSubList, // DPI switch
    ChosenBy::Direct,     // RGB on/off
    ChosenBy::Dialog,     // Windows (launch) key
    ChosenBy::Dialog,     // media key
    ChosenBy::Dialog,     // fire key
    ChosenBy::Dialog,     // single key
    ChosenBy::Dialog,     // combo key
    ChosenBy::Dialog,     // macro key
    ChosenBy::Direct,     // key off
});
static_assert(kChosenBy.size() == kFunctionRowCount);

} // namespace

ChosenBy chosenBy(std::size_t row) {
    return row < kChosenBy.size() ? kChosenBy[row] : ChosenBy::NoRow;
}

} // namespace q417
