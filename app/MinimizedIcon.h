#pragma once

#include <QPoint>
#include <QSize>

// Where the minimised launcher draws its icon: centred, with the halves
// rounded toward zero as signed integer division does.
constexpr QPoint minimizedIconPosition(QSize client, QSize icon)
{
    return QPoint((client.width() - icon.width() + 1) / 2, (client.height() - icon.height() + 1) / 2);
}
