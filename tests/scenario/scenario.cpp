// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

// trompalo-scenario FILE...: plays each scenario file in a fresh program on
// scripted services and reports every expectation that failed, as
// "FILE:LINE: expected ..., got ...", then "N passed, M failed". Every line is
// checked when the file is read: a line it does not understand stops the file
// before it runs (it throws why, a QString). The language:
// tests/scenarios/README.md.
#include "platform/access_keys.h"
#include "platform/application.h"
#include "platform/menu_item.h"
#include "platform/timer.h"
#include "platform/twips.h"
#include "support/driver.h"
#include "support/quiet_qt.h"
#include "support/scripted_services.h"
#include "window/form1.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QGroupBox>
#include <QMessageBox>
#include <QPointer>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTextStream>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <map>
#include <optional>
#include <tuple>
#include <type_traits>
#include <utility>

namespace {

using namespace trompalo;

struct Token {
    QString text;
    bool quoted = false;
};
using Tokens = std::vector<Token>;

// Words, and texts in double quotes with \" \\ \r and \n.
Tokens tokenize(const QString& line) {
    static const QRegularExpression word(R"re("((?:[^"\\]|\\["\\rn])*)"|([^\s"]+)|(\S))re");
    Tokens tokens;
    for (const QRegularExpressionMatch& m : word.globalMatch(line)) {
        if (m.hasCaptured(3))
            throw QString(R"(a text has no closing quote, or an escape other than \" \\ \r \n)");
        // (an escaped backslash is cut out first: "\\r" is a backslash and an r)
        QStringList parts = m.captured(1).split(R"(\\)");
        for (QString& part : parts)
            part.replace(R"(\")", "\"").replace(R"(\r)", "\r").replace(R"(\n)", "\n");
        tokens.push_back(m.hasCaptured(2) ? Token{m.captured(2)} : Token{parts.join(u'\\'), true});
    }
    return tokens;
}

QString quoted(const QString& text) {
    QString out = text;
    out.replace('\\', "\\\\").replace('"', "\\\"").replace('\r', "\\r").replace('\n', "\\n");
    return '"' + out + '"';
}

// What a scenario compares: the value as a scenario writes it, or why there is
// none; numbers (and Booleans, True as -1) compare within 1e-6, pictures by
// identity.
struct Value {
    QString text;
    std::optional<double> number;
    std::optional<Picture> picture;
    bool found = true;
};
const auto num = [](double n) { return Value{QString::number(n, 'g', 12), n, {}}; };
const auto flag = [](bool b) { return Value{b ? "True" : "False", b ? -1.0 : 0.0, {}}; };
const auto words = [](const QString& text) { return Value{quoted(text), {}, {}}; };
const auto colour = [](const QColor& c) { return Value{c.name().toUpper(), {}, {}}; };
const auto missing = [](const QString& why) { return Value{why, {}, {}, false}; };
bool same(const Value& a, const Value& b) {
    if (a.number && b.number)
        return std::fabs(*a.number - *b.number) <= 1e-6;
    if (a.picture || b.picture)
        return a.picture && b.picture && *a.picture == *b.picture;
    return a.found && b.found && a.text == b.text;
}

// A picture as a scenario writes it: the cast's, the icon, else its file.
Value picture(const Picture& shown, const Form1& form1) {
    QString name = !shown ? "none"
                   : shown == form1.iconPicture()
                       ? "icon"
                       : QString("picture(%1%2)")
                             .arg(shown->resource(), shown->mirrored() ? ", mirrored" : "");
    for (int i = 0; shown && i < form1.Image2.count(); ++i)
        if (form1.Image2[i].picture() == shown)
            name = QString("strip(%1)").arg(i);
    return {name, {}, shown};
}

// The game's variables, each where the game keeps it: the settings record
// (Module1) or the state its play shares (Form1State). An array takes one
// index a dimension, from 0.
using Indexes = std::vector<int>;
using Variable = std::function<Value(const Game&, const QString& name, const Indexes&)>;
Value element(const auto& kept, const QString& name, const Indexes& i, std::size_t k = 0) {
    using T = std::remove_cvref_t<decltype(kept)>;
    if (k == 0 && i.size() != std::rank_v<T>)
        return missing(QString("%1 takes %2 index(es)").arg(name).arg(std::rank_v<T>));
    if constexpr (std::is_array_v<T>)
        return i[k] < 0 || i[k] >= int(std::extent_v<T>)
                   ? missing(QString("index %1 of %2 is outside its bounds").arg(i[k]).arg(name))
                   : element(kept[i[k]], name, i, k + 1);
    else if constexpr (std::is_same_v<T, std::string>)
        return words(QString::fromStdString(kept));
    else
        return std::is_same_v<T, bool> ? flag(kept) : num(kept);
}
template <class Record, class T> Variable in(T Record::*kept) {
    return [kept](const Game& g, const QString& name, const Indexes& i) {
        return element(std::get<const Record&>(std::tie(g.module1(), g.state())).*kept, name, i);
    };
}
const std::map<QString, Variable> kSettings{
    {"GameKind", in(&Module1::GameKind)},           {"NumPlayers", in(&Module1::NumPlayers)},
    {"CurrentPlayer", in(&Module1::CurrentPlayer)}, {"RoundNo", in(&Module1::RoundNo)},
    {"LimitKind", in(&Module1::LimitKind)},         {"LimitValue", in(&Module1::LimitValue)},
    {"WinAtGameEnd", in(&Module1::WinAtGameEnd)},   {"PopInterval", in(&Module1::PopInterval)},
    {"StayTime", in(&Module1::StayTime)},           {"Marks", in(&Module1::Marks)}};
const std::map<QString, Variable> kShared{
    {"CellOwner", in(&Form1State::CellOwner)},     {"GridHero", in(&Form1State::GridHero)},
    {"BoardOver", in(&Form1State::BoardOver)},     {"EndedByLine", in(&Form1State::EndedByLine)},
    {"LastPopTime", in(&Form1State::LastPopTime)}, {"TurnStart", in(&Form1State::TurnStart)},
    {"TurnSeconds", in(&Form1State::TurnSeconds)}, {"TimerBusy", in(&Form1State::TimerBusy)},
    {"Frozen", in(&Form1State::Frozen)},           {"Slapping", in(&Form1State::Slapping)},
    {"Swinging", in(&Form1State::Swinging)},       {"SlapTicks", in(&Form1State::SlapTicks)},
    {"Misses", in(&Form1State::Misses)},           {"HitChar", in(&Form1State::HitChar)},
    {"HitPoints", in(&Form1State::HitPoints)},     {"PopTime", in(&Form1State::PopTime)}};

// (buttons, frames and menu items mark their access key with "&": the caption
// is the text the player reads)
const auto asShown = [](const QString& text) { return words(withoutAccessKey(text)); };

// The properties of a control or a window, by what it is: the most particular
// kind first, as its reading comes first (a CommandButton's caption before the
// text of the Qt button it is). A control array's Count is read from its
// window (Runner::reference).
const QStringList kProperties{"Caption", "Visible",   "Left",      "Top",     "Width",
                              "Height",  "BackColor", "ForeColor", "Picture", "Value",
                              "Checked", "Interval",  "Underline", "Count"};
std::map<QString, Value> propertiesOf(QObject& o, const Form1& form1) {
    std::map<QString, Value> is;
    if (auto* l = qobject_cast<Label*>(&o))
        is.insert({{"Caption", words(l->caption())},
                   {"Underline", flag(l->underline())},
                   {"BackColor", colour(l->backColor())},
                   {"ForeColor", colour(l->foreColor())}});
    if (auto* b = qobject_cast<CommandButton*>(&o))
        is.insert({{"Caption", asShown(b->caption())}, {"BackColor", colour(b->faceColor())}});
    if (auto* b = qobject_cast<QAbstractButton*>(&o))
        is.emplace("Caption", asShown(b->text()));
    if (auto* b = qobject_cast<QRadioButton*>(&o))
        is.emplace("Value", flag(b->isChecked()));
    if (auto* frame = qobject_cast<QGroupBox*>(&o))
        is.emplace("Caption", asShown(frame->title()));
    if (auto* item = qobject_cast<MenuItem*>(&o))
        is.insert({{"Caption", asShown(item->caption())}, {"Checked", flag(item->checked())}});
    if (auto* image = qobject_cast<Image*>(&o))
        is.emplace("Picture", picture(image->picture(), form1));
    if (auto* timer = qobject_cast<Timer*>(&o))
        is.emplace("Interval", num(timer->interval()));
    if (auto* w = qobject_cast<QWidget*>(&o)) {
        // (Left, Top, Width and Height in twips)
        auto* c = qobject_cast<Control*>(w);
        const QRect r = w->geometry();
        is.insert(
            {{"Visible", flag(w->isWindow() ? w->isVisible() : w->isVisibleTo(w->parentWidget()))},
             {"Left", num(c ? c->left() : twipsFromPixels(r.x()))},
             {"Top", num(c ? c->top() : twipsFromPixels(r.y()))},
             {"Width", num(c ? c->widthTwips() : twipsFromPixels(r.width()))},
             {"Height", num(c ? c->heightTwips() : twipsFromPixels(r.height()))}});
        if (w->isWindow())
            is.emplace("Caption", words(w->windowTitle()));
    }
    return is;
}

// A control, a window, or a property or variable of the game, as written.
// (name: of a control or a variable, empty for a window itself; property:
// empty for a control or a variable)
struct Ref {
    QString text, window, name, property;
    Indexes indexes;
};

// "[Window.]Name[(i[,j])][.Property]", read as a control (control: true) or
// as a property or a variable of the game; a window's own property is written
// "Window.Property".
Ref parseRef(const Token& token, bool control) {
    static const QRegularExpression form(R"(^(?:(Form1|Form2|Form3|FormQuorvane)\.)?([A-Za-z_]\w*))"
                                         R"((?:\((-?\d+(?:,-?\d+)*)\))?(?:\.(\w+))?$)");
    const auto m = form.match(token.text);
    const bool windowed = !m.captured(1).isEmpty();
    Ref ref{token.text, windowed ? m.captured(1) : "Form1", m.captured(2), m.captured(4), {}};
    for (const QString& i : m.captured(3).split(u',', Qt::SkipEmptyParts))
        ref.indexes.push_back(i.toInt());
    // (a control has one index at most, a variable up to two)
    if (!m.hasMatch() || token.quoted || (control && !ref.property.isEmpty()) ||
        ((control || !ref.property.isEmpty()) && ref.indexes.size() > 1))
        throw QString("\"%1\" is not %2").arg(token.text, control ? "a control" : "a reference");
    if (!control && ref.property.isEmpty() && windowed && ref.indexes.empty())
        std::swap(ref.name, ref.property); // a window's property: Form2.Caption
    if (!ref.property.isEmpty() && !kProperties.contains(ref.property))
        throw QString("\"%1\" is not a property").arg(ref.property);
    if (!control && ref.property.isEmpty() &&
        (windowed || !(kSettings.count(ref.name) || kShared.count(ref.name))))
        throw QString("\"%1\" is not a variable of the game (a control's property is "
                      "written Control.Property)")
            .arg(ref.name);
    return ref;
}

// The commands, each as "name: the kinds of its arguments", "[optional]" or
// "repeated...": a kind of number (kNumbers), a TEXT in quotes, a CONTROL, a
// REF to a property or a variable, a VALUE to compare with, WORDS, or one of
// the words listed ("left|right").
const QStringList kCommands =
    QString(
        "splash: keep; clock: NUMBER; advance: NUMBER; random: DRAW...; seed: NUMBER; tick:; "
        "run: TIME; popup: CHARACTER HOLE; hit: CHARACTER HOLE [TIMES]; move: CONTROL; "
        "press: CONTROL [left|right]; release: CONTROL [left|right]; click: CONTROL [left|right]; "
        "moveto: NUMBER NUMBER [left|right]; pressat: NUMBER NUMBER [left|right]; "
        "releaseat: NUMBER NUMBER [left|right]; key: KEY; menu: WORDS...; answer: OK|Cancel; "
        "close: Form1|Form2|Form3|FormQuorvane; clear: sounds|shell|beeps; print: REF; shot: TEXT; "
        "expect msgbox: TEXT [info|question|OK|OKCancel] [info|question|OK|OKCancel]; "
        "expect modal: Form1|Form2|Form3|FormQuorvane|msgbox; expect nomodal:; expect sound: TEXT; "
        "expect nosound:; expect shell: TEXT; expect beep:; expect nobeep:; expect: REF = VALUE")
        .split("; ");

// The numbers a command takes: their bounds, whether whole, and what they are.
const std::map<QString, std::tuple<double, double, bool, const char*>> kNumbers{
    {"NUMBER", {-HUGE_VAL, HUGE_VAL, false, "a number"}},
    {"TIME", {0, HUGE_VAL, false, "a time of 0 or more"}},
    {"DRAW", {0, std::nextafter(1.0, 0.0), false, "a draw in [0, 1)"}},
    {"CHARACTER", {0, 13, true, "a character 0 to 13"}},
    {"HOLE", {0, 9, true, "a hole 0 to 9"}},
    {"TIMES", {1, 100, true, "1 to 100 times"}},
    {"KEY", {1, 0xFFFF, true, "a character code 1 to 65535"}},
};

// One argument of a line, read as the kind its command takes.
struct Arg {
    QString text; // as written (a TEXT without its quotes)
    double number = 0;
    Ref ref{};                        // a CONTROL
    std::function<Value()> read = {}; // a REF or a VALUE
};
using Args = std::vector<Arg>;

class Runner {
public:
    // Reads the file (it throws why when it cannot), then plays it: the failures.
    QStringList run(const QString& file);

private:
    void read(const QString& file);
    std::function<void()> parse(const Tokens& t);
    Arg argument(QString kind, const Token& token);
    std::function<Value()> reference(const Token& token);
    std::function<Value()> value(const Token& token);
    void perform(const QString& command, const Args& a);
    void play(QWidget* modal);
    QObject* control(const Ref& ref, QString& why) const;

    void fail(const QString& expected, const QString& got) {
        failures_ << QString("%1:%2: expected %3, got %4").arg(file_).arg(line_).arg(expected, got);
    }
    // The innermost open modal window, and as a failure tells it.
    const testkit::ScriptedServices::Modal* innermost() const {
        return services_.openModals().empty() ? nullptr : &services_.openModals().back();
    }
    QString modal() const { return innermost() ? "modal " + innermost()->name : "no modal window"; }
    // The sounds, shell calls or beeps the program made that no line has checked
    // yet, oldest first (a line takes those it checks).
    QStringList& made(const QString& kind) {
        beeps_ += QStringList(std::exchange(services_.beeps, 0), "a beep");
        return kind.startsWith("sound")   ? services_.sounds
               : kind.startsWith("shell") ? services_.shellTargets
                                          : beeps_;
    }
    static QWidget* window(const QString& name) {
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->objectName() == name)
                return top;
        return nullptr;
    }

    QString file_;
    bool splashKeep_ = false;
    std::vector<std::pair<int, std::function<void()>>> steps_;
    std::size_t next_ = 0;
    int line_ = 0; // of the step that runs
    QStringList failures_;
    bool endedInModal_ = false;
    QStringList beeps_;
    Qt::MouseButtons held_;
    testkit::ScriptedServices services_;
    Form1* form1_ = nullptr;
};

void Runner::read(const QString& file) {
    file_ = file;
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly | QIODevice::Text))
        throw QString("%1:0: cannot read the file (%2)").arg(file, in.errorString());
    QTextStream stream(&in);
    for (int number = 1; !stream.atEnd(); ++number) {
        const QString line = stream.readLine().trimmed();
        try {
            if (!line.isEmpty() && !line.startsWith(u'#'))
                if (auto step = parse(tokenize(line)))
                    steps_.emplace_back(number, step);
        } catch (const QString& why) {
            throw QString("%1:%2: %3").arg(file).arg(number).arg(why);
        }
    }
    // Unless kept, the player closes the splash with a click, before the first line.
    if (!splashKeep_)
        steps_.emplace(steps_.begin(), 0, parse(tokenize("click FormQuorvane.lblClick")));
}

// The step of one line: the command with the longest name its first words
// spell, its arguments read now as the kinds it takes.
std::function<void()> Runner::parse(const Tokens& t) {
    QString name, syntax;
    for (const QString& command : kCommands) {
        const QStringList words = command.section(u':', 0, 0).split(u' ');
        bool spelled = words.join(u' ').size() > name.size() && words.size() <= qsizetype(t.size());
        for (qsizetype i = 0; spelled && i < words.size(); ++i)
            spelled = !t[i].quoted && t[i].text == words[i];
        if (spelled)
            name = words.join(u' '), syntax = command.section(u':', 1);
    }
    if (name.isEmpty())
        throw QString("unknown command \"%1\"").arg(t[0].text);
    const QStringList kinds = syntax.split(u' ', Qt::SkipEmptyParts);
    const qsizetype given = qsizetype(t.size()) - name.count(u' ') - 1;
    if (given < kinds.size() - syntax.count(u'[') ||
        (given > kinds.size() && !syntax.endsWith("...")))
        throw QString("expected \"%1%2\", got %3 argument(s)").arg(name, syntax).arg(given);
    Args args;
    for (qsizetype i = 0; i < given; ++i)
        args.push_back(argument(kinds[std::min(i, kinds.size() - 1)], t[t.size() - given + i]));
    if (name != "splash")
        return [this, name, args] { perform(name, args); };
    if (!steps_.empty() || std::exchange(splashKeep_, true))
        throw QString("\"splash keep\" must be the first command, alone");
    return nullptr;
}

Arg Runner::argument(QString kind, const Token& token) {
    kind.remove(QRegularExpression(R"([][.])")); // (optional or repeated, it reads alike)
    Arg arg{token.text};
    if (const auto bounds = kNumbers.find(kind); bounds != kNumbers.end()) {
        const auto& [low, high, whole, what] = bounds->second;
        bool ok = false;
        const double n = arg.number = token.text.toDouble(&ok);
        if (!ok || token.quoted || n < low || n > high || (whole && n != std::floor(n)))
            throw QString("expected %1, got \"%2\"").arg(what, token.text);
    } else if (kind == "CONTROL") {
        arg.ref = parseRef(token, true);
    } else if (kind == "REF") {
        arg.read = reference(token);
    } else if (kind == "VALUE") {
        arg.read = value(token);
        arg.text = token.quoted ? quoted(token.text) : token.text;
    } else if (kind == "TEXT"
                   ? !token.quoted
                   : kind != "WORDS" && (token.quoted || !kind.split(u'|').contains(token.text))) {
        throw QString("expected %1, got \"%2\"")
            .arg(kind == "TEXT" ? "a text in quotes" : kind, token.text);
    }
    return arg;
}

std::function<Value()> Runner::reference(const Token& token) {
    const Ref ref = parseRef(token, false);
    if (ref.property.isEmpty())
        return [this, ref, &read = (kSettings.count(ref.name) ? kSettings : kShared).at(ref.name)] {
            return read(form1_->game(), ref.name, ref.indexes);
        };
    if (ref.property == "Count")
        return [ref] {
            QWidget* win = window(ref.window);
            int count = 0;
            for (QObject* object : win ? win->findChildren<QObject*>(ref.name) : QObjectList())
                count += object->property("index").isValid() && !qobject_cast<QAction*>(object);
            return win ? num(count) : missing("no window " + ref.window);
        };
    return [this, ref] {
        QString why;
        QObject* object = control(ref, why);
        const auto is = object ? propertiesOf(*object, *form1_) : std::map<QString, Value>();
        const QString has = ref.text.chopped(ref.property.size() + 1) + " has no " + ref.property;
        return is.count(ref.property) ? is.at(ref.property) : missing(object ? has : why);
    };
}

std::function<Value()> Runner::value(const Token& token) {
    const QString t = token.text;
    auto is = [](const Value& v) { return [v] { return v; }; };
    const auto strip = QRegularExpression(R"(^strip\((\d+)\)$)").match(t);
    const auto shownBy = QRegularExpression(R"(^picture\((.+)\)$)").match(t);
    if (token.quoted)
        return is(words(t));
    if (t == "True" || t == "False")
        return is(flag(t == "True"));
    if (QRegularExpression("^#[0-9A-Fa-f]{6}$").match(t).hasMatch())
        return is(colour(QColor(t)));
    if (t == "none")
        return is({"none", {}, Picture()});
    if (t == "icon")
        return [this] { return picture(form1_->iconPicture(), *form1_); };
    // The other pictures are those of controls: an empty hole's, the cast's.
    if (t == "empty")
        return reference(Token{"Image4.Picture"});
    if (strip.hasMatch())
        return reference(Token{QString("Image2(%1).Picture")
                                   .arg(argument("CHARACTER", Token{strip.captured(1)}).number)});
    if (shownBy.hasMatch())
        return reference(Token{parseRef(Token{shownBy.captured(1)}, true).text + ".Picture"});
    return is(num(argument("NUMBER", token).number));
}

// What a command does when its line runs.
void Runner::perform(const QString& c, const Args& a) {
    const double n = a.empty() ? 0 : a[0].number;
    auto* box = innermost() ? qobject_cast<QMessageBox*>(innermost()->widget) : nullptr;
    if (c == "clock" || c == "advance")
        services_.setClock(n + (c == "advance" ? services_.now() : 0));
    if (c == "random")
        for (const Arg& draw : a)
            services_.queueRandom(draw.number);
    if (c == "seed")
        services_.seed(static_cast<std::uint64_t>(n));
    if (c == "tick" && services_.timer())
        services_.timer()->fire();
    // The clock on in steps of 0.1 s, a Timer1 event after each while it runs.
    if (c == "run") {
        const double start = services_.now();
        for (long i = 1; i <= std::lround(n / 0.1); ++i) {
            services_.setClock(start + 0.1 * static_cast<double>(i));
            if (Timer* timer = services_.timer(); timer && timer->interval() != 0)
                timer->fire();
        }
    }
    // The clock on past the least time between two pop-ups, and a tick whose
    // event brings character C up in hole H; a hit clicks the hole too, N times.
    for (int i = 0; (c == "popup" || c == "hit") && i < (a.size() > 2 ? a[2].number : 1); ++i) {
        services_.popUp(int(n), int(a[1].number));
        if (c == "hit")
            testkit::click(form1_->Image3[int(a[1].number)]);
    }
    if (c.startsWith("move") || c.startsWith("press") || c.startsWith("release") || c == "click") {
        // At the centre of a control, or at a point of the game window in twips;
        // the button written after the place, else the left one.
        const bool point = c == "moveto" || c.endsWith("at");
        const QString what = c.chopped(point ? 2 : 0);
        const auto b = a.back().text == "right" ? Qt::RightButton : Qt::LeftButton;
        // (the pixel whose area holds the point)
        auto pixel = [](double t) { return int(std::floor(t * windowScale() / kTwipsPerPixel)); };
        QString why;
        QWidget* w = point ? form1_->surface : qobject_cast<QWidget*>(control(a[0].ref, why));
        if (!w)
            return fail("a control " + a[0].text,
                        why.isEmpty() ? a[0].text + " is not a control the mouse can reach" : why);
        const QPoint p = point ? QPoint(pixel(n), pixel(a[1].number)) : testkit::centreOf(*w);
        held_ = what == "press" ? held_ | b : what == "release" ? held_ & ~b : held_;
        if (what == "move")
            testkit::mouseMove(*w, p);
        if (what == "press" || what == "click")
            testkit::mousePress(*w, p, b);
        if (what == "release" || what == "click")
            testkit::mouseRelease(*w, p, b);
    }
    if (c == "key")
        testkit::typeKey(int(n), form1_);
    if (c == "menu") {
        QStringList words; // a caption in quotes or plainly, blanks and all
        for (const Arg& word : a)
            words << word.text;
        if (!testkit::chooseMenu(*form1_, words.join(u' ')))
            fail("a menu item " + quoted(words.join(u' ')), "no such item");
    }
    if (c == "answer") {
        const auto which = a[0].text == "OK" ? QMessageBox::Ok : QMessageBox::Cancel;
        QAbstractButton* button = box ? box->button(which) : nullptr;
        if (!button)
            return fail(box ? "a button " + a[0].text : "a message box to answer",
                        box ? "no such button" : modal());
        testkit::click(*button);
    }
    if (c == "close") {
        QWidget* shown = window(a[0].text);
        if (!shown || !shown->isVisible())
            return fail("an open window " + a[0].text, "none");
        testkit::closeWindow(*shown);
    }
    if (c == "clear")
        made(a[0].text).clear();
    if (c == "print") {
        std::printf("%s:%d: %s = %s\n", qPrintable(file_), line_, qPrintable(a[0].text),
                    qPrintable(a[0].read().text));
        std::fflush(stdout);
    }
    // What the player sees: the open modal window, else the game window.
    QWidget* front = innermost() && innermost()->widget ? innermost()->widget.data() : form1_;
    if (c == "shot" && !front->grab().save(a[0].text))
        fail("a picture saved as " + quoted(a[0].text), "no file written");
    if (c == "expect msgbox") {
        // Its text, its title, and the icon and buttons named.
        const QString wanted = "a message box " + quoted(a[0].text);
        if (!box)
            return fail(wanted, modal());
        if (box->text() != a[0].text)
            fail(wanted, "a message box " + quoted(box->text()));
        if (box->windowTitle() != kMessageTitle)
            fail("the title \"Trompalo\"", quoted(box->windowTitle()));
        const QStringList is{box->icon() == QMessageBox::Question ? "question" : "info",
                             box->standardButtons() == QMessageBox::Ok ? "OK" : "OKCancel"};
        for (std::size_t i = 1; i < a.size(); ++i)
            if (!is.contains(a[i].text))
                fail("the icon or buttons " + a[i].text, is.join(u' '));
    }
    if (c == "expect modal" || c == "expect nomodal") {
        const QString wanted = a.empty() ? "no modal window" : "modal " + a[0].text;
        if (modal() != wanted)
            fail(wanted, modal());
    }
    const bool none = c.startsWith("expect no");
    const QString kind = c.section(u' ', 1).mid(none ? 2 : 0);
    if (c.startsWith("expect") && (kind == "sound" || kind == "shell" || kind == "beep")) {
        // The oldest one the program made that no line has checked yet.
        QStringList& all = made(kind);
        const QString got = all.isEmpty()    ? "no " + kind
                            : kind == "beep" ? all.front()
                                             : kind + ' ' + quoted(all.front());
        const QString wanted = none        ? "no " + kind
                               : a.empty() ? "a beep"
                                           : kind + ' ' + quoted(a[0].text);
        if (!none && !all.isEmpty())
            all.removeFirst();
        if (got != wanted)
            fail(wanted, got);
    }
    if (c == "expect") {
        const Value actual = a[0].read(), expected = a[2].read();
        if (!same(expected, actual))
            fail(a[0].text + " = " + a[2].text,
                 actual.found && !expected.found ? expected.text : actual.text);
    }
}

QStringList Runner::run(const QString& file) {
    read(file);
    services_.whileModal = [this](QWidget& shown) { play(&shown); };
    Form1 form1(services_);
    form1_ = &form1;
    form1.Form_Load();
    form1.show();
    QCoreApplication::processEvents();
    play(nullptr);
    // A button still held goes up before the program ends.
    for (Qt::MouseButton b : {Qt::LeftButton, Qt::RightButton})
        if (held_ & b)
            testkit::mouseRelease(*form1.surface, QPoint(0, 0), b);
    return failures_;
}

// Runs the following lines: inside a modal window the program shows until it
// is hidden, as a real event loop would deliver them; else to the end.
void Runner::play(QWidget* modal) {
    const QPointer<QWidget> shown(modal);
    while (next_ < steps_.size() && (!modal || (shown && !shown->isHidden()))) {
        const auto& [line, step] = steps_[next_++];
        const int outer = std::exchange(line_, line); // (a step may run others)
        step();
        line_ = outer;
    }
    if (shown && !shown->isHidden()) { // the file ends with it open
        line_ = steps_.empty() ? 0 : steps_.back().first;
        if (!std::exchange(endedInModal_, true))
            fail("no modal window at the end", shown->objectName());
        shown->hide(); // (the program unwinds as if it were dismissed)
    }
}

QObject* Runner::control(const Ref& ref, QString& why) const {
    QWidget* win = window(ref.window);
    if (!win)
        why = QString("no window %1 (it is not loaded)").arg(ref.window);
    if (!win || ref.name.isEmpty())
        return win;
    const QVariant index = ref.indexes.empty() ? QVariant() : QVariant(ref.indexes[0]);
    // (a menu item stands for its action, which shares its name)
    for (QObject* object : win->findChildren<QObject*>(ref.name))
        if (!qobject_cast<QAction*>(object) && object->property("index") == index)
            return object;
    why =
        ref.indexes.empty()
            ? QString("no control %1 on %2 (an array needs an index)").arg(ref.name, ref.window)
            : QString("no control %1(%2) on %3").arg(ref.name).arg(ref.indexes[0]).arg(ref.window);
    return nullptr;
}

} // namespace

int main(int argc, char* argv[]) {
    testkit::headlessAndQuiet();
    QApplication app(argc, argv);
    setUpApplication(app);
    if (argc < 2) {
        std::fprintf(stderr, "usage: trompalo-scenario FILE...\n");
        return 2;
    }
    int failed = 0;
    bool unreadable = false;
    for (int i = 1; i < argc; ++i) {
        QStringList failures;
        try {
            failures = Runner().run(QString::fromLocal8Bit(argv[i]));
        } catch (const QString& why) {
            failures = {why};
            unreadable = true;
        }
        QCoreApplication::processEvents();
        for (const QString& failure : failures)
            std::printf("%s\n", qPrintable(failure));
        std::fflush(stdout);
        failed += !failures.isEmpty();
    }
    std::printf("%d passed, %d failed\n", argc - 1 - failed, failed);
    return unreadable ? 2 : failed > 0 ? 1 : 0;
}
