#pragma once

#include <string>
#include <string_view>
#include <variant>

namespace quill {

// What the companion extension sends: {"href": ANCHOR_MARKUP, "text": LINK_TEXT}.
struct LinkMessage {
    std::string href;
    std::string text;

    bool operator==(const LinkMessage&) const = default;
};

// Why a message was turned away; the text goes back to the extension.
struct LinkMessageError {
    std::string reason;
};

// Accepts exactly one JSON object with the two string members "href" and
// "text", each once and nothing else, in valid UTF-8. Anything else is refused
// whole, so a half-understood message never reaches the profile.
std::variant<LinkMessage, LinkMessageError> ParseLinkMessage(std::string_view json);

// The host's answers.
std::string LinkAcceptedAnswer();
// Stored, but no program runs to take it now.
std::string LinkKeptAnswer();
std::string LinkRefusedAnswer(std::string_view reason);

} // namespace quill
