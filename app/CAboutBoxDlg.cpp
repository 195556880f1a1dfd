#include "app/CAboutBoxDlg.h"

CAboutBoxDlg::CAboutBoxDlg() : CDialog(kLayoutId) {}
