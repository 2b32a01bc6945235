#include "assign/function_choice.h"

#include "assign/function_catalogue.h"
#include "assign/function_label.h"
#include "assign/key_names.h"
#include "assign/media_launch_keys.h"
#include "texts/texts_functions.h"
#include "texts/texts_media_launch.h"

#include <string>
#include <utility>

namespace q417 {

namespace {

constexpr std::uint8_t kFirstMacroOption = 1;
constexpr std::uint8_t kLastMacroOption = 3;

std::uint8_t rowByte(std::size_t row) {
    return static_cast<std::uint8_t>(row); // callers have checked the row against its list
}

// The parameters a dialog's result stands for; nullopt for a row no list of that dialog has.
struct ParametersOf {
    std::optional<FunctionParameters> operator()(const WindowsKeyChoice& c) const {
        if (c.row >= kLaunchRowCount) {
            return std::nullopt;
        }
        FunctionParameters p;
        p.launchIndex = rowByte(c.row);
        p.launchCodeLow = launchCodeLow(c.row);
        p.launchCodeHigh = launchCodeHigh(c.row);
        return p;
    }
    std::optional<FunctionParameters> operator()(const MediaKeyChoice& c) const {
        if (c.row >= kMediaRowCount) {
            return std::nullopt;
        }
        FunctionParameters p;
        p.mediaIndex = rowByte(c.row);
        p.mediaCode = mediaUsage(c.row);
        return p;
    }
    std::optional<FunctionParameters> operator()(const FireKeyChoice& c) const {
        if (c.row >= kFireKeyRowCount) {
            return std::nullopt;
        }
        FunctionParameters p;
        p.fireKeyIndex = rowByte(c.row);
        p.fireKeyCode = fireKeyCode(c.row);
        p.fireSpeed = c.speed;
        p.fireTimes = c.times;
        return p;
    }
    std::optional<FunctionParameters> operator()(const SingleKeyChoice& c) const {
        FunctionParameters p;
        p.singleKeyCode = keyNameToUsage(c.keyName);
        return p;
    }
    std::optional<FunctionParameters> operator()(const ComboKeyChoice& c) const {
        FunctionParameters p;
        p.comboModifiers = modifierNameToBit(c.modifierName);
        p.comboKey1 = keyNameToUsage(c.key1Name);
        p.comboKey2 = keyNameToUsage(c.key2Name);
        return p;
    }
    std::optional<FunctionParameters> operator()(const MacroKeyChoice& c) const {
        if (c.row >= kMacroSlotCount) {
            return std::nullopt;
        }
        FunctionParameters p;
        p.macroNumber = rowByte(c.row);
        // A dialog that could not set itself up returns option 0; play it as option 1 rather than
        // storing 0 - 1 = 255.
        const bool known = c.option >= kFirstMacroOption && c.option <= kLastMacroOption;
        p.macroMode = known ? static_cast<std::uint8_t>(c.option - kFirstMacroOption) : 0;
        return p;
    }
};

ChoiceOutcome store(MouseConfig& config, KeyLabels& labels, std::size_t button, ButtonFunction function,
                    const FunctionParameters& parameters, std::string label) {
    const std::size_t edited = config.editedBankIndex();
    const bool bothModes = storeButtonFunction(config, button, function, parameters);
    if (bothModes) {
        labels[1 - edited][button] = label;
    }
    labels[edited][button] = std::move(label);
    return bothModes ? ChoiceOutcome::StoredBothModes : ChoiceOutcome::Stored;
}

} // namespace

ChoiceOutcome applyFunctionChoice(MouseConfig& config, KeyLabels& labels, Language language, std::size_t button,
                                  std::size_t row, const std::optional<DialogChoice>& dialogResult) {
    if (button >= kButtonCount) {
        return ChoiceOutcome::NotStored;
    }
    const ChosenBy how = chosenBy(row);
    if (how == ChosenBy::Direct) {
        return store(config, labels, button, static_cast<ButtonFunction>(row), FunctionParameters{},
                     directChoiceLabel(language, row));
    }
    if (how != ChosenBy::Dialog || !dialogResult.has_value() ||
        static_cast<std::size_t>(functionOf(*dialogResult)) != row) {
        return ChoiceOutcome::NotStored;
    }
    const std::optional<FunctionParameters> parameters = std::visit(ParametersOf{}, *dialogResult);
    if (!parameters.has_value()) {
        return ChoiceOutcome::NotStored;
    }
    return store(config, labels, button, functionOf(*dialogResult), *parameters,
                 dialogChoiceLabel(language, *dialogResult));
}

ChoiceOutcome applyDpiSwitchChoice(MouseConfig& config, KeyLabels& labels, std::size_t button,
                                   DpiSwitchVariant variant) {
    const auto value = static_cast<std::uint8_t>(variant);
    const bool known = value >= static_cast<std::uint8_t>(DpiSwitchVariant::Up) &&
                       value <= static_cast<std::uint8_t>(DpiSwitchVariant::Shift);
    if (button >= kButtonCount || !known) {
        return ChoiceOutcome::NotStored;
    }
    FunctionParameters parameters;
    parameters.dpiSwitch = value;
    return store(config, labels, button, ButtonFunction::DpiSwitch, parameters,
                 std::string(dpiSwitchVariantText(value)));
}

} // namespace q417
