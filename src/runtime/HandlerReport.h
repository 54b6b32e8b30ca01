#pragma once

#include <cstdint>
#include <exception>
#include <functional>
#include <string>

namespace runtime {

// What a handler boundary caught: the error's number, text and source, or
// number 0 and the exception's own text for anything that is not an Error.
struct HandlerFailure {
    std::int32_t number = 0;
    std::string description;
    std::string source;
};

using HandlerReport = std::function<void(const HandlerFailure&)>;

// Replaces the hook that hears of failed handlers and returns the previous
// one. An empty hook restores the built-in one: debug builds print one line
// on stderr, release builds stay silent, as the user never sees these.
HandlerReport SetHandlerReport(HandlerReport report);

// Describes the exception and passes it to the hook; never throws.
void ReportHandlerFailure(std::exception_ptr caught) noexcept;

}  // namespace runtime
