#pragma once

// Who makes the program and where to find them: the one place for these texts. The about
// window shows them and the ReadMe documents are made from them at build time.
namespace maker_info {

inline constexpr char kMaker[] = "Morvell Software";
inline constexpr char kAuthor[] = "Rafael Morvell";

// The maker's web page, opened by the about window.
inline constexpr char kSiteUrl[] = "https://www.morvellsoftware.com.br";
// The same address as the about window shows it, in three parts: the middle one is the link.
inline constexpr char kSiteShownStart[] = "www.";
inline constexpr char kSiteShownMiddle[] = "morvellsoftware";
inline constexpr char kSiteShownEnd[] = ".com.br";

// The version number is the build's (the project's version, which the package carries too).
inline constexpr char kVersionLine[] = "Versão: " LUMACAP_VERSION "  -  Novembro/2024";
inline constexpr char kCopyrightYear[] = "2024";

}  // namespace maker_info
