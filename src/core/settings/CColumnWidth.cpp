#include "core/settings/CColumnWidth.h"

int CColumnWidth::FromSettings(int stored, int def) {
    return stored > 0 && stored <= MAX ? stored : def;
}
