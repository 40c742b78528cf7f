// The 100 ms tick of a turn: the countdown, characters popping up and going
// down again, misses, and the slap animation.
#include "window/form1.h"

#include "game/rules.h"
#include "game/sound_names.h"
#include "platform/caption_number.h"
#include "platform/services.h"

#include <cmath>

namespace trompalo {

void Form1::Timer1_Timer() {
    Form1State& s = state_;
    if (s.TimerBusy || Timer1->interval() == 0)
        return;
    s.TimerBusy = true;

    // The countdown; at 0 (or below, after a stall) the turn is over.
    const int left = rules::countdown(s.TurnSeconds, services_.clock() - s.TurnStart);
    if (left <= 0) {
        Label3->setCaption(QStringLiteral("0"));
        EndTurn();
        return;
    }
    Label3->setNumber(left);

    if (rules::timeIsUp(services_.clock(), s.LastPopTime, module1_.PopInterval) && !s.Frozen)
        PopUpEvent();

    for (int i = 0; i < Image3.count(); ++i) {
        const double now = services_.clock();
        if (!HoleIsEmpty(i) && !s.Frozen && rules::timeIsUp(now, s.PopTime[i], module1_.StayTime))
            if (SendDown(i))
                return; // the training stage is lost: the turn is already over
    }

    if (s.Slapping)
        SlapStep();
    s.TimerBusy = false;
}

void Form1::PopUpEvent() {
    const Module1& m = module1_;
    const bool training = m.GameKind == kEntrenamiento;
    auto freeHoles = [this] {
        int free = 0;
        for (int i = 0; i < Image3.count(); ++i)
            free += HoleIsEmpty(i) ? 1 : 0;
        return free;
    };
    // With every hole taken there is nowhere to pop up: this tick shows nothing.
    if (freeHoles() == 0)
        return;
    int n = rules::popUpCount(m.RoundNo);
    const int k = static_cast<int>(std::floor(services_.random() * n));
    do {
        if (freeHoles() == 0)
            break;
        int h = 0;
        do {
            h = static_cast<int>(std::floor(services_.random() * rules::kHoleCount));
        } while (h < 0 || h >= rules::kHoleCount || !HoleIsEmpty(h));
        int c = DrawCharacter();
        if (training && m.RoundNo > 4)
            c = n - 1;
        Image3[h].setPicture(Image2[c].picture());
        state_.PopTime[h] = services_.clock();
        --n;
    } while (training && n > 0);
    if (training) {
        // The character to hit: the caped hero, later one drawn at every event.
        if (m.RoundNo > 4)
            Image9->setPicture(Image2[rules::kTopHero].picture());
        if (m.RoundNo > 8 && k >= 0 && k < Image2.count())
            Image9->setPicture(Image2[k].picture());
    }
    state_.LastPopTime = services_.clock();
}

int Form1::DrawCharacter() {
    return rules::drawCharacter([this] { return services_.random(); },
                                module1_.GameKind == kEntrenamiento);
}

bool Form1::SendDown(int hole) {
    Form1State& s = state_;
    const bool miss = module1_.RoundNo < 5 || Image3[hole].picture() == Image9->picture();
    if (miss) {
        const double before = captionNumber(Label7->caption().left(1));
        Label7->setCaption(wholeNumberText(before + 1) + QStringLiteral("Fallo(s)."));
        ++s.Misses;
    }
    Image3[hole].setPicture(Image4->picture());
    if (s.Misses == 3 && module1_.GameKind == kEntrenamiento) {
        // Three misses lose the training stage.
        Timer1->setInterval(0);
        s.TimerBusy = false;
        module1_.CurrentPlayer = 4;
        NextTurn();
        return true;
    }
    return false;
}

void Form1::SlapStep() {
    Form1State& s = state_;
    if (s.SlapTicks == rules::kSlapTicks) {
        s.Swinging = false;
        Image1->setVisible(false);
        Pega.forEach([](Image& pose) { pose.setVisible(false); });
    }
    if (s.SlapTicks % 2 != 0) {
        // Two frames, one blow every other frame.
        const bool blow = ((s.SlapTicks - 1) / 2) % 2 != 0;
        Golpe[0].setVisible(!blow);
        Golpe[1].setVisible(blow);
        if (blow)
            playSound(sounds::kPunch);
    }
    --s.SlapTicks;
    if (s.SlapTicks <= 0) {
        s.Slapping = false;
        Golpe[0].setVisible(false);
        Golpe[1].setVisible(false);
        Mira[0].setVisible(true);
    }
}

} // namespace trompalo
