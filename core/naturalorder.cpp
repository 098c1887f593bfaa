#include "core/naturalorder.h"

#include <QtCore/QString>

namespace vb
{

namespace
{
// The run of digits, or of other characters, that begins at `from`.
QStringView runAt(QStringView text, qsizetype from)
{
    const bool digits = text[from].isDigit();
    qsizetype end = from + 1;
    while (end < text.size() && text[end].isDigit() == digits)
        ++end;
    return text.sliced(from, end - from);
}

// Two runs of digits by their value: without leading zeros the longer is the larger.
int compareNumbers(QStringView a, QStringView b)
{
    const auto significant = [](QStringView run) {
        qsizetype zeros = 0;
        while (zeros + 1 < run.size() && run[zeros] == u'0')
            ++zeros;
        return run.sliced(zeros);
    };
    const QStringView x = significant(a);
    const QStringView y = significant(b);
    if (x.size() != y.size())
        return x.size() < y.size() ? -1 : 1;
    for (qsizetype i = 0; i < x.size(); ++i) {
        const int dx = x[i].digitValue();
        const int dy = y[i].digitValue();
        if (dx != dy)
            return dx < dy ? -1 : 1;
    }
    return 0;
}
} // namespace

int naturalCompare(QStringView a, QStringView b)
{
    qsizetype i = 0;
    qsizetype j = 0;
    while (i < a.size() && j < b.size()) {
        const QStringView x = runAt(a, i);
        const QStringView y = runAt(b, j);
        const bool numbers = x[0].isDigit() && y[0].isDigit();
        const int order = numbers ? compareNumbers(x, y) : x.compare(y, Qt::CaseInsensitive);
        if (order != 0)
            return order;
        i += x.size();
        j += y.size();
    }
    if (i < a.size())
        return 1;
    return j < b.size() ? -1 : 0;
}

} // namespace vb
