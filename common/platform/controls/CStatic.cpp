#include "common/platform/controls/CStatic.h"

#include <QLabel>

bool CStatic::SubclassWindow(QLabel* label) {
    if (!label)
        return false;
    if (m_label)
        return m_label == label;
    m_label = label;
    PreSubclassWindow();
    label->installEventFilter(this);
    return true;
}

unsigned CStatic::GetStyle() const {
    if (!m_label)
        return 0;
    const Qt::Alignment align = m_label->alignment();
    unsigned style = m_style & ~(SS_CENTER | SS_RIGHT | SS_CENTERIMAGE);
    if (align & Qt::AlignHCenter)
        style |= SS_CENTER;
    else if (align & Qt::AlignRight)
        style |= SS_RIGHT;
    if (align & Qt::AlignVCenter)
        style |= SS_CENTERIMAGE;
    return style;
}

void DDX_Control(CDataExchange& dx, int id, CStatic& control) {
    if (control.label())
        return;
    if (!control.SubclassWindow(qobject_cast<QLabel*>(dx.dialog->GetDlgItem(id))))
        dx.failed = true;
}
