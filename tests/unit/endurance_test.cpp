// Thousands of random player actions across every game kind, with the state
// checked after each one: whatever the player does, the game stays sound.
#include "dialogs/form2.h"
#include "platform/timer.h"
#include "support/driver.h"
#include "support/scripted_services.h"
#include "window/form1.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <random>

using namespace trompalo;

namespace {

class RandomPlayer {
public:
    explicit RandomPlayer(unsigned seed) : rng_(seed) {
        services_.seed(seed);
        form1_.Form_Load();
        form1_.show();
        QCoreApplication::processEvents();
        services_.whileModal = [this](QWidget& window) { answer(window); };
    }

    void act() {
        const int roll = pick(100);
        if (roll < 30)
            swingAtAHole();
        else if (roll < 34)
            clickElsewhere();
        else if (roll < 36)
            testkit::typeKey(pick(3) == 0 ? 'a' : ' ', &form1_);
        else if (roll < 38)
            testkit::chooseMenu(form1_, QStringLiteral("Nuevo"));
        else if (roll < 48) {
            if (!form1_.Command1->isHidden())
                testkit::click(*form1_.Command1);
        } else if (roll < 90) {
            tick(0.1);
        } else if (roll < 94) {
            tick(pick(40) / 10.0); // a stall of up to four seconds
        } else if (roll < 95) {
            tick(0);
        } else {
            const char* menus[] = {"Apoyos", "Sonido", "Puntos", "Acerca de..."};
            testkit::chooseMenu(form1_, QString::fromLatin1(menus[pick(4)]));
        }
    }

    // Checks the state as a player and a maintainer would want it after any action.
    void check(int step) const {
        const Module1& m = form1_.game().module1();
        const Form1State& s = form1_.game().state();
        int counted = 0;
        const int start = m.GameKind == kGuillotina || m.GameKind == kTresEnRaya ? 0 : 1;
        for (int p = 1; p <= 4; ++p)
            for (int h = 1; h <= 9; ++h) {
                ASSERT_GE(m.Marks[p][h], 0) << "step " << step;
                ASSERT_LE(m.Marks[p][h], 3) << "step " << step;
                if (m.GameKind != 0)
                    counted += m.Marks[p][h] - start;
            }
        for (int h = 1; h <= 9; ++h) {
            ASSERT_GE(s.CellOwner[h], 0) << "step " << step;
            ASSERT_LE(s.CellOwner[h], 2) << "step " << step;
        }
        const int marks = form1_.Image6.count() + form1_.Image7.count() + form1_.Image8.count() - 3;
        ASSERT_LE(marks, counted) << "step " << step;
        static const QRegularExpression whole(QStringLiteral("^(-?\\d+)?$"));
        for (int i = 0; i < 4; ++i)
            ASSERT_TRUE(whole.match(form1_.Label5[i].caption()).hasMatch())
                << "step " << step << ": box " << i << " reads "
                << form1_.Label5[i].caption().toStdString();
        ASSERT_TRUE(whole.match(form1_.Label2->caption()).hasMatch()) << "step " << step;
        // The timer runs only while the start button is hidden.
        ASSERT_TRUE(form1_.Timer1->interval() == 0 || form1_.Command1->isHidden())
            << "step " << step;
        ASSERT_FALSE(s.TimerBusy) << "step " << step;
    }

    int gamesStarted() const { return games_; }
    int kindsPlayed() const { return static_cast<int>(std::count(kinds_, kinds_ + 9, true)); }
    int hits() const { return hits_; }

private:
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }

    void tick(double seconds) {
        services_.setClock(services_.now() + seconds);
        services_.timer()->fire();
    }

    void swingAtAHole() {
        // Most swings go at a character, when there is one.
        std::vector<int> up;
        for (int i = 0; i < 10; ++i)
            if (form1_.Image3[i].picture() != form1_.Image4->picture())
                up.push_back(i);
        const int hole =
            !up.empty() && pick(4) != 0 ? up[pick(static_cast<int>(up.size()))] : pick(10);
        hits_ += hole < 10 && !up.empty() ? 1 : 0;
        const Qt::MouseButton button = pick(5) == 0 ? Qt::RightButton : Qt::LeftButton;
        testkit::moveTo(form1_.Image3[hole]);
        testkit::press(form1_.Image3[hole], button);
        // Sometimes the button stays down across a few ticks.
        if (pick(5) == 0)
            for (int i = pick(30); i > 0; --i)
                tick(0.1);
        testkit::release(form1_.Image3[hole], button);
    }

    void clickElsewhere() {
        QWidget* targets[] = {form1_.surface, &form1_.Label5[pick(4)], form1_.Label3,
                              &form1_.Mira[0], form1_.Image4};
        QWidget* target = targets[pick(5)];
        if (target == form1_.surface)
            testkit::mouseMove(*target, QPoint(pick(680), pick(412)));
        else
            testkit::click(*target);
    }

    void answer(QWidget& window) {
        if (auto* box = qobject_cast<QMessageBox*>(&window)) {
            QAbstractButton* cancel = box->button(QMessageBox::Cancel);
            testkit::click(cancel && pick(2) == 0 ? *cancel : *box->button(QMessageBox::Ok));
        } else if (auto* options = qobject_cast<Form2*>(&window)) {
            chooseOptions(*options);
        } else {
            // The legend or the About window: a tick may come while it is open.
            if (pick(2) == 0)
                tick(0.1);
            testkit::closeWindow(window);
            if (!window.isHidden())
                window.hide();
        }
    }

    void chooseOptions(Form2& options) {
        if (pick(10) == 0)
            testkit::typeKey(27, &form1_); // ignored
        const int game = 3 + pick(5);
        testkit::click(*options.Option1[game]);
        std::vector<QRadioButton*> players;
        for (const auto& [i, button] : options.Option4)
            if (!button->isHidden())
                players.push_back(button);
        testkit::click(*players[pick(static_cast<int>(players.size()))]);
        testkit::click(*options.Option2[pick(6)]);
        testkit::click(*options.Option3[pick(2)]);
        testkit::click(*options.Option5[pick(3)]);
        const int how = pick(10);
        if (how < 7) {
            testkit::click(*options.Command1);
            ++games_;
            kinds_[game + 1] = true;
        } else if (how < 9) {
            testkit::click(*options.Command2);
        } else {
            testkit::closeWindow(options);
        }
        if (!options.isHidden())
            options.hide();
    }

    std::mt19937 rng_;
    testkit::ScriptedServices services_;
    Form1 form1_{services_};
    int games_ = 0;
    int hits_ = 0;
    bool kinds_[9] = {};
};

} // namespace

TEST(Endurance, RandomPlayInEveryGameKindKeepsTheGameSound) {
    for (unsigned seed : {1u, 2u, 3u}) {
        RandomPlayer player(seed);
        for (int step = 0; step < 4000; ++step) {
            player.act();
            player.check(step);
            if (::testing::Test::HasFatalFailure())
                return;
        }
        // The run really went through the game kinds and hit characters.
        EXPECT_GT(player.gamesStarted(), 20) << "seed " << seed;
        EXPECT_EQ(player.kindsPlayed(), 5) << "seed " << seed;
        EXPECT_GT(player.hits(), 300) << "seed " << seed;
    }
}
