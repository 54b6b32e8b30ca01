#include "forms/ControlWidgets.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "forms/PictureWidget.h"
#include "forms/PushButtonWidget.h"

namespace forms {

namespace {

QLabel* CreateLabel(QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

}  // namespace

QWidget* CreateKindWidget(ControlKind kind, QWidget* parent) {
    switch (kind) {
    case ControlKind::TextBox: return new QLineEdit(parent);
    case ControlKind::Label: return CreateLabel(parent);
    case ControlKind::Frame: return new QGroupBox(parent);
    case ControlKind::CommandButton: return new PushButtonWidget(parent);
    case ControlKind::OptionButton: return new QRadioButton(parent);
    case ControlKind::CheckBox: return new QCheckBox(parent);
    case ControlKind::Picture: return new PictureWidget(parent);
    case ControlKind::Host: break;
    }
    return new QWidget(parent);
}

std::string WindowClassName(ControlKind kind) {
    switch (kind) {
    case ControlKind::TextBox: return "TextBox";
    case ControlKind::Label: return "Label";
    case ControlKind::Frame: return "Frame";
    case ControlKind::CommandButton: return "CommandButton";
    case ControlKind::OptionButton: return "OptionButton";
    case ControlKind::CheckBox: return "CheckBox";
    case ControlKind::Picture: return "PictureBox";
    case ControlKind::Host: return "DrawnControl";
    }
    return "Control";
}

}  // namespace forms
