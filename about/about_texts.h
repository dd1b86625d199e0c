#pragma once

// What the About windows say, and where the maker's web page is.

// The maker's web page, which the web-page window opens.
inline constexpr const char* makerWebPage = "https://www.kelvaro.example/";
// The maker's whole site, which the web-page window keeps to.
inline constexpr const char* makerSite = "kelvaro.example";

inline constexpr const char* aboutTitle = "About Kelvaro";
inline constexpr const char* webPageTitle = "The Kelvaro web page - www.kelvaro.example";

inline constexpr const char* programNotice =
    "Kelvaro, a Sudoku generator and solver by the Kelvaro developers. Pass it "
    "on free, with a link to www.kelvaro.example.";

inline constexpr const char* rightsNotice =
    "Copyright (c) 2026 the Kelvaro developers. All rights reserved.";

inline constexpr const char* servicesNotice =
    "The Kelvaro developers also write programs to order: desktop tools, puzzles "
    "and games, or whatever else your work calls for. To have a program made for "
    "you, follow the contact link on the Kelvaro web page.";

inline constexpr const char* linkCaption = "VISIT MY WEBSITE";
