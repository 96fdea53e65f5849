// SPDX-License-Identifier: MIT
// Writes the expected parses for the team-text tests: each case below as the format's own reader
// (the pinned @pkmn/sets) understands it — species, nickname, level, EVs, IVs and moves.
// Usage: node generate.js OUTPUT-FILE
'use strict';

const fs = require('fs');
const {Sets} = require('@pkmn/sets');

// One Pokémon each, written as players paste them; "\n" separates lines.
const cases = [
  'Pikachu\nEVs: 252 Spe\n- Thunderbolt',
  'Bob@Home (Pikachu) @ Light Ball\n- Thunderbolt',
  'Zap @ Home (Zapdos) @ Magnet\nLevel: 55\n- Drill Peck',
  '\uFEFFPikachu\nLevel: 50\n- Surf',
  'Sparky (Jolteon) (M)\nIVs: 30 Atk / 2 Spe\n- Thunderbolt\n- Double Kick',
  'Foo (Bar) (Raichu)\n- Thunder',
  'Mr. Mime @ Leftovers\nEVs: 84 HP / 84 SpA\n- Psychic',
  'Nidoran-F (F)\nLevel: 5\nEVs: 4 HP / 252 Atk / 8 Def\nIVs: 0 Spe\n- Double Kick',
  'Tauros\nEVs: 100 HP\nEVs: 200 Atk\n- Body Slam',
  'Snorlax (Snorlax) @ Leftovers\nLevel: 1\n- Body Slam\n- Rest',
  'Chansey\nLevel: 77\nIVs: 1 HP / 3 Def / 31 SpA\nEVs: 0 HP / 255 Def\n- Soft-Boiled',
];

const stats = ['hp', 'atk', 'def', 'spa', 'spe'];
const escape = (text) => text.replace(/\\/g, '\\\\').replace(/\n/g, '\\n').replace(/\uFEFF/g, '\\ufeff');
const spread = (values) => (values ? stats.map((s) => values[s]).join(' ') : '-');

const header = [
  '# Team texts and how @pkmn/sets reads them, written by tools/teamref/generate.js.',
  '# text (\\n between lines, \\ufeff a byte-order mark)\tspecies\tnickname\tlevel\tEVs\tIVs\tmoves',
  '# EVs and IVs: HP Atk Def SpA Spe, "-" where the text has no such line; moves apart by ";".',
];
const lines = cases.map((text) => {
  const set = Sets.importSet(text);
  return [escape(text), set.species, set.name, set.level ?? 100, spread(set.evs), spread(set.ivs),
    set.moves.join(';')].join('\t');
});
fs.writeFileSync(process.argv[2], [...header, ...lines].join('\n') + '\n');
console.log(`${lines.length} cases written to ${process.argv[2]}`);
