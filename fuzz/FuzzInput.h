#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

// Cuts a fuzzer's bytes into the pieces a target needs: texts up to a NUL,
// and numbers taken from raw bytes.
class FuzzInput {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size)
        : rest_(reinterpret_cast<const char*>(data), size) {}

    // The text up to the next NUL (or the end), which is then passed over.
    std::string Text() {
        const auto end = rest_.find('\0');
        std::string text(rest_.substr(0, end));
        rest_.remove_prefix(end == std::string_view::npos ? rest_.size() : end + 1);
        return text;
    }
    double Double() {
        double value = 0;
        if (rest_.size() >= sizeof value) {
            std::memcpy(&value, rest_.data(), sizeof value);
            rest_.remove_prefix(sizeof value);
        }
        return value;
    }
    std::uint8_t Byte() {
        if (rest_.empty()) return 0;
        const auto byte = static_cast<std::uint8_t>(rest_.front());
        rest_.remove_prefix(1);
        return byte;
    }
    std::string_view Rest() const { return rest_; }

private:
    std::string_view rest_;
};
