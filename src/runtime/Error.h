#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace runtime {

// A numbered error as the program raises it: number, description, source.
// Members that "raise error N" throw this.
class Error : public std::runtime_error {
public:
    explicit Error(std::int32_t number, std::string description = {}, std::string source = {});

    std::int32_t Number() const noexcept { return number_; }
    const std::string& Description() const noexcept { return description_; }
    const std::string& Source() const noexcept { return source_; }

private:
    std::int32_t number_;
    std::string description_;
    std::string source_;
};

// The standard text of an error number ("Invalid procedure call or argument"
// for 5, ...); an empty text for numbers without one.
std::string StandardErrorText(std::int32_t number);

// Error numbers in use by the program.
namespace errors {
inline constexpr std::int32_t InvalidProcedureCall = 5;
inline constexpr std::int32_t Overflow = 6;
inline constexpr std::int32_t SubscriptOutOfRange = 9;
inline constexpr std::int32_t TypeMismatch = 13;
inline constexpr std::int32_t ObjectVariableNotSet = 91;
inline constexpr std::int32_t InvalidUseOfNull = 94;
inline constexpr std::int32_t ObjectAlreadyLoaded = 360;
inline constexpr std::int32_t ControlNotFound = 730;
inline constexpr std::int32_t KeyAlreadyAssociated = 457;
// Errors that objects define for themselves are numbered from here up.
inline constexpr std::int32_t ObjectErrorBase = static_cast<std::int32_t>(0x80040000u);
}  // namespace errors

}  // namespace runtime
