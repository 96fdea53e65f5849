// SPDX-License-Identifier: MIT
#include "battle/save/SaveCodes.h"

#include <array>

namespace battle::save {
namespace {

struct SpeciesRow {
    std::uint8_t index;
    std::uint8_t dexNumber;
};

// The game's internal species index and the Pokédex number; indices missing here are glitches.
// clang-format off
constexpr std::array<SpeciesRow, 151> speciesRows{{
    {0x01, 112}, // Rhydon
    {0x02, 115}, // Kangaskhan
    {0x03,  32}, // Nidoran♂
    {0x04,  35}, // Clefairy
    {0x05,  21}, // Spearow
    {0x06, 100}, // Voltorb
    {0x07,  34}, // Nidoking
    {0x08,  80}, // Slowbro
    {0x09,   2}, // Ivysaur
    {0x0A, 103}, // Exeggutor
    {0x0B, 108}, // Lickitung
    {0x0C, 102}, // Exeggcute
    {0x0D,  88}, // Grimer
    {0x0E,  94}, // Gengar
    {0x0F,  29}, // Nidoran♀
    {0x10,  31}, // Nidoqueen
    {0x11, 104}, // Cubone
    {0x12, 111}, // Rhyhorn
    {0x13, 131}, // Lapras
    {0x14,  59}, // Arcanine
    {0x15, 151}, // Mew
    {0x16, 130}, // Gyarados
    {0x17,  90}, // Shellder
    {0x18,  72}, // Tentacool
    {0x19,  92}, // Gastly
    {0x1A, 123}, // Scyther
    {0x1B, 120}, // Staryu
    {0x1C,   9}, // Blastoise
    {0x1D, 127}, // Pinsir
    {0x1E, 114}, // Tangela
    {0x21,  58}, // Growlithe
    {0x22,  95}, // Onix
    {0x23,  22}, // Fearow
    {0x24,  16}, // Pidgey
    {0x25,  79}, // Slowpoke
    {0x26,  64}, // Kadabra
    {0x27,  75}, // Graveler
    {0x28, 113}, // Chansey
    {0x29,  67}, // Machoke
    {0x2A, 122}, // Mr. Mime
    {0x2B, 106}, // Hitmonlee
    {0x2C, 107}, // Hitmonchan
    {0x2D,  24}, // Arbok
    {0x2E,  47}, // Parasect
    {0x2F,  54}, // Psyduck
    {0x30,  96}, // Drowzee
    {0x31,  76}, // Golem
    {0x33, 126}, // Magmar
    {0x35, 125}, // Electabuzz
    {0x36,  82}, // Magneton
    {0x37, 109}, // Koffing
    {0x39,  56}, // Mankey
    {0x3A,  86}, // Seel
    {0x3B,  50}, // Diglett
    {0x3C, 128}, // Tauros
    {0x40,  83}, // Farfetch'd
    {0x41,  48}, // Venonat
    {0x42, 149}, // Dragonite
    {0x46,  84}, // Doduo
    {0x47,  60}, // Poliwag
    {0x48, 124}, // Jynx
    {0x49, 146}, // Moltres
    {0x4A, 144}, // Articuno
    {0x4B, 145}, // Zapdos
    {0x4C, 132}, // Ditto
    {0x4D,  52}, // Meowth
    {0x4E,  98}, // Krabby
    {0x52,  37}, // Vulpix
    {0x53,  38}, // Ninetales
    {0x54,  25}, // Pikachu
    {0x55,  26}, // Raichu
    {0x58, 147}, // Dratini
    {0x59, 148}, // Dragonair
    {0x5A, 140}, // Kabuto
    {0x5B, 141}, // Kabutops
    {0x5C, 116}, // Horsea
    {0x5D, 117}, // Seadra
    {0x60,  27}, // Sandshrew
    {0x61,  28}, // Sandslash
    {0x62, 138}, // Omanyte
    {0x63, 139}, // Omastar
    {0x64,  39}, // Jigglypuff
    {0x65,  40}, // Wigglytuff
    {0x66, 133}, // Eevee
    {0x67, 136}, // Flareon
    {0x68, 135}, // Jolteon
    {0x69, 134}, // Vaporeon
    {0x6A,  66}, // Machop
    {0x6B,  41}, // Zubat
    {0x6C,  23}, // Ekans
    {0x6D,  46}, // Paras
    {0x6E,  61}, // Poliwhirl
    {0x6F,  62}, // Poliwrath
    {0x70,  13}, // Weedle
    {0x71,  14}, // Kakuna
    {0x72,  15}, // Beedrill
    {0x74,  85}, // Dodrio
    {0x75,  57}, // Primeape
    {0x76,  51}, // Dugtrio
    {0x77,  49}, // Venomoth
    {0x78,  87}, // Dewgong
    {0x7B,  10}, // Caterpie
    {0x7C,  11}, // Metapod
    {0x7D,  12}, // Butterfree
    {0x7E,  68}, // Machamp
    {0x80,  55}, // Golduck
    {0x81,  97}, // Hypno
    {0x82,  42}, // Golbat
    {0x83, 150}, // Mewtwo
    {0x84, 143}, // Snorlax
    {0x85, 129}, // Magikarp
    {0x88,  89}, // Muk
    {0x8A,  99}, // Kingler
    {0x8B,  91}, // Cloyster
    {0x8D, 101}, // Electrode
    {0x8E,  36}, // Clefable
    {0x8F, 110}, // Weezing
    {0x90,  53}, // Persian
    {0x91, 105}, // Marowak
    {0x93,  93}, // Haunter
    {0x94,  63}, // Abra
    {0x95,  65}, // Alakazam
    {0x96,  17}, // Pidgeotto
    {0x97,  18}, // Pidgeot
    {0x98, 121}, // Starmie
    {0x99,   1}, // Bulbasaur
    {0x9A,   3}, // Venusaur
    {0x9B,  73}, // Tentacruel
    {0x9D, 118}, // Goldeen
    {0x9E, 119}, // Seaking
    {0xA3,  77}, // Ponyta
    {0xA4,  78}, // Rapidash
    {0xA5,  19}, // Rattata
    {0xA6,  20}, // Raticate
    {0xA7,  33}, // Nidorino
    {0xA8,  30}, // Nidorina
    {0xA9,  74}, // Geodude
    {0xAA, 137}, // Porygon
    {0xAB, 142}, // Aerodactyl
    {0xAD,  81}, // Magnemite
    {0xB0,   4}, // Charmander
    {0xB1,   7}, // Squirtle
    {0xB2,   5}, // Charmeleon
    {0xB3,   8}, // Wartortle
    {0xB4,   6}, // Charizard
    {0xB9,  43}, // Oddish
    {0xBA,  44}, // Gloom
    {0xBB,  45}, // Vileplume
    {0xBC,  69}, // Bellsprout
    {0xBD,  70}, // Weepinbell
    {0xBE,  71}, // Victreebel
}};

// The type bytes that name a type; the others (Bird and the unused ones) name none.
struct TypeRow {
    std::uint8_t byte;
    game::Type type;
};
constexpr std::array<TypeRow, 15> typeRows{{
    {0x00, game::Type::Normal},
    {0x01, game::Type::Fighting},
    {0x02, game::Type::Flying},
    {0x03, game::Type::Poison},
    {0x04, game::Type::Ground},
    {0x05, game::Type::Rock},
    {0x07, game::Type::Bug},
    {0x08, game::Type::Ghost},
    {0x14, game::Type::Fire},
    {0x15, game::Type::Water},
    {0x16, game::Type::Grass},
    {0x17, game::Type::Electric},
    {0x18, game::Type::Psychic},
    {0x19, game::Type::Ice},
    {0x1A, game::Type::Dragon},
}};
// clang-format on

constexpr std::array<std::uint8_t, 256> dexNumberByIndex = [] {
    std::array<std::uint8_t, 256> numbers{};
    for (const SpeciesRow& row : speciesRows)
        numbers[row.index] = row.dexNumber;
    return numbers;
}();

} // namespace

const game::Species* speciesOfIndex(std::uint8_t index)
{
    const int number = dexNumberByIndex[index];
    return number == 0 ? nullptr : &game::allSpecies()[number - 1];
}

std::optional<game::Type> typeOfByte(int byte)
{
    for (const TypeRow& row : typeRows) {
        if (row.byte == byte)
            return row.type;
    }
    return std::nullopt;
}

} // namespace battle::save
