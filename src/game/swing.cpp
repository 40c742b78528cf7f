// The swing: pointing at a hole winds the hero up, a press strikes there and
// decides at once what was hit.
#include "window/form1.h"

#include "game/rules.h"
#include "game/sound_names.h"
#include "platform/services.h"

namespace trompalo {

bool Form1::HoleIsEmpty(int hole) const {
    return Image3[hole].picture() == Image4->picture();
}

void Form1::Image3_MouseMove(int index, const MouseArgs&) {
    if (state_.Slapping || state_.Swinging)
        return;
    Mira[0].setVisible(false);
    Mira[1].setVisible(false);
    Prepara.forEach([](Image& pose) { pose.setVisible(false); });
    Prepara[rules::windupPose(index)].setVisible(true);
}

void Form1::Image3_MouseDown(int index, const MouseArgs&) {
    Form1State& s = state_;
    if (s.Slapping) {
        // The hero is being punished: the press does nothing at all.
        pressTurn_ = 0;
        return;
    }
    pressTurn_ = Timer1->interval() != 0 ? turnSerial_ : 0;
    s.Swinging = true;
    s.HitPoints = 0;
    Image& hole = Image3[index];
    const bool hit = !HoleIsEmpty(index);
    if (hit) {
        if (!Label1->caption().isEmpty())
            Label1->setNumber(Label1->number() - 1);
        playSound(sounds::kHit);
        s.Frozen = false;
        if (hole.picture() == Image2[rules::kSlapBoy].picture()) {
            s.HitChar = rules::kSlapBoy;
            s.HitPoints = rules::hitPoints(rules::kSlapBoy);
            s.Slapping = true;
            s.SlapTicks = rules::kSlapTicks;
        } else {
            for (int c = 0; c < Image2.count(); ++c) {
                if (Image2[c].picture() == hole.picture()) {
                    s.HitChar = c;
                    break;
                }
            }
            s.HitPoints = rules::hitPoints(s.HitChar);
            if (s.HitChar == rules::kHourglass)
                s.TurnSeconds += rules::kHourglassSeconds;
            else if (s.HitChar == rules::kStopSign)
                Image2[rules::kStopSign].setVisible(true);
        }
    } else {
        playSound(sounds::kSwing);
        s.HitChar = rules::kMissed;
    }
    Prepara.forEach([](Image& pose) { pose.setVisible(false); });
    if (hit) {
        // The burst, centred on the hole.
        const float left = static_cast<float>(hole.left()) -
                           static_cast<float>(Image1->widthTwips() - hole.widthTwips()) / 2.0f;
        const float top = static_cast<float>(hole.top()) -
                          static_cast<float>(Image1->heightTwips() - hole.heightTwips()) / 2.0f;
        Image1->setLeft(static_cast<int>(left));
        Image1->setTop(static_cast<int>(top));
        Image1->setVisible(true);
        Image1->bringToFront();
    }
    Pega[rules::strikePose(index)].setVisible(true);
    hole.setPicture(Image4->picture());
}

} // namespace trompalo
