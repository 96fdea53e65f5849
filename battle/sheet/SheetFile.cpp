// SPDX-License-Identifier: MIT
#include "battle/sheet/SheetFile.h"

#include "battle/common/BoundedList.h"
#include "battle/sheet/SheetFields.h"

#include <nlohmann/json.hpp>

#include <cmath>
#include <set>
#include <vector>

namespace battle {
namespace {

using Json = nlohmann::ordered_json;
using game::Training;

// The DVs and stat experience of a page: each number under its group and key, 0 … limit.
// clang-format off
struct TrainingRow {
    const char* group;
    const char* key;
    int* (*field)(Training&);
    int limit;
};

constexpr TrainingRow trainingRows[] = {
    {"dvs",     "attack",  [](Training& t) { return &t.dvs.attack; },      game::maxDv},
    {"dvs",     "defense", [](Training& t) { return &t.dvs.defense; },     game::maxDv},
    {"dvs",     "speed",   [](Training& t) { return &t.dvs.speed; },       game::maxDv},
    {"dvs",     "special", [](Training& t) { return &t.dvs.special; },     game::maxDv},
    {"statExp", "hp",      [](Training& t) { return &t.statExp.hp; },      game::maxStatExp},
    {"statExp", "attack",  [](Training& t) { return &t.statExp.attack; },  game::maxStatExp},
    {"statExp", "defense", [](Training& t) { return &t.statExp.defense; }, game::maxStatExp},
    {"statExp", "speed",   [](Training& t) { return &t.statExp.speed; },   game::maxStatExp},
    {"statExp", "special", [](Training& t) { return &t.statExp.special; }, game::maxStatExp},
};
// clang-format on

// Deeper than any sheet; bounds what a hostile file can make the reader hold.
constexpr int nestingLimit = 16;

// A refusal found while the document is read, before it is built.
struct Refusal {
    std::string problem;
};

// The library's message without its position prefix and without the bytes it last read, which
// may be anything from the file.
std::string syntaxProblem(const nlohmann::json::parse_error& error)
{
    std::string what = error.what();
    if (const std::size_t at = what.find("line "); at != std::string::npos)
        what.erase(0, at);
    if (const std::size_t read = what.find("; last read"); read != std::string::npos)
        what.erase(read);
    return what;
}

// The document, refusing twin keys in one object and nesting beyond the limit.
Json parseDocument(std::string_view bytes)
{
    std::vector<std::set<std::string>> openObjects;
    const auto check = [&openObjects](int depth, Json::parse_event_t event, Json& parsed) {
        using Event = Json::parse_event_t;
        if ((event == Event::object_start || event == Event::array_start) && depth >= nestingLimit)
            throw Refusal{"The file is nested too deeply."};
        if (event == Event::object_start) {
            openObjects.emplace_back();
        } else if (event == Event::object_end) {
            openObjects.pop_back();
        } else if (event == Event::key &&
                   !openObjects.back().insert(parsed.get<std::string>()).second) {
            throw Refusal{"The file names \"" + boundedList({parsed.get<std::string>()}) +
                          "\" twice in one object."};
        }
        return true;
    };
    return Json::parse(bytes.begin(), bytes.end(), check);
}

std::optional<int> wholeNumber(const Json& object, const char* key)
{
    const auto value = object.find(key);
    if (value == object.end() || !value->is_number())
        return std::nullopt;
    const double number = value->get<double>();
    if (number != std::floor(number) || std::abs(number) > 1e9)
        return std::nullopt;
    return static_cast<int>(number);
}

void writeTraining(Json& page, std::optional<Training> training)
{
    if (!training)
        return;
    for (const TrainingRow& row : trainingRows)
        page[row.group][row.key] = *row.field(*training);
}

// Both groups or neither, every number whole and within its range; the problem, if any.
std::string readTraining(const Json& page, const std::string& where,
                         std::optional<Training>& training)
{
    if (!page.contains("dvs") && !page.contains("statExp"))
        return {};
    Training read;
    for (const TrainingRow& row : trainingRows) {
        const auto group = page.find(row.group);
        const std::optional<int> number =
            group != page.end() && group->is_object() ? wholeNumber(*group, row.key) : std::nullopt;
        if (!number || *number < 0 || *number > row.limit) {
            return "\"" + where + row.group + "." + row.key +
                   "\" should be a whole number from 0 to " + std::to_string(row.limit) + ".";
        }
        *row.field(read) = *number;
    }
    training = read;
    return {};
}

// The document's refusal when it cannot be parsed; empty when `document` holds it.
std::string parseProblem(std::string_view bytes, Json& document)
{
    try {
        document = parseDocument(bytes);
    } catch (const Refusal& refusal) {
        return refusal.problem;
    } catch (const nlohmann::json::parse_error& error) {
        return "The file is not well-formed JSON (" + syntaxProblem(error) + ").";
    } catch (const nlohmann::json::exception& error) {
        return "The file is not well-formed JSON (" + std::string(error.what()) + ").";
    }
    return {};
}

// A sheet of this format in a version this program reads; the refusal, if not.
std::string formatProblem(const Json& document)
{
    const auto format = document.find("format");
    if (format == document.end() || !format->is_string() ||
        format->get_ref<const std::string&>() != sheetFormatName)
        return "The file is not a Battle Tesh trainer sheet.";
    const std::optional<int> version = wholeNumber(document, "version");
    if (!version || *version < 1)
        return "The file has no valid version number.";
    if (*version > sheetFormatVersion) {
        return "The file was written by a newer version of Battle Tesh (format " +
               std::to_string(*version) + ").";
    }
    return {};
}

// Reads the record's members: an absent one leaves the field as it is, one of another kind is a
// problem. Each step stops at the first problem and returns false.
class Reader {
public:
    bool readSheet(const Json& document, SheetRecord& sheet)
    {
        if (!text(document, "trainerName", sheet.trainerName, ""))
            return false;
        if (document.contains("activePage")) {
            const std::optional<int> page = wholeNumber(document, "activePage");
            if (!page || *page < 0 || *page > SheetRecord::pageCount)
                return refuse("\"activePage\" should be a whole number from 0 to 6.");
            sheet.activePage = *page;
        }
        const auto pages = document.find("pages");
        if (pages == document.end() || !pages->is_array() || pages->size() != sheet.pages.size())
            return refuse("\"pages\" should be a list of six pages.");
        for (std::size_t index = 0; index < sheet.pages.size(); ++index) {
            if (!readPage((*pages)[index], "pages[" + std::to_string(index + 1) + "]",
                          sheet.pages[index]))
                return false;
        }
        return true;
    }

    std::string problem;

private:
    bool readPage(const Json& page, const std::string& name, PageRecord& record)
    {
        if (!page.is_object())
            return refuse("\"" + name + "\" should be an object.");
        const std::string where = name + ".";
        for (const PageTextField& field : pageTextFields) {
            if (!text(page, field.key, record.*field.text, where, field.oneLine))
                return false;
        }
        for (const PageFlagField& field : pageFlagFields) {
            if (!flag(page, field.key, record.*field.flag, where))
                return false;
        }
        if (std::string trainingProblem = readTraining(page, where, record.training);
            !trainingProblem.empty())
            return refuse(std::move(trainingProblem));
        const auto attacks = page.find("attacks");
        if (attacks == page.end())
            return true;
        if (!attacks->is_array() || attacks->size() != record.attacks.size())
            return refuse("\"" + where + "attacks\" should be a list of four attacks.");
        for (std::size_t slot = 0; slot < record.attacks.size(); ++slot) {
            if (!readAttack((*attacks)[slot], where + "attacks[" + std::to_string(slot + 1) + "]",
                            record.attacks[slot]))
                return false;
        }
        return true;
    }

    bool readAttack(const Json& attack, const std::string& name, AttackRecord& record)
    {
        if (!attack.is_object())
            return refuse("\"" + name + "\" should be an object.");
        for (const AttackTextField& field : attackTextFields) {
            if (!text(attack, field.key, record.*field.text, name + "."))
                return false;
        }
        return true;
    }

    bool text(const Json& object, const char* key, std::string& field, std::string where,
              bool oneLine = true)
    {
        const auto value = object.find(key);
        if (value == object.end())
            return true;
        if (!value->is_string())
            return wrongKind(std::move(where) + key, "a text");
        const std::string& text = value->get_ref<const std::string&>();
        if (oneLine && fieldLength(text) > fieldLengthLimit) {
            return refuse("\"" + std::move(where) + key + "\" is longer than " +
                          std::to_string(fieldLengthLimit) + " characters.");
        }
        field = text;
        return true;
    }

    bool flag(const Json& object, const char* key, bool& field, std::string where)
    {
        const auto value = object.find(key);
        if (value == object.end())
            return true;
        if (!value->is_boolean())
            return wrongKind(std::move(where) + key, "true or false");
        field = value->get<bool>();
        return true;
    }

    bool wrongKind(const std::string& what, const char* kind)
    {
        return refuse("\"" + what + "\" should be " + kind + ".");
    }

    bool refuse(std::string why)
    {
        problem = std::move(why);
        return false;
    }
};

} // namespace

std::string writeSheetFile(const SheetRecord& sheet)
{
    Json file = {{"format", std::string(sheetFormatName)},
                 {"version", sheetFormatVersion},
                 {"trainerName", sheet.trainerName},
                 {"activePage", sheet.activePage},
                 {"pages", Json::array()}};
    for (const PageRecord& page : sheet.pages) {
        Json& out = file["pages"].emplace_back(Json::object());
        for (const PageTextField& text : pageTextFields)
            out[text.key] = page.*text.text;
        for (const PageFlagField& flag : pageFlagFields)
            out[flag.key] = page.*flag.flag;
        writeTraining(out, page.training);
        Json& attacks = out["attacks"] = Json::array();
        for (const AttackRecord& attack : page.attacks) {
            Json& slot = attacks.emplace_back(Json::object());
            for (const AttackTextField& text : attackTextFields)
                slot[text.key] = attack.*text.text;
        }
    }
    // Replacing bad UTF-8 (which the sheet's own texts never hold) keeps the writer from failing.
    return file.dump(2, ' ', false, Json::error_handler_t::replace) + '\n';
}

SheetFileResult readSheetFile(std::string_view bytes)
{
    if (bytes.size() > sheetFileLimit)
        return {std::nullopt, "The file is larger than 1 MiB."};
    Json document;
    if (std::string problem = parseProblem(bytes, document); !problem.empty())
        return {std::nullopt, std::move(problem)};
    if (std::string problem = formatProblem(document); !problem.empty())
        return {std::nullopt, std::move(problem)};
    SheetRecord sheet;
    Reader reader;
    if (!reader.readSheet(document, sheet))
        return {std::nullopt, std::move(reader.problem)};
    return {std::move(sheet), {}};
}

} // namespace battle
