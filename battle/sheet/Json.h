// SPDX-License-Identifier: MIT
#pragma once

// A small strict JSON reader and writer for the program's own files: RFC 8259 only (no comments,
// no trailing commas), UTF-8 checked, nesting bounded so hostile files cannot exhaust the stack.

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace battle::json {

struct Value;
using Array = std::vector<Value>;
using Object =
    std::vector<std::pair<std::string, Value>>; // in file order; the first of twin keys wins

struct Value {
    std::variant<std::nullptr_t, bool, double, std::string, Array, Object> data;

    // The value as that kind, or nullptr when it is another kind.
    const std::string* string() const;
    const bool* boolean() const;
    const double* number() const;
    const Array* array() const;
    const Object* object() const;
    // The member's value, or nullptr when this is no object or has no such member.
    const Value* member(std::string_view key) const;
};

// The document, or nothing with `error` saying what is wrong and where ("line 3, column 7: …").
std::optional<Value> parse(std::string_view text, std::string& error);

// The text as a JSON string literal, quotes included; non-ASCII UTF-8 is kept as it is.
std::string quote(std::string_view text);

} // namespace battle::json
