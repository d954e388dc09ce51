// The catalogue of inventory items.
#pragma once

#include <span>

// The game's things: every inventory item by the name the player sees, written
// once here. The rule tables give, take and look at items through these names;
// the interpreter compares them without regard to case.
namespace zw::objeto {

// clang-format off
inline constexpr const char *Mechero             = "Mechero";
inline constexpr const char *PolvoDeLadrillo     = "Polvo de ladrillo";
inline constexpr const char *ChicleMasticado     = "Chicle Masticado";
inline constexpr const char *ChicleDeLadrillo    = "Chicle de ladrillo";
inline constexpr const char *ChicleSaborMierda   = "Chicle sabor mierda";
inline constexpr const char *Agua                = "Agua";
inline constexpr const char *Papel               = "Papel";
inline constexpr const char *PapelFirmado        = "Papel Firmado";
inline constexpr const char *Tarjeta             = "Tarjeta";
inline constexpr const char *TarjetaDelDirector  = "Tarjeta del director";
inline constexpr const char *DolaresDelVividor   = "50 Zarra-Dólares del vividor";
inline constexpr const char *DolaresDelDeprimido = "50 Zarra-Dólares del deprimido";
inline constexpr const char *DolaresDelVagabundo = "50 Zarra-Dólares del Vagabundo";
// clang-format on

// All of them.
inline constexpr const char *catalogo[] = {
    Mechero, PolvoDeLadrillo, ChicleMasticado, ChicleDeLadrillo, ChicleSaborMierda,
    Agua, Papel, PapelFirmado, Tarjeta, TarjetaDelDirector,
    DolaresDelVividor, DolaresDelDeprimido, DolaresDelVagabundo,
};

inline std::span<const char *const> todos() { return catalogo; }

} // namespace zw::objeto
