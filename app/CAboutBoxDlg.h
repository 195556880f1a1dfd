#pragma once

#include "common/platform/dialog/CDialog.h"

// The program's name, version and maker; nothing beyond the dialog defaults.
class CAboutBoxDlg : public CDialog {
    Q_OBJECT
public:
    static constexpr int kLayoutId = 100;

    CAboutBoxDlg();
};
