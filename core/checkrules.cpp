#include "core/checkrules.h"

#include "core/numberreader.h"

namespace vb
{

FieldCheck checkField(Rule rule, const QString &text, const QString &resetText)
{
    const std::optional<double> read = readNumber(text);
    FieldCheck out;
    out.value = read.value_or(0.0);
    const auto fail = [&out](const QString &newText) {
        out.passed = false;
        out.marked = true;
        out.text = newText;
        out.failures = 1;
        out.value = 0.0;
    };
    switch (rule) {
    case Rule::Positive:
        if (!read || *read <= 0.0)
            fail(QStringLiteral("0"));
        break;
    case Rule::NonNegative:
        if (!read || *read < 0.0)
            fail(QStringLiteral("0"));
        break;
    case Rule::Number:
        if (!read)
            fail(resetText);
        break;
    case Rule::Optional:
        if (!read) {
            // A text that does not read is emptied without a mark; it contributes 0.
            out.text = QString();
            out.value = 0.0;
        } else if (*read < 0.0) {
            fail(QStringLiteral("0"));
        }
        break;
    }
    return out;
}

PairCheck checkPair(const QList<QString> &texts)
{
    PairCheck out;
    bool anyPositive = false;
    for (const QString &text : texts) {
        const std::optional<double> read = readNumber(text);
        FieldCheck member;
        if (!read || *read < 0.0) {
            member.passed = false;
            member.marked = true;
            member.failures = 1;
            out.failures += 1;
        } else {
            member.value = *read;
            anyPositive = anyPositive || *read > 0.0;
        }
        out.members.append(member);
    }
    if (!anyPositive) {
        out.nonePositive = true;
        out.failures += 1;
    }
    return out;
}

GroupCheck checkGroup(const QList<QString> &texts, bool allowZero)
{
    GroupCheck out;
    bool any = false;
    for (const QString &text : texts) {
        const std::optional<double> read = readNumber(text);
        const bool usable = read && (allowZero ? *read >= 0.0 : *read > 0.0);
        // A text of blanks holds no limit, like the empty one.
        const bool given = !text.trimmed().isEmpty();
        const bool failed = given && (!read || *read < 0.0);
        out.usable.append(usable ? read : std::nullopt);
        out.failed.append(failed);
        out.failures += failed ? 1 : 0;
        any = any || usable;
    }
    if (!any) {
        out.noneUsable = true;
        out.failures += 1;
    }
    return out;
}

} // namespace vb
