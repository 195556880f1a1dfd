#pragma once

#include "common/platform/dialog/DialogTemplate.h"

#include <QByteArray>
#include <QCursor>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QString>

#include <optional>

// The program's built-in resources, addressed by numeric id. Everything is
// compiled in; nothing is read from the user's disk.
namespace Resources {

// A long text: exactly the resource's bytes, or nothing when it is missing.
std::optional<QByteArray> LoadText(int id);
// The same text as the windows show it (the bytes are plain 8-bit text).
QString LoadTextString(int id);
// A picture by the name of its file under res/ without ".png"
// ("bitmaps/129", "icons/128-16"), or "style/<name>" for the pictures of
// Qt's own style; null when missing. Nothing is decoded or copied.
QImage BuiltInPicture(const QString& name);
// Null when missing.
QPixmap LoadBitmap(int id);
// All sizes of an icon; null when missing.
QIcon LoadIcon(int id);
// The cursor with its hot spot; nullopt when missing.
std::optional<QCursor> LoadCursor(int id);
// Empty when missing.
QString LoadString(int id);
// Layouts come with their texts in the user's language.
std::optional<DialogTemplate> LoadLayout(int id);
// A text of a layout in the user's language, for code that looks for a
// control by the name the layout gives it.
QString LayoutText(const QString& english);

// Tests hide a resource to check that its absence is taken calmly.
void SetHiddenForTesting(const QString& kind, int id, bool hidden);

} // namespace Resources
