#pragma once

#include <QtCore/QList>

class QLineEdit;
class QRadioButton;

namespace vb
{

// Two input fields of which option buttons choose one, such as a glass thickness or the
// weight of another infill. The chosen field is enabled in the window background colour;
// the other is disabled in the menu background colour. Both keep their texts, so that a
// planner who switches back finds what was typed.
void switchAlternative(QLineEdit *chosen, const QList<QLineEdit *> &others);

// Binds each option button to its field: choosing the button switches its field on and the
// fields of the other buttons off. The current choice is applied at once.
struct AlternativeField {
    QRadioButton *option;
    QLineEdit *field;
};
void bindAlternatives(const QList<AlternativeField> &alternatives);

} // namespace vb
