#include "assign/function_label.h"

#include "assign/function_catalogue.h"
#include "assign/key_names.h"
#include "texts/texts_functions.h"

#include <string_view>

namespace q417 {

namespace {

std::string prefixed(Language language, ButtonFunction function, std::string_view chosen) {
    std::string label(functionRowText(language, static_cast<std::size_t>(function)));
    label += '-';
    label += chosen;
    return label;
}

struct LabelOf {
    Language language;

    std::string operator()(const WindowsKeyChoice& c) const { return c.text; }
    std::string operator()(const MediaKeyChoice& c) const { return prefixed(language, c.kFunction, c.text); }
    std::string operator()(const FireKeyChoice& c) const { return prefixed(language, c.kFunction, c.text); }
    std::string operator()(const SingleKeyChoice& c) const { return prefixed(language, c.kFunction, c.keyName); }
    std::string operator()(const ComboKeyChoice& c) const { return prefixed(language, c.kFunction, comboKeyText(c)); }
    std::string operator()(const MacroKeyChoice& c) const { return prefixed(language, c.kFunction, c.name); }
};

} // namespace

std::string directChoiceLabel(Language language, std::size_t row) {
    return chosenBy(row) == ChosenBy::Direct ? std::string(functionRowText(language, row)) : std::string();
}

std::string dialogChoiceLabel(Language language, const DialogChoice& choice) {
    return std::visit(LabelOf{language}, choice);
}

std::string comboKeyText(const ComboKeyChoice& choice) {
    std::string text;
    // A part shows only when it yields a code, so the label never names a key the mouse will not press.
    const auto append = [&text](const std::string& name, std::uint8_t code) {
        if (code == 0) {
            return;
        }
        if (!text.empty()) {
            text += '+';
        }
        text += name;
    };
    append(choice.modifierName, modifierNameToBit(choice.modifierName));
    append(choice.key1Name, keyNameToUsage(choice.key1Name));
    append(choice.key2Name, keyNameToUsage(choice.key2Name));
    return text;
}

} // namespace q417
