#include "config/device_encoders.h"

#include "config/key_word.h"

#include <algorithm>

namespace q417 {

namespace {

struct DpiRow {
    std::array<std::uint8_t, 12> codes;
    std::size_t count;
};

constexpr std::array<DpiRow, 4> kDpiCodes{{
    {{0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x25, 0x26, 0x27, 0x28}, 12},
    {{0x01, 0x02, 0x03, 0x04, 0x05, 0x23, 0x24, 0x25}, 8},
    {{0x02, 0x04, 0x06, 0x08, 0x0A, 0x26, 0x28, 0x2A}, 8},
    {{0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08}, 8},
}};

constexpr std::array<std::size_t, kMatrixButtons> kButtonSlots{0, 1, 2, 8, 9, 5, 6, 3, 4, 7};

constexpr std::array<std::uint8_t, 4> kSlot14Word{0x01, 0x00, 0xF7, 0x00};
constexpr std::array<std::uint8_t, 4> kSlot15Word{0x01, 0x00, 0xF8, 0x00};

constexpr std::uint8_t kStageOff = 0x80;

void putWord(KeyMatrix& matrix, std::size_t slot, const std::array<std::uint8_t, 4>& word) {
    std::copy(word.begin(), word.end(), matrix.begin() + static_cast<std::ptrdiff_t>(slot * 4));
}

} // namespace

std::uint8_t dpiCode(std::uint8_t sensorKind, std::uint8_t level) {
    if (sensorKind >= kDpiCodes.size() || level >= kDpiCodes[sensorKind].count) {
        return 0;
    }
    return kDpiCodes[sensorKind].codes[level];
}

std::size_t dpiLevelCount(std::uint8_t sensorKind) {
    return sensorKind < kDpiCodes.size() ? kDpiCodes[sensorKind].count : 0;
}

std::size_t matrixSlotOfButton(std::size_t button) {
    return button < kButtonSlots.size() ? kButtonSlots[button] : kKeyMatrixSlots;
}

void encodeLighting(const MouseConfig& c, DeviceImage& image) {
    auto& effect = image.effectBlock;
    auto& params = image.ledParams[0];
    switch (c.ledMode) {
    case 1: // standard
        effect = {1, static_cast<std::uint8_t>(c.ledLevel[0] + 1), 2};
        params[0] = 1;
        break;
    case 2: // respiration
        effect[0] = 2;
        effect[1] = static_cast<std::uint8_t>(c.ledLevel[1] + 1);
        if (c.ledOption2 == 1) {
            effect[2] = 2;
            params[0] = 1;
        } else if (c.ledOption2 == 2) {
            effect[2] = 3;
            params = {2, 2, 3};
        }
        break;
    case 3: // neon
        effect[0] = 3;
        effect[1] = static_cast<std::uint8_t>(c.ledLevel[2] + 1);
        if (c.ledOption3 == 2) {
            params = {2, 100, 10};
        } else if (c.ledOption3 == 3) {
            params = {3, 5, 5};
        }
        break;
    default: // off, or unknown: the lighting stays as the mouse has it
        break;
    }
}

void encodeColours(const MouseConfig& c, DeviceImage& image) {
    auto& block = image.configBlocks[1];
    block.fill(0);
    for (std::size_t stage = 0; stage < kDpiStageCount; ++stage) {
        std::copy(c.dpiColor[stage].begin(), c.dpiColor[stage].end(),
                  block.begin() + static_cast<std::ptrdiff_t>(stage * 3));
    }
}

void encodeDpiStages(const MouseConfig& c, DeviceImage& image) {
    for (std::size_t stage = 0; stage < kDpiStageCount; ++stage) {
        const std::uint8_t code = dpiCode(image.sensorKind, c.dpiLevel[stage]);
        image.dpiStages[stage] =
            c.dpiStageEnabled[stage] == 0 ? (code | kStageOff) : static_cast<std::uint8_t>(code & ~kStageOff);
    }
    std::fill(image.dpiStages.begin() + kDpiStageCount, image.dpiStages.end(), kStageOff);
    image.dpiStageCount = kDpiStageCount;
}

void encodeKeyMatrices(const MouseConfig& c, DeviceImage& image) {
    KeyMatrix& edited = image.keyMatrices[0];
    KeyMatrix& modeB = image.keyMatrices[2];
    edited.fill(0);
    for (std::size_t button = 0; button < kMatrixButtons; ++button) {
        putWord(edited, kButtonSlots[button], encodeKeyWord(c, c.editedBankIndex(), button));
        putWord(modeB, kButtonSlots[button], encodeKeyWord(c, 1, button));
    }
    for (KeyMatrix* matrix : {&edited, &modeB}) {
        putWord(*matrix, 14, kSlot14Word);
        putWord(*matrix, 15, kSlot15Word);
    }
}

} // namespace q417
