#pragma once

#include "device/hid_backend.h"

#include <algorithm>
#include <cstdint>
#include <deque>
#include <optional>
#include <span>
#include <vector>

namespace q417::test {

// A HID back end whose answers are scripted and which records what it was sent. An answer of
// std::nullopt is a failed read; an empty script fails too (a silent device).
class ScriptedBackend : public HidBackend {
public:
    using Report = std::vector<std::uint8_t>;

    bool sendFeatureReport(std::span<const std::uint8_t> report) override {
        featuresSent.emplace_back(report.begin(), report.end());
        if (echoFeatures) {
            featureAnswers.emplace_back(Report(report.begin(), report.end()));
        }
        return sendSucceeds;
    }
    bool getFeatureReport(std::span<std::uint8_t> report) override {
        ++featureReads;
        return answer(featureAnswers, report);
    }
    bool writeOutputReport(std::span<const std::uint8_t> report) override {
        outputsWritten.emplace_back(report.begin(), report.end());
        return sendSucceeds;
    }
    bool readInputReport(std::span<std::uint8_t> report) override {
        ++inputReads;
        return answer(inputAnswers, report);
    }
    bool readEventReport(std::span<std::uint8_t>) override { return false; }

    [[nodiscard]] std::size_t featureReportLength() const override { return featureLength; }
    [[nodiscard]] std::size_t outputReportLength() const override { return outputLength; }
    [[nodiscard]] std::size_t inputReportLength() const override { return inputLength; }

    // A feature answer carrying `frame` behind report ID 0, padded to the feature length.
    template <typename Bytes> void answerFeature(const Bytes& frame) {
        Report report(std::max<std::size_t>(featureLength, 1 + frame.size()), 0);
        std::copy(frame.begin(), frame.end(), report.begin() + 1);
        featureAnswers.emplace_back(report);
    }
    // An input report carrying `data` behind report ID 0, padded to the input length.
    void answerInput(const std::vector<std::uint8_t>& data) {
        Report report(std::max<std::size_t>(inputLength, 1 + data.size()), 0);
        std::copy(data.begin(), data.end(), report.begin() + 1);
        inputAnswers.emplace_back(report);
    }

    std::size_t featureLength = 9;
    std::size_t outputLength = 33;
    std::size_t inputLength = 33;
    bool sendSucceeds = true;
    bool echoFeatures = false; // answer every feature report with itself
    std::deque<std::optional<Report>> featureAnswers;
    std::deque<std::optional<Report>> inputAnswers;

    std::vector<Report> featuresSent;
    std::vector<Report> outputsWritten;
    std::size_t featureReads = 0;
    std::size_t inputReads = 0;

private:
    // A failed read scribbles over the buffer: the transport must not trust it.
    static bool answer(std::deque<std::optional<Report>>& script, std::span<std::uint8_t> report) {
        if (script.empty() || !script.front()) {
            if (!script.empty()) {
                script.pop_front();
            }
            std::fill(report.begin(), report.end(), std::uint8_t{0xEE});
            return false;
        }
        const Report r = *script.front();
        script.pop_front();
        std::fill(report.begin(), report.end(), std::uint8_t{0});
        std::copy_n(r.begin(), std::min(r.size(), report.size()), report.begin());
        return true;
    }
};

} // namespace q417::test
