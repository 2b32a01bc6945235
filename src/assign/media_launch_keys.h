#pragma once

#include <cstddef>
#include <cstdint>

namespace q417 {

// Consumer-page usages behind the rows of the media-key and Windows (launch) key pickers; the row
// texts live with the other interface texts (texts/texts_media_launch.h).

// Usage of media row `row`, stored as mediaCode (its high byte is always 0); 0 past row 6.
[[nodiscard]] std::uint8_t mediaUsage(std::size_t row);

// Usage of launch row `row`; 0 past row 10.
[[nodiscard]] std::uint16_t launchUsage(std::size_t row);

// launchCodeLow of launch row `row`: the usage's low byte, 0 past row 10.
[[nodiscard]] std::uint8_t launchCodeLow(std::size_t row);

// launchCodeHigh of launch row `row`: 1 for rows 0-3, 2 for rows 4-10, 0 above.
[[nodiscard]] std::uint8_t launchCodeHigh(std::size_t row);

} // namespace q417
