#include <gtest/gtest.h>

#include <QTest>
#include <QWidget>

#include "HookedProcedure.h"
#include "os/windows/Menu.h"
#include "os/windows/Messages.h"
#include "os/qt/WidgetWindows.h"

namespace {

using namespace os;
using testing_support::HookedProcedure;

constexpr UINT_PTR AboutId = 1000;

struct Seen {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

// A top-level window with the About item of the program's system menu, a
// procedure that records 279 and 274, and a presenter that picks an item.
class SystemMenu : public ::testing::Test {
protected:
    void SetUp() override {
        menu = GetSystemMenu(window, false);
        AppendMenu(menu, MF_SEPARATOR, 0, "");
        AppendMenu(menu, MF_STRING, AboutId, "&About");
        previousPresenter = SetMenuPresenter([this](HMENU shown, POINT) {
            presented.push_back(GetMenuState(shown, AboutId, MF_BYCOMMAND));
            return choose;
        });
        form.setGeometry(50, 60, 200, 100);
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    }
    void TearDown() override { SetMenuPresenter(previousPresenter); }

    QWidget form;
    HWND window = RegisterWidget(&form, "Form");
    HMENU menu = 0;
    UINT_PTR choose = AboutId;
    std::vector<UINT> presented;
    std::vector<Seen> seen;
    MenuPresenter previousPresenter;
    HookedProcedure hook{window, [this](HookedProcedure& self, HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
                             if (m == WM_INITMENUPOPUP || m == WM_SYSCOMMAND) seen.push_back({m, w, l});
                             if (m == WM_INITMENUPOPUP) EnableMenuItem(static_cast<HMENU>(w), AboutId, MF_ENABLED);
                             if (m == WM_SYSCOMMAND && w == AboutId) return 0;
                             return self.PassOn(h, m, w, l);
                         }};
};

TEST_F(SystemMenu, MenuHoldsCloseThenTheAppendedItems) {
    const std::vector<MenuItem> items = GetMenuItems(menu);
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(items[0].id, SC_CLOSE);
    EXPECT_TRUE(items[1].flags & MF_SEPARATOR);
    EXPECT_EQ(items[2].id, AboutId);
    EXPECT_EQ(items[2].text, "&About");
    EXPECT_EQ(GetSystemMenu(window, false), menu) << "one system menu per window";
}

TEST_F(SystemMenu, EnableMenuItemAnswersThePreviousState) {
    EXPECT_EQ(EnableMenuItem(menu, AboutId, MF_GRAYED), static_cast<int>(MF_ENABLED));
    EXPECT_EQ(EnableMenuItem(menu, AboutId, MF_ENABLED), static_cast<int>(MF_GRAYED));
    EXPECT_EQ(EnableMenuItem(menu, 2, MF_BYPOSITION | MF_DISABLED), static_cast<int>(MF_ENABLED));
    EXPECT_EQ(GetMenuState(menu, AboutId, MF_BYCOMMAND), MF_DISABLED);
    EXPECT_EQ(EnableMenuItem(menu, 4242, MF_ENABLED), -1);
}

TEST_F(SystemMenu, AltSpaceSendsInitMenuThenTheChosenCommand) {
    EnableMenuItem(menu, AboutId, MF_GRAYED);
    QTest::keyClick(&form, Qt::Key_Space, Qt::AltModifier);
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].message, WM_INITMENUPOPUP);
    EXPECT_EQ(seen[0].wParam, static_cast<WPARAM>(menu));
    EXPECT_EQ(HIWORD(static_cast<std::uintptr_t>(seen[0].lParam)), 1) << "system menu flag";
    EXPECT_EQ(seen[1].message, WM_SYSCOMMAND);
    EXPECT_EQ(seen[1].wParam, AboutId);
    ASSERT_EQ(presented.size(), 1u);
    EXPECT_EQ(presented[0], MF_ENABLED) << "the procedure enabled the item before the menu opened";
    EXPECT_EQ(hook.Count(WM_KEYDOWN), 0) << "Alt+Space opens the menu, it is no key press";
}

TEST_F(SystemMenu, RightClickOnTheBackgroundOpensTheMenuAtThePointer) {
    POINT at;
    SetMenuPresenter([&](HMENU, POINT position) {
        at = position;
        return AboutId;
    });
    QTest::mouseClick(&form, Qt::RightButton, {}, QPoint(20, 30));
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[1].wParam, AboutId);
    const QPoint expected = form.mapToGlobal(QPoint(20, 30));
    EXPECT_EQ(at, (POINT{expected.x(), expected.y()}));
}

TEST_F(SystemMenu, NothingChosenSendsNoCommand) {
    choose = 0;
    QTest::keyClick(&form, Qt::Key_Space, Qt::AltModifier);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].message, WM_INITMENUPOPUP);
}

TEST_F(SystemMenu, CloseGoesToDefaultProcessingWhichClosesTheWindow) {
    choose = SC_CLOSE;
    QTest::keyClick(&form, Qt::Key_Space, Qt::AltModifier);
    EXPECT_FALSE(form.isVisible());
}

TEST_F(SystemMenu, RevertRestoresTheFirstMenu) {
    EXPECT_EQ(GetSystemMenu(window, true), 0);
    EXPECT_EQ(GetMenuItemCount(menu), 1);
}

}  // namespace
