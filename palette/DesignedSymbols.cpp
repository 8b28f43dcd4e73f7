#include "palette/SymbolSet.h"

// The symbols of a pattern, clearest first: bold filled and outline shapes,
// capital letters and digits, split shapes, arrows, signs, dingbats, then
// letters of other scripts. All are in DejaVu Sans Bold. The set was chosen
// so that at a 2 mm cell, in black on white, no two look alike: none differs
// from another only in size or case, none is a rotation-free copy of another
// script's letter, and of O/0/Q/D, I/l/1/|, S/5/$, B/8 and Z/2 only one each
// is kept. No glyph reaches the cell's edge; dots, hairlines, dotted outlines
// and bars that read as a dash or an equals sign are left out.

namespace pav::palette {

namespace {

const char* const kDesigned =
    "●▲▼◆★♠◀▶✚✖✦✪○□△▽◇☆♧◁▷⬠⬡ABCDEGHKL"
    "MPTUVWXYZS134679◐◑◒◓◧◨◢◣◤◥▣◉⊕⊞▤▥"
    "▧◭◮⬒⬓⬖⬗⬘⬙◚◖◍←↑→↓↖↗↘↙⇐⇑⇒⇓⇖⇗⇘⇙⬅⬆"
    "⇦⇨↺↻↶↷↰↱↲↳⇄⇅⇆↯➙➛➝➟➢➣➧➨➩➪➫➬➭➮➯➱➲➳"
    "➴➵➶➺➻➼➾⟲⟳⇤⇥⇪⇫⇮⇱⇲⇴⇵⇿↜↝↢↣↨↫↬↴↸↹⇋⇌⇚"
    "⇛×÷=≡±∞√∂∇∈∋∩⊂⊃≤≥∠⊥¬#%&@?!§¶©¥£"
    "€¢¤≈∷⋈⊓⊔⊏⊐⊤⊢⊣⊲⊳≺≻∝∅∆∢⋇∗≋≬≶≷⊶⋔⋕"
    "⊰⊱⊴⊵⊹⊻⊼⊾⊿≪≫⩽⩾∄∔∖⌀⌂⌘⏏⏣✓✗✙✝✞✟✠✡✢✧✩"
    "✫✬✭✰✳✴✵✶✺✾✿❀❁❂❄❆❈❍❏❐❺❿➀➂➃➅➆➉✈✉✂✆"
    "✎✏✐✑❡❢❤❥❦❧☁☂☒☓☘☙☚☛☠☢☣☤☥☦☨☩☪☫☬☭☮☯"
    "☰☸☹☼☽☾♀♁♂♃♄♅♆♇♈♉♊♋♌♎♏♐♑♒♓♔♕♖♗♙♚♛"
    "♜♝♞♪♫♬♯⚀⚅⚐⚑⚒⚓⚔⚕⚖⚗⚘⚙⚛⚜⚠⚡⚢⚦⚧⚨⚩⛀⛁⛂⛃"
    "♻♲♺♼♽⚆⚮⚯⚰⚱⚴⚵⚶⚷⚸♰♱♾♿☇☈☉☊☋☌☍☡ΓΞΨ"
    "απωϑϞϬДЛЦШЪЫЮЯЉЊЋѢҨҶӠԀԂԄԎѤѦѪѬѰѺҠ"
    "ҤҼӋӘbfmtðæԳԶԷԹԺԽԿՀՂՃՆՇՈՊՎՒՖბთმპს"
    "ჩאבגדזלמערש";

} // namespace

std::vector<std::string> designedSymbols() {
    return utf8Characters(kDesigned);
}

} // namespace pav::palette
