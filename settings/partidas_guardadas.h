#pragma once
// Stored games: one state file per game in the work folder, "<name>.man". Names and the extension match
// without regard to letter case, and a name is only ever a file of the work folder itself.
#include <QString>
#include <QStringList>
#include <optional>

namespace zp {

inline constexpr int kLargoNombreJuego = 64;

// The name a box holds: its first 64 characters, without blanks at either end.
QString NombreDeJuego(const QString& texto);

// Why a name cannot be a stored game's (empty when it can): it would leave the work folder, hold characters
// the file systems refuse, or be too long for one.
QString NombreNoValido(const QString& nombre);

// The stored games of `carpeta`, names without the extension, in alphabetical order without regard to case.
QStringList ListarPartidas(const QString& carpeta);

// The file of `carpeta` that holds the game `nombre`: the name as written first, else the first one
// alphabetically that differs only in case. Nothing when there is none or the name is not valid.
std::optional<QString> FicheroDePartida(const QString& carpeta, const QString& nombre);

} // namespace zp
