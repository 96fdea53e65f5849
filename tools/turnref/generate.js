// SPDX-License-Identifier: MIT
// Writes the reference damage rolls for the Battle Turn tests: a fixed, seeded list of
// attacker/defender/move combinations and, for each, the rolls of a normal and of a critical hit
// as the pinned damage library computes them for the first-generation games.
// Usage: node generate.js OUTPUT-FILE
'use strict';

const fs = require('fs');
const {Generations, Pokemon, Move, Field, calculate} = require('@smogon/calc');

const gen = Generations.get(1);

// Moves the library lists for the first generation that the games never had, and moves whose
// damage the library does not model for this generation (it runs them through the formula at
// power 1): the tests cover those by hand.
const skipped = new Set(['Paleo Wave', 'Polar Flare', 'Shadow Strike', 'Counter', 'Super Fang', 'Psywave']);
const physicalTypes = new Set(['Normal', 'Fighting', 'Flying', 'Poison', 'Ground', 'Rock', 'Bug', 'Ghost']);
const fixedMoves = ['Seismic Toss', 'Night Shade', 'Sonic Boom', 'Dragon Rage'];
const multiHitMoves = ['Double Kick', 'Twineedle', 'Bonemerang', 'Fury Attack', 'Pin Missile',
  'Double Slap', 'Comet Punch', 'Barrage', 'Spike Cannon', 'Fury Swipes'];

// A small fixed-seed generator, so that every run writes the same file.
let state = 0x5eed1234;
function random() {
  state = (state + 0x6d2b79f5) >>> 0;
  let t = state;
  t = Math.imul(t ^ (t >>> 15), t | 1);
  t ^= t + Math.imul(t ^ (t >>> 7), t | 61);
  return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
}
const pick = (list) => list[Math.floor(random() * list.length)];
const between = (low, high) => low + Math.floor(random() * (high - low + 1));
const chance = (p) => random() < p;

const species = [...gen.species];
const moves = [...gen.moves].filter((m) => m.basePower > 0 && !skipped.has(m.name));
const types = [...new Set(moves.map((m) => m.type))].sort();
const movesOfType = (type) => moves.filter((m) => m.type === type);
const speciesOfType = (type) => species.filter((s) => s.types.includes(type));

// The two presets: best DVs and stat experience, or a trainer's Pokémon (DVs 9/8/8/8, none).
const presets = {
  'Maximum': {},
  'Enemy trainer': {ivs: {atk: 18, def: 16, spe: 16, spa: 16, spd: 16}, evs: {hp: 0, atk: 0, def: 0, spe: 0, spa: 0, spd: 0}},
};

function randomLevel() {
  return chance(0.3) ? 100 : between(5, 100);
}

function randomCase(move, extra = {}) {
  return {
    attacker: pick(species).name, attackerLevel: randomLevel(), attackerPreset: chance(0.7) ? 'Maximum' : 'Enemy trainer',
    defender: pick(species).name, defenderLevel: randomLevel(), defenderPreset: chance(0.7) ? 'Maximum' : 'Enemy trainer',
    move: move.name,
    attackerStage: chance(0.25) ? between(-6, 6) : 0,
    defenderStage: chance(0.25) ? between(-6, 6) : 0,
    burned: chance(0.15), // the library, like the games, lets burn pass special moves by
    screen: chance(0.15),
    ...extra,
  };
}

function pokemon(name, level, preset, stage, statKey, burned) {
  const boosts = statKey === 'atk' || statKey === 'def' ? {[statKey]: stage} : {spa: stage, spd: stage};
  return new Pokemon(gen, name, {level, ...presets[preset], boosts, status: burned ? 'brn' : ''});
}

// Rolls as the library gives them: one amount for fixed damage, one row for repeated hits. The
// library makes every use of some high-critical moves a critical hit; their normal hits have no
// figures here ("-").
function rolls(c, critical) {
  if (!critical && new Move(gen, c.move).isCrit) return ['-'];
  const physical = physicalTypes.has(gen.moves.get(c.move.toLowerCase().replace(/[^a-z]/g, '')).type);
  const attacker = pokemon(c.attacker, c.attackerLevel, c.attackerPreset, c.attackerStage, physical ? 'atk' : 'spa', c.burned);
  const defender = pokemon(c.defender, c.defenderLevel, c.defenderPreset, c.defenderStage, physical ? 'def' : 'spd', false);
  const field = new Field({defenderSide: {isReflect: c.screen && physical, isLightScreen: c.screen && !physical}});
  const damage = calculate(gen, attacker, defender, new Move(gen, c.move, {isCrit: critical}), field).damage;
  if (typeof damage === 'number') return [damage];
  if (Array.isArray(damage[0])) {
    if (damage.some((row) => row.join() !== damage[0].join())) throw new Error(`uneven hits: ${c.move}`);
    return damage[0];
  }
  return damage;
}

const cases = [];
// Every type's moves, from any attacker on any defender.
for (const type of types) {
  for (let i = 0; i < 11; ++i) cases.push(randomCase(pick(movesOfType(type))));
}
// Same-type attackers.
for (let i = 0; i < 20; ++i) {
  const move = pick(moves);
  cases.push(randomCase(move, {attacker: pick(speciesOfType(move.type)).name}));
}
// Immunities, and double weaknesses and resistances.
const matchups = [
  ['Normal', 'Ghost'], ['Fighting', 'Ghost'], ['Ground', 'Flying'], ['Electric', 'Ground'], ['Ghost', 'Psychic'],
  ['Ghost', 'Normal'], ['Ice', 'Flying'], ['Rock', 'Flying'], ['Water', 'Ground'], ['Electric', 'Water'],
  ['Fire', 'Water'], ['Grass', 'Poison'], ['Poison', 'Ground'], ['Bug', 'Poison'], ['Fighting', 'Poison'],
  ['Psychic', 'Poison'], ['Ice', 'Dragon'], ['Bug', 'Fire'], ['Water', 'Rock'], ['Grass', 'Ground'],
];
for (const [attacking, defending] of matchups) {
  const move = pick(movesOfType(attacking));
  cases.push(randomCase(move, {defender: pick(speciesOfType(defending)).name}));
}
// Explosion and Self-Destruct halve Defense.
for (let i = 0; i < 6; ++i) cases.push(randomCase(gen.moves.get(i % 2 ? 'explosion' : 'selfdestruct')));
// Stats past 255 at full level, raised and lowered.
for (let i = 0; i < 15; ++i) {
  cases.push(randomCase(pick(moves), {
    attackerLevel: 100, defenderLevel: 100, attackerPreset: 'Maximum', defenderPreset: 'Maximum',
    attackerStage: between(-6, 6), defenderStage: between(-6, 6),
  }));
}
// Stages across their range.
for (let stage = -6; stage <= 6; ++stage) cases.push(randomCase(pick(moves), {attackerStage: stage, defenderStage: -stage}));
// Burn, Reflect and Light Screen.
const physicalMoves = moves.filter((m) => physicalTypes.has(m.type) && !fixedMoves.includes(m.name));
const specialMoves = moves.filter((m) => !physicalTypes.has(m.type) && !fixedMoves.includes(m.name));
for (let i = 0; i < 10; ++i) cases.push(randomCase(pick(physicalMoves), {burned: true}));
for (let i = 0; i < 10; ++i) cases.push(randomCase(pick(physicalMoves), {screen: true}));
for (let i = 0; i < 10; ++i) cases.push(randomCase(pick(specialMoves), {screen: true}));
// Reflect on a raised Defense past 1023: the scaled figure wraps around 256.
for (const defender of ['Cloyster', 'Onix', 'Golem']) {
  cases.push(randomCase(pick(physicalMoves), {
    defender, defenderLevel: 100, defenderPreset: 'Maximum', defenderStage: between(3, 6), screen: true,
  }));
}
// Fixed damage, immune types included.
for (let i = 0; i < 8; ++i) cases.push(randomCase(gen.moves.get(fixedMoves[i % 4].toLowerCase().replace(/ /g, ''))));
cases.push(randomCase(gen.moves.get('seismictoss'), {defender: 'Gengar'}));
cases.push(randomCase(gen.moves.get('nightshade'), {defender: 'Snorlax'}));
cases.push(randomCase(gen.moves.get('sonicboom'), {defender: 'Haunter'}));
// Repeated hits.
for (let i = 0; i < 10; ++i) cases.push(randomCase(gen.moves.get(multiHitMoves[i % 10].toLowerCase().replace(/[^a-z]/g, ''))));
// Amounts of one and none: weak moves from low levels into high Defense.
for (let i = 0; i < 8; ++i) {
  cases.push(randomCase(gen.moves.get(pick(['absorb', 'bubble', 'gust', 'leechlife'])), {
    attackerLevel: between(2, 6), attackerPreset: 'Enemy trainer', attackerStage: -6,
    defender: pick(['Cloyster', 'Onix', 'Golem', 'Chansey', 'Omastar']), defenderLevel: 100, defenderPreset: 'Maximum', defenderStage: 6,
    burned: false, screen: true,
  }));
}

// Where the library departs from the games, the games win: such combinations are left out here
// and the tests derive them by hand. The library multiplies a dual-typed defender's two factors at
// once, where the games round down after each matchup in their own order (one point off for a
// weakness met with a resistance), and it halves Explosion's Defense before the games' scaling of
// stats past 255. Where types leave no damage, the games count a miss: "no effect".
function gameDiffers(c) {
  const move = gen.moves.get(c.move.toLowerCase().replace(/[^a-z]/g, ''));
  if (move.name === 'Explosion' || move.name === 'Self-Destruct') return true;
  const factors = gen.species.get(c.defender.toLowerCase().replace(/[^a-z0-9]/g, '')).types
    .map((t) => gen.types.get(move.type.toLowerCase()).effectiveness[t]);
  return factors.includes(2) && factors.includes(0.5);
}
const written = (list) => (list.every((r) => r === 0) ? 'no effect' : list.join(' '));

const header = [
  '# Reference damage rolls for the first-generation games, written by tools/turnref/generate.js.',
  '# attacker|level|preset|defender|level|preset|move|attacker stage|defender stage|burned|screen|normal rolls|critical rolls',
  '# Stages are those of the stats the move uses; screen is Reflect or Light Screen, as the move meets.',
  '# Normal rolls "-": the library counts every use of that move as a critical hit.',
  '# Only combinations where the library agrees with the games; "no effect": the games count a miss.',
];
const lines = cases.filter((c) => !gameDiffers(c)).map((c) => [
  c.attacker, c.attackerLevel, c.attackerPreset, c.defender, c.defenderLevel, c.defenderPreset, c.move,
  c.attackerStage, c.defenderStage, c.burned ? 1 : 0, c.screen ? 1 : 0,
  written(rolls(c, false)), written(rolls(c, true)),
].join('|'));
fs.writeFileSync(process.argv[2], [...header, ...lines].join('\n') + '\n');
console.log(`${lines.length} of ${cases.length} combinations written to ${process.argv[2]}`);
