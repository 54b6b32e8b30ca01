#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

namespace forms {

// One piece of text on a preview surface, in twips of the surface.
struct DrawnText {
    std::string text;
    std::int32_t x = 0;
    std::int32_t y = 0;
    double size = 0;
    bool italic = false;
};

// The texts a surface has drawn, in drawing order. A long table draws tens
// of millions of them, so they are kept packed (24 bytes a text, the
// characters in one shared block, each font size and slant once) and read
// back one at a time.
class DrawnTexts {
public:
    void Add(std::string_view text, std::int32_t x, std::int32_t y, double size, bool italic);
    void Clear();

    std::size_t size() const { return entries_.size(); }
    bool empty() const { return entries_.empty(); }
    DrawnText operator[](std::size_t i) const;
    DrawnText front() const { return (*this)[0]; }
    DrawnText back() const { return (*this)[size() - 1]; }
    // The parts of text i, without copying its characters.
    std::string_view TextAt(std::size_t i) const;
    std::int32_t XAt(std::size_t i) const { return entries_[i].x; }
    std::int32_t YAt(std::size_t i) const { return entries_[i].y; }
    double SizeAt(std::size_t i) const { return styles_[entries_[i].style].size; }
    bool ItalicAt(std::size_t i) const { return styles_[entries_[i].style].italic; }

    class Iterator {
    public:
        using iterator_category = std::input_iterator_tag;
        using value_type = DrawnText;
        using difference_type = std::ptrdiff_t;
        using pointer = void;
        using reference = DrawnText;

        Iterator(const DrawnTexts& texts, std::size_t i) : texts_(&texts), i_(i) {}
        DrawnText operator*() const { return (*texts_)[i_]; }
        Iterator& operator++() {
            ++i_;
            return *this;
        }
        Iterator operator++(int) {
            Iterator before = *this;
            ++i_;
            return before;
        }
        bool operator==(const Iterator& other) const { return i_ == other.i_; }

    private:
        const DrawnTexts* texts_;
        std::size_t i_;
    };
    Iterator begin() const { return {*this, 0}; }
    Iterator end() const { return {*this, size()}; }

private:
    struct Style {
        double size;
        bool italic;
    };
    struct Entry {
        std::uint64_t start;  // in characters_
        std::int32_t x;
        std::int32_t y;
        std::uint32_t length;
        std::uint32_t style;  // in styles_
    };
    std::uint32_t StyleOf(double size, bool italic);

    std::vector<Entry> entries_;
    std::string characters_;
    std::vector<Style> styles_;
    std::uint32_t lastStyle_ = 0;
};

}  // namespace forms
