#pragma once

#include "config/mouse_config.h"
#include "texts/language.h"

#include <cstdint>
#include <string>
#include <vector>

// The lighting section's names, lists and choices, without any widget. Each mode keeps its own
// parameter (a ledLevel entry) and effect (ledOption1, 2 or 3), so switching modes brings back
// what was last chosen for that mode.
namespace q417 {

// Texts of a value by the section's tables; empty for a value outside the table.
[[nodiscard]] std::string ledModeName(Language language, std::uint8_t mode);
[[nodiscard]] std::string ledBrightnessName(std::uint8_t level);   // mode 1: "5%" .. "100%"
[[nodiscard]] std::string ledBreathPeriodName(std::uint8_t level); // mode 2: "8S" .. "4S"
[[nodiscard]] std::string ledNeonPeriodName(std::uint8_t level);   // mode 3: "0.5S" .. "15S"
[[nodiscard]] std::string ledEffectName(Language language, std::uint8_t effect);

// Whether the Parameter and Effect fields exist: only for modes 1 to 3.
[[nodiscard]] bool ledModeHasFields(std::uint8_t mode);

// The field texts of the record's current mode.
[[nodiscard]] std::string ledParameterText(const MouseConfig& config);
[[nodiscard]] std::string ledEffectText(const MouseConfig& config, Language language);

// List rows. The Mode list offers modes 1 to 3; "Off" is never chosen. The Parameter list of a
// mode other than 1 and 2 is the Neon periods'. The Effect list exists for modes 2 and 3 only.
[[nodiscard]] std::vector<std::string> ledModeRows(Language language);
[[nodiscard]] std::vector<std::string> ledParameterRows(std::uint8_t mode);
[[nodiscard]] int ledParameterListHeight(std::uint8_t mode);
[[nodiscard]] std::vector<std::string> ledEffectRows(Language language, std::uint8_t mode);

// Choices: the list row as it was picked. A row past its list changes nothing.
void chooseLedMode(MouseConfig& config, std::size_t row);
void chooseLedParameter(MouseConfig& config, std::size_t row);
void chooseLedEffect(MouseConfig& config, std::size_t row);

} // namespace q417
