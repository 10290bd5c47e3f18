#pragma once

#include <string_view>

namespace typ {

// The keys of Log.Ini and of the writers' key=value text.
inline constexpr std::u16string_view kKeyDebug = u"Debug_Activo";
inline constexpr std::u16string_view kKeyLevel = u"Archivo_Texto_Nivel";
inline constexpr std::u16string_view kKeyShowUser = u"Archivo_Texto_Mostrar_Usuario";
inline constexpr std::u16string_view kKeyMaxSize = u"Archivo_Texto_Tamaño_Maximo";
inline constexpr std::u16string_view kKeyHistory = u"Guarda_Historial";
inline constexpr std::u16string_view kKeyFolder = u"Archivo_Texto_Directorio";
inline constexpr std::u16string_view kKeyName = u"Archivo_Texto_Nombre";
inline constexpr std::u16string_view kKeyIndent = u"Archivo_Texto_Identacion";
inline constexpr std::u16string_view kKeyThreadID = u"ThreadID";

} // namespace typ
