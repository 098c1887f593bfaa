#pragma once

#include "programs/pgm11024/druck1.h"

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
