#include "forms/alternatefields.h"

#include "forms/fieldstate.h"

#include <QtWidgets/QLineEdit>
#include <QtWidgets/QRadioButton>

namespace vb
{

void switchAlternative(QLineEdit *chosen, const QList<QLineEdit *> &others)
{
    for (QLineEdit *other : others) {
        if (other == chosen)
            continue;
        other->setEnabled(false);
        setFieldState(other, FieldState::Off);
    }
    chosen->setEnabled(true);
    setFieldState(chosen, FieldState::Normal);
}

void bindAlternatives(const QList<AlternativeField> &alternatives)
{
    QList<QLineEdit *> fields;
    for (const AlternativeField &alternative : alternatives)
        fields.append(alternative.field);
    for (const AlternativeField &alternative : alternatives) {
        QLineEdit *field = alternative.field;
        QObject::connect(alternative.option, &QRadioButton::toggled, field, [field, fields](bool on) {
            if (on)
                switchAlternative(field, fields);
        });
        if (alternative.option->isChecked())
            switchAlternative(field, fields);
    }
}

} // namespace vb
