#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "design/field_text.h"
#include "design/json/design_json_keys.h"
#include "design/json/tracked_input.h"

namespace nodewick::design {

// One JSON value as the design reader keeps it while its object is open:
// scalars in full, containers by kind only (their content is read as it comes
// or skipped).
struct JsonValue {
    enum class Kind { Null, Boolean, Integer, HugeInteger, Float, String, Object, Array };
    Kind kind = Kind::Null;
    std::int64_t integer = 0;  // an Integer's value
    bool boolean = false;      // a Boolean's value
    std::string text{};        // a String's UTF-8 content; a HugeInteger's digits
};

// How a message names a value's kind: "a string", "an array".
std::string_view JsonKindName(JsonValue::Kind kind);

struct JsonMember {
    DesignKey key = DesignKey::Other;
    std::string otherKey{};  // the key as written, for a key of kind Other
    JsonValue value{};
    TextPosition at{};  // where its key starts in the file
    bool used = false;  // taken by the reader; what is left over is unknown

    std::string_view keyName() const { return key == DesignKey::Other ? otherKey : DesignKeyName(key); }
};

// Where the reader stands in the file, as a JSON path such as
// nets[3].nodes[12].padStyle.
class JsonPath {
public:
    void enterObject();
    void enterArray();
    void leave();
    // Innermost object: the member whose value comes next.
    void setKey(std::string_view key);
    // Innermost array: steps to the next element.
    void nextElement();

    // The innermost container, without the member key of an innermost object.
    std::string container() const;
    // The innermost container and the member being read.
    std::string member() const;
    std::string member(std::string_view key) const;

private:
    struct Step {
        bool inArray = false;
        std::size_t elements = 0;  // arrays: elements begun so far
        std::string key{};         // objects: the current member
    };
    std::string render(std::size_t steps) const;

    std::vector<Step> steps_;
};

// Builds the message of a load error: the file, the line and column (when
// the fault has one place), the JSON path, what is wrong.
std::string DesignFileMessage(const std::string& fileName, std::optional<TextPosition> at, const std::string& path,
                              std::string_view what);

// Reads the members of one JSON object of a design file by key, as the file defines
// them: 32-bit integers, lengths (database units, or a text with a unit),
// texts converted to Windows-1252 and held to the rules of DBX text fields
// (design/field_text.h). Every failure throws DesignError naming the file,
// the member's line and column and its path; a missing member is placed at
// the object's opening brace.
class JsonObjectReader {
public:
    JsonObjectReader(std::vector<JsonMember>& members, const JsonPath& path, const std::string& fileName,
                     TextPosition objectAt);

    std::int32_t int32(DesignKey key);
    std::int32_t int32(DesignKey key, std::int32_t fallback);
    std::optional<std::int32_t> optionalInt32(DesignKey key);
    bool boolean(DesignKey key, bool fallback);
    // Tenths of a degree, -3600 to 3600; 0 when absent.
    std::int32_t rotation(DesignKey key);

    // A coordinate: any 32-bit length.
    std::int32_t length(DesignKey key);
    // A hole or copper size: a length that is not negative.
    std::int32_t size(DesignKey key);

    // Texts that reach a line of the netlist (names, pins, header texts)
    // are `Written`; the others (style names, attribute names) `Kept`.
    std::string text(DesignKey key, FieldText use);
    std::string text(DesignKey key, FieldText use, std::string_view fallback);
    std::optional<std::string> optionalText(DesignKey key, FieldText use);

    // Every member in file order, for objects whose keys are data.
    std::vector<JsonMember>& members() { return members_; }
    std::int32_t int32(JsonMember& member);

    // Marks every member as read, for objects whose other members are not
    // ours to check.
    void ignoreTheRest();
    // The members that were present but not read.
    std::vector<std::string_view> unusedKeys() const;

    [[noreturn]] void fail(DesignKey key, std::string_view what) const;
    [[noreturn]] void fail(const JsonMember& member, std::string_view what) const;

private:
    JsonMember* find(DesignKey key);
    JsonMember& require(DesignKey key);
    std::int32_t lengthOf(JsonMember& member);
    std::string textOf(JsonMember& member, FieldText use);

    std::vector<JsonMember>& members_;
    const JsonPath& path_;
    const std::string& fileName_;
    TextPosition objectAt_;
};

}  // namespace nodewick::design
