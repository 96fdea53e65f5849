// SPDX-License-Identifier: MIT
#include "battle/sheet/SheetFile.h"

#include "battle/sheet/Json.h"

#include <cmath>

namespace battle {
namespace {

// Each text field of a page under its name in the file.
struct PageText {
    const char* key;
    std::string PageRecord::*field;
};

// clang-format off
constexpr PageText pageTexts[] = {
    {"species",        &PageRecord::species},
    {"nickname",       &PageRecord::nickname},
    {"status",         &PageRecord::status},
    {"hp",             &PageRecord::hp},
    {"hpMaximum",      &PageRecord::hpMaximum},
    {"attack",         &PageRecord::attack},
    {"defense",        &PageRecord::defense},
    {"specialAttack",  &PageRecord::specialAttack},
    {"specialDefense", &PageRecord::specialDefense},
    {"speed",          &PageRecord::speed},
    {"type1",          &PageRecord::type1},
    {"type2",          &PageRecord::type2},
    {"notes",          &PageRecord::notes},
};

struct PageFlag {
    const char* key;
    bool PageRecord::*field;
};

constexpr PageFlag pageFlags[] = {
    {"leechSeed", &PageRecord::leechSeed},
    {"confused",  &PageRecord::confused},
};

struct AttackText {
    const char* key;
    std::string AttackRecord::*field;
};

constexpr AttackText attackTexts[] = {
    {"name",      &AttackRecord::name},
    {"pp",        &AttackRecord::pp},
    {"ppMaximum", &AttackRecord::ppMaximum},
};
// clang-format on

std::string member(std::string_view indent, std::string_view key, std::string_view value)
{
    return std::string(indent) + json::quote(key) + ": " + std::string(value);
}

// Reads an optional member: absent leaves the field as it is, another kind is a problem.
class Reader {
public:
    bool text(const json::Value& object, const char* key, std::string& field, std::string where)
    {
        const json::Value* value = object.member(key);
        if (!value)
            return true;
        if (const std::string* text = value->string()) {
            field = *text;
            return true;
        }
        return wrongKind(std::move(where) + key, "a text");
    }

    bool flag(const json::Value& object, const char* key, bool& field, std::string where)
    {
        const json::Value* value = object.member(key);
        if (!value)
            return true;
        if (const bool* flag = value->boolean()) {
            field = *flag;
            return true;
        }
        return wrongKind(std::move(where) + key, "true or false");
    }

    bool wrongKind(const std::string& what, const char* kind)
    {
        problem = "\"" + what + "\" should be " + kind + ".";
        return false;
    }

    std::string problem;
};

std::optional<int> wholeNumber(const json::Value* value)
{
    const double* number = value ? value->number() : nullptr;
    if (!number || *number != std::floor(*number) || std::abs(*number) > 1e9)
        return std::nullopt;
    return static_cast<int>(*number);
}

} // namespace

std::string writeSheetFile(const SheetRecord& sheet)
{
    std::string out = "{\n";
    out += member("  ", "format", json::quote(sheetFormatName)) + ",\n";
    out += member("  ", "version", std::to_string(sheetFormatVersion)) + ",\n";
    out += member("  ", "trainerName", json::quote(sheet.trainerName)) + ",\n";
    out += member("  ", "activePage", std::to_string(sheet.activePage)) + ",\n";
    out += "  \"pages\": [\n";
    for (std::size_t index = 0; index < sheet.pages.size(); ++index) {
        const PageRecord& page = sheet.pages[index];
        out += "    {\n";
        for (const PageText& text : pageTexts)
            out += member("      ", text.key, json::quote(page.*text.field)) + ",\n";
        for (const PageFlag& flag : pageFlags)
            out += member("      ", flag.key, page.*flag.field ? "true" : "false") + ",\n";
        out += "      \"attacks\": [\n";
        for (std::size_t slot = 0; slot < page.attacks.size(); ++slot) {
            out += "        {";
            for (const AttackText& text : attackTexts) {
                out += member(text.key == attackTexts[0].key ? "" : ", ", text.key,
                              json::quote(page.attacks[slot].*text.field));
            }
            out += slot + 1 < page.attacks.size() ? "},\n" : "}\n";
        }
        out += "      ]\n";
        out += index + 1 < sheet.pages.size() ? "    },\n" : "    }\n";
    }
    out += "  ]\n}\n";
    return out;
}

SheetFileResult readSheetFile(std::string_view bytes)
{
    if (bytes.size() > sheetFileLimit)
        return {std::nullopt, "The file is larger than 1 MiB."};
    std::string error;
    const std::optional<json::Value> document = json::parse(bytes, error);
    if (!document)
        return {std::nullopt, "The file is not well-formed JSON (" + error + ")."};
    const json::Value* format = document->member("format");
    if (!format || !format->string() || *format->string() != sheetFormatName)
        return {std::nullopt, "The file is not a Battle Tesh trainer sheet."};
    const std::optional<int> version = wholeNumber(document->member("version"));
    if (!version || *version < 1)
        return {std::nullopt, "The file has no valid version number."};
    if (*version > sheetFormatVersion) {
        return {std::nullopt, "The file was written by a newer version of Battle Tesh (format " +
                                  std::to_string(*version) + ")."};
    }

    SheetRecord sheet;
    Reader reader;
    if (!reader.text(*document, "trainerName", sheet.trainerName, ""))
        return {std::nullopt, reader.problem};
    if (const json::Value* active = document->member("activePage")) {
        const std::optional<int> page = wholeNumber(active);
        if (!page || *page < 0 || *page > SheetRecord::pageCount)
            return {std::nullopt, "\"activePage\" should be a whole number from 0 to 6."};
        sheet.activePage = *page;
    }
    const json::Value* pages = document->member("pages");
    if (!pages || !pages->array() || pages->array()->size() != sheet.pages.size())
        return {std::nullopt, "\"pages\" should be a list of six pages."};
    for (std::size_t index = 0; index < sheet.pages.size(); ++index) {
        const json::Value& page = (*pages->array())[index];
        const std::string where = "pages[" + std::to_string(index + 1) + "].";
        if (!page.object())
            return {std::nullopt,
                    "\"" + where.substr(0, where.size() - 1) + "\" should be an object."};
        PageRecord& record = sheet.pages[index];
        for (const PageText& text : pageTexts) {
            if (!reader.text(page, text.key, record.*text.field, where))
                return {std::nullopt, reader.problem};
        }
        for (const PageFlag& flag : pageFlags) {
            if (!reader.flag(page, flag.key, record.*flag.field, where))
                return {std::nullopt, reader.problem};
        }
        const json::Value* attacks = page.member("attacks");
        if (!attacks)
            continue;
        if (!attacks->array() || attacks->array()->size() != record.attacks.size())
            return {std::nullopt, "\"" + where + "attacks\" should be a list of four attacks."};
        for (std::size_t slot = 0; slot < record.attacks.size(); ++slot) {
            const json::Value& attack = (*attacks->array())[slot];
            const std::string at = where + "attacks[" + std::to_string(slot + 1) + "]";
            if (!attack.object())
                return {std::nullopt, "\"" + at + "\" should be an object."};
            for (const AttackText& text : attackTexts) {
                if (!reader.text(attack, text.key, record.attacks[slot].*text.field, at + "."))
                    return {std::nullopt, reader.problem};
            }
        }
    }
    return {std::move(sheet), {}};
}

} // namespace battle
