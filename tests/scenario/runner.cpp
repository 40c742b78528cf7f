#include "runner.h"

#include "dialogs/form_quorvane.h"
#include "platform/command_button.h"
#include "platform/image.h"
#include "platform/label.h"
#include "platform/menu_item.h"
#include "platform/timer.h"
#include "platform/twips.h"
#include "support/driver.h"
#include "support/scripted_services.h"
#include "window/form1.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QMessageBox>
#include <QRadioButton>
#include <QWidget>

#include <cmath>
#include <vector>

namespace trompalo::scenario {

namespace {

// Clock values stay on whole nanoseconds, so runs of 0.1-second steps land on
// the times a person would write.
double tidy(double seconds) {
    return std::round(seconds * 1e9) / 1e9;
}

// The random draws that make the character draw give character c.
std::vector<double> characterDraws(int c) {
    // The middle of each character's first share of the 29 (12 and 13 share
    // the last one and draw once more between them).
    static constexpr int firstOf[] = {1, 2, 4, 6, 9, 12, 15, 18, 21, 24, 26, 28, 29, 29};
    const double draw = (firstOf[c] - 0.5) / 29.0;
    if (c == 12)
        return {draw, 0.25};
    if (c == 13)
        return {draw, 0.75};
    return {draw};
}

Qt::MouseButton buttonOf(const QString& word) {
    return word == QLatin1String("right") ? Qt::RightButton : Qt::LeftButton;
}

QString modalName(const testkit::ScriptedServices& services) {
    const auto& modals = services.openModals();
    return modals.empty() ? QString() : modals.back().name;
}

} // namespace

QStringList Runner::run(const Script& script) {
    script_ = &script;
    next_ = 0;
    failures_.clear();
    endedInModal_ = false;
    soundsChecked_ = shellChecked_ = beepsChecked_ = 0;
    held_ = {};

    testkit::ScriptedServices services;
    services_ = &services;
    bool starting = true;
    services.whileModal = [&](QWidget& window) {
        if (starting && !script.splashKeep &&
            window.objectName() == QLatin1String("FormQuorvane")) {
            // The player closes the splash.
            testkit::click(*static_cast<FormQuorvane&>(window).lblClick);
            if (!window.isHidden()) {
                failures_ << QStringLiteral(
                                 "%1:0: expected a click to close the splash, got it open")
                                 .arg(script.file);
                window.hide();
            }
            return;
        }
        runUntilHidden(window);
    };

    {
        Form1 form1(services);
        form1_ = &form1;
        form1.Form_Load();
        starting = false;
        if (!endedInModal_) {
            form1.show();
            QCoreApplication::processEvents();
            while (step()) {
            }
        }
        // A button still held goes up before the program ends.
        if (held_ & Qt::LeftButton)
            testkit::mouseRelease(*form1.surface, QPoint(0, 0), Qt::LeftButton);
        if (held_ & Qt::RightButton)
            testkit::mouseRelease(*form1.surface, QPoint(0, 0), Qt::RightButton);
        form1_ = nullptr;
    }
    QCoreApplication::processEvents();
    services_ = nullptr;
    script_ = nullptr;
    return failures_;
}

bool Runner::step() {
    if (next_ >= script_->commands.size())
        return false;
    const Command& command = script_->commands[next_++];
    execute(command);
    return true;
}

void Runner::runUntilHidden(QWidget& window) {
    QPointer<QWidget> guard(&window);
    while (guard && !guard->isHidden()) {
        if (!step()) {
            if (!endedInModal_)
                failures_ << QStringLiteral("%1:%2: expected no modal window at the end, got %3")
                                 .arg(script_->file)
                                 .arg(script_->commands.empty() ? 0 : script_->commands.back().line)
                                 .arg(window.objectName());
            endedInModal_ = true;
            // The program unwinds as if the window were dismissed.
            if (guard)
                guard->hide();
            return;
        }
    }
}

void Runner::fail(const Command& command, const QString& expected, const QString& got) {
    failures_ << QStringLiteral("%1:%2: expected %3, got %4")
                     .arg(script_->file)
                     .arg(command.line)
                     .arg(expected, got);
}

QWidget* Runner::window(const QString& name) const {
    if (name == QLatin1String("Form1"))
        return form1_;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->objectName() == name)
            return top;
    return nullptr;
}

QObject* Runner::control(const Reference& ref, QString& why) const {
    QWidget* win = window(ref.window);
    if (!win) {
        why = QStringLiteral("no window %1 (it is not loaded)").arg(ref.window);
        return nullptr;
    }
    if (ref.name.isEmpty())
        return win;
    const bool indexed = !ref.indexes.empty();
    QObject* found = nullptr;
    for (QObject* object : win->findChildren<QObject*>(ref.name)) {
        if (qobject_cast<QAction*>(object))
            continue; // the menu item stands for its action
        const QVariant index = object->property("index");
        if (indexed ? (index.isValid() && index.toInt() == ref.indexes[0]) : !index.isValid()) {
            found = object;
            break;
        }
    }
    if (!found)
        why = indexed ? QStringLiteral("no control %1(%2) on %3")
                            .arg(ref.name)
                            .arg(ref.indexes[0])
                            .arg(ref.window)
                      : QStringLiteral("no control %1 on %2 (an array needs an index)")
                            .arg(ref.name, ref.window);
    return found;
}

QString Runner::pictureName(const Picture& picture) const {
    if (!picture)
        return QStringLiteral("none");
    if (form1_)
        for (int i = 0; i < form1_->Image2.count(); ++i)
            if (form1_->Image2[i].picture() == picture)
                return QStringLiteral("strip(%1)").arg(i);
    return QStringLiteral("picture(%1%2)")
        .arg(picture->resource(), picture->mirrored() ? QStringLiteral(", mirrored") : QString());
}

std::optional<Value> Runner::readVariable(const Reference& ref, QString& why) const {
    const Module1& m = form1_->module1();
    const Form1State& s = form1_->state();
    const QString& n = ref.name;
    const auto& ix = ref.indexes;
    auto wantIndexes = [&](std::size_t count, int low, int high) {
        if (ix.size() != count) {
            why = QStringLiteral("%1 takes %2 index(es)").arg(n).arg(count);
            return false;
        }
        for (int i : ix)
            if (i < low || i > high) {
                why = QStringLiteral("index %1 of %2 is outside %3 to %4")
                          .arg(i)
                          .arg(n)
                          .arg(low)
                          .arg(high);
                return false;
            }
        return true;
    };
    auto num = [](double v) { return std::optional<Value>(Value::ofNumber(v)); };
    auto flag = [](bool v) { return std::optional<Value>(Value::ofBoolean(v)); };
    if (n == QLatin1String("Marks"))
        return wantIndexes(2, 0, 9) && ix[0] <= 4 ? num(m.Marks[ix[0]][ix[1]]) : std::nullopt;
    if (n == QLatin1String("CellOwner"))
        return wantIndexes(1, 0, 9) ? num(s.CellOwner[ix[0]]) : std::nullopt;
    if (n == QLatin1String("GridHero"))
        return wantIndexes(1, 0, 9) ? num(s.GridHero[ix[0]]) : std::nullopt;
    if (n == QLatin1String("PopTime"))
        return wantIndexes(1, 0, 11) ? num(s.PopTime[ix[0]]) : std::nullopt;
    if (!wantIndexes(0, 0, 0))
        return std::nullopt;
    if (n == QLatin1String("GameKind"))
        return num(m.GameKind);
    if (n == QLatin1String("NumPlayers"))
        return num(m.NumPlayers);
    if (n == QLatin1String("CurrentPlayer"))
        return num(m.CurrentPlayer);
    if (n == QLatin1String("RoundNo"))
        return num(m.RoundNo);
    if (n == QLatin1String("LimitKind"))
        return Value::ofText(m.LimitKind);
    if (n == QLatin1String("LimitValue"))
        return num(m.LimitValue);
    if (n == QLatin1String("WinAtGameEnd"))
        return flag(m.WinAtGameEnd);
    if (n == QLatin1String("PopInterval"))
        return num(m.PopInterval);
    if (n == QLatin1String("StayTime"))
        return num(m.StayTime);
    if (n == QLatin1String("BoardOver"))
        return flag(s.BoardOver);
    if (n == QLatin1String("EndedByLine"))
        return flag(s.EndedByLine);
    if (n == QLatin1String("LastPopTime"))
        return num(s.LastPopTime);
    if (n == QLatin1String("TurnStart"))
        return num(s.TurnStart);
    if (n == QLatin1String("TurnSeconds"))
        return num(s.TurnSeconds);
    if (n == QLatin1String("TimerBusy"))
        return flag(s.TimerBusy);
    if (n == QLatin1String("Frozen"))
        return flag(s.Frozen);
    if (n == QLatin1String("Slapping"))
        return flag(s.Slapping);
    if (n == QLatin1String("Swinging"))
        return flag(s.Swinging);
    if (n == QLatin1String("SlapTicks"))
        return num(s.SlapTicks);
    if (n == QLatin1String("Misses"))
        return num(s.Misses);
    if (n == QLatin1String("HitChar"))
        return num(s.HitChar);
    if (n == QLatin1String("HitPoints"))
        return num(s.HitPoints);
    why = QStringLiteral("no variable %1").arg(n);
    return std::nullopt;
}

std::optional<Value> Runner::read(const Reference& ref, QString& why) const {
    if (ref.variable)
        return readVariable(ref, why);
    const QString& p = ref.property;
    if (p == QLatin1String("Count")) {
        QWidget* win = window(ref.window);
        if (!win) {
            why = QStringLiteral("no window %1").arg(ref.window);
            return std::nullopt;
        }
        int count = 0;
        for (QObject* object : win->findChildren<QObject*>(ref.name))
            if (object->property("index").isValid() && !qobject_cast<QAction*>(object))
                ++count;
        return Value::ofNumber(count);
    }
    QObject* object = control(ref, why);
    if (!object)
        return std::nullopt;
    auto* widget = qobject_cast<QWidget*>(object);
    auto* ctl = qobject_cast<Control*>(object);
    auto* label = qobject_cast<Label*>(object);
    auto unsupported = [&] {
        why = QStringLiteral("%1 has no %2").arg(ref.text.left(ref.text.size() - p.size() - 1), p);
        return std::nullopt;
    };
    if (p == QLatin1String("Caption")) {
        if (label)
            return Value::ofText(label->caption());
        if (auto* button = qobject_cast<CommandButton*>(object))
            return Value::ofText(button->caption());
        if (auto* button = qobject_cast<QAbstractButton*>(object))
            return Value::ofText(button->text());
        if (auto* frame = qobject_cast<QGroupBox*>(object))
            return Value::ofText(frame->title());
        if (auto* item = qobject_cast<MenuItem*>(object))
            return Value::ofText(item->caption());
        if (widget && widget->isWindow())
            return Value::ofText(widget->windowTitle());
        return unsupported();
    }
    if (p == QLatin1String("Visible")) {
        if (!widget)
            return unsupported();
        return Value::ofBoolean(widget->isWindow() ? widget->isVisible()
                                                   : widget->isVisibleTo(widget->parentWidget()));
    }
    if (p == QLatin1String("Left") || p == QLatin1String("Top") || p == QLatin1String("Width") ||
        p == QLatin1String("Height")) {
        if (ctl) {
            const int v = p == QLatin1String("Left")    ? ctl->left()
                          : p == QLatin1String("Top")   ? ctl->top()
                          : p == QLatin1String("Width") ? ctl->widthTwips()
                                                        : ctl->heightTwips();
            return Value::ofNumber(v);
        }
        if (!widget)
            return unsupported();
        const QRect r = widget->geometry();
        const int px = p == QLatin1String("Left")    ? r.x()
                       : p == QLatin1String("Top")   ? r.y()
                       : p == QLatin1String("Width") ? r.width()
                                                     : r.height();
        return Value::ofNumber(twipsFromPixels(px));
    }
    if (p == QLatin1String("BackColor")) {
        if (label)
            return Value::ofColor(label->backColor());
        if (auto* button = qobject_cast<CommandButton*>(object))
            return Value::ofColor(button->faceColor());
        return unsupported();
    }
    if (p == QLatin1String("ForeColor")) {
        if (label)
            return Value::ofColor(label->foreColor());
        return unsupported();
    }
    if (p == QLatin1String("Picture")) {
        if (auto* image = qobject_cast<Image*>(object))
            return Value::ofPicture(image->picture(), pictureName(image->picture()));
        return unsupported();
    }
    if (p == QLatin1String("Value")) {
        if (auto* option = qobject_cast<QRadioButton*>(object))
            return Value::ofBoolean(option->isChecked());
        return unsupported();
    }
    if (p == QLatin1String("Checked")) {
        if (auto* item = qobject_cast<MenuItem*>(object))
            return Value::ofBoolean(item->checked());
        return unsupported();
    }
    if (p == QLatin1String("Interval")) {
        if (auto* timer = qobject_cast<Timer*>(object))
            return Value::ofNumber(timer->interval());
        return unsupported();
    }
    if (p == QLatin1String("Underline")) {
        if (label)
            return Value::ofBoolean(label->underline());
        return unsupported();
    }
    return unsupported();
}

std::optional<Value> Runner::resolve(const Expected& e, QString& why) const {
    switch (e.kind) {
    case Expected::Kind::Number:
        return Value::ofNumber(e.number);
    case Expected::Kind::Text:
        return Value::ofText(e.text);
    case Expected::Kind::Boolean:
        return Value::ofBoolean(e.boolean);
    case Expected::Kind::Color:
        return Value::ofColor(QColor(e.text));
    case Expected::Kind::Empty:
        return Value::ofPicture(form1_->Image4->picture(), QStringLiteral("empty"));
    case Expected::Kind::None:
        return Value::ofPicture(nullptr, QStringLiteral("none"));
    case Expected::Kind::Strip:
        return Value::ofPicture(form1_->Image2[e.strip].picture(),
                                QStringLiteral("strip(%1)").arg(e.strip));
    case Expected::Kind::PictureOf: {
        QObject* object = control(e.of, why);
        auto* image = qobject_cast<Image*>(object);
        if (!image) {
            if (object)
                why = QStringLiteral("%1 is not an image").arg(e.of.text);
            return std::nullopt;
        }
        return Value::ofPicture(image->picture(), pictureName(image->picture()));
    }
    }
    return std::nullopt;
}

void Runner::execute(const Command& c) {
    testkit::ScriptedServices& services = *services_;
    const QString& v = c.verb;
    auto controlWidget = [&](QString& why) -> QWidget* {
        QObject* object = control(*c.ref, why);
        auto* widget = qobject_cast<QWidget*>(object);
        if (object && !widget)
            why = QStringLiteral("%1 is not a control the mouse can reach").arg(c.ref->text);
        return widget;
    };
    if (v == QLatin1String("clock")) {
        services.setClock(tidy(c.numbers[0]));
    } else if (v == QLatin1String("advance")) {
        services.setClock(tidy(services.now() + c.numbers[0]));
    } else if (v == QLatin1String("random")) {
        for (double r : c.numbers)
            services.queueRandom(r);
    } else if (v == QLatin1String("seed")) {
        services.seed(static_cast<std::uint64_t>(c.numbers[0]));
    } else if (v == QLatin1String("tick")) {
        if (Timer* timer = services.timer())
            timer->fire();
    } else if (v == QLatin1String("popup")) {
        // The clock moves on past the least time between two pop-ups, and the
        // next tick's event draws hole h and character c.
        const int character = static_cast<int>(c.numbers[0]);
        const int hole = static_cast<int>(c.numbers[1]);
        services.setClock(tidy(services.now() + 0.3));
        services.queueRandom(0); // the stage draw
        services.queueRandom((hole + 0.5) / 10);
        for (double draw : characterDraws(character))
            services.queueRandom(draw);
        if (Timer* timer = services.timer())
            timer->fire();
    } else if (v == QLatin1String("run")) {
        const double start = services.now();
        const long steps = std::lround(c.numbers[0] / 0.1);
        for (long i = 1; i <= steps; ++i) {
            services.setClock(tidy(start + 0.1 * static_cast<double>(i)));
            if (Timer* timer = services.timer(); timer && timer->interval() != 0)
                timer->fire();
        }
    } else if (v == QLatin1String("move") || v == QLatin1String("press") ||
               v == QLatin1String("release") || v == QLatin1String("click")) {
        QString why;
        QWidget* target = controlWidget(why);
        if (!target) {
            fail(c, QStringLiteral("a control %1").arg(c.ref->text), why);
            return;
        }
        const Qt::MouseButton button = buttonOf(c.word);
        if (v == QLatin1String("move")) {
            testkit::moveTo(*target);
        } else if (v == QLatin1String("press")) {
            held_ |= button;
            testkit::press(*target, button);
        } else if (v == QLatin1String("release")) {
            held_ &= ~Qt::MouseButtons(button);
            testkit::release(*target, button);
        } else {
            testkit::click(*target, button);
        }
    } else if (v == QLatin1String("moveto") || v == QLatin1String("pressat") ||
               v == QLatin1String("releaseat")) {
        const QPoint at(pixelHolding(c.numbers[0]), pixelHolding(c.numbers[1]));
        const Qt::MouseButton button = buttonOf(c.word);
        if (v == QLatin1String("moveto")) {
            testkit::mouseMove(*form1_->surface, at);
        } else if (v == QLatin1String("pressat")) {
            held_ |= button;
            testkit::mousePress(*form1_->surface, at, button);
        } else {
            held_ &= ~Qt::MouseButtons(button);
            testkit::mouseRelease(*form1_->surface, at, button);
        }
    } else if (v == QLatin1String("key")) {
        testkit::typeKey(static_cast<int>(c.numbers[0]), form1_);
    } else if (v == QLatin1String("menu")) {
        if (!testkit::chooseMenu(*form1_, c.text))
            fail(c, QStringLiteral("a menu item %1").arg(quoted(c.text)),
                 QStringLiteral("no such item"));
    } else if (v == QLatin1String("answer")) {
        const auto& modals = services.openModals();
        auto* box = modals.empty() ? nullptr : qobject_cast<QMessageBox*>(modals.back().widget);
        if (!box) {
            fail(c, QStringLiteral("a message box to answer"),
                 modals.empty() ? QStringLiteral("no modal window")
                                : QStringLiteral("modal %1").arg(modals.back().name));
            return;
        }
        QAbstractButton* button =
            box->button(c.word == QLatin1String("OK") ? QMessageBox::Ok : QMessageBox::Cancel);
        if (!button) {
            fail(c, QStringLiteral("a button %1").arg(c.word), QStringLiteral("no such button"));
            return;
        }
        testkit::click(*button);
    } else if (v == QLatin1String("close")) {
        QWidget* target = window(c.word);
        if (!target || !target->isVisible()) {
            fail(c, QStringLiteral("an open window %1").arg(c.word), QStringLiteral("none"));
            return;
        }
        testkit::closeWindow(*target);
    } else if (v == QLatin1String("clear")) {
        if (c.word == QLatin1String("sounds"))
            soundsChecked_ = static_cast<int>(services.sounds.size());
        else if (c.word == QLatin1String("shell"))
            shellChecked_ = static_cast<int>(services.shellTargets.size());
        else
            beepsChecked_ = services.beeps;
    } else if (v == QLatin1String("shot")) {
        // A picture of what the player sees: the open modal window, else the game window.
        const auto& modals = services.openModals();
        QWidget* shown =
            !modals.empty() && modals.back().widget ? modals.back().widget.data() : form1_;
        if (!shown->grab().save(c.text))
            fail(c, QStringLiteral("a picture saved as %1").arg(quoted(c.text)),
                 QStringLiteral("no file written"));
    } else if (v == QLatin1String("print")) {
        QString why;
        const auto value = read(*c.ref, why);
        printf("%s:%d: %s = %s\n", qPrintable(script_->file), c.line, qPrintable(c.ref->text),
               qPrintable(value ? value->toString() : why));
        fflush(stdout);
    } else if (v == QLatin1String("expect-value")) {
        QString why;
        const auto actual = read(*c.ref, why);
        const auto expected = actual ? resolve(*c.value, why) : std::nullopt;
        const QString wanted = c.ref->text + QStringLiteral(" = ") + c.value->written;
        if (!actual || !expected)
            fail(c, wanted, why);
        else if (!sameValue(*expected, *actual))
            fail(c, wanted, actual->toString());
    } else if (v == QLatin1String("expect-msgbox")) {
        const auto& modals = services.openModals();
        auto* box = modals.empty() ? nullptr : qobject_cast<QMessageBox*>(modals.back().widget);
        const QString wanted = QStringLiteral("a message box %1").arg(quoted(c.text));
        if (!box) {
            fail(c, wanted,
                 modals.empty() ? QStringLiteral("no modal window")
                                : QStringLiteral("modal %1").arg(modals.back().name));
            return;
        }
        if (box->text() != c.text)
            fail(c, wanted, QStringLiteral("a message box %1").arg(quoted(box->text())));
        if (box->windowTitle() != QLatin1String(kMessageTitle))
            fail(c, QStringLiteral("the title \"Trompalo\""), quoted(box->windowTitle()));
        const QString icon = box->icon() == QMessageBox::Question      ? QStringLiteral("question")
                             : box->icon() == QMessageBox::Information ? QStringLiteral("info")
                                                                       : QStringLiteral("other");
        if (!c.word.isEmpty() && icon != c.word)
            fail(c, QStringLiteral("the icon %1").arg(c.word), icon);
        const QString buttons = box->standardButtons() == (QMessageBox::Ok | QMessageBox::Cancel)
                                    ? QStringLiteral("OKCancel")
                                : box->standardButtons() == QMessageBox::Ok
                                    ? QStringLiteral("OK")
                                    : QStringLiteral("other");
        if (!c.word2.isEmpty() && buttons != c.word2)
            fail(c, QStringLiteral("the buttons %1").arg(c.word2), buttons);
    } else if (v == QLatin1String("expect-sound") || v == QLatin1String("expect-shell")) {
        const bool sound = v == QLatin1String("expect-sound");
        const QStringList& made = sound ? services.sounds : services.shellTargets;
        int& checked = sound ? soundsChecked_ : shellChecked_;
        const QString what = sound ? QStringLiteral("sound") : QStringLiteral("shell");
        if (checked >= made.size()) {
            fail(c, QStringLiteral("%1 %2").arg(what, quoted(c.text)),
                 QStringLiteral("no %1").arg(what));
            return;
        }
        const QString got = made[checked++];
        if (got != c.text)
            fail(c, QStringLiteral("%1 %2").arg(what, quoted(c.text)),
                 QStringLiteral("%1 %2").arg(what, quoted(got)));
    } else if (v == QLatin1String("expect-nosound")) {
        if (soundsChecked_ < services.sounds.size())
            fail(c, QStringLiteral("no sound"),
                 QStringLiteral("sound %1").arg(quoted(services.sounds[soundsChecked_])));
    } else if (v == QLatin1String("expect-beep")) {
        if (beepsChecked_ >= services.beeps)
            fail(c, QStringLiteral("a beep"), QStringLiteral("none"));
        else
            ++beepsChecked_;
    } else if (v == QLatin1String("expect-nobeep")) {
        if (beepsChecked_ < services.beeps)
            fail(c, QStringLiteral("no beep"),
                 QStringLiteral("%1").arg(services.beeps - beepsChecked_) +
                     QStringLiteral(" beep(s)"));
    } else if (v == QLatin1String("expect-modal")) {
        const QString open = modalName(services);
        if (open != c.word)
            fail(c, QStringLiteral("modal %1").arg(c.word),
                 open.isEmpty() ? QStringLiteral("no modal window")
                                : QStringLiteral("modal %1").arg(open));
    } else if (v == QLatin1String("expect-nomodal")) {
        const QString open = modalName(services);
        if (!open.isEmpty())
            fail(c, QStringLiteral("no modal window"), QStringLiteral("modal %1").arg(open));
    }
}

} // namespace trompalo::scenario
