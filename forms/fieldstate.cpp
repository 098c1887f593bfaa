#include "forms/fieldstate.h"

#include <QtGui/QPalette>
#include <QtWidgets/QApplication>
#include <QtWidgets/QLineEdit>

namespace vb
{

namespace
{
const QColor kFailed(255, 0, 0);

QColor colourFor(FieldState state)
{
    switch (state) {
    case FieldState::Failed:
        return kFailed;
    case FieldState::Off:
        return QApplication::palette().color(QPalette::Active, QPalette::Window);
    case FieldState::Normal:
        break;
    }
    return QApplication::palette().color(QPalette::Active, QPalette::Base);
}
} // namespace

void setFieldState(QLineEdit *field, FieldState state)
{
    QPalette palette = field->palette();
    const QColor colour = colourFor(state);
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setColor(group, QPalette::Base, colour);
    field->setPalette(palette);
}

FieldState fieldState(const QLineEdit *field)
{
    const QColor colour = field->palette().color(QPalette::Active, QPalette::Base);
    if (colour == kFailed)
        return FieldState::Failed;
    if (colour == colourFor(FieldState::Off) && colour != colourFor(FieldState::Normal))
        return FieldState::Off;
    return FieldState::Normal;
}

double FieldChecker::single(Rule rule, QLineEdit *field, const QString &resetText)
{
    setFieldState(field, FieldState::Normal);
    const FieldCheck check = checkField(rule, field->text(), resetText);
    if (check.marked)
        setFieldState(field, FieldState::Failed);
    if (check.text)
        field->setText(*check.text);
    m_failures += check.failures;
    if (!check.passed)
        m_failed.insert(field);
    return check.value;
}

double FieldChecker::positive(QLineEdit *field)
{
    return single(Rule::Positive, field);
}
double FieldChecker::nonNegative(QLineEdit *field)
{
    return single(Rule::NonNegative, field);
}
double FieldChecker::number(QLineEdit *field, const QString &resetText)
{
    return single(Rule::Number, field, resetText);
}
double FieldChecker::optional(QLineEdit *field)
{
    return single(Rule::Optional, field);
}

QList<double> FieldChecker::pair(const QList<QLineEdit *> &members, const QList<QLineEdit *> &markOnNone)
{
    QList<QString> texts;
    for (QLineEdit *field : members) {
        setFieldState(field, FieldState::Normal);
        texts.append(field->text());
    }
    const PairCheck check = checkPair(texts);
    QList<double> values;
    for (qsizetype i = 0; i < members.size(); ++i) {
        if (check.members[i].marked) {
            setFieldState(members[i], FieldState::Failed);
            m_failed.insert(members[i]);
        }
        values.append(check.members[i].value);
    }
    if (check.nonePositive) {
        for (QLineEdit *field : markOnNone)
            setFieldState(field, FieldState::Failed);
    }
    m_failures += check.failures;
    return values;
}

QList<std::optional<double>> FieldChecker::group(const QList<QLineEdit *> &candidates,
                                                 const QList<QLineEdit *> &wholeGroup, bool allowZero)
{
    QList<QString> texts;
    for (QLineEdit *field : wholeGroup)
        setFieldState(field, FieldState::Normal);
    for (QLineEdit *field : candidates)
        texts.append(field->text());
    const GroupCheck check = checkGroup(texts, allowZero);
    for (qsizetype i = 0; i < candidates.size(); ++i) {
        if (check.failed[i]) {
            setFieldState(candidates[i], FieldState::Failed);
            candidates[i]->clear();
            m_failed.insert(candidates[i]);
        }
    }
    if (check.noneUsable) {
        for (QLineEdit *field : wholeGroup) {
            setFieldState(field, FieldState::Failed);
            field->clear();
        }
    }
    m_failures += check.failures;
    return check.usable;
}

} // namespace vb
