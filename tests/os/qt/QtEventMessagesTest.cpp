#include <gtest/gtest.h>

#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>

#include "HookedProcedure.h"
#include "os/windows/Messages.h"
#include "os/windows/VirtualKeys.h"
#include "os/qt/WidgetWindows.h"

namespace {

using namespace os;
using testing_support::HookedProcedure;

// A text box whose procedure consumes Enter and passes every other key on.
class HookedTextBox : public ::testing::Test {
protected:
    QLineEdit edit;
    HWND window = RegisterWidget(&edit, "Edit");
    std::vector<WPARAM> keys;
    HookedProcedure hook{window, [this](HookedProcedure& self, HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
                             if (m != WM_KEYDOWN) return self.PassOn(h, m, w, l);
                             keys.push_back(w);
                             return w == VK_RETURN ? 0 : self.PassOn(h, m, w, l);
                         }};
};

TEST_F(HookedTextBox, EnterIsConsumedAndLettersPassOn) {
    QSignalSpy returnPressed(&edit, &QLineEdit::returnPressed);
    QTest::keyClick(&edit, Qt::Key_A);
    QTest::keyClick(&edit, Qt::Key_Return);
    QTest::keyClick(&edit, 'B', Qt::ShiftModifier);
    EXPECT_EQ(edit.text(), "aB");
    EXPECT_EQ(returnPressed.count(), 0);
    EXPECT_EQ(keys, (std::vector<WPARAM>{'A', VK_RETURN, VK_SHIFT, 'B'}));
}

TEST_F(HookedTextBox, KeysArriveAsVirtualKeyCodes) {
    struct Case {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        WPARAM virtualKey;
    };
    const Case cases[] = {
        {Qt::Key_Escape, {}, VK_ESCAPE},  {Qt::Key_Left, {}, VK_LEFT},      {Qt::Key_Down, {}, VK_DOWN},
        {Qt::Key_Home, {}, VK_HOME},      {Qt::Key_PageDown, {}, VK_NEXT},  {Qt::Key_F2, {}, VK_F1 + 1},
        {Qt::Key_5, {}, '5'},             {Qt::Key_5, Qt::KeypadModifier, VK_NUMPAD0 + 5},
        {Qt::Key_Delete, {}, VK_DELETE},  {Qt::Key_Tab, {}, VK_TAB},
    };
    for (const Case& c : cases) {
        keys.clear();
        QTest::keyClick(&edit, c.key, c.modifiers);
        ASSERT_EQ(keys.size(), 1u) << c.key;
        EXPECT_EQ(keys[0], c.virtualKey) << c.key;
    }
}

TEST(DefaultProcessing, RunsWhenTheProcedureAsksBeforeItsOwnCode) {
    QLineEdit edit;
    const HWND window = RegisterWidget(&edit, "Edit");
    QString textSeenAfterDefault;
    HookedProcedure hook(window, [&](HookedProcedure& self, HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
        const LRESULT answer = self.PassOn(h, m, w, l);
        if (m == WM_KEYDOWN) textSeenAfterDefault = edit.text();
        return answer;
    });
    QTest::keyClick(&edit, Qt::Key_X);
    EXPECT_EQ(textSeenAfterDefault, "x");
    EXPECT_EQ(edit.text(), "x") << "Qt handled the key once";
}

TEST(DefaultProcessing, KeyOfAFocusedChildIsNotSentToItsParent) {
    QWidget form;
    auto* edit = new QLineEdit(&form);
    const HWND formWindow = RegisterWidget(&form, "Form");
    RegisterWidget(edit, "Edit");
    form.show();
    form.activateWindow();
    edit->setFocus();
    if (!QTest::qWaitForWindowActive(&form)) GTEST_SKIP() << "no active window on this platform";
    HookedProcedure hook(formWindow, [](HookedProcedure& self, HWND h, UINT m, WPARAM w, LPARAM l) {
        return self.PassOn(h, m, w, l);
    });
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(hook.Count(WM_KEYDOWN), 0);
}

class TopLevelWindow : public ::testing::Test {
protected:
    QWidget form;
    HWND window = RegisterWidget(&form, "Form");
};

TEST_F(TopLevelWindow, SizeQueryAnswerBecomesTheMinimumSize) {
    std::vector<POINT> offered;
    HookedProcedure hook(window, [&](HookedProcedure& self, HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
        if (m != WM_GETMINMAXINFO) return self.PassOn(h, m, w, l);
        auto* info = reinterpret_cast<MINMAXINFO*>(l);
        offered.push_back(info->ptMinTrackSize);
        info->ptMinTrackSize = {300, 200};
        return 0;
    });
    form.resize(100, 100);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    EXPECT_GE(hook.Count(WM_GETMINMAXINFO), 1) << "asked when shown";
    const QSize extra = form.frameGeometry().size() - form.size();
    EXPECT_EQ(form.minimumSize(), QSize(300, 200) - extra);
    EXPECT_GE(form.width(), 300 - extra.width());

    const int before = hook.Count(WM_GETMINMAXINFO);
    form.resize(400, 300);
    QTest::qWait(0);
    EXPECT_GT(hook.Count(WM_GETMINMAXINFO), before) << "asked again on resize";
}

TEST_F(TopLevelWindow, UnansweredSizeQueryLeavesTheMinimumSize) {
    form.setMinimumSize(50, 40);
    HookedProcedure hook(window, [](HookedProcedure& self, HWND h, UINT m, WPARAM w, LPARAM l) {
        return self.PassOn(h, m, w, l);
    });
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    EXPECT_GE(hook.Count(WM_GETMINMAXINFO), 1);
    EXPECT_EQ(form.minimumSize(), QSize(50, 40));
}

TEST_F(TopLevelWindow, ActivationArrivesAsMessage6) {
    std::vector<WPARAM> states;
    HookedProcedure hook(window, [&](HookedProcedure& self, HWND h, UINT m, WPARAM w, LPARAM l) {
        if (m == WM_ACTIVATE) states.push_back(w);
        return self.PassOn(h, m, w, l);
    });
    form.show();
    form.activateWindow();
    if (!QTest::qWaitForWindowActive(&form)) GTEST_SKIP() << "no active window on this platform";
    ASSERT_FALSE(states.empty());
    EXPECT_EQ(states.back(), WA_ACTIVE);
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    EXPECT_EQ(states.back(), WA_INACTIVE);
}

TEST_F(TopLevelWindow, HitTestAnsweredCaptionDragsTheWindow) {
    std::vector<POINT> asked;
    HookedProcedure hook(window, [&](HookedProcedure& self, HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
        if (m != WM_NCHITTEST) return self.PassOn(h, m, w, l);
        POINT point{GET_X_LPARAM(l), GET_Y_LPARAM(l)};
        ScreenToClient(h, point);
        asked.push_back(point);
        return point.x < 20 ? HTCAPTION : self.PassOn(h, m, w, l);
    });
    form.setGeometry(100, 100, 200, 150);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    const QPoint start = form.pos();

    QTest::mousePress(&form, Qt::LeftButton, {}, QPoint(10, 10));
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0], (POINT{10, 10}));
    QMouseEvent move(QEvent::MouseMove, QPointF(40, 30), form.mapToGlobal(QPointF(40, 30)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&form, &move);
    QTest::mouseRelease(&form, Qt::LeftButton, {}, QPoint(40, 30));
    QTest::qWait(0);
    EXPECT_EQ(form.pos(), start + QPoint(30, 20));
}

TEST_F(TopLevelWindow, HitTestInTheClientAreaLeavesTheWindowInPlace) {
    HookedProcedure hook(window, [](HookedProcedure& self, HWND h, UINT m, WPARAM w, LPARAM l) {
        return self.PassOn(h, m, w, l);
    });
    form.setGeometry(100, 100, 200, 150);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    const QPoint start = form.pos();
    QTest::mousePress(&form, Qt::LeftButton, {}, QPoint(10, 10));
    QMouseEvent move(QEvent::MouseMove, QPointF(40, 30), form.mapToGlobal(QPointF(40, 30)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&form, &move);
    QTest::mouseRelease(&form, Qt::LeftButton, {}, QPoint(40, 30));
    EXPECT_EQ(hook.Count(WM_NCHITTEST), 1);
    EXPECT_EQ(form.pos(), start);
}

}  // namespace
