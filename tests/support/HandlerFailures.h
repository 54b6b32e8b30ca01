#pragma once

#include <vector>

#include "runtime/HandlerReport.h"

namespace testsupport {

// Makes every failed event handler, window procedure or timer callback fail
// the running test with the error's number, text and source. Test mains
// install it before the first test.
void FailTestsOnHandlerFailure();

// For tests that make a handler fail on purpose: while alive, failures are
// collected here instead of failing the test.
class ExpectedHandlerFailures {
public:
    ExpectedHandlerFailures();
    ~ExpectedHandlerFailures();
    ExpectedHandlerFailures(const ExpectedHandlerFailures&) = delete;
    ExpectedHandlerFailures& operator=(const ExpectedHandlerFailures&) = delete;

    const std::vector<runtime::HandlerFailure>& Failures() const { return failures_; }

private:
    std::vector<runtime::HandlerFailure> failures_;
    runtime::HandlerReport previous_;
};

}  // namespace testsupport
