#include <gtest/gtest.h>

#include <QWidget>
#include <memory>

#include "os/windows/Process.h"
#include "os/qt/WidgetWindows.h"
#include "os/windows/Window.h"

namespace {

using namespace os;

TEST(Window, BareWindowKeepsClassParentAndGeometry) {
    const HWND parent = CreateBareWindow("Parent", 0, {10, 20, 310, 220});
    const HWND child = CreateBareWindow("Child", parent, {5, 6, 55, 46});

    EXPECT_TRUE(IsWindow(parent));
    EXPECT_EQ(GetClassName(child), "Child");
    EXPECT_EQ(GetParent(child), parent);
    EXPECT_EQ(GetParent(parent), 0);

    RECT client;
    ASSERT_TRUE(GetClientRect(child, client));
    EXPECT_EQ(client, (RECT{0, 0, 50, 40}));
    RECT outer;
    ASSERT_TRUE(GetWindowRect(child, outer));
    EXPECT_EQ(outer, (RECT{15, 26, 65, 66}));

    POINT point{0, 0};
    ClientToScreen(child, point);
    EXPECT_EQ(point, (POINT{15, 26}));
    ScreenToClient(child, point);
    EXPECT_EQ(point, (POINT{0, 0}));

    DestroyWindow(parent);
}

TEST(Window, DestroyingAWindowDestroysItsChildren) {
    const HWND parent = CreateBareWindow("Parent", 0);
    const HWND child = CreateBareWindow("Child", parent);
    EXPECT_TRUE(DestroyWindow(parent));
    EXPECT_FALSE(IsWindow(parent));
    EXPECT_FALSE(IsWindow(child));
    EXPECT_FALSE(DestroyWindow(parent));
}

TEST(Window, HandlesAreDistinctAndNonZero) {
    const HWND first = CreateBareWindow("A", 0);
    const HWND second = CreateBareWindow("A", 0);
    EXPECT_NE(first, 0);
    EXPECT_NE(first, second);
    DestroyWindow(first);
    const HWND third = CreateBareWindow("A", 0);
    EXPECT_NE(third, first);
    DestroyWindow(second);
    DestroyWindow(third);
}

TEST(Window, NotAWindowAnswersNothing) {
    RECT rect{1, 2, 3, 4};
    EXPECT_FALSE(IsWindow(0));
    EXPECT_EQ(GetClassName(0), "");
    EXPECT_FALSE(GetClientRect(0, rect));
    EXPECT_EQ(GetWindowLong(0, GWL_WNDPROC), 0);
    DWORD process = 99;
    EXPECT_EQ(GetWindowThreadProcessId(0, &process), 0u);
    EXPECT_EQ(process, 0u);
}

TEST(Window, VisibilityFollowsShowWindowAndParent) {
    const HWND parent = CreateBareWindow("Parent", 0);
    const HWND child = CreateBareWindow("Child", parent);
    ShowWindow(child, SW_SHOW);
    EXPECT_FALSE(IsWindowVisible(child)) << "parent still hidden";
    ShowWindow(parent, SW_SHOW);
    EXPECT_TRUE(IsWindowVisible(child));
    EXPECT_TRUE(ShowWindow(child, SW_HIDE)) << "answers whether it was visible";
    EXPECT_FALSE(IsWindowVisible(child));
    DestroyWindow(parent);
}

TEST(Window, WidgetWindowFollowsItsWidget) {
    const HWND top = CreateWidgetWindow("Form", 0, {0, 0, 200, 100});
    const HWND child = CreateWidgetWindow("Box", top, {10, 10, 60, 40});
    QWidget* topWidget = WidgetOf(top);
    ASSERT_NE(topWidget, nullptr);
    EXPECT_EQ(WidgetOf(child)->parentWidget(), topWidget);
    EXPECT_EQ(WindowOf(topWidget), top);
    EXPECT_EQ(GetParent(child), top);

    ShowWindow(top, SW_SHOW);
    EXPECT_TRUE(IsWindowVisible(child));
    MoveWindow(child, 20, 30, 100, 50);
    RECT client;
    GetClientRect(child, client);
    EXPECT_EQ(client, (RECT{0, 0, 100, 50}));
    EXPECT_EQ(WidgetOf(child)->pos(), QPoint(20, 30));

    DestroyWindow(top);
    EXPECT_FALSE(IsWindow(child)) << "the child widget went with its parent";
}

TEST(Window, RegisteredWidgetLosesItsHandleWhenDeleted) {
    auto widget = std::make_unique<QWidget>();
    const HWND handle = RegisterWidget(widget.get(), "Picture");
    EXPECT_EQ(RegisterWidget(widget.get(), "Other"), handle);
    EXPECT_EQ(GetClassName(handle), "Picture");
    widget.reset();
    EXPECT_FALSE(IsWindow(handle));
}

TEST(Window, DestroyWindowLeavesARegisteredWidgetAlive) {
    QWidget widget;
    const HWND handle = RegisterWidget(&widget, "Picture");
    DestroyWindow(handle);
    EXPECT_FALSE(IsWindow(handle));
    EXPECT_EQ(WindowOf(&widget), 0);
}

TEST(Window, OwnerIsThisThreadAndProcessUnlessMarkedForeign) {
    const HWND window = CreateBareWindow("A", 0);
    DWORD process = 0;
    EXPECT_EQ(GetWindowThreadProcessId(window, &process), GetCurrentThreadId());
    EXPECT_EQ(process, GetCurrentProcessId());

    MarkWindowForeign(window);
    GetWindowThreadProcessId(window, &process);
    EXPECT_NE(process, GetCurrentProcessId());
    DestroyWindow(window);
}

}  // namespace
