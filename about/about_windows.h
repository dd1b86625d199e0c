#pragma once

// The About window (window 3) and the web-page window (window 4) with their
// controls.

constexpr int aboutWindow = 3;
constexpr int webPageWindow = 4;

constexpr int programNoticeId = 12;
constexpr int rightsNoticeId = 13;
constexpr int servicesNoticeId = 14;
constexpr int websiteLinkId = 15;
constexpr int webViewId = 16;

// The link font, font number 0.
constexpr int linkFont = 0;

// Opens the About window with its three texts and the link to the web page.
// Does nothing more once the window, or one of its controls, cannot be made.
void openAboutWindow();

// Opens the web-page window, a browser on the maker's web page filling it.
void openWebPageWindow();
