#include "SubdivisionSettings.h"

SubdivisionSettings& subdivisionSettings()
{
    static SubdivisionSettings settings;
    return settings;
}
