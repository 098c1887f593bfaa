#include "reports/resources.h"

#include <QtCore/QDir>

static void initCompiledResources() { Q_INIT_RESOURCE(resources); }

namespace vb {
void initResources()
{
    static const bool done = (initCompiledResources(), true);
    (void)done;
}
} // namespace vb
