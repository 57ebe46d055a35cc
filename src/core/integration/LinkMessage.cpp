#include "core/integration/LinkMessage.h"

#include "core/integration/JsonText.h"
#include "core/text/Utf8.h"

#include <optional>

namespace quill {

namespace {

LinkMessageError Refuse(std::string reason) {
    return LinkMessageError{std::move(reason)};
}

} // namespace

std::variant<LinkMessage, LinkMessageError> ParseLinkMessage(std::string_view json) {
    if (!IsValidUtf8(json)) {
        return Refuse("the message is not UTF-8");
    }
    std::size_t pos = 0;
    SkipJsonSpace(json, pos);
    if (pos >= json.size() || json[pos] != '{') {
        return Refuse("the message is not a JSON object");
    }
    ++pos;
    std::optional<std::string> href;
    std::optional<std::string> text;
    SkipJsonSpace(json, pos);
    bool first = true;
    while (true) {
        if (pos >= json.size()) {
            return Refuse("the message is not valid JSON");
        }
        if (json[pos] == '}' && first) {
            ++pos;
            break;
        }
        auto name = ReadJsonString(json, pos);
        if (!name) {
            return Refuse("the message is not valid JSON");
        }
        SkipJsonSpace(json, pos);
        if (pos >= json.size() || json[pos] != ':') {
            return Refuse("the message is not valid JSON");
        }
        ++pos;
        SkipJsonSpace(json, pos);
        std::optional<std::string>* slot = nullptr;
        if (*name == "href") {
            slot = &href;
        } else if (*name == "text") {
            slot = &text;
        } else {
            return Refuse("the message has an unknown field");
        }
        if (slot->has_value()) {
            return Refuse("the message repeats a field");
        }
        if (pos >= json.size() || json[pos] != '"') {
            return Refuse("\"href\" and \"text\" must be strings");
        }
        *slot = ReadJsonString(json, pos);
        if (!slot->has_value()) {
            return Refuse("the message is not valid JSON");
        }
        first = false;
        SkipJsonSpace(json, pos);
        if (pos < json.size() && json[pos] == ',') {
            ++pos;
            SkipJsonSpace(json, pos);
            continue;
        }
        if (pos < json.size() && json[pos] == '}') {
            ++pos;
            break;
        }
        return Refuse("the message is not valid JSON");
    }
    SkipJsonSpace(json, pos);
    if (pos != json.size()) {
        return Refuse("the message is not valid JSON");
    }
    if (!href || !text) {
        return Refuse("the message needs both \"href\" and \"text\"");
    }
    return LinkMessage{std::move(*href), std::move(*text)};
}

std::string LinkAcceptedAnswer() {
    return R"({"ok":true})";
}

std::string LinkKeptAnswer() {
    return R"({"ok":true,"kept":true})";
}

std::string LinkRefusedAnswer(std::string_view reason) {
    return R"({"ok":false,"error":)" + JsonQuote(reason) + "}";
}

} // namespace quill
