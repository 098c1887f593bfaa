#include "core/crosscheck.h"

#include <algorithm>

namespace vb
{

bool conditionHolds(const CrossCondition &condition, const std::function<double(const char *)> &valueOf)
{
    double bound = condition.limit;
    if (condition.than[0]) {
        bound = valueOf(condition.than[0]);
        if (condition.than[1])
            bound = std::max(bound, valueOf(condition.than[1]));
        bound *= condition.factor;
    }
    const double value = valueOf(condition.field);
    return condition.compare == CrossCondition::Compare::Greater ? value > bound : value >= bound;
}

} // namespace vb
