// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

// What every program showing the game's windows sets up once, after making its
// QApplication: the game's fonts, and Spanish for the texts Qt draws itself.
#pragma once

class QApplication;

namespace trompalo {

void setUpApplication(QApplication& app);

} // namespace trompalo
