#include "runtime/HandlerReport.h"

#include "runtime/Error.h"

#include <cstdio>
#include <utility>

namespace runtime {

namespace {

void BuiltInReport([[maybe_unused]] const HandlerFailure& failure) {
#ifndef NDEBUG
    std::fprintf(stderr, "kestrany: a handler failed: error %d: %s (%s)\n", static_cast<int>(failure.number),
                 failure.description.c_str(), failure.source.c_str());
#endif
}

HandlerReport& CurrentReport() {
    static HandlerReport report = BuiltInReport;
    return report;
}

HandlerFailure Describe(std::exception_ptr caught) {
    try {
        std::rethrow_exception(std::move(caught));
    } catch (const Error& error) {
        return {error.Number(), error.Description(), error.Source()};
    } catch (const std::exception& error) {
        return {0, error.what(), {}};
    } catch (...) {
        return {0, "unknown exception", {}};
    }
}

}  // namespace

HandlerReport SetHandlerReport(HandlerReport report) {
    HandlerReport previous = std::move(CurrentReport());
    CurrentReport() = report ? std::move(report) : HandlerReport(BuiltInReport);
    return previous;
}

void ReportHandlerFailure(std::exception_ptr caught) noexcept {
    try {
        if (!caught) return;
        const HandlerFailure failure = Describe(std::move(caught));
        const HandlerReport report = CurrentReport();
        if (report) report(failure);
    } catch (...) {
        // The report itself must not become a new failure.
    }
}

}  // namespace runtime
