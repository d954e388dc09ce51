// Picture files of the player's read without harm: checked before they are decoded.
#pragma once

#include <QImage>
#include <QLoggingCategory>
#include <QSize>
#include <QString>

namespace zw::imagenes {

// Where a refused picture says why: "zarrapio.imagenes".
Q_DECLARE_LOGGING_CATEGORY(registro)

// A side past margen times the side the screen needs, or past ladoMaximo, is
// no picture of ours: it is refused by its header, never decoded.
inline constexpr int margen = 4;
inline constexpr int ladoMaximo = 8192;
// Decoding one picture takes at most about this, in MB.
inline constexpr int megasMaximos = 64;

// Qt's limit for the picture any decoder makes, megasMaximos; once, at start.
void limitarLectores();

// A picture file of the player's (a scene or a denser one) at exactly `fisico`
// pixels. The file is opened once, without waiting, and read only when the
// open file is a regular one; it is read as a JPEG whatever it holds, and its
// declared size and its scans are checked before anything is decoded. Null,
// with one line in the log and the reason in `porque`, when the file is
// missing, no regular file, no JPEG, too large, cut short or undecodable: the
// caller goes on to its next source. Safe on any thread.
QImage leerFichero(const QString &ruta, QSize fisico, QString *porque = nullptr);

} // namespace zw::imagenes
