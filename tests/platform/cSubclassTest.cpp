#include <gtest/gtest.h>

#include <memory>

#include "RecordingClient.h"
#include "os/windows/Messaging.h"
#include "os/windows/Window.h"
#include "os/windows/WindowProperties.h"
#include "platform/cSubclass.h"
#include "runtime/Error.h"

namespace {

using namespace os;
using platform::cSubclass;
using testing_support::Log;
using testing_support::RecordingClient;

class BoundSubclass : public ::testing::Test {
protected:
    void SetUp() override {
        window = CreateBareWindow("Hooked", 0);
        other = CreateBareWindow("Other", 0);
        original = GetWindowLong(window, GWL_WNDPROC);
    }
    void TearDown() override {
        DestroyWindow(window);
        DestroyWindow(other);
    }
    static std::int32_t ErrorOf(const std::function<void()>& action) {
        try {
            action();
        } catch (const runtime::Error& error) {
            return error.Number();
        }
        return 0;
    }

    HWND window = 0;
    HWND other = 0;
    LONG_PTR original = 0;
    Log log;
    RecordingClient client{"client", platform::response::Consume, log};
    RecordingClient stranger{"stranger", platform::response::Consume, log};
};

TEST_F(BoundSubclass, KeepsTheMessagesItHooked) {
    cSubclass subclass;
    subclass.Attach(&client, window, 15);
    subclass.Attach(&client, window, 256);
    EXPECT_EQ(subclass.Messages(), (std::vector<std::string>{"15", "256"}));
    SendMessage(window, 256, 0, 0);
    EXPECT_EQ(log, (Log{"client 256 sees 0"}));
    subclass.Detach(&client, window, 15);
    EXPECT_EQ(subclass.Messages(), (std::vector<std::string>{"256"}));
}

TEST_F(BoundSubclass, ForeignClientOrWindowIsError5) {
    cSubclass subclass;
    subclass.Attach(&client, window, 15);
    struct Case {
        const char* what;
        std::function<void()> action;
    };
    const Case cases[] = {
        {"attach another client", [&] { subclass.Attach(&stranger, window, 256); }},
        {"attach another window", [&] { subclass.Attach(&client, other, 256); }},
        {"detach another client", [&] { subclass.Detach(&stranger, window, 15); }},
        {"detach another window", [&] { subclass.Detach(&client, other, 15); }},
    };
    for (const Case& c : cases) EXPECT_EQ(ErrorOf(c.action), runtime::errors::InvalidProcedureCall) << c.what;
    EXPECT_EQ(subclass.Messages(), (std::vector<std::string>{"15"}));
}

TEST_F(BoundSubclass, SameMessageTwiceIsAKeyError) {
    cSubclass subclass;
    subclass.Attach(&client, window, 15);
    EXPECT_EQ(ErrorOf([&] { subclass.Attach(&client, window, 15); }), runtime::errors::KeyAlreadyAssociated);
    EXPECT_EQ(subclass.Messages().size(), 1u);
}

TEST_F(BoundSubclass, RefusedAttachLeavesNoMessageInTheList) {
    cSubclass subclass;
    const HWND gone = CreateBareWindow("Gone", 0);
    DestroyWindow(gone);
    EXPECT_NE(ErrorOf([&] { subclass.Attach(&client, gone, 15); }), 0);
    EXPECT_TRUE(subclass.Messages().empty());
}

TEST_F(BoundSubclass, DestructionDetachesEverything) {
    {
        cSubclass subclass;
        subclass.Attach(&client, window, 15);
        subclass.Attach(&client, window, 256);
        EXPECT_NE(GetWindowLong(window, GWL_WNDPROC), original);
    }
    EXPECT_EQ(GetWindowLong(window, GWL_WNDPROC), original);
    EXPECT_TRUE(EnumPropNames(window).empty());
    SendMessage(window, 15, 0, 0);
    EXPECT_TRUE(log.empty());
}

TEST_F(BoundSubclass, DestructionAfterTheWindowWentIsQuiet) {
    auto subclass = std::make_unique<cSubclass>();
    subclass->Attach(&client, window, 15);
    DestroyWindow(window);
    EXPECT_NO_THROW(subclass.reset());
}

}  // namespace
