#include "device/hid_mouse.h"
#include "device/transport.h"
#include "support/hid_descriptors.h"
#include "support/recording_messages.h"
#include "support/recording_sleeper.h"
#include "support/recording_status.h"
#include "support/scripted_hid_system.h"

#include <cerrno>
#include <gtest/gtest.h>
#include <numeric>

namespace q417 {
namespace {

using test::joined;
using test::ScriptedHidSystem;
using Node = ScriptedHidSystem::Node;
using Access = HidSystem::Access;

// The mouse as it lists itself: a plain pointer interface, an interface whose event collection
// follows a keyboard's, and the control interface.
Node pointerNode() {
    return ScriptedHidSystem::mouseNode("/dev/hidraw1", test::pointerCollection());
}
Node eventNode() {
    return ScriptedHidSystem::mouseNode("/dev/hidraw2", joined({test::keyboardCollection(1), test::eventCollection()}));
}
Node controlNode(SimulatedMouse* firmware = nullptr) {
    return ScriptedHidSystem::mouseNode("/dev/hidraw3", test::controlCollection(), firmware);
}
Node withOpenError(Node node, int error) {
    node.openError = error;
    return node;
}

struct OpenCall {
    std::string path;
    Access access;
    bool operator==(const OpenCall&) const = default;
};

class HidMouseTest : public ::testing::Test {
protected:
    std::vector<OpenCall> openCalls() const {
        std::vector<OpenCall> calls;
        for (const auto& o : system.opened()) {
            calls.push_back({o.path, o.access});
        }
        return calls;
    }

    ScriptedHidSystem system;
    test::RecordingMessages messages;
    HidMouse mouse{system, messages};
};

struct DiscoveryCase {
    const char* name;
    std::vector<Node> nodes;
    DeviceOpen outcome;
    std::vector<OpenCall> opens;       // in order
    std::vector<std::string> messages; // texts shown
};
void PrintTo(const DiscoveryCase& c, std::ostream* os) {
    *os << c.name;
}

class Discovery : public HidMouseTest, public ::testing::WithParamInterface<DiscoveryCase> {};

TEST_P(Discovery, OpensTheCollectionsInTheSystemsOrder) {
    const DiscoveryCase& c = GetParam();
    system.setNodes(c.nodes);
    EXPECT_EQ(mouse.openDevice(), c.outcome);
    EXPECT_EQ(openCalls(), c.opens);
    std::vector<std::string> shown;
    for (const auto& m : messages.messages) {
        shown.push_back(m.text);
    }
    EXPECT_EQ(shown, c.messages);
    const bool eventsOpened =
        std::any_of(c.opens.begin(), c.opens.end(), [](const OpenCall& o) { return o.access == Access::Read; });
    EXPECT_EQ(mouse.eventSource() != nullptr, eventsOpened && c.outcome == DeviceOpen::Opened);
}

const OpenCall kEventsOpened{"/dev/hidraw2", Access::Read};
const OpenCall kControlOpened{"/dev/hidraw3", Access::ReadWrite};

Node otherDevice() {
    // Another maker's device that looks like the mouse's control interface and whose descriptor
    // cannot be read: it is never looked at.
    Node n = controlNode();
    n.info.path = "/dev/hidraw0";
    n.info.vendorId = 0x046D;
    n.info.reportDescriptor.reset();
    return n;
}

Node mouseWith(std::vector<std::uint8_t> descriptor) {
    return ScriptedHidSystem::mouseNode("/dev/hidraw2", std::move(descriptor));
}

INSTANTIATE_TEST_SUITE_P(
    Interfaces, Discovery,
    ::testing::Values(
        DiscoveryCase{"TheMouse",
                      {pointerNode(), eventNode(), controlNode()},
                      DeviceOpen::Opened,
                      {kEventsOpened, kControlOpened},
                      {}},
        DiscoveryCase{"EventCollectionAloneInItsInterface",
                      {mouseWith(test::eventCollection()), controlNode()},
                      DeviceOpen::Opened,
                      {kEventsOpened, kControlOpened},
                      {}},
        DiscoveryCase{"ControlListedBeforeTheEvents",
                      {pointerNode(), controlNode(), eventNode()},
                      DeviceOpen::Opened,
                      {kControlOpened},
                      {}},
        DiscoveryCase{
            "OtherDevicesAreSkipped", {otherDevice(), controlNode()}, DeviceOpen::Opened, {kControlOpened}, {}},
        DiscoveryCase{"WrongUsagePages",
                      {mouseWith(joined({test::vendorCollection(0xFF00, 0xFF01, {.input = 7}, 6),
                                         test::vendorCollection(0xFF01, 0xFF00, {.feature = 8})}))},
                      DeviceOpen::NotFound,
                      {},
                      {}},
        DiscoveryCase{"ZeroReportLengths",
                      {mouseWith(joined({test::vendorCollection(0xFF01, 0xFF01, {.feature = 8}),
                                         test::vendorCollection(0xFF00, 0xFF00, {.input = 32, .output = 32})}))},
                      DeviceOpen::NotFound,
                      {},
                      {}},
        DiscoveryCase{"NoMouse", {pointerNode()}, DeviceOpen::NotFound, {}, {}},
        DiscoveryCase{"UnreadableDescriptorEndsDiscovery",
                      {[] {
                           Node n = eventNode();
                           n.info.reportDescriptor.reset();
                           return n;
                       }(),
                       controlNode()},
                      DeviceOpen::NotFound,
                      {},
                      {"HidD_GetPreparsedData failed.\n"}},
        DiscoveryCase{"MalformedDescriptorEndsDiscovery",
                      {mouseWith({0xA1, 0x01}), controlNode()},
                      DeviceOpen::NotFound,
                      {},
                      {"HidP_GetCaps failed."}},
        DiscoveryCase{"AFailedOpenEndsDiscovery",
                      {withOpenError(eventNode(), ENODEV), controlNode()},
                      DeviceOpen::NotFound,
                      {},
                      {}}),
    [](const auto& testInfo) { return std::string(testInfo.param.name); });

TEST_F(HidMouseTest, AnUnlistableSystemHasNoMouse) {
    system.setNodes({controlNode()});
    system.setEnumerationFails(true);
    EXPECT_EQ(mouse.openDevice(), DeviceOpen::NotFound);
    EXPECT_TRUE(system.opened().empty());
}

TEST_F(HidMouseTest, AMouseThisUserMayNotOpenIsToldApartOnceAndHowToFixIt) {
    system.setNodes({eventNode(), withOpenError(controlNode(), EACCES)});
    EXPECT_EQ(mouse.openDevice(), DeviceOpen::AccessDenied);
    EXPECT_EQ(mouse.openDevice(), DeviceOpen::AccessDenied);
    ASSERT_EQ(messages.messages.size(), 1U) << "one message for a run of refusals";
    const std::string& text = messages.messages[0].text;
    for (const char* says : {"/dev/hidraw3", "permission", "60-q417-mouse.rules", "plug it in again"}) {
        EXPECT_NE(text.find(says), std::string::npos) << says << " in " << text;
    }

    system.setNodes({eventNode(), controlNode()});
    EXPECT_EQ(mouse.openDevice(), DeviceOpen::Opened);
    system.setNodes({withOpenError(eventNode(), EPERM), controlNode()});
    EXPECT_EQ(mouse.openDevice(), DeviceOpen::AccessDenied);
    EXPECT_EQ(messages.messages.size(), 2U) << "told again after the mouse could be opened";
}

TEST_F(HidMouseTest, HandlesOfAnEarlierOpenAreClosedByTheNext) {
    system.setNodes({eventNode(), controlNode()});
    ASSERT_EQ(mouse.openDevice(), DeviceOpen::Opened);
    std::shared_ptr<EventSource> heldByReader = mouse.eventSource();
    ASSERT_EQ(mouse.openDevice(), DeviceOpen::Opened);
    EXPECT_EQ(system.openHandleCount(), 3U) << "the reader still holds the old event collection";
    heldByReader.reset();
    EXPECT_EQ(system.openHandleCount(), 2U);

    system.setNodes({});
    EXPECT_EQ(mouse.openDevice(), DeviceOpen::NotFound);
    EXPECT_EQ(system.openHandleCount(), 0U) << "a failed open keeps nothing of the last one";
    EXPECT_EQ(mouse.featureReportLength(), 0U);
    std::array<std::uint8_t, 9> report{};
    EXPECT_FALSE(mouse.sendFeatureReport(report));
    EXPECT_FALSE(mouse.getFeatureReport(report));
}

TEST_F(HidMouseTest, EventReportsKeepTheirReportId) {
    system.setNodes({eventNode(), controlNode()});
    ASSERT_EQ(mouse.openDevice(), DeviceOpen::Opened);
    system.pushReport("/dev/hidraw2", {6, 7, 0, 3, 0, 0, 0, 0});
    std::array<std::uint8_t, 8> report{};
    ASSERT_TRUE(mouse.readEventReport(report));
    EXPECT_EQ(report, (std::array<std::uint8_t, 8>{6, 7, 0, 3, 0, 0, 0, 0}));
    EXPECT_FALSE(mouse.readEventReport(report)) << "nothing queued: no waiting";
}

// The link over the control collection discovery opened: lengths from its descriptor, and input
// reports of an interface without report IDs given report ID 0 in byte 0.
TEST_F(HidMouseTest, CarriesTheLinkOverTheControlCollection) {
    SimulatedMouse firmware;
    system.setNodes({eventNode(), controlNode(&firmware)});
    ASSERT_EQ(mouse.openDevice(), DeviceOpen::Opened);
    EXPECT_EQ(mouse.featureReportLength(), 9U);
    EXPECT_EQ(mouse.outputReportLength(), 33U);
    EXPECT_EQ(mouse.inputReportLength(), 33U);

    test::RecordingSleeper sleeper;
    test::RecordingStatus status;
    Transport transport(mouse, sleeper, status);
    transport.handshake();
    ASSERT_TRUE(transport.deviceReady());

    std::vector<std::uint8_t> block(24);
    std::iota(block.begin(), block.end(), std::uint8_t{0x30});
    Frame write{0x10, 1, 24};
    transport.transferLong(write, block);
    std::vector<std::uint8_t> back(32, 0xEE);
    Frame read{0x90, 1};
    transport.transferLong(read, back);
    back.resize(24);
    EXPECT_EQ(back, block);
}

} // namespace
} // namespace q417
