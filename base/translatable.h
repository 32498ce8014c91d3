#pragma once

namespace quintix {

// Marks an English text of the core that reaches the player: a row label of the sheet, a caption of
// the summary, the engine's error. The core has no Qt and keeps the English; the translation tools
// collect the marked texts (lupdate takes Translatable for QT_TRANSLATE_NOOP, so the context must be
// the literal "Core" at every call) and the windows translate them as they show them.
constexpr const char* Translatable(const char* /*context*/, const char* english) {
    return english;
}

// The context of every text marked with Translatable.
inline constexpr const char* CoreTextContext = "Core";

}  // namespace quintix
