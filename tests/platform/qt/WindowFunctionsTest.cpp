// Window handles and the window functions over widgets and the screen.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <memory>

#include "platform/qt/QtWin32Services.h"
#include "platform/qt/WindowTable.h"

namespace ferolan::qt {
namespace {

using namespace winapi;

RECT RectOf(const QRect& r) {
  return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

TEST(WindowTableTest, AWidgetKeepsItsHandleUntilItIsDestroyed) {
  auto window = std::make_unique<QWidget>();
  auto* child = new QWidget(window.get());
  const HWND hWnd = HandleOf(window.get());
  const HWND hChild = HandleOf(child);
  EXPECT_GE(hWnd, 1);
  EXPECT_NE(hChild, hWnd);
  EXPECT_EQ(HandleOf(window.get()), hWnd);
  EXPECT_EQ(WindowOf(hChild), child);
  EXPECT_EQ(HandleOf(nullptr), 0);
  EXPECT_EQ(WindowOf(0), nullptr);

  EXPECT_EQ(SetMessageResult(hChild, 1), 0);
  EXPECT_EQ(SetMessageResult(hChild, 2), 1);
  EXPECT_EQ(MessageResult(hChild), 2);

  window.reset();
  EXPECT_EQ(WindowOf(hWnd), nullptr);
  EXPECT_EQ(WindowOf(hChild), nullptr);
  EXPECT_EQ(MessageResult(hChild), 0);
}

// A shown window at (50, 60), 300 x 200, with a child at (10, 20), 30 x 40.
class WindowFunctionsTest : public ::testing::Test {
 protected:
  WindowFunctionsTest() : child(new QWidget(&window)) {
    window.setGeometry(50, 60, 300, 200);
    child->setGeometry(10, 20, 30, 40);
    window.show();
  }

  QtWin32Services platform;
  QWidget window;
  QWidget* child;
};

TEST_F(WindowFunctionsTest, RectanglesAndParentsAreInScreenPixels) {
  const HWND hWnd = HandleOf(&window);
  const HWND hChild = HandleOf(child);

  RECT rect{};
  ASSERT_EQ(GetWindowRect(hWnd, &rect), 1);
  EXPECT_EQ(rect, RectOf(window.frameGeometry()));
  ASSERT_EQ(GetWindowRect(hChild, &rect), 1);
  const QPoint client = window.geometry().topLeft();
  EXPECT_EQ(rect, (RECT{client.x() + 10, client.y() + 20, client.x() + 40, client.y() + 60}));
  EXPECT_EQ(GetParent(hChild), hWnd);
  EXPECT_EQ(GetParent(hWnd), 0);

  RECT untouched{1, 2, 3, 4};
  EXPECT_EQ(GetWindowRect(0, &untouched), 0);
  EXPECT_EQ(untouched, (RECT{1, 2, 3, 4}));
}

TEST_F(WindowFunctionsTest, SetWindowPosMovesAndSizesAsItsFlagsSay) {
  const QSize outer = window.frameGeometry().size();

  EXPECT_EQ(SetWindowPos(HandleOf(&window), 0, 70, 80, 1, 1,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER),
            1);
  EXPECT_EQ(window.frameGeometry(), QRect(QPoint(70, 80), outer));

  EXPECT_EQ(SetWindowPos(HandleOf(&window), 0, 0, 0, outer.width() + 20, outer.height() + 10,
                         SWP_NOMOVE | SWP_NOZORDER),
            1);
  EXPECT_EQ(window.frameGeometry(), QRect(QPoint(70, 80), outer + QSize(20, 10)));

  EXPECT_EQ(SetWindowPos(HandleOf(child), 0, 5, 6, 0, 0, SWP_NOSIZE | SWP_NOZORDER), 1);
  EXPECT_EQ(child->geometry(), QRect(5, 6, 30, 40));
  EXPECT_EQ(SetWindowPos(0, 0, 5, 6, 0, 0, SWP_NOSIZE), 0);
}

TEST_F(WindowFunctionsTest, TheScreenIsThePrimaryScreen) {
  const QScreen* screen = QGuiApplication::primaryScreen();
  RECT workArea{};
  ASSERT_EQ(SystemParametersInfoA(SPI_GETWORKAREA, 0, &workArea, 0), 1);
  EXPECT_EQ(workArea, RectOf(screen->availableGeometry()));
  EXPECT_EQ(SystemParametersInfoA(SPI_GETWORKAREA + 1, 0, &workArea, 0), 0);
  EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), screen->geometry().width());
  EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), screen->geometry().height());
  EXPECT_EQ(GetSystemMetrics(2), 0);
}

TEST_F(WindowFunctionsTest, OnlyTheMessageResultIsKeptAmongAWindowsValues) {
  const HWND hWnd = HandleOf(&window);
  EXPECT_EQ(SetWindowLongA(hWnd, DWL_MSGRESULT, 1), 0);
  EXPECT_EQ(SetWindowLongA(hWnd, DWL_MSGRESULT, 0), 1);
  EXPECT_EQ(SetWindowLongA(hWnd, -16, 5), 0);
  EXPECT_EQ(MessageResult(hWnd), 0);
}

}  // namespace
}  // namespace ferolan::qt
