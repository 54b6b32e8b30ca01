#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <stdexcept>

#include "RecordingClient.h"
#include "os/windows/Messaging.h"
#include "os/windows/Process.h"
#include "os/windows/Window.h"
#include "os/windows/WindowProperties.h"
#include "platform/MSubclass.h"
#include "platform/SubclassErrors.h"
#include "runtime/Error.h"
#include "HandlerFailures.h"

namespace {

using namespace os;
using platform::MSubclass::Attach;
using platform::MSubclass::Detach;
using testing_support::Log;
using testing_support::RecordingClient;
namespace response = platform::response;

constexpr UINT Paint = 15;
constexpr UINT KeyDown = 256;
constexpr LRESULT PreviousAnswer = 77;

class Hook : public ::testing::Test {
protected:
    void SetUp() override {
        window = CreateBareWindow("Hooked", 0);
        previous = testing_support::InstallLoggingProcedure(window, log, PreviousAnswer);
    }
    void TearDown() override {
        DestroyWindow(window);
        UnregisterWindowProcedure(previous);
    }
    std::string Name(const std::string& suffix) const { return std::to_string(window) + suffix; }
    LONG_PTR Prop(const std::string& suffix) const { return GetProp(window, Name(suffix)); }
    static LONG_PTR Address(RecordingClient& client) {
        return reinterpret_cast<LONG_PTR>(static_cast<platform::ISubclass*>(&client));
    }

    HWND window = 0;
    LONG_PTR previous = 0;
    Log log;
};

TEST_F(Hook, RegistryIsKeptInTheWindowsProperties) {
    RecordingClient first("first", response::Consume, log);
    RecordingClient second("second", response::Consume, log);
    Attach(&first, window, Paint);
    Attach(&second, window, Paint);
    Attach(&first, window, KeyDown);

    EXPECT_EQ(Prop(""), previous);
    EXPECT_EQ(Prop("C"), 3);
    EXPECT_EQ(Prop("#15C"), 2);
    EXPECT_EQ(Prop("#15#1"), Address(first));
    EXPECT_EQ(Prop("#15#2"), Address(second));
    EXPECT_EQ(Prop("#256C"), 1);
    EXPECT_EQ(Prop("#256#1"), Address(first));
    EXPECT_NE(GetWindowLong(window, GWL_WNDPROC), previous) << "the replacement procedure is in place";

    Detach(&first, window, KeyDown);
    Detach(&second, window, Paint);
    Detach(&first, window, Paint);
}

TEST_F(Hook, ClientsAreCalledInRegistrationOrderAndMoveUpOnRemoval) {
    RecordingClient first("first", response::Consume, log);
    RecordingClient second("second", response::Consume, log);
    Attach(&first, window, Paint);
    Attach(&second, window, Paint);
    SendMessage(window, Paint, 0, 0);
    EXPECT_EQ(log, (Log{"first 15 sees 0", "second 15 sees 0"}));

    Detach(&first, window, Paint);
    EXPECT_EQ(Prop("#15C"), 1);
    EXPECT_EQ(Prop("#15#1"), Address(second));
    EXPECT_EQ(Prop("#15#2"), 0);
    log.clear();
    SendMessage(window, Paint, 0, 0);
    EXPECT_EQ(log, (Log{"second 15 sees 0"}));
    Detach(&second, window, Paint);
}

TEST_F(Hook, SecondRegistrationOfTheSameClientFails) {
    RecordingClient client("client", response::Consume, log);
    Attach(&client, window, Paint);
    try {
        Attach(&client, window, Paint);
        FAIL() << "no error raised";
    } catch (const runtime::Error& error) {
        EXPECT_EQ(error.Number(), static_cast<std::int32_t>(0x80040000u | 13082u));
        EXPECT_EQ(error.Description(), "Message already handled by another class");
        EXPECT_EQ(error.Source(), ExecutableName() + ".WindowProc");
    }
    EXPECT_EQ(Prop("C"), 1) << "the refused registration left the counts alone";
    EXPECT_EQ(Prop("#15C"), 1);
    Detach(&client, window, Paint);
    EXPECT_EQ(GetWindowLong(window, GWL_WNDPROC), previous);
}

TEST_F(Hook, LastDetachRestoresThePreviousProcedureAndRemovesTheProperties) {
    RecordingClient client("client", response::Consume, log);
    Attach(&client, window, Paint);
    Attach(&client, window, KeyDown);
    Detach(&client, window, Paint);
    EXPECT_NE(GetWindowLong(window, GWL_WNDPROC), previous) << "still one registration";
    Detach(&client, window, KeyDown);
    EXPECT_EQ(GetWindowLong(window, GWL_WNDPROC), previous);
    EXPECT_TRUE(EnumPropNames(window).empty());
}

TEST_F(Hook, DetachingAClientThatIsNotRegisteredChangesNothing) {
    RecordingClient client("client", response::Consume, log);
    RecordingClient stranger("stranger", response::Consume, log);
    Attach(&client, window, Paint);
    Detach(&stranger, window, Paint);
    Detach(&client, window, KeyDown);
    EXPECT_EQ(Prop("C"), 1);
    EXPECT_EQ(Prop("#15#1"), Address(client));
    Detach(&client, window, Paint);
}

TEST_F(Hook, ResponseModesPlaceThePreviousProcedure) {
    struct Case {
        std::int32_t mode;
        Log expected;
        LRESULT answer;
    };
    const Case cases[] = {
        {response::Consume, {"client 15 sees 0"}, 0},
        {response::PreviousAfter, {"client 15 sees 0", "previous 15"}, PreviousAnswer},
        {response::PreviousBefore, {"previous 15", "client 15 sees 77"}, PreviousAnswer},
    };
    for (const Case& c : cases) {
        log.clear();
        RecordingClient client("client", c.mode, log);
        Attach(&client, window, Paint);
        EXPECT_EQ(SendMessage(window, Paint, 0, 0), c.answer) << "mode " << c.mode;
        EXPECT_EQ(log, c.expected) << "mode " << c.mode;
        Detach(&client, window, Paint);
    }
}

TEST_F(Hook, ClientAnswerBecomesTheResult) {
    RecordingClient client("client", response::PreviousBefore, log);
    client.answer = 5;
    Attach(&client, window, Paint);
    EXPECT_EQ(SendMessage(window, Paint, 0, 0), 5);
    Detach(&client, window, Paint);
}

TEST_F(Hook, ConsumingClientMayPassTheMessageOn) {
    RecordingClient client("client", response::Consume, log);
    client.passOn = true;
    Attach(&client, window, KeyDown);
    EXPECT_EQ(SendMessage(window, KeyDown, 13, 0), PreviousAnswer);
    EXPECT_EQ(log, (Log{"client 256 sees 0", "previous 256"}));
    Detach(&client, window, KeyDown);
}

TEST_F(Hook, ModeOfTheFirstAndLastClientDecides) {
    RecordingClient before("before", response::PreviousBefore, log);
    RecordingClient after("after", response::PreviousAfter, log);
    Attach(&before, window, Paint);
    Attach(&after, window, Paint);
    SendMessage(window, Paint, 0, 0);
    EXPECT_EQ(log, (Log{"previous 15", "before 15 sees 77", "after 15 sees 77"}))
        << "the previous procedure runs once";
    Detach(&before, window, Paint);
    Detach(&after, window, Paint);
}

TEST_F(Hook, MessagesWithoutClientsGoStraightToThePreviousProcedure) {
    RecordingClient client("client", response::Consume, log);
    Attach(&client, window, Paint);
    EXPECT_EQ(SendMessage(window, KeyDown, 0, 0), PreviousAnswer);
    EXPECT_EQ(log, (Log{"previous 256"}));
    Detach(&client, window, Paint);
}

TEST_F(Hook, FailingClientEndsTheDispatchQuietly) {
    RecordingClient failing("failing", response::Consume, log);
    RecordingClient next("next", response::Consume, log);
    failing.fail = true;
    Attach(&failing, window, Paint);
    Attach(&next, window, Paint);
    {
        testsupport::ExpectedHandlerFailures expected;
        EXPECT_NO_THROW(platform::MSubclass::WindowProc(window, Paint, 0, 0));
        EXPECT_EQ(expected.Failures().size(), 1u) << "the failure reaches the report hook";
    }
    EXPECT_EQ(log, (Log{"failing 15 sees 0"}));
    failing.fail = false;
    log.clear();
    SendMessage(window, Paint, 0, 0);
    EXPECT_EQ(log.size(), 2u) << "the hook still works";
    Detach(&failing, window, Paint);
    Detach(&next, window, Paint);
}

TEST_F(Hook, RefusedWindows) {
    const HWND foreign = CreateBareWindow("Foreign", 0);
    MarkWindowForeign(foreign);
    struct Case {
        const char* what;
        HWND target;
        std::int32_t number;
        const char* description;
    };
    const Case cases[] = {
        {"not a window", 0, 13083, "Invalid window"},
        {"destroyed window", CreateBareWindow("Gone", 0), 13083, "Invalid window"},
        {"window of another process", foreign, 13084, "Can't modify external window"},
    };
    DestroyWindow(cases[1].target);
    RecordingClient client("client", response::Consume, log);
    for (const Case& c : cases) {
        try {
            Attach(&client, c.target, Paint);
            ADD_FAILURE() << c.what << ": no error raised";
        } catch (const runtime::Error& error) {
            EXPECT_EQ(error.Number(), platform::RaisedSubclassErrorNumber(c.number)) << c.what;
            EXPECT_EQ(error.Description(), c.description) << c.what;
        }
    }
    EXPECT_TRUE(EnumPropNames(foreign).empty());
    DestroyWindow(foreign);
}

TEST(SubclassErrorNumbers, SmallNumbersStayAndOthersGetTheObjectBase) {
    EXPECT_EQ(platform::RaisedSubclassErrorNumber(5), 5);
    EXPECT_EQ(platform::RaisedSubclassErrorNumber(1000), 1000);
    EXPECT_EQ(platform::RaisedSubclassErrorNumber(13081), static_cast<std::int32_t>(0x80043319u));
    EXPECT_EQ(platform::RaisedSubclassErrorNumber(13084), -2147208420);
}

}  // namespace
