#pragma once

#include "common/platform/CWinApp.h"

class CTutorApp final : public CWinApp {
protected:
    bool InitInstance() override;
};
