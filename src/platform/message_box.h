// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

// The game's message box: its text, the information or question icon, OK or
// OK and Cancel, and the title "Trompalo". The program runs it; the tests show
// the very same box and answer it.
#pragma once

#include "platform/services.h"

#include <QMessageBox>

#include <memory>

namespace trompalo {

std::unique_ptr<QMessageBox> makeMessageBox(QWidget* owner, const QString& text, MsgButtons buttons,
                                            MsgIcon icon);

// The answer a closed box gave: the button pressed, or, closed without one
// (Escape), OK for a box with only that button and Cancel otherwise.
MsgAnswer answerOf(const QMessageBox& box);

} // namespace trompalo
