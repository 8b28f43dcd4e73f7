#include "palette/SymbolSet.h"

namespace pav::palette {

namespace {

// Latin letters without "o", digits without "0" (both read like circles in a grid cell).
const char* const kLatin = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnpqrstuvwxyz123456789@#$%"
                           "&*<>?/\\{}[]";
const char* const kCommonHan = "人了少手认台才必李众走包王么亚采女";
// The second copies of eleven characters that stood twice, which gave two
// threads one symbol, are replaced by characters found nowhere else in the
// string (火 水 牛 羽 网 竹 早 皮 虫 舟 雨); every other position is kept.
const char* const kMoreHan[] = {
    "不为工上个开方火于长本月力万后下",
    "去也与之文三各十内小水立牛心术门今",
    "羽光广比网已衣乙义车书干又由竹早几只头五氏白皮虫户马土占石米",
    "千巴八失足九而儿耳尔舟未乐存寸羊央以父负分目母木亩象向计世华化花者吁节杰行言严",
    "其气色四司大打北备被贝句举林吝见尖荐加甲夹示式求丘但丹无山办半两良次天田农雨前多夺和合何年廿",
};

std::string joined(const char* const* parts, std::size_t count) {
    std::string text;
    for (std::size_t i = 0; i < count; ++i)
        text += parts[i];
    return text;
}

} // namespace

std::vector<std::string> utf8Characters(const std::string& text) {
    std::vector<std::string> characters;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t length = 1;
        if (lead >= 0xF0)
            length = 4;
        else if (lead >= 0xE0)
            length = 3;
        else if (lead >= 0xC0)
            length = 2;
        characters.push_back(text.substr(i, length));
        i += length;
    }
    return characters;
}

std::string SymbolSet::at(int position) const {
    if (position < 1 || position > size()) return {};
    return symbols[static_cast<std::size_t>(position - 1)];
}

SymbolSet loadxiuChr() {
    SymbolSet set;
    // Groups 4 and 5 are kept, empty, so that more symbols can be appended later.
    set.groups = {kLatin, kCommonHan, joined(kMoreHan, std::size(kMoreHan)), "", ""};
    std::string all;
    for (const auto& group : set.groups)
        all += group;
    set.symbols = utf8Characters(all);
    return set;
}

} // namespace pav::palette
