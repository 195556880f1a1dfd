#pragma once

#include "common/platform/system/Announcer.h"

#include <QStringList>

// What the program tells a screen reader while this lives, in order.
class Told {
public:
    Told()
    {
        Announcer::setListener([this](QWidget*, const QString& text) { texts << text; });
    }
    ~Told() { Announcer::setListener({}); }
    Told(const Told&) = delete;
    Told& operator=(const Told&) = delete;

    QStringList texts;
};
