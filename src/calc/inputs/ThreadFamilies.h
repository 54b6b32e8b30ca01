#pragma once

#include <span>
#include <string_view>

namespace calc {

// How a thread is given: as a pitch in millimetres or in threads per inch.
enum class ThreadKind { Mm, Tpi };

// One standard thread: its usual designation, and its pitch (kind Mm) or
// its threads per inch (kind Tpi).
struct ThreadEntry {
    std::string_view name;
    ThreadKind kind;
    double value;
};

// A family of standard threads, in the order of its standard.
struct ThreadFamily {
    std::string_view key;    // the name the command line takes: "metric-coarse", "unc", ...
    std::string_view title;  // as shown to the user: "Metric coarse", ...
    std::span<const ThreadEntry> threads;
};

// Every family, in a fixed order: ISO metric coarse and fine, UNC, UNF,
// BSW, BSF, BSP, BA, ME, module worms, diametral pitch worms.
std::span<const ThreadFamily> ThreadFamilies();

// The family with this key, or nullptr.
const ThreadFamily* FindThreadFamily(std::string_view key);

}  // namespace calc
