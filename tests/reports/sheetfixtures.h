#pragma once

#include "programs/pgm11024/druck1.h"
#include "programs/pgm21024/druck2.h"
#include "programs/pgm31024/druck3.h"
#include "programs/pgm41024/druck4.h"
#include "programs/pgm51024/druck5.h"
#include "programs/pgm61024/druck6.h"

#include <QtCore/QStringList>

// The form texts the tests print: every value differs, so that each can be found on the sheet.
inline report::FormTexts sampleInput(bool english, bool transom)
{
    report::FormTexts in;
    in.english = english;
    in.options = {{QStringLiteral("RadioButton1"), !transom}, {QStringLiteral("RadioButton2"), transom}};
    in.header = {QStringLiteral("Bürohaus Nord"),       QStringLiteral("P-4711"),
                 QStringLiteral("Fensterbau Beispiel"), QStringLiteral("A. Planer"),
                 QStringLiteral("08.12.2026"),          QStringLiteral("10:15:00")};
    const std::pair<const char *, const char *> fields[] = {
        {"Edit1", "3.5"},   {"Edit2", "1.25"},   {"Edit3", "1.35"},     {"Edit4", "200"},
        {"Edit5", "300"},   {"Edit6", "2.8"},    {"Edit7", "8.5"},      {"Edit8", "123.4"},
        {"Edit9", "17.50"}, {"Edit10", "11.20"}, {"Edit11", "-2345.6"}, {"Edit12", "266.5"},
        {"Edit14", "-0.8"}, {"Edit15", "15"},
    };
    for (const auto &[name, text] : fields)
        in.fields.insert(QLatin1String(name), QString::fromLatin1(text));
    return in;
}

inline const char *variantName(bool english, bool transom)
{
    if (english)
        return transom ? "English transom sheet" : "English mullion sheet";
    return transom ? "German transom sheet" : "German mullion sheet";
}

// Form texts of each program as its form hands them over, with an option that changes the sheet
// where the program has one: the transom (Programm 1), the other load standard (Programm 3 and 5),
// the infill (Programm 6).
inline report::FormTexts programInput(int program, bool english, bool option)
{
    if (program == 1)
        return sampleInput(english, option);
    static const char *const fields[] = {
        "",
        "Edit1=3 Edit2=1.2 Edit3=1.25 Edit5=200 Edit6=15 Edit7=1 Edit14=0.5 Edit11=80.0 Edit12=9.1 "
        "Edit8=55.3 Edit10=15.00",
        "Edit6=4.25 Edit4=1.15 Edit5=1.35 Edit2=2.05 Edit1=28.5 Edit3=200 Edit9=15 Edit10=300 Edit14=8.5 "
        "Edit15=0.55 Edit13=0.75 Edit7=0.45 Edit11=271.4 Edit12=30.8 Edit8=312.9 Edit16=20.00 Edit18=4.65",
        "Edit1=2.4 Edit6=3.6 Edit2=1.75 Edit4=1.15 Edit5=1.35 Edit7=200 Edit15=15 Edit9=300 Edit10=8.5 "
        "Edit16=0.65 Edit11=123.4 Edit12=14.0 Edit3=-156.2 Edit14=17.8 Edit8=87.6 Edit17=17.25 Edit18=4.10",
        "Edit6=2.45 Edit3=3.15 Edit4=1.05 Edit5=1.25 Edit2=1.65 Edit1=35 Edit9=200 Edit10=15 Edit14=300 "
        "Edit16=8.5 Edit19=0.82 Edit13=0.77 Edit7=0.55 Edit11=135.5 Edit12=15.4 Edit17=-189.5 Edit18=21.5 "
        "Edit8=71.0 Edit20=15.75 Edit21=4.12",
        "Edit1=1.5 Edit13=2.25 Edit14=8.76 Edit2=0.45 Edit3=0.15 Edit7=3 Edit9=0.7 Edit6=0.4 Edit10=6.1 "
        "Edit8=0.9 Edit5=7.8",
    };
    report::FormTexts in = sampleInput(english, false);
    in.fields.clear();
    for (const QString &field : QString::fromLatin1(fields[program - 1]).split(QLatin1Char(' ')))
        in.fields.insert(field.section(QLatin1Char('='), 0, 0), field.section(QLatin1Char('='), 1));
    const char *switched[] = {"", "", "RadioButton3", "", "RadioButton4", "RadioButton2"};
    in.options.clear();
    if (program == 6)
        in.options.insert(QStringLiteral("RadioButton1"), !option);
    if (*switched[program - 1])
        in.options.insert(QLatin1String(switched[program - 1]), option);
    return in;
}

// The sheet of Programm `program` (1 to 6).
inline report::Sheet makeSheet(int program, const report::FormTexts &texts)
{
    report::Sheet (*const make[])(const report::FormTexts &) = {report::makeDruck1, report::makeDruck2,
                                                                report::makeDruck3, report::makeDruck4,
                                                                report::makeDruck5, report::makeDruck6};
    return make[program - 1](texts);
}
