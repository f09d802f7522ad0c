#pragma once
// Paths as text. A path travels through the tool as narrow text (the folder chooser, Carpeta,
// the command line, the window's texts): on Windows in the ANSI code page, as the system's …A
// calls and the window's texts have it; elsewhere in the system's own bytes. A message is
// Windows-1252 text and names a path through rutaEnMensaje. Nothing else converts a path to
// text or back.
#include <filesystem>
#include <string>
#include <string_view>

namespace ttz {

// The path that narrow text names, and a path's narrow text. On Windows a character that the
// ANSI code page lacks becomes "?".
std::filesystem::path rutaDeTexto(std::string_view texto);
std::string textoDeRuta(const std::filesystem::path& ruta);

// A path as a message shows it, in Windows-1252: on Windows its narrow text; elsewhere its UTF-8
// converted, a character that Windows-1252 lacks shown as "?" and a byte that is not UTF-8 kept
// as it is.
std::string rutaEnMensaje(const std::filesystem::path& ruta);
// The path that a message's text names, back: the reverse of rutaEnMensaje for every path whose
// characters Windows-1252 has.
std::filesystem::path rutaDeMensaje(std::string_view windows1252);

}  // namespace ttz
