// Json.h - the little JSON that tillmate-module writes: objects and arrays built as text.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

namespace module_tool {

// A JSON string of UTF-8 text.
inline std::string JsonString(const std::string& s) {
    std::string out = "\"";
    for (unsigned char c : s) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += char(c);
        } else if (c == '\n') {
            out += "\\n";
        } else if (c < 0x20) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\u%04x", c);
            out += buf;
        } else {
            out += char(c);
        }
    }
    return out + "\"";
}

// A number as the module wrote it ("12.50", "-3"), or the text quoted when it is not one.
inline std::string JsonNumber(const std::string& s) {
    size_t i = s.size() > 1 && s[0] == '-' ? 1 : 0;
    bool digits = i < s.size(), dot = false;
    for (size_t k = i; k < s.size() && digits; ++k)
        if (s[k] == '.' && !dot && k > i && k + 1 < s.size())
            dot = true;
        else if (s[k] < '0' || s[k] > '9')
            digits = false;
    bool leadingZero = s.size() > i + 1 && s[i] == '0' && s[i + 1] != '.';
    return digits && !leadingZero ? s : JsonString(s);
}

class JsonObject {
public:
    JsonObject& Raw(const std::string& key, const std::string& json) {
        body_ += (body_.empty() ? "" : ",") + JsonString(key) + ":" + json;
        return *this;
    }
    JsonObject& Text(const std::string& key, const std::string& utf8) { return Raw(key, JsonString(utf8)); }
    JsonObject& Number(const std::string& key, const std::string& n) { return Raw(key, JsonNumber(n)); }
    JsonObject& Bool(const std::string& key, bool b) { return Raw(key, b ? "true" : "false"); }
    std::string str() const { return "{" + body_ + "}"; }

private:
    std::string body_;
};

inline std::string JsonArray(const std::vector<std::string>& items) {
    std::string out;
    for (const std::string& i : items)
        out += (out.empty() ? "" : ",") + i;
    return "[" + out + "]";
}

} // namespace module_tool
