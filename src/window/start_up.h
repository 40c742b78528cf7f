// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

// How the program starts the game: the game window's start-up (which shows the
// splash alone), then the game window; the sounds load once it is up.
#pragma once

namespace trompalo {

class Form1;
class QtServices;

void startGame(Form1& form1, QtServices& services);

} // namespace trompalo
