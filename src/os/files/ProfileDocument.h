#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace os {

// The lines of an INI text, with lookup and replacement of one value.
// Lines that are neither section headers nor key lines are kept as they are,
// and so is every line that a change does not touch. Each section asked for
// is found once and its keys indexed then, so that a huge file costs a pass
// per section and not one per key.
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
    struct SectionIndex {
        bool present = false;
        Location location{0, 0};
        bool keysIndexed = false;
        // The hash of each key line's lower-case name with the line, in the
        // order of hash and line: small and quick to make for any number of keys.
        std::vector<std::pair<std::size_t, std::size_t>> keys;
    };
    SectionIndex* FindSection(const std::string& section) const;
    std::optional<std::size_t> FindKey(SectionIndex& section, const std::string& key) const;
    SectionIndex LocateSection(const std::string& section) const;
    void IndexKeys(SectionIndex& section) const;
    static void AddKey(SectionIndex& section, std::string_view name, std::size_t line);
    void LineInserted(std::size_t line);
    std::string_view Line(std::size_t index) const;
    std::string RawLine(const std::string& line) const;
    void TerminateLastLine();

    std::vector<std::string> lines_;  // as in the file, without their line feeds
    bool lastTerminated_;
    std::string lineEnd_ = "\n";
    mutable std::unordered_map<std::string, SectionIndex> sections_;  // lower-case name -> first section
};

}  // namespace os
