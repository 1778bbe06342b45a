// Copyright 2026 the Tavlo32 developers.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tavlo::rules {

// The context under which the shell translates every text of the game, the core's and its own.
inline constexpr std::string_view CONTEXTE = "Tavlo32";

// Marks one of the game's source texts for lupdate, which reads it as Qt's QT_TRANSLATE_NOOP
// (see translations/CMakeLists.txt). The context is written out for lupdate, which reads only
// literals; a context other than CONTEXTE does not compile.
consteval std::string_view traduisible(std::string_view contexte, std::string_view source) {
    return contexte == CONTEXTE ? source : throw "the game's texts are translated under CONTEXTE";
}

// A text that a player reads, as the core hands it to the shell. Its source is French, the
// language the game is written in, and %1 to %9 in it stand for its parts: a name, a number,
// another text. The shell translates the source of each of the game's own texts before the parts
// are filled in; words that are not the game's own, such as a name typed or a number, are
// never translated.
class Texte {
public:
    Texte() = default;

    // One of the game's own texts, with the parts that fill its placeholders.
    Texte(std::string_view source, std::vector<Texte> parties = {})
        : m_source(source), m_parties(std::move(parties)) {}
    Texte(const char* source, std::vector<Texte> parties = {})
        : Texte(std::string_view(source), std::move(parties)) {}
    Texte(const std::string& source, std::vector<Texte> parties = {})
        : Texte(std::string_view(source), std::move(parties)) {}

    // Words taken as they are, with the parts that fill their placeholders.
    static Texte telQuel(std::string mots, std::vector<Texte> parties = {});
    // A number, in the same digits in every language.
    static Texte nombre(int n) { return telQuel(std::to_string(n)); }

    // The text with its parts filled in, in one pass, so that a part reading "%1" stays as it
    // is. Each of the game's own sources goes through traduire first; without it the text is
    // read in French.
    using Traduction = std::function<std::string(const std::string& source)>;
    std::string lire(const Traduction& traduire = {}) const;

    // Two texts are equal when they read the same in French. Texts built alike read the same, so
    // they are found equal without being read: a state compared at every tick costs no reading.
    friend bool operator==(const Texte& a, const Texte& b) {
        return a.batiComme(b) || a.lire() == b.lire();
    }

private:
    bool batiComme(const Texte& autre) const;

    std::string m_source;
    std::vector<Texte> m_parties;
    bool m_duJeu = true;
};

} // namespace tavlo::rules
