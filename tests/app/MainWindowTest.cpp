#include <gtest/gtest.h>

#include "MainWindowFixture.h"
#include "app/main/MainLayout.h"
#include "app/results/ResultsGridSetup.h"
#include "forms/testing/UserInput.h"
#include "grid/model/PropertyBag.h"
#include "os/windows/Menu.h"
#include "os/windows/Messages.h"
#include "os/windows/Messaging.h"
#include "runtime/Error.h"

namespace {

using forms::testing::ClearByTyping;
using forms::testing::TypeText;

TEST_F(MainWindowTest, WithoutSettingsTheWindowStartsInTheFactoryState) {
    Open();
    EXPECT_EQ(GearList(), (std::vector<std::int32_t>{20, 20, 30, 35, 40, 40, 45, 50, 60, 60, 80, 80}));
    const app::InputControls& in = Inputs();
    const std::pair<const forms::Control*, const char*> texts[] = {
        {&in.leadscrewMm, "1.5"}, {&in.leadscrewTpi, "16"}, {&in.ratioLeft, "40"}, {&in.ratioRight, "40"},
        {&in.toleranceMm, "0.1"}, {&in.toleranceTpi, "0.2"}, {&in.request, ""},
    };
    for (const auto& [box, text] : texts) EXPECT_EQ(box->Text(), text) << box->Name();
    EXPECT_EQ(GearBox(0).Text(), "20");
    EXPECT_EQ(GearBox(11).Text(), "80");
    EXPECT_EQ(GearBox(12).Text(), "");
    EXPECT_TRUE(Inputs().leadscrewUnit[0]->OptionValue());
    EXPECT_FALSE(Inputs().leadscrewUnit[1]->OptionValue());
    EXPECT_TRUE(Inputs().requestUnit[0]->OptionValue());
    EXPECT_FALSE(Inputs().requestUnit[1]->OptionValue());
    EXPECT_EQ(Inputs().includeLow.CheckValue(), 0);
    EXPECT_EQ(Inputs().includeIntersecting.CheckValue(), 0);
    EXPECT_FALSE(Controls().calculate.Enabled());
    EXPECT_FALSE(Controls().print.Enabled());
    EXPECT_EQ(window->Window().Caption(), "Kestrany");
    // The layout's client width lies below the smallest outer width the window allows.
    EXPECT_GE(window->Window().ScaleWidth(), app::kClientWidth);
    EXPECT_EQ(window->Window().ScaleHeight(), app::kClientHeight);
    EXPECT_EQ(window->Grid().Rows(), 0);
}

TEST_F(MainWindowTest, TheGridStartsFromItsStoredSettings) {
    window = std::make_unique<app::frmMain>();  // created, not yet loaded
    const grid::VbGrid& g = window->Grid();
    EXPECT_EQ(g.Cols(), 0);
    EXPECT_EQ(g.BackColorBkg(), static_cast<std::int32_t>(0x8000000Fu));
    EXPECT_EQ(g.HeaderHeight(), 270);
    EXPECT_EQ(g.ScrollBars(), 2);
    EXPECT_TRUE(g.Header());
    EXPECT_EQ(g.GridLines(), 3);  // not stored: its default
    // The stored text is what the grid writes of itself.
    grid::PropertyBag written;
    g.WriteProperties(written);
    EXPECT_EQ(written.ToText(), app::ResultsGridStoredSettings());
    window->Window().Load();
    EXPECT_EQ(g.Cols(), 9);
}

TEST_F(MainWindowTest, ControlsSitWhereTheLayoutPutsThem) {
    Open(false);
    struct Case {
        const char* name;
        int index;
        const char* container;
        const char* caption;
        forms::TwipsRect bounds;
    };
    const Case cases[] = {
        {"lblPrev", -1, "Frame4", "Prev Divisor", {150, 360, 2235, 255}},
        {"btnPrint", -1, "Frame4", "Print!", {6060, 240, 1005, 375}},
        {"optScrew", 1, "Frame2", "", {1920, 450, 225, 255}},
        {"Option1", 1, "Frame3", "/inch", {1110, 600, 705, 315}},
        {"Label3", -1, "Frame3", "precision, %", {2160, 480, 915, 225}},
        {"chkLow", -1, "", "include possibly incorrect sets", {2220, 2760, 3195, 225}},
        {"btnCalc", -1, "", "Calculate!", {5520, 2760, 1695, 465}},
        {"Image1", -1, "", "", {90, 2760, 1950, 3540}},
        {"t_gears", 1, "Frame1", "", {531, 300, 375, 285}},
        {"t_gears", 55, "Frame1", "", {150 + 55 * 381, 300, 375, 285}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.name) + std::to_string(c.index));
        const forms::Control& control = window->Window().Item(c.name, c.index);
        EXPECT_EQ(control.Container() == nullptr ? "" : control.Container()->Name(), c.container);
        EXPECT_EQ(control.Caption(), c.caption);
        EXPECT_EQ(control.Left(), c.bounds.left);
        EXPECT_EQ(control.Top(), c.bounds.top);
        EXPECT_EQ(control.Width(), c.bounds.width);
        EXPECT_EQ(control.Height(), c.bounds.height);
    }
    EXPECT_TRUE(Controls().ratioColon.FontBold());
    EXPECT_EQ(Inputs().includeIntersecting.ToolTipText(), "Some gear sets can intersects with gear A shaft or leadscrew");
    EXPECT_EQ(Inputs().toleranceMm.Tag(), "precM_tt");
    EXPECT_EQ(Controls().print.Tag(), "ttPrint");
    EXPECT_TRUE(Controls().calculate.IsDefault());
}

// The window names its controls once, as it is built: a control the layout
// lacks stops the start with error 730 rather than a later use of it.
TEST_F(MainWindowTest, AControlMissingFromTheLayoutStopsTheStart) {
    forms::FormEvents events;
    forms::Form form("frmMain", events);
    form.AddControl(forms::ControlKind::TextBox, "t_gears", {150, 300, 375, 285}, nullptr, 0);
    try {
        app::FindMainControls(form);
        ADD_FAILURE() << "the controls were named without the layout";
    } catch (const runtime::Error& error) {
        EXPECT_EQ(error.Number(), 730);
    }
    Open(false);
    EXPECT_EQ(Inputs().request.Name(), "reqPitch");
    EXPECT_EQ(Inputs().requestUnit[1]->Index(), 1);
    EXPECT_EQ(GearBox(55).Index(), 55);
}

TEST_F(MainWindowTest, AtTheLayoutWidthGearBoxesZeroToTwentyThreeShow) {
    Open(false);
    for (int n = 0; n < app::kGearBoxCount; ++n) EXPECT_EQ(GearBox(n).Visible(), n <= 23) << n;
}

TEST_F(MainWindowTest, WideningTheWindowShowsMoreGearBoxes) {
    Open();
    window->Window().Move(0, 0, 9000, 8010);
    os::ProcessPendingEvents();
    EXPECT_EQ(Controls().gearFrame.Width(), 9000 - 180);
    EXPECT_TRUE(GearBox(21).Visible());
    EXPECT_FALSE(GearBox(23).Visible());
    window->Window().Move(0, 0, 11805, 8010);
    os::ProcessPendingEvents();
    EXPECT_EQ(Controls().miscFrame.Width(), 11805 - 180);
    EXPECT_EQ(Controls().grid.Width(), window->Window().ScaleWidth() - 2130 - 12);
    EXPECT_EQ(Controls().grid.Height(), window->Window().ScaleHeight() - 3300 - 12);
    int shown = 0;
    for (int n = 0; n < app::kGearBoxCount; ++n) shown += GearBox(n).Visible() ? 1 : 0;
    EXPECT_EQ(shown, 30);  // 150 + 381 n + 375 < 11625
}

TEST_F(MainWindowTest, TheWindowCannotBeDraggedSmallerThanItsMinimum) {
    Open();
    os::MINMAXINFO info{};
    os::SendMessage(window->Window().hWnd(), os::WM_GETMINMAXINFO, 0, reinterpret_cast<os::LPARAM>(&info));
    EXPECT_EQ(info.ptMinTrackSize.x, 493);  // 7400 / 15, rounded
    EXPECT_EQ(info.ptMinTrackSize.y, 420);
    window->Window().Move(0, 0, 300, 300);
    os::ProcessPendingEvents();
    EXPECT_GE(window->Window().Width(), 7395);
    EXPECT_GE(window->Window().Height(), 6300);
}

TEST_F(MainWindowTest, TinySizesLeaveTheLayoutAtZero) {
    Open(false);
    window->Window().Move(0, 0, 60, 60);
    window->Resize();
    EXPECT_EQ(Controls().gearFrame.Width(), 0);
    EXPECT_EQ(Controls().grid.Width(), 0);
    EXPECT_EQ(Controls().grid.Height(), 0);
    EXPECT_FALSE(GearBox(1).Visible());
}

// A text put in whole (pasted) is read as one number; typed key by key, each
// keystroke is read on its own ("20." already becomes 20).
TEST_F(MainWindowTest, GearBoxesHoldWholeNumbersOrNothing) {
    Open();
    const std::tuple<const char*, const char*, std::int32_t> cases[] = {
        {"20.5", "20", 20}, {"21.5", "22", 22}, {"abc", "", 0}, {"0", "", 0}, {"45x", "45", 45}, {"-30", "-30", -30},
        {"99999999999", "2147483647", INT32_MAX}, {"-99999999999", "-2147483648", INT32_MIN},
    };
    forms::Control& box = GearBox(3);
    for (const auto& [text, shown, entry] : cases) {
        SCOPED_TRACE(text);
        box.SetText(text);
        EXPECT_EQ(box.Text(), shown);
        EXPECT_EQ(window->Gears().Count(3), entry);
    }
    ClearByTyping(box);
    TypeText(box, "20.5");
    EXPECT_EQ(box.Text(), "205");
    ClearByTyping(box);
    TypeText(box, "99999999999");  // beyond the 32-bit range: held at its end, box and list alike
    EXPECT_EQ(box.Text(), "2147483647");
    EXPECT_EQ(window->Gears().Count(3), INT32_MAX);
}

TEST_F(MainWindowTest, RewritingABoxKeepsTheCaretAfterTheTypedText) {
    Open();
    forms::Control& box = GearBox(2);  // "30"
    box.SetFocus();
    box.SetSelStart(1);
    forms::testing::TypeAtCaret(box, ".");  // "3.0" reads as 3
    EXPECT_EQ(box.Text(), "3");
    EXPECT_EQ(box.SelStart(), 1);
    box.SetSelStart(0);
    forms::testing::TypeAtCaret(box, "4");
    EXPECT_EQ(box.Text(), "43");
    EXPECT_EQ(box.SelStart(), 1);
}

TEST_F(MainWindowTest, TypingIntoBoxFifteenExtendsTheList) {
    Open();
    TypeText(GearBox(15), "25");
    EXPECT_EQ(GearList(), (std::vector<std::int32_t>{20, 20, 30, 35, 40, 40, 45, 50, 60, 60, 80, 80, 0, 0, 0, 25}));
    CloseWindow();
    EXPECT_NE(Ini().find("gears_12=25"), std::string::npos);
    EXPECT_NE(Ini().find("Gears_count=12"), std::string::npos);
}

TEST_F(MainWindowTest, RequiredPitchEnablesCalculateWhenItReadsAsNonZero) {
    Open();
    const std::pair<const char*, bool> cases[] = {
        {"-1.5", true}, {"", false}, {"abc", false}, {"0", false}, {"1.0", true}, {">0.5", true},
    };
    for (const auto& [text, enabled] : cases) {
        ClearByTyping(Inputs().request);
        TypeText(Inputs().request, text);
        EXPECT_EQ(Controls().calculate.Enabled(), enabled) << text;
    }
}

TEST_F(MainWindowTest, SystemMenuHasAboutAndItsCommandIsTaken) {
    Open();
    const os::HWND hwnd = window->Window().hWnd();
    const std::vector<os::MenuItem> items = os::GetMenuItems(os::GetSystemMenu(hwnd, false));
    ASSERT_GE(items.size(), 3u);
    EXPECT_TRUE(items[items.size() - 3].flags & os::MF_SEPARATOR);
    EXPECT_EQ(items.back().id, app::kAboutMenuId);
    EXPECT_EQ(items.back().text, "&About");
    const os::HMENU menu = os::GetSystemMenu(hwnd, false);
    os::EnableMenuItem(menu, app::kAboutMenuId, os::MF_BYCOMMAND | os::MF_GRAYED);
    os::SendMessage(hwnd, os::WM_INITMENUPOPUP, static_cast<os::WPARAM>(menu), os::MAKELPARAM(0, 1));
    EXPECT_EQ(os::GetMenuState(menu, app::kAboutMenuId, os::MF_BYCOMMAND) & os::MF_GRAYED, 0u);
    EXPECT_EQ(os::SendMessage(hwnd, os::WM_SYSCOMMAND, app::kAboutMenuId, 0), 0);
    EXPECT_TRUE(window->Window().Visible());
}

TEST_F(MainWindowTest, TheSketchIsDrawnInThePicture) {
    Open();
    const forms::PictureCanvas& canvas = *Controls().sketch.Picture();
    EXPECT_EQ(canvas.PixelWidth(), 130);
    EXPECT_EQ(canvas.PixelHeight(), 236);
    int inked = 0;
    for (int y = 0; y < 236; ++y)
        for (int x = 0; x < 130; ++x) inked += canvas.Pixel(x, y) != 0xFFFFFF ? 1 : 0;
    EXPECT_GT(inked, 1000);
    EXPECT_EQ(canvas.Pixel(2, 2), 0xFFFFFF);
}

}  // namespace
