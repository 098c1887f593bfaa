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

// One member of each program, Programm 1 to 6, with inputs that calculate and write results.
inline const Fields kCalculatingInputs[6] = {
    {{"Edit1", "3"}, {"Edit6", "2"}, {"Edit2", "1.2"}, {"Edit3", "1.2"}, {"Edit4", "200"}, {"Edit14", "1"}},
    {{"Edit1", "3"},
     {"Edit2", "1.2"},
     {"Edit3", "1.2"},
     {"Edit5", "200"},
     {"Edit6", "15"},
     {"Edit7", "1"},
     {"Edit14", "1"}},
    {{"Edit6", "4"},
     {"Edit4", "1"},
     {"Edit5", "1"},
     {"Edit2", "2"},
     {"Edit1", "0"},
     {"Edit3", "200"},
     {"Edit14", "8"},
     {"Edit7", "0.5"},
     {"Edit13", "0.75"},
     {"Edit15", "0.5"}},
    {{"Edit1", "3"},
     {"Edit6", "2"},
     {"Edit2", "1.5"},
     {"Edit4", "1.2"},
     {"Edit5", "1.2"},
     {"Edit7", "200"},
     {"Edit15", "15"},
     {"Edit9", "300"},
     {"Edit10", "8"},
     {"Edit16", "0.8"}},
    {{"Edit6", "3"},
     {"Edit3", "2.5"},
     {"Edit4", "1.2"},
     {"Edit5", "1.2"},
     {"Edit2", "1.5"},
     {"Edit1", "15"},
     {"Edit9", "200"},
     {"Edit10", "15"},
     {"Edit14", "300"},
     {"Edit16", "8"},
     {"Edit7", "0.5"},
     {"Edit13", "0.75"},
     {"Edit19", "0.8"}},
    {{"Edit1", "1.5"}, {"Edit13", "2"}, {"Edit14", "8"}},
};

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
