// SPDX-License-Identifier: MIT
#include "battle/game/DuelMoves.h"

#include <algorithm>
#include <array>

namespace battle::game {
namespace {

struct Row {
    std::string_view move;
    DuelMove duel;
};

using enum DuelEffect;
constexpr std::string_view flinch = "its chance to make the target flinch is not counted";
constexpr std::string_view confuse = "its chance to confuse the target is not counted";
constexpr std::string_view lowers = "its chance to lower a stat of the target is not counted";
constexpr std::string_view traps = "the turns it keeps the target from moving are not counted";
constexpr std::string_view charges =
    "it is counted as striking every turn, without its charging turn";
constexpr std::string_view hides =
    "it is counted as striking every turn, without the turn out of reach";
constexpr std::string_view rampage =
    "the turns it locks the user in and the confusion after them are not counted";
constexpr std::string_view crash = "the 1 HP it costs the user when it misses is not counted";
constexpr std::string_view sleeps = "sleep is not counted, so it does nothing in the duel";
constexpr std::string_view heals = "healing is not counted, so it does nothing in the duel";
constexpr std::string_view copies =
    "the move it calls or copies is not counted, so it does nothing in the duel";
constexpr std::string_view returns =
    "the damage it returns is not counted, so it does nothing in the duel";

// clang-format off
constexpr auto rows = std::to_array<Row>({
    {"Thunder Punch",  {Paralyze,       26, {}}},
    {"Thunder Shock",  {Paralyze,       26, {}}},
    {"Thunderbolt",    {Paralyze,       26, {}}},
    {"Thunder",        {Paralyze,       26, {}}},
    {"Body Slam",      {Paralyze,       77, {}}},
    {"Lick",           {Paralyze,       77, {}}},
    {"Fire Punch",     {Burn,           26, {}}},
    {"Ember",          {Burn,           26, {}}},
    {"Flamethrower",   {Burn,           26, {}}},
    {"Fire Blast",     {Burn,           77, {}}},
    {"Ice Punch",      {Freeze,         26, {}}},
    {"Ice Beam",       {Freeze,         26, {}}},
    {"Blizzard",       {Freeze,         26, {}}},
    {"Poison Sting",   {Poison,         52, {}}},
    {"Twineedle",      {Poison,         52, {}}},
    {"Smog",           {Poison,        103, {}}},
    {"Sludge",         {Poison,        103, {}}},
    {"Take Down",      {QuarterRecoil,   0, {}}},
    {"Double-Edge",    {QuarterRecoil,   0, {}}},
    {"Submission",     {QuarterRecoil,   0, {}}},
    {"Struggle",       {HalfRecoil,      0, {}}},
    {"Absorb",         {Drain,           0, {}}},
    {"Mega Drain",     {Drain,           0, {}}},
    {"Leech Life",     {Drain,           0, {}}},
    {"Dream Eater",    {Fails,           0, "it works only on a sleeping target, so never in the duel"}},
    {"Explosion",      {Explode,         0, {}}},
    {"Self-Destruct",  {Explode,         0, {}}},
    {"Hyper Beam",     {Recharge,        0, {}}},
    {"Bite",           {None,            0, flinch}},
    {"Stomp",          {None,            0, flinch}},
    {"Headbutt",       {None,            0, flinch}},
    {"Rolling Kick",   {None,            0, flinch}},
    {"Low Kick",       {None,            0, flinch}},
    {"Hyper Fang",     {None,            0, flinch}},
    {"Bone Club",      {None,            0, flinch}},
    {"Psybeam",        {None,            0, confuse}},
    {"Confusion",      {None,            0, confuse}},
    {"Acid",           {None,            0, lowers}},
    {"Aurora Beam",    {None,            0, lowers}},
    {"Bubble",         {None,            0, lowers}},
    {"Bubble Beam",    {None,            0, lowers}},
    {"Constrict",      {None,            0, lowers}},
    {"Psychic",        {None,            0, lowers}},
    {"Wrap",           {None,            0, traps}},
    {"Bind",           {None,            0, traps}},
    {"Fire Spin",      {None,            0, traps}},
    {"Clamp",          {None,            0, traps}},
    {"Razor Wind",     {None,            0, charges}},
    {"Solar Beam",     {None,            0, charges}},
    {"Skull Bash",     {None,            0, charges}},
    {"Sky Attack",     {None,            0, charges}},
    {"Fly",            {None,            0, hides}},
    {"Dig",            {None,            0, hides}},
    {"Thrash",         {None,            0, rampage}},
    {"Petal Dance",    {None,            0, rampage}},
    {"Rage",           {None,            0, "the Attack it gains when hit is not counted"}},
    {"Jump Kick",      {None,            0, crash}},
    {"High Jump Kick", {None,            0, crash}},
    {"Sing",           {None,            0, sleeps}},
    {"Sleep Powder",   {None,            0, sleeps}},
    {"Hypnosis",       {None,            0, sleeps}},
    {"Lovely Kiss",    {None,            0, sleeps}},
    {"Spore",          {None,            0, sleeps}},
    {"Rest",           {None,            0, heals}},
    {"Recover",        {None,            0, heals}},
    {"Soft-Boiled",    {None,            0, heals}},
    {"Leech Seed",     {None,            0, "its drain is not counted, so it does nothing in the duel"}},
    {"Substitute",     {None,            0, "the substitute is not counted, so it does nothing in the duel"}},
    {"Counter",        {None,            0, returns}},
    {"Bide",           {None,            0, returns}},
    {"Mirror Move",    {None,            0, copies}},
    {"Metronome",      {None,            0, copies}},
    {"Mimic",          {None,            0, copies}},
    {"Transform",      {None,            0, copies}},
    {"Disable",        {None,            0, "disabling is not counted, so it does nothing in the duel"}},
    {"Whirlwind",      {None,            0, "switching is not counted, so it does nothing in the duel"}},
    {"Roar",           {None,            0, "switching is not counted, so it does nothing in the duel"}},
    {"Teleport",       {None,            0, "switching is not counted, so it does nothing in the duel"}},
});
// clang-format on

} // namespace

DuelMove duelMove(const Move& move)
{
    const auto found = std::find_if(rows.begin(), rows.end(),
                                    [&](const Row& row) { return row.move == move.name; });
    return found == rows.end() ? DuelMove{} : found->duel;
}

} // namespace battle::game
