#include "HandlerFailures.h"

#include <gtest/gtest.h>

namespace testsupport {

void FailTestsOnHandlerFailure() {
    runtime::SetHandlerReport([](const runtime::HandlerFailure& failure) {
        ADD_FAILURE() << "a handler failed: error " << failure.number << ": " << failure.description << " ("
                      << failure.source << ")";
    });
}

ExpectedHandlerFailures::ExpectedHandlerFailures()
    : previous_(runtime::SetHandlerReport(
          [this](const runtime::HandlerFailure& failure) { failures_.push_back(failure); })) {}

ExpectedHandlerFailures::~ExpectedHandlerFailures() { runtime::SetHandlerReport(std::move(previous_)); }

}  // namespace testsupport
