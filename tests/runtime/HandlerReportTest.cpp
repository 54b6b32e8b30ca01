#include <gtest/gtest.h>
#include <gtest/gtest-spi.h>

#include <stdexcept>

#include "HandlerFailures.h"
#include "runtime/Error.h"
#include "runtime/HandlerBoundary.h"

namespace {

using runtime::HandlerFailure;

TEST(HandlerReportTest, AFailedHandlerEndsQuietlyAndIsDescribedToTheHook) {
    testsupport::ExpectedHandlerFailures expected;
    EXPECT_FALSE(runtime::RunHandler([] { throw runtime::Error(9, "Subscript out of range", "kestrany.vbGrid"); }));
    EXPECT_FALSE(runtime::RunHandler([] { throw std::out_of_range("vector::at"); }));
    EXPECT_FALSE(runtime::RunHandler([] { throw 42; }));
    EXPECT_TRUE(runtime::RunHandler([] {}));

    ASSERT_EQ(expected.Failures().size(), 3u);
    EXPECT_EQ(expected.Failures()[0].number, 9);
    EXPECT_EQ(expected.Failures()[0].description, "Subscript out of range");
    EXPECT_EQ(expected.Failures()[0].source, "kestrany.vbGrid");
    EXPECT_EQ(expected.Failures()[1].number, 0);
    EXPECT_EQ(expected.Failures()[1].description, "vector::at");
    EXPECT_EQ(expected.Failures()[2].description, "unknown exception");
}

TEST(HandlerReportTest, AHookThatThrowsDoesNotEscapeTheBoundary) {
    const auto previous = runtime::SetHandlerReport([](const HandlerFailure&) { throw std::runtime_error("hook"); });
    EXPECT_FALSE(runtime::RunHandler([] { throw runtime::Error(5); }));
    runtime::SetHandlerReport(previous);
}

// The test mains install a hook that fails the running test, so a handler
// that throws where nobody expects it cannot pass unnoticed.
TEST(HandlerReportTest, AnUnexpectedHandlerFailureFailsTheRunningTest) {
    EXPECT_NONFATAL_FAILURE(runtime::RunHandler([] { throw runtime::Error(91, "Object variable not set", "frmMain"); }),
                            "a handler failed: error 91: Object variable not set (frmMain)");
}

}  // namespace
