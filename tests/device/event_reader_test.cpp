#include "device/event_reader.h"
#include "device/report_queue.h"
#include "support/recorded_events.h"

#include <chrono>
#include <future>
#include <gtest/gtest.h>

namespace q417 {
namespace {

using Event = test::RecordedEvents::Event;
using Report = std::vector<std::uint8_t>;

// A source that counts its reads, so a test can tell whether the reader keeps coming back.
class CountingSource final : public EventSource {
public:
    [[nodiscard]] int pollFd() const override { return queue.pollFd(); }
    ReportRead readReport(std::span<std::uint8_t> report) override {
        const ReportRead read = queue.readReport(report);
        {
            const std::lock_guard lock(mutex_);
            ++reads_;
        }
        changed_.notify_all();
        return read;
    }
    bool waitForReads(int count) {
        std::unique_lock lock(mutex_);
        return changed_.wait_for(lock, std::chrono::seconds(10), [&] { return reads_ >= count; });
    }
    int reads() {
        const std::lock_guard lock(mutex_);
        return reads_;
    }
    ReportQueue queue;

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    int reads_ = 0;
};

// A running reader on one source. By default the test's handler hands every event over at once;
// a test that plays the user-interface thread turns that off and calls eventHandled() itself.
class EventReaderTest : public ::testing::Test {
protected:
    void SetUp() override {
        reader.setSource(source);
        ASSERT_TRUE(reader.start());
    }
    void push(const Report& report) { source->push(report); }

    std::atomic<bool> ready{true};
    std::atomic<bool> handledAtOnce{true};
    std::atomic<int> handledByTest{0};
    test::RecordedEvents handledWhenDelivered; // handledByTest as each event came, in `kind`
    test::RecordedEvents delivered;
    std::shared_ptr<ReportQueue> source = std::make_shared<ReportQueue>();
    EventReader reader{[this] { return ready.load(); },
                       [this](DeviceStatusCode kind, int value) {
                           handledWhenDelivered.add(handledByTest, 0);
                           delivered.add(static_cast<int>(kind), value);
                           if (handledAtOnce) {
                               reader.eventHandled();
                           }
                       }};
};

TEST_F(EventReaderTest, ForwardsReport6OfKinds5789AndDropsEverythingElse) {
    const std::vector<Report> reports{
        {6, 7, 0, 3, 0, 0, 0, 0}, // DPI stage 3
        {6, 6, 0, 3, 0, 0, 0, 0}, // kind 6: dropped
        {5, 7, 0, 3, 0, 0, 0, 0}, // another report ID: dropped
        {6, 5, 0, 8},             // report rate 125 Hz
        {6, 4, 0, 1},             // dropped
        {6, 8, 0, 2},             // key matrix 2
        {6, 10, 0, 1},            // dropped
        {6},                      // no kind: dropped
        {},                       // empty: dropped
        {6, 9, 0, 12},            // macro 12, last
    };
    for (const Report& r : reports) {
        push(r);
    }
    ASSERT_TRUE(delivered.waitForCount(4));
    EXPECT_EQ(delivered.events(), (std::vector<Event>{{7, 3}, {5, 8}, {8, 2}, {9, 12}}));
}

TEST_F(EventReaderTest, ReadsNothingMoreUntilTheEventWasHandled) {
    // Many reports queued at once give a reader that does not wait many chances to show it.
    handledAtOnce = false;
    constexpr int kEvents = 50;
    for (int i = 1; i <= kEvents; ++i) {
        push({6, 9, 0, static_cast<std::uint8_t>(i)});
    }
    for (int i = 1; i <= kEvents; ++i) {
        ASSERT_TRUE(delivered.waitForCount(static_cast<std::size_t>(i)));
        handledByTest = i;
        reader.eventHandled();
    }
    const auto seen = handledWhenDelivered.events();
    for (int i = 0; i < kEvents; ++i) {
        EXPECT_EQ(seen[static_cast<std::size_t>(i)].kind, i)
            << "event " << i + 1 << " came before the one before it was handled";
    }
}

TEST_F(EventReaderTest, StopEndsAHandOverTheUserInterfaceNeverHandled) {
    handledAtOnce = false;
    push({6, 8, 0, 1});
    ASSERT_TRUE(delivered.waitForCount(1));
    auto stopped = std::async(std::launch::async, [&] { reader.stop(); });
    const bool inTime = stopped.wait_for(std::chrono::seconds(10)) == std::future_status::ready;
    if (!inTime) {
        reader.eventHandled(); // let the test end
    }
    stopped.get();
    EXPECT_TRUE(inTime) << "stop() waited for the hand-over";
    EXPECT_FALSE(reader.running());
}

TEST_F(EventReaderTest, ReadsOnlyWhileTheMouseIsReady) {
    ready = false;
    reader.wake();
    push({6, 5, 0, 2});
    ready = true;
    reader.wake();
    ASSERT_TRUE(delivered.waitForCount(1));
    EXPECT_EQ(delivered.events(), (std::vector<Event>{{5, 2}}));
}

TEST_F(EventReaderTest, ARemovalEndsThePendingReadAndTheReaderWaitsForTheNextSource) {
    auto counting = std::make_shared<CountingSource>();
    reader.setSource(counting);
    counting->queue.setGone(true); // pulled out while the reader waits on it
    ASSERT_TRUE(counting->waitForReads(1));

    auto next = std::make_shared<ReportQueue>();
    reader.setSource(next);
    next->push(Report{6, 7, 0, 4});
    ASSERT_TRUE(delivered.waitForCount(1));
    EXPECT_EQ(delivered.events(), (std::vector<Event>{{7, 4}}));
    EXPECT_EQ(counting->reads(), 1) << "a gone source is read once, not polled again";
}

TEST_F(EventReaderTest, ANewSourceReplacesTheOneBeingRead) {
    auto next = std::make_shared<ReportQueue>();
    reader.setSource(next);
    push({6, 9, 0, 1}); // the old source: never read again
    next->push(Report{6, 9, 0, 2});
    ASSERT_TRUE(delivered.waitForCount(1));
    EXPECT_EQ(delivered.events(), (std::vector<Event>{{9, 2}}));
}

TEST(EventReaderLifetime, StopJoinsAndNothingIsLeftHeld) {
    std::weak_ptr<ReportQueue> watched;
    {
        auto source = std::make_shared<ReportQueue>();
        watched = source;
        EventReader reader([] { return true; }, [](DeviceStatusCode, int) {});
        reader.stop(); // before start: nothing to do
        ASSERT_TRUE(reader.start());
        EXPECT_TRUE(reader.start()) << "already running";
        reader.setSource(std::move(source));
        reader.stop();
        EXPECT_FALSE(reader.running());
        reader.stop();
        ASSERT_TRUE(reader.start()) << "a stopped reader starts again";
        // The destructor stops and joins.
    }
    EXPECT_TRUE(watched.expired());
}

} // namespace
} // namespace q417
