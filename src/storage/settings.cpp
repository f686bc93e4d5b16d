#include "storage/settings.h"

#include "state/globals.h"

namespace Functions {

void ReadSettings()
{
    if (SortBy.isEmpty())
        SortBy = QStringLiteral("TAS");
    if (FontSize == 0)
        FontSize = 8;
    ApplySettings();
}

void WriteSettings() {}

void ApplySettings() {}

} // namespace Functions
