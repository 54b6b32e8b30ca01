#pragma once

namespace os {

// Shows the standard wait cursor over every window of the program for as
// long as it lives, so that a long piece of work on the user-interface
// thread is not taken for a hang. Nests: the cursor returns when the last
// one ends. Does nothing without an application object.
class BusyCursor {
public:
    BusyCursor();
    ~BusyCursor();
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

private:
    bool shown_ = false;
};

// Whether the wait cursor is shown over the program's windows now.
bool BusyCursorShown();

}  // namespace os
