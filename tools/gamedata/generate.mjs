// SPDX-License-Identifier: MIT
// Writes battle/game/GameData.cpp — the Gen 1 species, moves and type chart — from @pkmn/dex.
// Run `npm ci && npm run generate` here; the output depends only on the pinned package, so a
// second run reproduces the committed file byte for byte.
import {Dex} from '@pkmn/dex';
import {readFileSync, writeFileSync} from 'node:fs';
import {dirname, join} from 'node:path';
import {fileURLToPath} from 'node:url';

const here = dirname(fileURLToPath(import.meta.url));
const battleDir = join(here, '..', '..', 'battle', 'game');
const dexVersion = JSON.parse(
  readFileSync(join(here, 'node_modules', '@pkmn', 'dex', 'package.json'), 'utf8')).version;
const gen1 = Dex.forGen(1);

function fail(message) {
  console.error(`generate.mjs: ${message}`);
  process.exit(1);
}

// The header's enum gives the order of every type column and row.
const header = readFileSync(join(battleDir, 'GameData.h'), 'utf8');
const enumBody = /enum class Type\b[^{]*\{([^}]*)\}/.exec(header);
if (!enumBody) fail('no enum class Type in battle/game/GameData.h');
const typeOrder = enumBody[1].split(',').map(name => name.trim()).filter(Boolean);

const dexTypes = gen1.types.all().filter(type => type.exists && !type.isNonstandard);
if (dexTypes.length !== typeOrder.length ||
    !dexTypes.every(type => typeOrder.includes(type.name)))
  fail(`Gen 1 types ${dexTypes.map(type => type.name)} differ from the header's ${typeOrder}`);

// The dex marks Bide untyped because its damage ignores type; the game's own data says Normal.
const typeOf = move => (move.type === '???' ? 'Normal' : move.type);

const moves = gen1.moves.all()
  .filter(move => move.exists && move.num >= 1 && move.num <= 165)
  .sort((a, b) => a.num - b.num);
if (moves.length !== 165 || moves.some((move, index) => move.num !== index + 1))
  fail('the Gen 1 moves are not numbered 1…165 without gaps');

const species = gen1.species.all()
  .filter(entry => entry.exists && !entry.forme && entry.num >= 1 && entry.num <= 151)
  .sort((a, b) => a.num - b.num);
if (species.length !== 151 || species.some((entry, index) => entry.num !== index + 1))
  fail('the Gen 1 species are not numbered 1…151 without gaps');

// Gen 1 splits physical and special by type; every damaging move of a type must agree.
const special = new Map();
for (const move of moves) {
  if (move.category === 'Status') continue;
  const isSpecial = move.category === 'Special';
  const type = typeOf(move);
  if (special.has(type) && special.get(type) !== isSpecial)
    fail(`${type} has both physical and special moves`);
  special.set(type, isSpecial);
}
for (const type of typeOrder)
  if (!special.has(type)) fail(`no damaging ${type} move tells its category`);

const halfHp = new Set(['superfang']);
const psywave = new Set(['psywave']);

function fixedDamage(move) {
  if (move.ohko) return ['OneHitKo', 0];
  if (move.damage === 'level') return ['Level', 0];
  if (typeof move.damage === 'number') return ['Constant', move.damage];
  if (halfHp.has(move.id)) return ['HalfHp', 0];
  if (psywave.has(move.id)) return ['Psywave', 0];
  return ['None', 0];
}

function multiHit(move) {
  if (move.multihit === undefined) return 'Once';
  if (move.multihit === 2) return 'Twice';
  if (Array.isArray(move.multihit) && move.multihit[0] === 2 && move.multihit[1] === 5)
    return 'TwoToFive';
  fail(`${move.name} hits ${move.multihit} times`);
}

// The dex gives power 1 to moves whose damage comes from elsewhere (Counter, fixed damage).
function power(move) {
  if (move.basePower !== 1) return move.basePower;
  if (fixedDamage(move)[0] === 'None' && move.id !== 'counter')
    fail(`${move.name} has power 1 and no known damage rule`);
  return 0;
}

const cppString = text => `"${text}"`;
const padEnd = (text, width) => text + ' '.repeat(Math.max(0, width - text.length));
const padStart = (text, width) => ' '.repeat(Math.max(0, width - text.length)) + text;
const widest = texts => Math.max(...texts.map(text => text.length));
// Aligns each column of rows of cells; the cells end with a comma except the last.
function table(rows, rightAligned, indent) {
  const widths = rows[0].map((_, column) => widest(rows.map(row => row[column])));
  return rows.map(row => indent + '{' + row.map((cell, column) => {
    const last = column === row.length - 1;
    const text = last ? cell : cell + ',';
    const width = widths[column] + (last ? 0 : 1);
    return last ? text : rightAligned[column] ? padStart(text, width) : padEnd(text, width);
  }).join(' ') + '},').join('\n');
}

const tenths = {0: '10', 1: '20', 2: ' 5', 3: ' 0'};
const shortType = type => type.slice(0, 3);
const typeRows = table(typeOrder.map(type => [cppString(type), String(special.get(type))]),
                       [false, false], '    ');
const chartRows = typeOrder.map(attacking => {
  const cells = typeOrder.map(defending => {
    const code = gen1.types.get(defending).damageTaken[attacking];
    if (!(code in tenths)) fail(`${attacking} against ${defending}: code ${code}`);
    return tenths[code];
  });
  return `    /* ${padEnd(attacking, 8)} */ {{${cells.join(', ')}}},`;
}).join('\n');
const chartCaption = `    // ${' '.repeat(15)}` + typeOrder.map(shortType).join(' ');

const speciesRows = table(species.map(entry => {
  const [first, second] = entry.types;
  const base = entry.baseStats;
  const stats = [base.hp, base.atk, base.def, base.spe, base.spa].map(value => padStart(String(value), 3));
  if (base.spa !== base.spd) fail(`${entry.name}: Special differs between the dex's halves`);
  return [String(entry.num), cppString(entry.name), first, second ?? 'noSecondType',
          `{${stats.join(', ')}}`];
}), [true, false, false, false, false], '    ');

const moveRows = table(moves.map(move => {
  const [kind, amount] = fixedDamage(move);
  return [String(move.num), cppString(move.name), typeOf(move), String(power(move)),
          move.accuracy === true ? 'neverMisses' : String(move.accuracy), String(move.pp),
          String(move.critRatio > 1), kind, String(amount), multiHit(move)];
}), [true, false, false, true, true, true, false, false, true, false], '    ');

const output = `// SPDX-License-Identifier: MIT
// Generated by tools/gamedata/generate.mjs from @pkmn/dex ${dexVersion} (MIT licence): do not edit.
// Regenerate with \`cd tools/gamedata && npm ci && npm run generate\`.
#include "battle/game/GameData.h"

#include <array>

namespace battle::game {
namespace {

using enum Type;
using enum FixedDamage;
using enum MultiHit;

constexpr std::optional<Type> noSecondType;
constexpr std::optional<int> neverMisses;

struct TypeRow {
    std::string_view name;
    bool special;
};

// clang-format off
// Name, special (Gen 1 splits physical and special by type); in the order of Type.
constexpr std::array<TypeRow, ${typeOrder.length}> types{{
${typeRows}
}};

// Damage multiplier in tenths; a row attacks, a column defends.
constexpr std::array<std::array<std::uint8_t, ${typeOrder.length}>, ${typeOrder.length}> chart{{
${chartCaption}
${chartRows}
}};

// Number, name, type 1, type 2, base {HP, Attack, Defense, Speed, Special}.
constexpr std::array<Species, ${species.length}> species{{
${speciesRows}
}};

// Number, name, type, power, accuracy, PP, high critical, fixed damage, its amount, hits.
constexpr std::array<Move, ${moves.length}> moves{{
${moveRows}
}};
// clang-format on

} // namespace

std::string_view typeName(Type type)
{
    return types[static_cast<std::size_t>(type)].name;
}

bool isSpecialType(Type type)
{
    return types[static_cast<std::size_t>(type)].special;
}

int typeEffectTenths(Type attacking, Type defending)
{
    return chart[static_cast<std::size_t>(attacking)][static_cast<std::size_t>(defending)];
}

std::span<const Species> allSpecies()
{
    return species;
}

std::span<const Move> allMoves()
{
    return moves;
}

} // namespace battle::game
`;

writeFileSync(join(battleDir, 'GameData.cpp'), output);
console.log(`wrote battle/game/GameData.cpp: ${species.length} species, ${moves.length} moves, ` +
            `${typeOrder.length} types from @pkmn/dex ${dexVersion}`);
