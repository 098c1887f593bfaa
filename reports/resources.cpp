#include "reports/resources.h"

#include <QtGui/QFont>

static void initCompiledResources()
{
    Q_INIT_RESOURCE(resources);
}

namespace vb
{

namespace
{
void installFontSubstitutes()
{
    // The forms and sheets are measured in Arial, Times New Roman and MS Sans Serif.
    // Where these are not installed, their metric twins stand in. Naming them here lets
    // the font database find them at once instead of asking fontconfig for every new
    // size and weight, which is most of the start-up time otherwise.
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"));
}
} // namespace

void initResources()
{
    static const bool done = (initCompiledResources(), installFontSubstitutes(), true);
    (void)done;
}

} // namespace vb
