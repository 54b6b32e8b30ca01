#include "forms/ProgramFont.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>

namespace forms {

void UseProgramFont() {
    const bool liberation = QFontDatabase::families().contains("Liberation Sans");
    QFont font = liberation ? QFont("Liberation Sans") : QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    if (!liberation) font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(8);
    QApplication::setFont(font);
}

}  // namespace forms
