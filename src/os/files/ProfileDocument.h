#pragma once

#include <optional>
#include <string>
#include <vector>

namespace os {

// The lines of an INI text, with lookup and replacement of one value.
// Lines that are neither section headers nor key lines are kept as they are,
// and so is every line that a change does not touch.
class ProfileDocument {
public:
    explicit ProfileDocument(const std::string& text);

    std::optional<std::string> Value(const std::string& section, const std::string& key) const;
    void SetValue(const std::string& section, const std::string& key, const std::string& value);
    std::string Text() const;

private:
    struct Location {
        std::size_t sectionLine;
        std::size_t endLine;  // one past the section's last key line
    };
    std::optional<Location> FindSection(const std::string& section) const;
    std::optional<std::size_t> FindKey(const Location& location, const std::string& key) const;
    std::string Line(std::size_t index) const;
    std::string RawLine(const std::string& line) const;
    void TerminateLastLine();

    std::vector<std::string> lines_;  // as in the file, without their line feeds
    bool lastTerminated_;
    std::string lineEnd_ = "\n";
};

}  // namespace os
