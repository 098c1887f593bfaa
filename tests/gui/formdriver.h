#pragma once

// Driving a real program form in a test as the user does: typing into fields, clicking
// buttons, reading texts and field colours back.

#include "guifixture.h"

#include "forms/fieldstate.h"

#include <QtCore/QList>
#include <QtCore/QPair>
#include <QtCore/QStringList>
#include <QtTest/QtTest>
#include <QtWidgets/QAbstractButton>
#include <QtWidgets/QLineEdit>

namespace formtest
{

using Fields = QList<QPair<QString, QString>>; // field name, typed text

inline QLineEdit *edit(QWidget *form, const QString &name)
{
    return GuiFixture::field(form, name.toLatin1().constData());
}
inline vb::FieldState state(QWidget *form, const QString &name)
{
    return vb::fieldState(edit(form, name));
}
inline QString text(QWidget *form, const QString &name)
{
    return edit(form, name)->text();
}

// Clicks a push button, radio button or tool button of the form.
inline void click(QWidget *form, const char *button)
{
    auto *b = form->findChild<QAbstractButton *>(QString::fromLatin1(button));
    QVERIFY2(b, button);
    QTest::mouseClick(b, Qt::LeftButton);
}

// Types each text into its field, key by key, so that the comma handler runs.
inline void typeAll(QWidget *form, const Fields &fields)
{
    for (const auto &[name, value] : fields)
        GuiFixture::type(form, name.toLatin1().constData(), value);
}

// The texts of the named fields, in that order.
inline QStringList texts(QWidget *form, const QStringList &names)
{
    QStringList out;
    for (const QString &name : names)
        out << text(form, name);
    return out;
}

} // namespace formtest
