#pragma once

#include "common/platform/dialog/CWinApp.h"

class CTutorApp final : public CWinApp {
protected:
    bool InitInstance() override;
};
