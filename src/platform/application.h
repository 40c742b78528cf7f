// What every program showing the game's windows sets up once, after making its
// QApplication: the game's fonts, and Spanish for the texts Qt draws itself.
#pragma once

class QApplication;

namespace trompalo {

void setUpApplication(QApplication& app);

} // namespace trompalo
