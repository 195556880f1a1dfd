#include "common/platform/system/SystemServices.h"

#include "common/platform/system/QtSystemServices.h"

namespace {
SystemServices* g_installed = nullptr;
}

SystemServices& systemServices()
{
    if (g_installed)
        return *g_installed;
    static QtSystemServices qtServices;
    return qtServices;
}

void installSystemServices(SystemServices* services) { g_installed = services; }
