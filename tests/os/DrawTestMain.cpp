#include <gtest/gtest.h>

#include <QApplication>
#include <QFont>
#include <QFontDatabase>

// Window tests need no display; the program's font makes text measure the
// same on every machine.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QFont font(QFontDatabase::families().contains("Liberation Sans") ? "Liberation Sans" : "Sans Serif");
    font.setPointSize(8);
    QApplication::setFont(font);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
