#include "StringTable.h"

#include <charconv>
#include <map>
#include <string_view>

namespace fw {

namespace {

std::map<unsigned, std::string>& Table() {
    static std::map<unsigned, std::string> table;
    return table;
}

std::string Unescape(std::string_view text, int lineNo) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c != '\\') {
            out += c;
            continue;
        }
        if (i + 1 >= text.size())
            throw std::invalid_argument("string table line " + std::to_string(lineNo) +
                                        ": backslash at end of text");
        char n = text[++i];
        switch (n) {
        case 'n':
            out += '\n';
            break;
        case 'r':
            out += '\r';
            break;
        case 't':
            out += '\t';
            break;
        case '\\':
            out += '\\';
            break;
        default:
            throw std::invalid_argument("string table line " + std::to_string(lineNo) +
                                        ": unknown escape \\" + std::string(1, n));
        }
    }
    return out;
}

} // namespace

CMissingStringError::CMissingStringError(unsigned id)
    : std::logic_error("string table has no entry " + std::to_string(id)), m_id(id) {}

void RegisterStringTable(const char* text) {
    std::map<unsigned, std::string> table;
    std::string_view all(text ? text : "");
    int lineNo = 0;
    while (!all.empty()) {
        size_t eol = all.find('\n');
        std::string_view line = all.substr(0, eol);
        all = eol == std::string_view::npos ? std::string_view() : all.substr(eol + 1);
        ++lineNo;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (line.empty() || line.front() == '#')
            continue;
        size_t tab = line.find('\t');
        if (tab == std::string_view::npos)
            throw std::invalid_argument("string table line " + std::to_string(lineNo) +
                                        ": no tab after the id");
        unsigned id = 0;
        auto idText = line.substr(0, tab);
        auto [ptr, ec] = std::from_chars(idText.data(), idText.data() + idText.size(), id);
        if (ec != std::errc() || ptr != idText.data() + idText.size())
            throw std::invalid_argument("string table line " + std::to_string(lineNo) + ": bad id");
        if (!table.emplace(id, Unescape(line.substr(tab + 1), lineNo)).second)
            throw std::invalid_argument("string table line " + std::to_string(lineNo) + ": id " +
                                        std::to_string(id) + " repeated");
    }
    Table() = std::move(table);
}

std::string LoadString(unsigned id) {
    std::string text;
    if (!TryLoadString(id, text))
        throw CMissingStringError(id);
    return text;
}

bool TryLoadString(unsigned id, std::string& text) {
    const auto& table = Table();
    auto it = table.find(id);
    if (it == table.end())
        return false;
    text = it->second;
    return true;
}

} // namespace fw
