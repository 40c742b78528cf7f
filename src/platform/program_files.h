// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

// Where the program finds the files that lie beside it: its sounds and its
// help file. They are looked for in the program's own folder, then in the
// data folder of an installation: at its path from the program's folder
// (DATADIR/games/trompalo from BINDIR, and from /usr/games in the Debian
// package), then where the installation was configured to put it.
#pragma once

#include <QString>

namespace trompalo {

// The full path of a file of the program's folder, or an empty text when it is
// in none of the places the program looks.
QString findProgramFile(const QString& bareName);

} // namespace trompalo
