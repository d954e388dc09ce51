// What the game remembers between runs (the zoom), read and written only where that is safe.
#pragma once

#include <QLoggingCategory>
#include <QString>
#include <QtGlobal>

#include <optional>

namespace zw {

// What the game remembers between runs: the zoom, as "ventanas/zoom" in the
// settings file of the program's names (carpetas::nombrarPrograma), the file
// QSettings() has always used: ~/.config/trombulenco/zarrapio-world.conf.
// Whatever else stands at that place, or a file far too large to be ours, is
// left alone: never read, never written through, never replaced.
namespace ajustes {

// Where an ignored settings file says why: "zarrapio.ajustes".
Q_DECLARE_LOGGING_CATEGORY(registro)

// The game writes a few dozen bytes; anything past this is not its file.
inline constexpr qint64 tamanoMaximo = 64 * 1024;

// The settings file's path.
QString fichero();

// The zoom remembered, when the file is a regular file and holds a number there.
std::optional<double> zoomRecordado();

// Remembers the zoom, in the file or a new one; nothing when the place holds
// anything but a regular file of at most tamanoMaximo bytes.
void recordarZoom(double z);

} // namespace ajustes
} // namespace zw
