// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

// Before the QApplication of a test or bench program: the offscreen platform
// unless QT_QPA_PLATFORM names another, and the output kept to what the
// program says (the offscreen platform's notes about window-manager features
// it does not have are dropped).
#pragma once

namespace trompalo::testkit {

void headlessAndQuiet();

} // namespace trompalo::testkit
