#include "design/json/json_object_reader.h"

#include <limits>
#include <string>

#include "base/error.h"
#include "design/length_text.h"
#include "base/windows1252.h"

namespace nodewick::design {
namespace {

constexpr std::string_view kOutOfRange = "the value is outside the 32-bit signed range";

}  // namespace

std::string_view JsonKindName(JsonValue::Kind kind)
{
    switch (kind) {
    case JsonValue::Kind::Null:
        return "null";
    case JsonValue::Kind::Boolean:
        return "true or false";
    case JsonValue::Kind::Integer:
    case JsonValue::Kind::HugeInteger:
        return "an integer";
    case JsonValue::Kind::Float:
        return "a number with a fraction or an exponent";
    case JsonValue::Kind::String:
        return "a string";
    case JsonValue::Kind::Object:
        return "an object";
    case JsonValue::Kind::Array:
        return "an array";
    }
    return "a value";
}

void JsonPath::enterObject()
{
    steps_.push_back({.inArray = false});
}

void JsonPath::enterArray()
{
    steps_.push_back({.inArray = true});
}

void JsonPath::leave()
{
    steps_.pop_back();
}

void JsonPath::setKey(std::string_view key)
{
    steps_.back().key.assign(key);
}

void JsonPath::nextElement()
{
    ++steps_.back().elements;
}

std::string JsonPath::render(std::size_t steps) const
{
    std::string path;
    for (std::size_t i = 0; i < steps; ++i) {
        const Step& step = steps_[i];
        if (step.inArray) {
            if (step.elements > 0)
                path += '[' + std::to_string(step.elements - 1) + ']';
        } else if (i + 1 < steps) {
            if (!path.empty())
                path += '.';
            path += step.key;
        }
    }
    return path;
}

std::string JsonPath::container() const
{
    return render(steps_.size());
}

std::string JsonPath::member() const
{
    if (steps_.empty() || steps_.back().inArray)
        return container();
    return member(steps_.back().key);
}

std::string JsonPath::member(std::string_view key) const
{
    std::string path = container();
    if (!path.empty())
        path += '.';
    path += key;
    return path;
}

std::string DesignFileMessage(const std::string& fileName, std::optional<TextPosition> at, const std::string& path,
                              std::string_view what)
{
    std::string message = fileName + ": ";
    if (at)
        message += "line " + std::to_string(at->line) + ", column " + std::to_string(at->column) + ": ";
    if (!path.empty())
        message += path + ": ";
    message += what;
    return message;
}

JsonObjectReader::JsonObjectReader(std::vector<JsonMember>& members, const JsonPath& path, const std::string& fileName,
                                   TextPosition objectAt)
    : members_(members), path_(path), fileName_(fileName), objectAt_(objectAt)
{
}

void JsonObjectReader::fail(DesignKey key, std::string_view what) const
{
    for (const JsonMember& member : members_) {
        if (member.key == key)
            fail(member, what);
    }
    throw DesignError(DesignFileMessage(fileName_, objectAt_, path_.member(DesignKeyName(key)), what));
}

void JsonObjectReader::fail(const JsonMember& member, std::string_view what) const
{
    throw DesignError(DesignFileMessage(fileName_, member.at, path_.member(member.keyName()), what));
}

JsonMember* JsonObjectReader::find(DesignKey key)
{
    for (JsonMember& member : members_) {
        if (member.key == key) {
            member.used = true;
            return &member;
        }
    }
    return nullptr;
}

JsonMember& JsonObjectReader::require(DesignKey key)
{
    JsonMember* member = find(key);
    if (!member) {
        const std::string what = "the required key \"" + std::string(DesignKeyName(key)) + "\" is missing";
        throw DesignError(DesignFileMessage(fileName_, objectAt_, path_.container(), what));
    }
    return *member;
}

std::int32_t JsonObjectReader::int32(JsonMember& member)
{
    member.used = true;
    const JsonValue& value = member.value;
    if (value.kind == JsonValue::Kind::HugeInteger)
        fail(member, std::string(kOutOfRange) + ": " + value.text);
    if (value.kind != JsonValue::Kind::Integer)
        fail(member, "expected an integer, found " + std::string(JsonKindName(value.kind)));
    if (value.integer < std::numeric_limits<std::int32_t>::min() ||
        value.integer > std::numeric_limits<std::int32_t>::max())
        fail(member, std::string(kOutOfRange) + ": " + std::to_string(value.integer));
    return static_cast<std::int32_t>(value.integer);
}

std::int32_t JsonObjectReader::int32(DesignKey key)
{
    return int32(require(key));
}

std::int32_t JsonObjectReader::int32(DesignKey key, std::int32_t fallback)
{
    JsonMember* member = find(key);
    return member ? int32(*member) : fallback;
}

std::optional<std::int32_t> JsonObjectReader::optionalInt32(DesignKey key)
{
    JsonMember* member = find(key);
    if (!member)
        return std::nullopt;
    return int32(*member);
}

bool JsonObjectReader::boolean(DesignKey key, bool fallback)
{
    JsonMember* member = find(key);
    if (!member)
        return fallback;
    if (member->value.kind != JsonValue::Kind::Boolean)
        fail(*member, "expected true or false, found " + std::string(JsonKindName(member->value.kind)));
    return member->value.boolean;
}

std::int32_t JsonObjectReader::rotation(DesignKey key)
{
    const std::int32_t tenths = int32(key, 0);
    if (tenths < -kLargestRotation || tenths > kLargestRotation) {
        fail(key,
             "a rotation is tenths of a degree from " + std::to_string(-kLargestRotation) + " to " +
                 std::to_string(kLargestRotation) + ", not " + std::to_string(tenths));
    }
    return tenths;
}

std::int32_t JsonObjectReader::lengthOf(JsonMember& member)
{
    const JsonValue& value = member.value;
    if (value.kind == JsonValue::Kind::String) {
        try {
            return ParseLengthText(value.text);
        } catch (const DesignError& error) {
            fail(member, error.what());
        }
    }
    if (value.kind != JsonValue::Kind::Integer && value.kind != JsonValue::Kind::HugeInteger) {
        fail(member,
             "expected a length (an integer in database units, or a string with a unit such as "
             "\"60mil\" or \"1.524mm\"), found " +
                 std::string(JsonKindName(value.kind)));
    }
    return int32(member);
}

std::int32_t JsonObjectReader::length(DesignKey key)
{
    return lengthOf(require(key));
}

std::int32_t JsonObjectReader::size(DesignKey key)
{
    const std::int32_t value = length(key);
    if (value < 0)
        fail(key, "a size cannot be negative: " + std::to_string(value) + " database units");
    return value;
}

std::string JsonObjectReader::textOf(JsonMember& member, FieldText use)
{
    if (member.value.kind != JsonValue::Kind::String)
        fail(member, "expected a string, found " + std::string(JsonKindName(member.value.kind)));
    // Made where it is returned: every text of a large design passes here.
    std::string bytes = [&] {
        try {
            return Utf8ToWindows1252(member.value.text);
        } catch (const Error& error) {
            fail(member, error.what());
        }
    }();
    if (const std::optional<std::string> problem = FieldTextProblem(bytes, use))
        fail(member, *problem + " (counted in Windows-1252 bytes)");
    return bytes;
}

std::string JsonObjectReader::text(DesignKey key, FieldText use)
{
    return textOf(require(key), use);
}

std::string JsonObjectReader::text(DesignKey key, FieldText use, std::string_view fallback)
{
    JsonMember* member = find(key);
    return member ? textOf(*member, use) : std::string(fallback);
}

std::optional<std::string> JsonObjectReader::optionalText(DesignKey key, FieldText use)
{
    JsonMember* member = find(key);
    if (!member)
        return std::nullopt;
    return textOf(*member, use);
}

void JsonObjectReader::ignoreTheRest()
{
    for (JsonMember& member : members_)
        member.used = true;
}

std::vector<std::string_view> JsonObjectReader::unusedKeys() const
{
    std::vector<std::string_view> keys;
    for (const JsonMember& member : members_) {
        if (!member.used)
            keys.push_back(member.keyName());
    }
    return keys;
}

}  // namespace nodewick::design
