#include "runtime/Error.h"

namespace runtime {

namespace {
std::string DescriptionOrStandard(std::int32_t number, std::string description) {
    return description.empty() ? StandardErrorText(number) : std::move(description);
}
}  // namespace

Error::Error(std::int32_t number, std::string description, std::string source)
    : std::runtime_error(DescriptionOrStandard(number, description)),
      number_(number),
      description_(DescriptionOrStandard(number, std::move(description))),
      source_(std::move(source)) {}

std::string StandardErrorText(std::int32_t number) {
    switch (number) {
    case errors::InvalidProcedureCall: return "Invalid procedure call or argument";
    case errors::Overflow: return "Overflow";
    case errors::SubscriptOutOfRange: return "Subscript out of range";
    case errors::TypeMismatch: return "Type mismatch";
    case errors::InvalidUseOfNull: return "Invalid use of Null";
    case errors::KeyAlreadyAssociated:
        return "This key is already associated with an element of this collection";
    default: return {};
    }
}

}  // namespace runtime
