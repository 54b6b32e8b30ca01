#pragma once

#include <memory>

namespace app {

class frmAbout;

// The one About window of the process: choosing it again while it is open
// shows the same window; once closed, the next choice makes a new one.
class AboutWindow {
public:
    AboutWindow();
    ~AboutWindow();
    AboutWindow(const AboutWindow&) = delete;
    AboutWindow& operator=(const AboutWindow&) = delete;

    void Show();
    // The open About window, nullptr when there is none.
    frmAbout* Current() const;

private:
    std::unique_ptr<frmAbout> window_;
};

}  // namespace app
