#pragma once

#include <string>
#include <string_view>

// The system clipboard's text, empty when it holds none.
std::string clipboardText();

void setClipboardText(std::string_view text);
