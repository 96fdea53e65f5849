#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Proves that the test suite bites: plants each fault below, one at a time, in a scratch copy of
# the tree (build-mutants/), rebuilds the tests there, runs them in one locale and reports the
# fault caught when a test fails, survived when all pass. Ends with "N caught, M survived" and
# exits 1 when a fault survived, 2 when one could not be planted or built. A developer tool: it
# takes a while and is no part of CI. Usage: bash scripts/mutants.sh [part of a fault's name]...
# (with parts given, only the faults whose name holds one of them).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
work="$root/build-mutants"
source_dir="$work/tree"
build_dir="$work/build"
only=("$@")

names=()
files=()
edits=()
# A fault: what it is, the file, and a Perl substitution (the whole file is one string) that must
# change the file.
fault() {
    names+=("$1")
    files+=("$2")
    edits+=("$3")
}

fault "damage: a normal hit divides by 125"          battle/classic/Damage.cpp 's/normalHit\{1, 128\}/normalHit{1, 125}/'
fault "damage: a critical hit doubles nothing"       battle/classic/Damage.cpp 's/criticalHit\{2, 125\}/criticalHit{1, 125}/'
fault "damage: the same-type bonus is 1.25"          battle/classic/Damage.cpp 's/sameTypeBonus = 1.5/sameTypeBonus = 1.25/'
fault "damage: poison takes 1/16"                    battle/classic/Damage.cpp 's/poisonShare = 0.063/poisonShare = 0.0625/'
fault "damage: >999 starts above 1000"               battle/classic/Damage.cpp 's/if \(figure > 999\)/if (figure > 1000)/'
fault "damage: 10 shows in one digit"                battle/classic/Damage.cpp 's/figure < 10 \?/figure <= 10 ?/'
fault "damage: a one-blank level passes"             battle/classic/Damage.cpp 's/isEmptyOrOneBlank\(in.level\)/in.level.empty()/'
fault "damage: Defense 0 goes unchecked"             battle/classic/Damage.cpp 's/if \(\*defense == 0\)/if (false)/'
fault "damage: the second attacker type no bonus"    battle/classic/Damage.cpp 's/ \|\|\s+in.attackType == in.attackerSecondType//'
fault "type chart: electric reaches ground"          battle/classic/TypeChart.cpp 's/\{"Electric", "Ground", 0\}/{"Electric", "Ground", 1}/'
fault "type chart: the second type is ignored"       battle/classic/TypeChart.cpp 's/\* typeFactor\(attacking, defendingSecond\)/* 1/'
fault "attack table: first count up to 0.25"         battle/classic/AttackTable.cpp 's/firstThreshold = 0.24f/firstThreshold = 0.25f/'
fault "attack table: two-way count at 0.24"          battle/classic/AttackTable.cpp 's/draw\(\) <= secondThreshold \? values\[0\]/draw() <= firstThreshold ? values[0]/'
fault "attack table: four-way reuses its draw"       battle/classic/AttackTable.cpp 's/(std::string drawFourWay[^{]*\{\n)/$1    const float once = draw();\n/; s/if \(draw\(\) <= /if (once <= /g'
fault "attack table: Absorb has power 21"            battle/classic/AttackTable.cpp 's/("Grass",    special,    )20(,   noNotes)/${1}21$2/'
fault "attack table: a choice drops the class"       battle/classic/AttackTable.cpp 's/choice.damageClass = row->damageClass;//'
fault "attack table: no critical figure written"     battle/classic/AttackTable.cpp 's/if \(!row->critical.empty\(\)\)/if (false)/'
fault "rolls: a fractional chance rounds down"       battle/classic/Rolls.cpp 's/roll < \*chance \+ 1/roll <= *chance/'
fault "rolls: a roll at the base critical is normal" battle/classic/Rolls.cpp 's/roll <= \*baseCritical/roll < *baseCritical/'
fault "rolls: status draws after reading the text"   battle/classic/Rolls.cpp 's/(statusVerdict[^{]*\{\n)(    const float roll = [^\n]*\n)(.*?return std::nullopt;\n)/$1$3$2/s'
fault "rolls: hit decision draws before reading"     battle/classic/Rolls.cpp 's/(hitDecision\(std::string_view accuracyText[^{]*\{\n)(.*?)(    const float roll = [^\n]*\n)/$1$3$2/s'
fault "rolls: accuracy multipliers 1 and 2 swapped"  battle/classic/Rolls.cpp 's/accuracyMultipliers\{1, 0.674, 0.533/accuracyMultipliers{1, 0.533, 0.674/'
fault "rolls: a counter of 0.5 stands"               battle/classic/Rolls.cpp 's/if \(\*counter < 1\)/if (*counter < 0)/'
fault "rolls: counters go up to 7"                   battle/classic/Rolls.cpp 's/highestCounter = 6/highestCounter = 7/'
fault "rolls: evasion reads the accuracy table"      battle/classic/Rolls.cpp 's/table == MultiplierTable::Accuracy \? accuracyMultipliers : evasionMultipliers/accuracyMultipliers/'
fault "conversions: a tab is no blank"               battle/common/Conversions.h 's/blanks = " \\t"\)/blanks = " ")/'
fault "conversions: 17 significant digits"           battle/common/Conversions.cpp 's/std::chars_format::general, 15\)/std::chars_format::general, 17)/'
fault "conversions: -0 is written as such"           battle/common/Conversions.cpp 's/if \(value == 0\)/if (false)/'
fault "letter check: a lone z passes"                battle/classic/TextCheck.cpp 's/compareTexts\(text, "z"\) <= 0/compareTexts(text, "z") < 0/'
fault "credits: the ticker stops at line 8"          battle/classic/CreditsTicker.cpp 's/\? creditLines.begin\(\) :/? line :/'
fault "species: Electrode has 36"                    battle/classic/SpeciesTable.cpp 's/\{"Electrode",  37\}/{"Electrode",  36}/'
fault "accuracy table: a chosen name reads typed"    battle/classic/AccuracyTable.cpp 's/std::optional\(row->chosen\)/std::optional(row->typed)/'
fault "accuracy table: a typed name reads chosen"    battle/classic/AccuracyTable.cpp 's/std::optional\(row->typed\)/std::optional(row->chosen)/'
fault "name lookup: a trailing blank is trimmed"     battle/common/Lookup.h 's/row.\*name == text/row.*name == (text.ends_with(" ") ? text.substr(0, text.size() - 1) : text)/'
fault "name lookup: nothing is ever found"           battle/common/Lookup.h 's/return found == rows.end\(\) \? nullptr : &\*found;/return nullptr;/'
fault "random sequence: seeded from the clock"       battle/common/RandomSequence.h 's/std::mt19937 m_engine;/std::mt19937 m_engine{std::random_device{}()};/'
fault "game stats: stage -1 is 67 %"                battle/game/GameStats.cpp 's/\{66, 100\}/{67, 100}/'
fault "Duel: the slower side moves first"         battle/game/DuelChain.cpp 's/mine > foe \? 0 : 1/mine < foe ? 0 : 1/'
fault "Duel: full paralysis never happens"         battle/game/DuelChain.h 's/fullParalysisIn256 = 63/fullParalysisIn256 = 0/'
fault "Duel: residual after the other move"        battle/game/DuelProducts.cpp 's/residualProduct\(order, acted\)/residualProduct(1 - order, acted)/; s/residualProduct\(1 - order, actedSecond\)/residualProduct(order, actedSecond)/'
fault "Duel: recoil costs nothing"                 battle/game/DuelChain.cpp 's/return std::max\(0, hp - std::max\(1, dealt \/ 4\)\);/return hp;/'
fault "Duel: Hyper Beam needs no recharge"         battle/game/DuelChain.cpp 's/hitAux = withRecharge\(hitAux, x, true\);/;/'
fault "Duel: a run of amounts loses its top"       battle/game/DuelHits.cpp 's/pieces.push_back\(\{hits\[0\].first, hits\[count - 1\].first,/pieces.push_back({hits[0].first, hits[count - 1].first - 1,/'
fault "Duel: a knock-out's recoil never faints"    battle/game/DuelHits.cpp 's/recoil\[hp\] = ample - userHpAfter/recoil[hp] = 0 * userHpAfter/'
fault "Duel: the foe's hits dealt as mine's"       battle/game/DuelHits.cpp 's/if \(x == 0\) \{\n        userRowHits/if (true) {\n        userRowHits/'
fault "Duel: a tie's other order: no recoil faints" battle/game/DuelTies.cpp 's/below\(kept \+ lossR\)/below(lossR)/'
fault "Duel: a tie's other order: no draws"     battle/game/DuelTies.cpp 's/draws \+= knocked \* fainting;/winsR += knocked * fainting;/'
fault "Duel: products of two Auxes added up"      battle/game/DuelProducts.cpp 's/std::size_t hash = product.aux;/std::size_t hash = 0;/; s/kept\[at\].aux == product.aux &&//'
fault "Duel: a shared side keeps one product's other" battle/game/DuelProducts.cpp 's/if \(same->hp\[other\] != product.hp\[other\]\)/if (false)/'
fault "Duel: a halved layer keeps its upper rows" battle/game/DuelGrid.cpp 's/std::fill\(row\(r\) \+ first\(r\), row\(r\) \+ last\(r\) \+ 1, 0.0\);\n            upper.widen/upper.widen/'
fault "game stats: HP DV bits of Attack and Defense swapped" battle/game/GameStats.cpp 's/\(dvs.attack & 1\) \* 8 \+ \(dvs.defense & 1\) \* 4/(dvs.attack & 1) * 4 + (dvs.defense & 1) * 8/'
fault "game stats: stats go past 999"                battle/game/GameStats.cpp 's/return std::min\(statCore\(base, dv, statExp, level\) \+ 5, maxStat\);/return statCore(base, dv, statExp, level) + 5;/'
fault "game stats: stat experience rounds down"      battle/game/GameStats.cpp 's/while \(root \* root < statExp/while ((root + 1) * (root + 1) <= statExp/'
fault "game stats: enemy trainers' Attack DV 8"      battle/game/GameStats.cpp 's/\{ 9,  8,  8,  8\}/{ 8,  8,  8,  8}/'
fault "game turn: the random factor starts at 216"   battle/game/GameTurn.cpp 's/lowestRoll = 217/lowestRoll = 216/'
fault "game turn: no same-type bonus"                battle/game/GameTurn.cpp 's/damage \+= damage \/ 2;/damage += 0;/'
fault "game turn: high critical moves fourfold"      battle/game/GameTurn.cpp 's/std::min\(highestAccuracy, 8 \* threshold\)/std::min(highestAccuracy, 4 * threshold)/'
fault "game turn: a sure move never misses"          battle/game/GameTurn.cpp 's/highestAccuracy = 255/highestAccuracy = 256/'
fault "game turn: burn halves special attacks too"   battle/game/GameTurn.cpp 's/if \(in.burned && !special\)/if (in.burned)/'
fault "game turn: KO odds without critical hits"     battle/game/GameTurn.cpp 's/addStrikes\(use, figures.criticalRolls/addStrikes(use, figures.normalRolls/'
fault "game turn: Psywave reaches 1.5 x level"       battle/game/GameTurn.cpp 's/amount < level \* 3 \/ 2/amount <= level * 3 \/ 2/'
fault "game turn: four strikes in three eighths"     battle/game/GameTurn.cpp 's/\{4, 1\}, \{5, 1\}/{4, 3}, {5, 1}/'
fault "type matchups: walked in reverse order"       battle/game/TypeMatchups.cpp 's/#include <array>/#include <array>\n#include <ranges>/; s/row : matchups\)/row : std::views::reverse(matchups))/'
fault "type matchups: rows 38 and 41 swapped"        battle/game/TypeMatchups.cpp 's/(    \{Fighting, Psychic,   5\},\n)(.*?)(    \{Fighting, Ice,      20\},\n)/$3$2$1/s'
fault "game turn: Explosion halves before scaling"   battle/game/GameTurn.cpp 's/(    \/\/ Explosion halves what[^\n]*\n    if \(halvesDefense\(move\)\)\n        defense \/= 2;\n)//; s/(    \/\/ The screen doubles here)/    if (halvesDefense(move))\n        defense \/= 2;\n$1/'
fault "game turn: one-hit KO ignores the stages"     battle/game/GameTurn.cpp 's/battleSpeed\(in.attacker.stats.speed, in.attackerSpeedStage, in.attackerParalyzed\)/in.attacker.stats.speed/'
fault "game turn: paralysis leaves Speed"            battle/game/GameTurn.cpp 's/\{.paralyzed = paralyzed\}/{}/'
fault "game turn: no damage counts as a hit"         battle/game/GameTurn.cpp 's/    if \(damage == 0\)\n        return \{\};\n//'
fault "game turn: chances round to certainty"        battle/game/GameTurnText.cpp 's/return "> 99.9 %";/return text;/'
fault "game turn: chances without their fraction"    battle/game/GameTurnText.cpp 's/if \(in256 <= 0 \|\| in256 >= byteOutcomes\)/if (true)/'
fault "game stats: Reflect stops at 999"             battle/game/GameStats.cpp 's/figures.defense \*= 2;/figures.defense = withinStatRange(figures.defense * 2);/'
fault "team text: unlisted EVs keep their maximum"   battle/sheet/TeamText.cpp 's/game::StatExp statExp\{\};/game::StatExp statExp = entry.statExp;/'
fault "team text: the item after the first @"        battle/sheet/TeamText.cpp 's/line.rfind\(" @ "\)/line.find(" @ ")/'
fault "team text: the species in the first brackets" battle/sheet/TeamText.cpp 's/line.rfind\(" \("\)/line.find(" (")/'
fault "team text: a byte-order mark stays"           battle/sheet/TeamText.cpp 's/if \(text.starts_with\(byteOrderMark\)\)/if (false)/'
fault "team text: a nickname's @ exported bare"     battle/sheet/TeamText.cpp 's/" @ No Item\\n"/"\\n"/'
fault "team text: export writes no level"            battle/sheet/TeamText.cpp 's/level != game::maxLevel\)/false)/'
fault "battle turn: only the attack list's moves"    windows/turn/TurnWindow.cpp 's/moves << form::fromStd\(game::programNameOf\(move\).empty\(\) \? move.name\s+: game::programNameOf\(move\)\);/if (!game::programNameOf(move).empty())\n            moves << form::fromStd(game::programNameOf(move));/'
fault "battle turn: the defender's paralysis unread" windows/turn/TurnWindow.cpp 's/        .defenderParalyzed = m_defenderParalyzed->isChecked\(\),\n//'
fault "main window: second attacker type misread"    windows/damage/DamageWindow.cpp 's/textOf\(m_attackerType2\)/textOf(m_attackerType1)/'
fault "main window: second defender type misread"    windows/damage/DamageWindow.cpp 's/textOf\(m_defenderType2\)/textOf(m_defenderType1)/'
fault "main window: tab order poke22 before poke2"   windows/damage/DamageLayout.cpp 's/"poke2",       "poke22",/"poke22",      "poke2",/'
fault "main window: the poison figure not written"   windows/damage/DamageWindow.cpp 's/\s*\{m_poisonDamage, &outcome.poison\},//'
fault "main window: a choice writes no attack type"  windows/damage/DamageWindow.cpp 's/m_attackType->setEditText\(form::fromStd\(\*choice.type\)\);/;/'
fault "main window: a refused text stays"            windows/damage/DamageWindow.cpp 's/field->clear\(\);/;/'
fault "main window: Work stays disabled"             windows/damage/DamageWindow.cpp 's/m_work->setEnabled\(true\)/m_work->setEnabled(false)/'
fault "main window: Copy Critical copies Normal"     windows/damage/DamageWindow.cpp 's/copyToClipboard\(m_criticalDamage->text\(\)\)/copyToClipboard(m_normalDamage->text())/'
fault "main window: the notes are not emptied"      windows/damage/DamageWindow.cpp 's/    m_notes->setPlainText\(form::fromStd\(choice.notes\)\);/    if (!choice.notes.empty())\n        m_notes->setPlainText(form::fromStd(choice.notes));/'
fault "main window: a choice forgets its class"      windows/damage/DamageWindow.cpp 's/m_chosenClass = choice.damageClass;/m_chosenClass = battle::DamageClass::None;/'
fault "main window: every classed attack special"    windows/damage/DamageWindow.cpp 's/m_chosenClass == battle::DamageClass::Special/m_chosenClass != battle::DamageClass::None/'
fault "main window: the message after the figures"   windows/damage/DamageWindow.cpp 's/(    if \(!outcome.message.empty\(\)\)\n[^\n]*\n)    if \(!outcome.hasFigures\)\n        return;\n(.*?form::writeLimited[^\n]*\n)/    if (!outcome.hasFigures) {\n$1        return;\n    }\n$2$1/s'
fault "status changer: Info in the plain style"      windows/damage/StatusChanger.cpp 's/MessageStyle::Information/MessageStyle::Plain/'
fault "accuracy finder: + steps the count down"      windows/accuracy/AccuracyWindow.cpp 's/(\{"plusaccur",[^}]*)\+1\}/$1-1}/'
fault "accuracy finder: evasion by accuracy table"   windows/accuracy/AccuracyWindow.cpp 's/(\{"plusevade",[^}]*)MultiplierTable::Evasion/$1MultiplierTable::Accuracy/'
fault "accuracy finder: no target on a hit"          windows/accuracy/AccuracyWindow.cpp 's/m_target->setVisible\(decision->hit\)/m_target->setVisible(false)/'
fault "accuracy finder: tab order minus before plus" windows/accuracy/AccuracyWindow.cpp 's/"plusaccur", "minusaccur",/"minusaccur", "plusaccur",/'
fault "accuracy finder: typing reads chosen column"  windows/accuracy/AccuracyWindow.cpp 's/battle::baseAccuracyAsTyped\(/battle::baseAccuracyAsChosen(/'
fault "critical finder: typing looks nothing up"     windows/critical/CriticalWindow.cpp 's/    connect\(m_species->lineEdit\(\), &QLineEdit::textEdited, this,[^;]*;\n//'
fault "critical finder: tab order Command1 first"    windows/critical/CriticalWindow.cpp 's/"poke", "bc", "Command1"/"poke", "Command1", "bc"/'
fault "trainer sheet: nickname renames showing tab"  windows/trainer/TrainerSheet.cpp 's/setCaption\(page - 1, text\)/setCaption(m_tabs->currentPage(), text)/'
fault "trainer sheet: caption without the dash"      windows/trainer/TrainerSheet.cpp 's/QStringLiteral\(" - "\) \+ name/QStringLiteral(" ") + name/'
fault "Pokédex: Use as attacker ignores Special"     windows/dex/DexWindow.cpp 's/inBattle.attack, inBattle.special,/inBattle.attack, inBattle.attack,/'
fault "Pokédex: an unknown species can still be used" windows/dex/DexWindow.cpp 's/m_useAttacker->setEnabled\(found\);/m_useAttacker->setEnabled(true);/'
fault "Pokédex: own values stay the preset's"        windows/dex/DexWindow.cpp 's/m_preset->setCurrentIndex\(m_preset->findText\(custom\)\);/recompute();/'
fault "side fields: the HP never follows"            windows/common/GameFields.cpp 's/if \(!m_hp \|\| !m_hpFollowsMaximum\)/if (true)/'
fault "Battle Turn: Info in the plain style"         windows/turn/TurnWindow.cpp 's/MessageStyle::Information/MessageStyle::Plain/'
fault "Battle Turn: the screen is not read"          windows/turn/TurnWindow.cpp 's/\.screen = m_screen->isChecked\(\),/.screen = false,/'
fault "splash: a late tick hands over again"         windows/splash/SplashWindow.cpp 's/    if \(m_handedOver\)\n        return;\n//'
fault "form: leaving typed text chooses an item"   windows/common/Form.cpp 's/\s*QObject::disconnect\(combo->lineEdit\(\), &QLineEdit::editingFinished, combo, nullptr\);//'
fault "form: a list starts with its first item"      windows/common/Form.cpp 's/    list->setCurrentIndex\(-1\);\n//'
fault "form: fixed words cut to the last width"      windows/common/Form.cpp 's/if \(text.size\(\) > field->maxLength\(\)\)/if (false)/'
fault "runtime: an open window loads again"          runtime/Runtime.cpp 's/QWidget\* window = openWindow\(id\);/QWidget* window = nullptr;/'
fault "runtime: a closed window still counts open"   runtime/Runtime.cpp 's/window && window->isVisible\(\) \? window : nullptr/window/'
fault "runtime: unloading leaves the window up"      runtime/Runtime.cpp 's/(m_windows.take\(id\)\)\n        )window->close\(\);/${1}(void)window;/'
fault "runtime: the end keeps the windows"           runtime/Runtime.cpp 's/            window->deleteLater\(\);\n//'
fault "runtime: a save writes over the file in place"  runtime/Runtime.cpp 's/QSaveFile file\(path\);/QFile file(path);/; s/!file.commit\(\)/!file.flush()/; s/\s*file.cancelWriting\(\);//'
fault "runtime: a failed last flush goes unnoticed"  runtime/Runtime.cpp 's/QIODevice::WriteOnly \| QIODevice::Unbuffered/QIODevice::WriteOnly/; s/ \|\| !file.flush\(\)//'
fault "runtime: a pipe is read as a file"           runtime/Runtime.cpp 's/if \(!S_ISREG\(status.st_mode\)\)/if (false)/'
fault "runtime: two copies both keep sheets"         runtime/Runtime.cpp 's/return m_folderLock->isLocked\(\);/return true;/'
fault "sheet keeper: a start writes over the last"   windows/trainer/SheetKeeper.cpp 's/m_runtime.mark\(QStringLiteral\("kept "\) \+ path\) && QFileInfo/false \&\& QFileInfo/'
fault "sheet keeper: a paste shows two boxes"        windows/trainer/SheetKeeper.cpp 's/(were taken."\);)/$1\n    m_runtime.showMessage(\&m_sheet, said.join(QString()));/'
fault "bounded list: every line is listed"           battle/common/BoundedList.cpp 's/index < lines.size\(\) && index < listedLines/index < lines.size()/'
fault "bounded list: lines are not cut"              battle/common/BoundedList.cpp 's/if \(characters\+\+ == width\)/if (false)/'

fault "game stats: stage +1 gives 14/10"              battle/game/GameStats.cpp 's/\{15, 10\}, \{2, 1\}/{14, 10}, {2, 1}/'
fault "game turn: Slash crits as often as others"    battle/game/GameTurn.cpp 's/std::min\(highestAccuracy, 8 \* threshold\)/threshold/'
fault "game turn: OHKO ignores Speed"                battle/game/GameTurn.cpp 's/battleSpeed\(in.defender.stats.speed, in.defenderSpeedStage, in.defenderParalyzed\)\)/0)/'
fault "sheet file: twin keys pass"                  battle/sheet/SheetFile.cpp 's/(event == Event::key) &&/$1 \&\& false \&\&/'
fault "sheet file: an over-long field is taken"      battle/sheet/SheetFile.cpp 's/oneLine && fieldLength\(text\) > fieldLengthLimit/false/'
fault "team text: a nickname of any length"          battle/sheet/TeamText.cpp 's/if \(fieldLength\(entry.nickname\) > fieldLengthLimit\)/if (false)/'
fault "sheet file: a newer version is read"          battle/sheet/SheetFile.cpp 's/if \(\*version > sheetFormatVersion\)/if (*version > sheetFormatVersion + 1)/'
fault "team text: IVs are taken as DVs"              battle/sheet/TeamText.cpp 's/std::min\(iv, 31\) \/ 2/std::min(iv, 15)/'
fault "metronome: Struggle can be called"            battle/game/Metronome.cpp 's/ && move.name != "Struggle"//'
fault "sheet updates: HP goes below 0"               battle/sheet/SheetUpdates.cpp 's/std::max\(0.0, \*current - damage\)/*current - damage/'
fault "field list: the level is the notes' key"      battle/sheet/SheetFields.h 's/\{"level",          "Level",/{"notes",          "Level",/'
fault "field list: attack 1 PP in its maximum's field" battle/sheet/SheetFields.h 's/\{"Text14", "Text17", "Text20", "Text23"\}/{"Text15", "Text17", "Text20", "Text23"}/'
fault "field list: no placeholder on a blank page"   battle/sheet/SheetFields.cpp 's/page.attacks\[slot\].name = attackPlaceholder\(slot\);//'
fault "sheet updates: a faint at any HP"             battle/sheet/SheetUpdates.cpp 's/return current && \*current == 0;/return current.has_value();/'
fault "sheet file: DVs up to 16"                     battle/sheet/SheetFile.cpp 's/game::maxDv\}/game::maxDv + 1}/g'
fault "team text: the Level field is not exported"   battle/sheet/TeamText.cpp 's/const std::optional<int> typedLevel = wholeNumber\(trim\(page.level\)\);/const std::optional<int> typedLevel;/'
fault "feed: no save-file import for trainer 2"      windows/feed/BattleFeed.cpp 's/trainer <= 2; \+\+trainer\) \{\n        auto\* action/trainer < 2; ++trainer) {\n        auto* action/'
fault "feed: an import opens Trainer 1's sheet"      windows/feed/BattleFeed.cpp 's/(showWindowAs<TrainerSheet>\()trainerSheetId\(trainer\)(\)\)\n\s+sheet->keeper\(\).importSaveFile)/${1}trainerSheetId(1)$2/'
fault "sheet keeper: the oddities go unsaid"         windows/trainer/SheetKeeper.cpp 's/if \(!read.party->notes.empty\(\)\) \{/if (false) {/'
fault "feed: a known page goes on by species alone"  windows/feed/BattleFeed.cpp 's/handed.training = page.training;/;/'
fault "feed: the Duel ignores a page's DVs"          windows/feed/BattleFeed.cpp 's/handOn\(side, record, LevelAlone::Taken\);/side.hand(turnSpecies(record), pageLevel(record), std::nullopt);/'
fault "feed: the Duel takes no level without DVs"    windows/feed/BattleFeed.cpp 's/LevelAlone::Taken\)/LevelAlone::Kept)/'
fault "side fields: Custom takes the preset"         windows/common/GameFields.cpp 's/\? m_custom\n/? game::presetTraining(game::Preset::Maximum)\n/'
fault "side fields: a species alone keeps Custom"    windows/common/GameFields.cpp 's/    m_custom.reset\(\);\n/    return;\n/'
fault "trainer sheet: DVs kept after a new species"  windows/trainer/TrainerSheetRecord.cpp 's/known && known->species == record.species/known/'
fault "save file: the checksum is not inverted"     battle/save/SaveFile.cpp 's/return ~sum & 0xFF;/return sum & 0xFF;/'
fault "save file: index 0x2A is Starmie"           battle/save/SaveIndexes.cpp 's/\{0x2A, 122\}/{0x2A, 121}/'
fault "save file: PP Ups from bits 5 and 6"        battle/save/SaveFile.cpp 's/ppUpShift = 6/ppUpShift = 5/'
fault "save file: 0xF5 reads as the male sign"    battle/save/SaveCharacters.cpp 's/",",   "♀"/",",   "♂"/'
fault "save file: the Japanese checksum misplaced" battle/save/SaveFile.cpp 's/japaneseChecksumAt = 0x3594/japaneseChecksumAt = 0x3593/'
fault "window ids: the accuracy finder answers to CH" runtime/WindowId.cpp 's/\{WindowId::Accuracy, "Acc"\}/{WindowId::Accuracy, "CH"}/'
fault "feed: the splash hands over to nothing"       windows/feed/BattleFeed.cpp 's/        m_runtime.showWindow\(WindowId::Main\);\n//'
fault "feed: Battle Turn's entry opens the Pokédex"  windows/feed/BattleFeed.cpp 's/battleTurnRequested, this, opens\(WindowId::Turn\)/battleTurnRequested, this, opens(WindowId::Dex)/'
fault "feed: a defender page is not remembered"      windows/feed/BattleFeed.cpp 's/    m_defender->remember\(sheet, page\);\n//'
fault "defender link: a closed sheet is written"     windows/feed/DefenderLink.cpp 's/if \(!m_sheet \|\| !m_sheet->isVisible\(\)\)/if (!m_sheet)/'
fault "main window: a sheet attacker ignores Special" windows/damage/DamageWindow.cpp 's/chosenAttackIsSpecial\(\) \? page.specialAttack : page.attack/page.attack/'

# A fresh copy of the tree as it stands, tracked and new files alike. The copy keeps the time
# stamps, so only what changed since the last run builds again; a file the last run restored
# after its last build may still have a fault in its object, so it builds again too.
rm -rf "$source_dir"
mkdir -p "$source_dir"
(cd "$root" && git ls-files -z --cached --others --exclude-standard) |
    tar -C "$root" --null -T - -cf - | tar -C "$source_dir" -xf -
if [[ -f "$work/restored" ]]; then
    while read -r restored; do
        touch "$source_dir/$restored"
    done <"$work/restored"
fi
cmake -S "$source_dir" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Debug >/dev/null
mapfile -t tests < <(ctest --test-dir "$build_dir" -N | sed -n 's/^ *Test *#[0-9]*: \(tst_.*\)$/\1/p')

build_and_test() {
    cmake --build "$build_dir" --target "${tests[@]}" >"$work/build.log" 2>&1 || return 2
    LC_ALL=C.UTF-8 ctest --test-dir "$build_dir" -j"$(nproc)" --stop-on-failure --timeout 120 \
        >"$work/test.log" 2>&1 || return 1
}

echo "Building and testing the tree as it stands"
status=0
build_and_test || status=$?
if ((status != 0)); then
    echo "mutants: the suite does not pass on the tree as it stands; see $work/*.log" >&2
    exit 2
fi
: >"$work/restored"

caught=0
survived=0
broken=0
for index in "${!names[@]}"; do
    name="${names[$index]}"
    file="$source_dir/${files[$index]}"
    if ((${#only[@]} > 0)); then
        wanted=0
        for part in "${only[@]}"; do
            [[ "$name" == *"$part"* ]] && wanted=1
        done
        ((wanted)) || continue
    fi
    perl -0pi -e "${edits[$index]}" "$file"
    status=0
    if cmp -s "$file" "$root/${files[$index]}"; then
        status=3
    else
        build_and_test || status=$?
    fi
    # A fresh copy (and so a new time stamp) makes the next build compile the file again.
    cp "$root/${files[$index]}" "$file"
    echo "${files[$index]}" >>"$work/restored"
    case $status in
    1) echo "caught    $name"; caught=$((caught + 1)) ;;
    0) echo "SURVIVED  $name"; survived=$((survived + 1)) ;;
    2) echo "BROKEN    $name (does not build; see $work/build.log)"; broken=$((broken + 1)) ;;
    3) echo "BROKEN    $name (the substitution changed nothing)"; broken=$((broken + 1)) ;;
    esac
done
echo "$caught caught, $survived survived"
((broken == 0)) || exit 2
((survived == 0))
