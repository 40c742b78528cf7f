#include "runner.h"

#include "dialogs/form_quorvane.h"
#include "platform/menu_item.h"
#include "platform/timer.h"
#include "platform/twips.h"
#include "support/draws.h"
#include "support/driver.h"
#include "support/scripted_services.h"
#include "window/form1.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QMessageBox>
#include <QPointer>
#include <QRadioButton>

#include <array>
#include <cmath>
#include <functional>
#include <map>

namespace trompalo::scenario {

namespace {

// Clock values stay on whole nanoseconds, so runs of 0.1-second steps land on
// the times a person would write.
double tidy(double seconds) {
    return std::round(seconds * 1e9) / 1e9;
}

Value make(Value::Kind kind, double n = 0, const QString& t = {}) {
    Value v;
    v.kind = kind;
    v.number = n;
    v.text = t;
    return v;
}
Value number(double n) {
    return make(Value::Kind::Number, n);
}
Value boolean(bool b) {
    return make(Value::Kind::Boolean, b ? -1.0 : 0.0);
}
Value text(const QString& t) {
    return make(Value::Kind::Text, 0, t);
}
Value color(const QColor& c) {
    Value v = make(Value::Kind::Color);
    v.color = c;
    return v;
}

// The game's variables, by name.
using Variable = std::function<Value(const Module1&, const Form1State&, const std::vector<int>&)>;
const std::map<QString, std::pair<int, Variable>>& variables() {
    using M = const Module1&;
    using S = const Form1State&;
    using I = const std::vector<int>&;
    static const std::map<QString, std::pair<int, Variable>> all{
        {"GameKind", {0, [](M m, S, I) { return number(m.GameKind); }}},
        {"NumPlayers", {0, [](M m, S, I) { return number(m.NumPlayers); }}},
        {"CurrentPlayer", {0, [](M m, S, I) { return number(m.CurrentPlayer); }}},
        {"RoundNo", {0, [](M m, S, I) { return number(m.RoundNo); }}},
        {"LimitKind", {0, [](M m, S, I) { return text(QString::fromStdString(m.LimitKind)); }}},
        {"LimitValue", {0, [](M m, S, I) { return number(m.LimitValue); }}},
        {"WinAtGameEnd", {0, [](M m, S, I) { return boolean(m.WinAtGameEnd); }}},
        {"PopInterval", {0, [](M m, S, I) { return number(m.PopInterval); }}},
        {"StayTime", {0, [](M m, S, I) { return number(m.StayTime); }}},
        {"Marks", {2, [](M m, S, I i) { return number(m.Marks[i[0]][i[1]]); }}},
        {"CellOwner", {1, [](M, S s, I i) { return number(s.CellOwner[i[0]]); }}},
        {"GridHero", {1, [](M, S s, I i) { return number(s.GridHero[i[0]]); }}},
        {"PopTime", {1, [](M, S s, I i) { return number(s.PopTime[i[0]]); }}},
        {"BoardOver", {0, [](M, S s, I) { return boolean(s.BoardOver); }}},
        {"EndedByLine", {0, [](M, S s, I) { return boolean(s.EndedByLine); }}},
        {"LastPopTime", {0, [](M, S s, I) { return number(s.LastPopTime); }}},
        {"TurnStart", {0, [](M, S s, I) { return number(s.TurnStart); }}},
        {"TurnSeconds", {0, [](M, S s, I) { return number(s.TurnSeconds); }}},
        {"TimerBusy", {0, [](M, S s, I) { return boolean(s.TimerBusy); }}},
        {"Frozen", {0, [](M, S s, I) { return boolean(s.Frozen); }}},
        {"Slapping", {0, [](M, S s, I) { return boolean(s.Slapping); }}},
        {"Swinging", {0, [](M, S s, I) { return boolean(s.Swinging); }}},
        {"SlapTicks", {0, [](M, S s, I) { return number(s.SlapTicks); }}},
        {"Misses", {0, [](M, S s, I) { return number(s.Misses); }}},
        {"HitChar", {0, [](M, S s, I) { return number(s.HitChar); }}},
        {"HitPoints", {0, [](M, S s, I) { return number(s.HitPoints); }}},
    };
    return all;
}

} // namespace

QString quoted(const QString& text) {
    QString out = "\"";
    for (QChar c : text)
        out += c == u'"'    ? QString("\\\"")
               : c == u'\\' ? QString("\\\\")
               : c == u'\r' ? QString("\\r")
               : c == u'\n' ? QString("\\n")
                            : QString(c);
    return out + u'"';
}

QString Value::toString() const {
    switch (kind) {
    case Kind::Number:
        return QString::number(number, 'g', 12);
    case Kind::Boolean:
        return number != 0 ? "True" : "False";
    case Kind::Text:
        return quoted(text);
    case Kind::Color:
        return color.name().toUpper();
    case Kind::Picture:
        return text;
    }
    return {};
}

bool Value::operator==(const Value& other) const {
    const bool numeric = kind == Kind::Number || kind == Kind::Boolean;
    if (numeric && (other.kind == Kind::Number || other.kind == Kind::Boolean))
        return std::fabs(number - other.number) <= 1e-6;
    if (kind != other.kind)
        return false;
    return kind == Kind::Text    ? text == other.text
           : kind == Kind::Color ? color.rgb() == other.color.rgb()
                                 : picture == other.picture;
}

QStringList Runner::run(const Script& script) {
    script_ = &script;
    testkit::ScriptedServices services;
    services_ = &services;
    bool starting = true;
    services.whileModal = [&](QWidget& shown) {
        if (!starting || script.splashKeep || shown.objectName() != "FormQuorvane")
            return untilHidden(shown);
        // The player closes the splash.
        testkit::click(*static_cast<FormQuorvane&>(shown).lblClick);
        if (!shown.isHidden()) {
            failures_ << QString("%1:0: expected a click to close the splash, got it open")
                             .arg(script.file);
            shown.hide();
        }
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
        for (Qt::MouseButton b : {Qt::LeftButton, Qt::RightButton})
            if (held_ & b)
                testkit::mouseRelease(*form1.surface, QPoint(0, 0), b);
    }
    form1_ = nullptr;
    QCoreApplication::processEvents();
    return failures_;
}

bool Runner::step() {
    if (next_ >= script_->commands.size())
        return false;
    execute(script_->commands[next_++]);
    return true;
}

void Runner::untilHidden(QWidget& shown) {
    // The following lines run inside the modal window, as a real event loop
    // would deliver them, until it is closed or answered.
    QPointer<QWidget> guard(&shown);
    while (guard && !guard->isHidden()) {
        if (step())
            continue;
        if (!endedInModal_)
            failures_ << QString("%1:%2: expected no modal window at the end, got %3")
                             .arg(script_->file)
                             .arg(script_->commands.empty() ? 0 : script_->commands.back().line)
                             .arg(shown.objectName());
        endedInModal_ = true;
        guard->hide(); // the program unwinds as if it were dismissed
    }
}

void Runner::fail(const Command& c, const QString& expected, const QString& got) {
    failures_
        << QString("%1:%2: expected %3, got %4").arg(script_->file).arg(c.line).arg(expected, got);
}

QWidget* Runner::window(const QString& name) const {
    if (name == "Form1")
        return form1_;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->objectName() == name)
            return top;
    return nullptr;
}

QObject* Runner::control(const Reference& ref, QString& why) const {
    QWidget* win = window(ref.window);
    if (!win) {
        why = QString("no window %1 (it is not loaded)").arg(ref.window);
        return nullptr;
    }
    if (ref.name.isEmpty())
        return win;
    for (QObject* object : win->findChildren<QObject*>(ref.name)) {
        const QVariant index = object->property("index");
        // (a menu item stands for its action, which shares its name)
        if (!qobject_cast<QAction*>(object) &&
            (ref.indexes.empty() ? !index.isValid()
                                 : index.isValid() && index.toInt() == ref.indexes[0]))
            return object;
    }
    why =
        ref.indexes.empty()
            ? QString("no control %1 on %2 (an array needs an index)").arg(ref.name, ref.window)
            : QString("no control %1(%2) on %3").arg(ref.name).arg(ref.indexes[0]).arg(ref.window);
    return nullptr;
}

Value Runner::picture(const Picture& shown) const {
    QString name = "none";
    if (shown) {
        name =
            QString("picture(%1%2)").arg(shown->resource(), shown->mirrored() ? ", mirrored" : "");
        if (shown == form1_->iconPicture())
            name = "icon";
        for (int i = 0; i < form1_->Image2.count(); ++i)
            if (form1_->Image2[i].picture() == shown)
                name = QString("strip(%1)").arg(i);
    }
    Value v = make(Value::Kind::Picture, 0, name);
    v.picture = shown;
    return v;
}

std::optional<Value> Runner::variable(const Reference& ref, QString& why) const {
    const auto& [indexes, get] = variables().at(ref.name);
    const std::size_t wanted = static_cast<std::size_t>(indexes);
    const int high = ref.name == "PopTime" ? 11 : 9;
    if (ref.indexes.size() != wanted) {
        why = QString("%1 takes %2 index(es)").arg(ref.name).arg(wanted);
        return std::nullopt;
    }
    for (std::size_t k = 0; k < wanted; ++k)
        if (ref.indexes[k] < 0 || ref.indexes[k] > (ref.name == "Marks" && k == 0 ? 4 : high)) {
            why = QString("index %1 of %2 is outside its bounds").arg(ref.indexes[k]).arg(ref.name);
            return std::nullopt;
        }
    return get(form1_->game().module1(), form1_->game().state(), ref.indexes);
}

std::optional<Value> Runner::read(const Reference& ref, QString& why) const {
    if (ref.variable)
        return variable(ref, why);
    const QString& p = ref.property;
    if (p == "Count") {
        QWidget* win = window(ref.window);
        if (!win) {
            why = QString("no window %1").arg(ref.window);
            return std::nullopt;
        }
        int count = 0;
        for (QObject* object : win->findChildren<QObject*>(ref.name))
            count += object->property("index").isValid() && !qobject_cast<QAction*>(object);
        return number(count);
    }
    QObject* object = control(ref, why);
    if (!object)
        return std::nullopt;
    auto* widget = qobject_cast<QWidget*>(object);
    auto* ctl = qobject_cast<Control*>(object);
    auto* label = qobject_cast<Label*>(object);
    auto* button = qobject_cast<CommandButton*>(object);
    if (p == "Caption" && label)
        return text(label->caption());
    if (p == "Caption" && button)
        return text(button->caption());
    if (p == "Caption" && qobject_cast<QAbstractButton*>(object))
        return text(static_cast<QAbstractButton*>(object)->text());
    if (p == "Caption" && qobject_cast<QGroupBox*>(object))
        return text(static_cast<QGroupBox*>(object)->title());
    if (p == "Caption" && qobject_cast<MenuItem*>(object))
        return text(static_cast<MenuItem*>(object)->caption());
    if (p == "Caption" && widget && widget->isWindow())
        return text(widget->windowTitle());
    if (p == "Visible" && widget)
        return boolean(widget->isWindow() ? widget->isVisible()
                                          : widget->isVisibleTo(widget->parentWidget()));
    const QStringList places{"Left", "Top", "Width", "Height"};
    if (places.contains(p) && (ctl || widget)) {
        const int i = static_cast<int>(places.indexOf(p));
        if (ctl)
            return number(
                std::array{ctl->left(), ctl->top(), ctl->widthTwips(), ctl->heightTwips()}[i]);
        const QRect r = widget->geometry();
        return number(twipsFromPixels(std::array{r.x(), r.y(), r.width(), r.height()}[i]));
    }
    if (p == "BackColor" && label)
        return color(label->backColor());
    if (p == "BackColor" && button)
        return color(button->faceColor());
    if (p == "ForeColor" && label)
        return color(label->foreColor());
    if (p == "Picture" && qobject_cast<Image*>(object))
        return picture(static_cast<Image*>(object)->picture());
    if (p == "Value" && qobject_cast<QRadioButton*>(object))
        return boolean(static_cast<QRadioButton*>(object)->isChecked());
    if (p == "Checked" && qobject_cast<MenuItem*>(object))
        return boolean(static_cast<MenuItem*>(object)->checked());
    if (p == "Interval" && qobject_cast<Timer*>(object))
        return number(static_cast<Timer*>(object)->interval());
    if (p == "Underline" && label)
        return boolean(label->underline());
    why = QString("%1 has no %2").arg(ref.text.left(ref.text.size() - p.size() - 1), p);
    return std::nullopt;
}

std::optional<Value> Runner::resolve(const Expected& e, QString& why) const {
    using K = Expected::Kind;
    switch (e.kind) {
    case K::Number:
        return number(e.number);
    case K::Boolean:
        return boolean(e.number != 0);
    case K::Text:
        return text(e.text);
    case K::Color:
        return color(QColor(e.text));
    case K::Empty:
        return picture(form1_->Image4->picture());
    case K::None:
        return picture(nullptr);
    case K::Icon:
        return picture(form1_->iconPicture());
    case K::Strip:
        return picture(form1_->Image2[static_cast<int>(e.number)].picture());
    case K::PictureOf:
        auto* image = qobject_cast<Image*>(control(*e.of, why));
        if (!image) {
            why = why.isEmpty() ? QString("%1 is not an image").arg(e.of->text) : why;
            return std::nullopt;
        }
        return picture(image->picture());
    }
    return std::nullopt;
}

QString Runner::openModal() const {
    const auto& modals = services_->openModals();
    return modals.empty() ? QString() : modals.back().name;
}

void Runner::execute(const Command& c) {
    testkit::ScriptedServices& services = *services_;
    const QString& v = c.verb;
    const Qt::MouseButton button = c.words.value(0) == "right" ? Qt::RightButton : Qt::LeftButton;
    auto fire = [&] {
        if (Timer* timer = services.timer())
            timer->fire();
    };
    if (v == "clock" || v == "advance") {
        services.setClock(tidy(c.numbers[0] + (v == "advance" ? services.now() : 0)));
    } else if (v == "random") {
        for (double r : c.numbers)
            services.queueRandom(r);
    } else if (v == "seed") {
        services.seed(static_cast<std::uint64_t>(c.numbers[0]));
    } else if (v == "tick") {
        fire();
    } else if (v == "popup" || v == "hit") {
        // The clock moves on past the least time between two pop-ups, and the
        // next tick's event brings character c up in hole h.
        const int hole = static_cast<int>(c.numbers[1]);
        services.setClock(tidy(services.now() + 0.3));
        for (double draw : testkit::popUpDraws(static_cast<int>(c.numbers[0]), hole))
            services.queueRandom(draw);
        fire();
        if (v == "hit")
            testkit::click(form1_->Image3[hole]);
    } else if (v == "run") {
        const double start = services.now();
        for (long i = 1; i <= std::lround(c.numbers[0] / 0.1); ++i) {
            services.setClock(tidy(start + 0.1 * static_cast<double>(i)));
            if (services.timer() && services.timer()->interval() != 0)
                fire();
        }
    } else if (v == "move" || v == "press" || v == "release" || v == "click") {
        QString why;
        QObject* object = control(*c.ref, why);
        auto* target = qobject_cast<QWidget*>(object);
        if (!target)
            return fail(c, "a control " + c.ref->text,
                        object ? c.ref->text + " is not a control the mouse can reach" : why);
        if (v == "press")
            held_ |= button;
        if (v == "release")
            held_ &= ~Qt::MouseButtons(button);
        if (v == "move")
            testkit::moveTo(*target);
        else if (v == "press")
            testkit::press(*target, button);
        else if (v == "release")
            testkit::release(*target, button);
        else
            testkit::click(*target, button);
    } else if (v == "moveto" || v == "pressat" || v == "releaseat") {
        const QPoint at(static_cast<int>(std::floor(c.numbers[0] / kTwipsPerPixel)),
                        static_cast<int>(std::floor(c.numbers[1] / kTwipsPerPixel)));
        if (v == "moveto") {
            testkit::mouseMove(*form1_->surface, at);
        } else if (v == "pressat") {
            held_ |= button;
            testkit::mousePress(*form1_->surface, at, button);
        } else {
            held_ &= ~Qt::MouseButtons(button);
            testkit::mouseRelease(*form1_->surface, at, button);
        }
    } else if (v == "key") {
        testkit::typeKey(static_cast<int>(c.numbers[0]), form1_);
    } else if (v == "menu") {
        if (!testkit::chooseMenu(*form1_, c.text))
            fail(c, "a menu item " + quoted(c.text), "no such item");
    } else if (v == "answer") {
        const auto& modals = services.openModals();
        auto* box = modals.empty() ? nullptr : qobject_cast<QMessageBox*>(modals.back().widget);
        QAbstractButton* pressed =
            box ? box->button(c.words[0] == "OK" ? QMessageBox::Ok : QMessageBox::Cancel) : nullptr;
        if (!pressed)
            return fail(c, "a message box with a button " + c.words[0],
                        box              ? "no such button"
                        : modals.empty() ? "no modal window"
                                         : "modal " + openModal());
        testkit::click(*pressed);
    } else if (v == "close") {
        QWidget* target = window(c.words[0]);
        if (!target || !target->isVisible())
            return fail(c, "an open window " + c.words[0], "none");
        testkit::closeWindow(*target);
    } else if (v == "clear") {
        soundsChecked_ =
            c.words[0] == "sounds" ? static_cast<int>(services.sounds.size()) : soundsChecked_;
        shellChecked_ =
            c.words[0] == "shell" ? static_cast<int>(services.shellTargets.size()) : shellChecked_;
        beepsChecked_ = c.words[0] == "beeps" ? services.beeps : beepsChecked_;
    } else if (v == "shot") {
        // What the player sees: the open modal window, else the game window.
        const auto& modals = services.openModals();
        QWidget* shown = !modals.empty() && modals.back().widget ? modals.back().widget : form1_;
        if (!shown->grab().save(c.text))
            fail(c, "a picture saved as " + quoted(c.text), "no file written");
    } else if (v == "print") {
        QString why;
        const auto value = read(*c.ref, why);
        printf("%s:%d: %s = %s\n", qPrintable(script_->file), c.line, qPrintable(c.ref->text),
               qPrintable(value ? value->toString() : why));
        fflush(stdout);
    } else {
        expect(c);
    }
}

void Runner::expect(const Command& c) {
    testkit::ScriptedServices& services = *services_;
    const QString& v = c.verb;
    if (v == "expect-value") {
        QString why;
        const auto actual = read(*c.ref, why);
        const auto wanted = actual ? resolve(*c.value, why) : std::nullopt;
        const QString expected = c.ref->text + " = " + c.value->written;
        if (!actual || !wanted)
            fail(c, expected, why);
        else if (!(*wanted == *actual))
            fail(c, expected, actual->toString());
    } else if (v == "expect-msgbox") {
        const auto& modals = services.openModals();
        auto* box = modals.empty() ? nullptr : qobject_cast<QMessageBox*>(modals.back().widget);
        if (!box)
            return fail(c, "a message box " + quoted(c.text),
                        modals.empty() ? "no modal window" : "modal " + openModal());
        if (box->text() != c.text)
            fail(c, "a message box " + quoted(c.text), "a message box " + quoted(box->text()));
        if (box->windowTitle() != kMessageTitle)
            fail(c, "the title \"Trompalo\"", quoted(box->windowTitle()));
        const QString icon = box->icon() == QMessageBox::Question      ? "question"
                             : box->icon() == QMessageBox::Information ? "info"
                                                                       : "other";
        const QString buttons = box->standardButtons() == (QMessageBox::Ok | QMessageBox::Cancel)
                                    ? "OKCancel"
                                : box->standardButtons() == QMessageBox::Ok ? "OK"
                                                                            : "other";
        for (const QString& word : c.words)
            if (word != icon && word != buttons)
                fail(c, "the icon or buttons " + word, icon + " " + buttons);
    } else if (v == "expect-sound" || v == "expect-shell") {
        const bool sound = v == "expect-sound";
        const QStringList& made = sound ? services.sounds : services.shellTargets;
        int& checked = sound ? soundsChecked_ : shellChecked_;
        const QString what = sound ? "sound " : "shell ";
        if (checked >= made.size())
            fail(c, what + quoted(c.text), "no " + what.trimmed());
        else if (made[checked++] != c.text)
            fail(c, what + quoted(c.text), what + quoted(made[checked - 1]));
    } else if (v == "expect-nosound") {
        if (soundsChecked_ < services.sounds.size())
            fail(c, "no sound", "sound " + quoted(services.sounds[soundsChecked_]));
    } else if (v == "expect-beep") {
        if (beepsChecked_ >= services.beeps)
            fail(c, "a beep", "none");
        else
            ++beepsChecked_;
    } else if (v == "expect-nobeep") {
        if (beepsChecked_ < services.beeps)
            fail(c, "no beep", QString("%1 beep(s)").arg(services.beeps - beepsChecked_));
    } else if (v == "expect-modal" || v == "expect-nomodal") {
        const QString wanted = c.words.value(0);
        if (openModal() != wanted)
            fail(c, wanted.isEmpty() ? "no modal window" : "modal " + wanted,
                 openModal().isEmpty() ? "no modal window" : "modal " + openModal());
    }
}

} // namespace trompalo::scenario
