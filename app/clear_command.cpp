#include "clear_command.h"

#include "game_session.h"

void clearCommand() { startNewGame(std::array<std::uint8_t, 81>{}); }
