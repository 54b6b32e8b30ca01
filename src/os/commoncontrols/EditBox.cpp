#include "os/commoncontrols/EditBox.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPalette>

#include "os/qt/QtKeyMapping.h"
#include "os/qt/WidgetWindows.h"
#include "os/windows/WindowRegistry.h"
#include "runtime/HandlerBoundary.h"

namespace os {

namespace {

class EditBoxWidget : public QLineEdit {
public:
    EditBoxWidget(ControlOwner& owner, QWidget* parent) : QLineEdit(parent), owner_(owner) {}

protected:
    void keyPressEvent(QKeyEvent* event) override {
        bool passOn = false;
        runtime::RunHandler([&] { passOn = OwnerLetsThrough(*event); });
        if (passOn) QLineEdit::keyPressEvent(event);
        event->accept();
    }
    void keyReleaseEvent(QKeyEvent* event) override {
        if (!event->isAutoRepeat()) {
            runtime::RunHandler([&] {
                std::int16_t keyCode = static_cast<std::int16_t>(VirtualKeyFromQt(event->key(), event->modifiers()));
                std::int16_t shift = ShiftStateFromQt(event->modifiers());
                owner_.KeyUp(keyCode, shift);
            });
        }
        event->accept();
    }
    void focusOutEvent(QFocusEvent* event) override {
        QLineEdit::focusOutEvent(event);
        runtime::RunHandler([&] { owner_.LostFocus(); });
    }

private:
    // The owner hears of the key first; a key or character it zeroes never
    // reaches the text box, a character it changes is typed instead.
    bool OwnerLetsThrough(const QKeyEvent& event) {
        std::int16_t keyCode = static_cast<std::int16_t>(VirtualKeyFromQt(event.key(), event.modifiers()));
        std::int16_t shift = ShiftStateFromQt(event.modifiers());
        owner_.KeyDown(keyCode, shift);
        if (keyCode == 0 || !isVisible()) return false;
        const std::int16_t character = KeyCharacterFromQt(event);
        if (character == 0) return true;
        std::int16_t keyAscii = character;
        owner_.KeyPress(keyAscii);
        if (keyAscii == 0 || !isVisible()) return false;
        if (keyAscii == character) return true;
        if (keyAscii >= 32) insert(QString(QChar(static_cast<char16_t>(keyAscii))));
        return false;
    }

    ControlOwner& owner_;
};

QLineEdit* EditOf(HWND box) { return dynamic_cast<QLineEdit*>(WidgetOf(box)); }

}  // namespace

HWND CreateEditBox(ControlOwner& owner, HWND parent) {
    auto* widget = new EditBoxWidget(owner, WidgetOf(parent));
    widget->hide();
    const HWND handle = RegisterWidget(widget, "Edit");
    if (WindowRecord* record = WindowRegistry::Find(handle)) record->ownsWidget = true;
    return handle;
}

std::string EditBoxText(HWND box) {
    const QLineEdit* edit = EditOf(box);
    return edit == nullptr ? std::string() : edit->text().toStdString();
}

void SetEditBoxText(HWND box, const std::string& text) {
    if (QLineEdit* edit = EditOf(box)) edit->setText(QString::fromStdString(text));
}

void ReplaceEditBoxSelection(HWND box, const std::string& text) {
    if (QLineEdit* edit = EditOf(box)) edit->insert(QString::fromStdString(text));
}

void SetEditBoxCaret(HWND box, std::int32_t position) {
    if (QLineEdit* edit = EditOf(box)) edit->setCursorPosition(std::min<std::int32_t>(position, static_cast<std::int32_t>(edit->text().size())));
}

std::int32_t EditBoxCaret(HWND box) {
    const QLineEdit* edit = EditOf(box);
    return edit == nullptr ? 0 : edit->cursorPosition();
}

void SetEditBoxAlignment(HWND box, std::int32_t alignment) {
    QLineEdit* edit = EditOf(box);
    if (edit == nullptr) return;
    const Qt::Alignment horizontal = alignment == 1 ? Qt::AlignHCenter : alignment == 2 ? Qt::AlignRight : Qt::AlignLeft;
    edit->setAlignment(horizontal | Qt::AlignVCenter);
}

std::int32_t EditBoxAlignment(HWND box) {
    const QLineEdit* edit = EditOf(box);
    if (edit == nullptr) return 0;
    if (edit->alignment() & Qt::AlignHCenter) return 1;
    return (edit->alignment() & Qt::AlignRight) ? 2 : 0;
}

void SetEditBoxBackColor(HWND box, COLORREF colour) {
    QLineEdit* edit = EditOf(box);
    if (edit == nullptr) return;
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Base, QColor(GetRValue(colour), GetGValue(colour), GetBValue(colour)));
    edit->setPalette(palette);
}

COLORREF EditBoxBackColor(HWND box) {
    const QLineEdit* edit = EditOf(box);
    if (edit == nullptr) return CLR_INVALID;
    const QColor c = edit->palette().color(QPalette::Base);
    return RGB(c.red(), c.green(), c.blue());
}

void SetEditBoxFlat(HWND box, bool flat) {
    if (QLineEdit* edit = EditOf(box)) edit->setFrame(!flat);
}

bool EditBoxFlat(HWND box) {
    const QLineEdit* edit = EditOf(box);
    return edit != nullptr && !edit->hasFrame();
}

}  // namespace os
