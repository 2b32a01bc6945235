#include "macro/macro_recording.h"

#include <gtest/gtest.h>

namespace q417 {
namespace {

using Lines = std::vector<std::string>;

// The recorder with an event list that takes its changes as the editor does.
class MacroRecordingTest : public ::testing::Test {
protected:
    MacroRecording recording;
    Lines list;
    bool macroSelected = true;
    bool stoppedByKeys = false;

    void start() {
        list.clear();
        recording.start();
    }
    void key(const std::string& name, bool press, bool autoRepeat = false, bool ctrlBreak = false) {
        const MacroRecording::Change change = recording.onKey(name, press, autoRepeat, ctrlBreak, macroSelected);
        ASSERT_LE(change.dropLast, list.size());
        list.resize(list.size() - change.dropLast);
        list.insert(list.end(), change.append.begin(), change.append.end());
        stoppedByKeys = stoppedByKeys || change.stopped;
    }
    void press(const std::string& name) { key(name, true); }
    void repeat(const std::string& name) { key(name, true, true); }
    void release(const std::string& name) { key(name, false); }
    void ctrlBreak() { key("Pause", true, false, true); }
};

TEST_F(MacroRecordingTest, KeysBecomeLinesWithFiftyMillisecondsBetween) {
    start();
    press("A");
    release("A");
    press("B");
    release("B");
    EXPECT_EQ(list, (Lines{"A   Dn", "50 ms", "A   Up", "50 ms", "B   Dn", "50 ms", "B   Up"}));
    EXPECT_TRUE(recording.recording());
}

TEST_F(MacroRecordingTest, AHeldKeyGivesOnePressLine) {
    start();
    press("A");
    repeat("A");
    repeat("A");
    release("A");
    press("Shift");
    repeat("Shift");
    EXPECT_EQ(list, (Lines{"A   Dn", "50 ms", "A   Up", "50 ms", "Shift   Dn"}));
}

TEST_F(MacroRecordingTest, TheLastPressedKeySurvivesIntoTheNextRecording) {
    start();
    press("A");
    recording.stop();
    start();
    repeat("A"); // still held from the last recording: its repeats are ignored, also as first key
    repeat("A");
    release("A");
    EXPECT_EQ(list, (Lines{"50 ms", "A   Up"}));
}

TEST_F(MacroRecordingTest, ARepeatOfAnotherKeyThanTheLastPressedIsAPress) {
    start();
    press("A");
    repeat("B");
    EXPECT_EQ(list, (Lines{"A   Dn", "50 ms", "B   Dn"}));
}

TEST_F(MacroRecordingTest, AKeyHeldBeforeStartGivesItsReleaseFirst) {
    start();
    release("Enter");
    press("A");
    EXPECT_EQ(list, (Lines{"50 ms", "Enter   Up", "A   Dn"})) << "no press seen yet: the press has no delay before it";
}

TEST_F(MacroRecordingTest, CtrlBreakStopsAndTakesBackTheCtrlPress) {
    for (const std::string ctrl : {"Ctrl", "Right Ctrl"}) {
        start();
        press("A");
        release("A");
        press(ctrl);
        repeat(ctrl);
        ctrlBreak();
        EXPECT_EQ(list, (Lines{"A   Dn", "50 ms", "A   Up"})) << ctrl;
        EXPECT_TRUE(stoppedByKeys);
        EXPECT_FALSE(recording.recording());
        release("Pause");
        release(ctrl);
        EXPECT_EQ(list.size(), 3U) << "nothing is recorded after the stop";
        stoppedByKeys = false;
    }
}

TEST_F(MacroRecordingTest, CtrlBreakAsTheFirstKeysLeavesAnEmptyRecording) {
    start();
    press("Ctrl");
    ctrlBreak();
    EXPECT_TRUE(list.empty());
    // The recording ends as it was before Ctrl went down: a Ctrl held into the next one is a press.
    start();
    repeat("Ctrl");
    EXPECT_EQ(list, (Lines{"Ctrl   Dn"}));
}

TEST_F(MacroRecordingTest, CtrlBreakTakesBackOnlyACtrlPressThatIsTheLastLine) {
    start();
    press("Ctrl");
    press("C");
    release("C");
    ctrlBreak();
    EXPECT_EQ(list, (Lines{"Ctrl   Dn", "50 ms", "C   Dn", "50 ms", "C   Up"}));
    EXPECT_TRUE(stoppedByKeys);

    start();
    press("A");
    press("Ctrl");
    recording.eventListChanged(); // another macro's lines now fill the list
    ctrlBreak();
    EXPECT_EQ(list, (Lines{"A   Dn", "50 ms", "Ctrl   Dn"}));
}

TEST_F(MacroRecordingTest, StopTellsWhetherARecordingRan) {
    EXPECT_FALSE(recording.stop());
    start();
    EXPECT_TRUE(recording.stop());
    EXPECT_FALSE(recording.stop());
    press("A");
    EXPECT_TRUE(list.empty()) << "keys after the stop are not recorded";
}

TEST_F(MacroRecordingTest, KeysWithNoMacroSelectedAreDropped) {
    start();
    press("A");
    macroSelected = false;
    release("A");
    press("B");
    press("Ctrl");
    ctrlBreak();
    EXPECT_EQ(list, (Lines{"A   Dn"}));
    EXPECT_TRUE(stoppedByKeys) << "Ctrl+Break still stops";
    macroSelected = true;
    start();
    repeat("A");
    EXPECT_TRUE(list.empty()) << "A stays the last pressed key: B was never recorded";
}

} // namespace
} // namespace q417
