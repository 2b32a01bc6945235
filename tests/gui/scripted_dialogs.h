#pragma once

#include "dialogs/dialog_runner.h"

#include <deque>
#include <vector>

namespace q417::test {

// Answers the main window's dialogs as a test scripts them: each call takes the next queued answer
// (nothing, as a cancel, once the queue is empty) and is recorded.
class ScriptedDialogs final : public DialogRunner {
public:
    std::optional<QColor> pickColour(QColor initial, QWidget*) override {
        coloursOpened.push_back(initial);
        return next(colours);
    }
    std::optional<SkinChoice> chooseSkin(const DialogHost&, const std::vector<std::filesystem::path>&,
                                         const std::string& skinName) override {
        skinsOpened.push_back(skinName);
        return next(skins);
    }
    std::optional<DialogChoice> chooseAssignment(const DialogHost& host, ButtonFunction function) override {
        assignmentsOpened.push_back(function);
        hosts.push_back(host);
        return next(assignments);
    }
    std::optional<std::string> chooseDelay(const DialogHost&) override {
        ++delaysOpened;
        return next(delays);
    }

    std::optional<std::string> chooseProfileName(const DialogHost&) override {
        ++profileNamesOpened;
        return next(profileNames);
    }
    std::optional<std::filesystem::path> chooseProfileFile(const DialogHost&, ProfileFileUse use) override {
        profileFilesOpened.push_back(use);
        return next(profileFiles);
    }
    bool confirm(const DialogHost&, const std::string& question) override {
        questions.push_back(question);
        return next(answers).value_or(false);
    }

    std::deque<std::optional<QColor>> colours;
    std::deque<std::optional<SkinChoice>> skins;
    std::deque<std::optional<DialogChoice>> assignments;
    std::deque<std::optional<std::string>> delays;
    std::deque<std::optional<std::string>> profileNames;
    std::deque<std::optional<std::filesystem::path>> profileFiles;
    std::deque<std::optional<bool>> answers; // no answer: "No"
    int delaysOpened = 0;
    int profileNamesOpened = 0;
    std::vector<ProfileFileUse> profileFilesOpened;
    std::vector<std::string> questions;
    std::vector<QColor> coloursOpened;
    std::vector<std::string> skinsOpened;
    std::vector<ButtonFunction> assignmentsOpened;
    std::vector<DialogHost> hosts;

private:
    template <typename T> static std::optional<T> next(std::deque<std::optional<T>>& queue) {
        if (queue.empty()) {
            return std::nullopt;
        }
        std::optional<T> answer = std::move(queue.front());
        queue.pop_front();
        return answer;
    }
};

} // namespace q417::test
