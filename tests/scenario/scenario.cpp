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

// Words, and texts in double quotes with \" \\ \r and \n.
std::vector<Token> tokenize(const QString& line) {
    static const QRegularExpression word(R"re("((?:[^"\\]|\\["\\rn])*)"|([^\s"]+)|(\S))re");
    std::vector<Token> tokens;
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

QString quoted(QString text) {
    text.replace('\\', "\\\\").replace('"', "\\\"").replace('\r', "\\r").replace('\n', "\\n");
    return '"' + text + '"';
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
// (buttons, frames and menu items mark their access key with "&": the caption
// is the text the player reads)
const auto asShown = [](const QString& text) { return words(withoutAccessKey(text)); };

// A picture as a scenario writes it: the cast's, the icon, else its file.
Value picture(const Picture& shown, const Form1& form1) {
    const QString file = shown ? shown->resource() + (shown->mirrored() ? ", mirrored" : "") : "";
    QString name = shown == form1.iconPicture() ? "icon" : shown ? "picture(" + file + ')' : "none";
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

// The properties of a control or a window, by what it is: the most particular
// kind first, as its reading comes first (a CommandButton's caption before the
// text of the Qt button it is). A control array's Count is read from its
// window (Runner::valueOf).
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
    const bool windowed = m.hasCaptured(1);
    Ref ref{token.text, windowed ? m.captured(1) : "Form1", m.captured(2), m.captured(4), {}};
    for (const QString& i : m.captured(3).split(u',', Qt::SkipEmptyParts))
        ref.indexes.push_back(i.toInt());
    if (!control && ref.property.isEmpty() && windowed && ref.indexes.empty())
        std::swap(ref.name, ref.property); // a window's property: Form2.Caption
    // (a control has one index at most, a variable up to two)
    const bool known =
        ref.property.isEmpty()
            ? control || (!windowed && (kSettings.count(ref.name) || kShared.count(ref.name)))
            : !control && kProperties.contains(ref.property);
    if (!m.hasMatch() || token.quoted || !known ||
        (ref.indexes.size() > 1 && (control || !ref.property.isEmpty())))
        throw QString("expected %1, got \"%2\"")
            .arg(control ? "a control" : "a property or a variable of the game", token.text);
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
    {"KEY", {1, 0xFFFF, true, "a character code 1 to 65535"}}};

// One argument of a line, read as the kind its command takes.
struct Arg {
    QString text; // as written (a TEXT without its quotes)
    double number = 0;
    Ref ref{};                        // a CONTROL
    std::function<Value()> read = {}; // a REF or a VALUE
};

class Runner {
public:
    // Reads the file, then plays it, printing each failure as it comes: 0 when
    // every expectation held, 1 when one failed, 2 when the file could not be
    // read or has a line that is not understood (then nothing is played).
    int run(const QString& file) try {
        file_ = file;
        QFile in(file);
        if (!in.open(QIODevice::ReadOnly | QIODevice::Text))
            throw QString("cannot read the file (%1)").arg(in.errorString());
        // Unless kept, the player closes the splash with a click, before the first line.
        steps_.emplace_back(0, parse(tokenize("click FormQuorvane.lblClick")));
        QTextStream stream(&in);
        for (line_ = 1; !stream.atEnd(); ++line_) {
            const QString line = stream.readLine().trimmed();
            if (!line.isEmpty() && !line.startsWith(u'#'))
                if (auto step = parse(tokenize(line)))
                    steps_.emplace_back(line_, step);
        }
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
        return failed_;
    } catch (const QString& why) { // (at the line being read)
        say(QString("%1:%2: %3").arg(file_).arg(line_).arg(why));
        return 2;
    }

private:
    // The step of one line: the command with the longest name its first words
    // spell, its arguments read now as the kinds it takes.
    std::function<void()> parse(const std::vector<Token>& t) {
        QString name, syntax, lead; // (lead: its words before any text in quotes)
        for (std::size_t i = 0; i < t.size() && !t[i].quoted; ++i)
            lead += t[i].text + ' ';
        for (const QString& command : kCommands)
            if (const QString words = command.section(u':', 0, 0);
                lead.startsWith(words + ' ') && words.size() > name.size())
                name = words, syntax = command.section(u':', 1);
        if (name.isEmpty())
            throw QString("unknown command \"%1\"").arg(t[0].text);
        const QStringList kinds = syntax.split(u' ', Qt::SkipEmptyParts);
        const qsizetype given = qsizetype(t.size()) - name.count(u' ') - 1;
        if (given < kinds.size() - syntax.count(u'[') ||
            (given > kinds.size() && !syntax.endsWith("...")))
            throw QString("expected \"%1%2\", got %3 argument(s)").arg(name, syntax).arg(given);
        std::vector<Arg> args;
        for (qsizetype i = 0; i < given; ++i)
            args.push_back(argument(kinds[std::min(i, kinds.size() - 1)], t[t.size() - given + i]));
        // (the splash kept takes the place of the click on it: the only step before it)
        if (name == "splash" && std::exchange(steps_, {}).size() != 1)
            throw QString("\"splash keep\" must be the first command, alone");
        if (name == "splash")
            return nullptr;
        return [this, name, args] { perform(name, args); };
    }

    // One argument, read as its kind: "expected KIND, got "TEXT"" when it is not.
    Arg argument(QString kind, const Token& token) {
        kind.remove(QRegularExpression(R"([][.])")); // (optional or repeated, it reads alike)
        if (kind == "CONTROL")
            return {token.text, 0, parseRef(token, true)};
        if (kind == "REF")
            return {token.text, 0, {}, [this, r = parseRef(token, false)] { return valueOf(r); }};
        if (kind == "VALUE")
            return {token.quoted ? quoted(token.text) : token.text, 0, {}, value(token)};
        Arg arg{token.text};
        QString what = kind == "TEXT" ? "a text in quotes" : kind;
        bool ok = kind == "TEXT"
                      ? token.quoted
                      : kind == "WORDS" || (!token.quoted && kind.split(u'|').contains(token.text));
        if (const auto bounds = kNumbers.find(kind); bounds != kNumbers.end()) {
            const auto& [low, high, whole, name] = bounds->second;
            const double n = arg.number = token.text.toDouble(&ok);
            ok = ok && !token.quoted && !(n < low || n > high || (whole && n != std::floor(n)));
            what = name;
        }
        if (!ok)
            throw QString("expected %1, got \"%2\"").arg(what, token.text);
        return arg;
    }

    // The value of a property or a variable now.
    Value valueOf(const Ref& ref) {
        if (ref.property.isEmpty())
            return (kSettings.count(ref.name) ? kSettings : kShared)
                .at(ref.name)(form1_->game(), ref.name, ref.indexes);
        if (ref.property == "Count") {
            QWidget* win = window(ref.window);
            int count = 0;
            for (QObject* object : win ? win->findChildren<QObject*>(ref.name) : QObjectList())
                count += object->property("index").isValid() && !qobject_cast<QAction*>(object);
            return win ? num(count) : missing("no window " + ref.window);
        }
        const auto [object, why] = control(ref);
        const auto is = object ? propertiesOf(*object, *form1_) : std::map<QString, Value>();
        const QString has = ref.text.chopped(ref.property.size() + 1) + " has no " + ref.property;
        return is.count(ref.property) ? is.at(ref.property) : missing(object ? has : why);
    }

    std::function<Value()> value(const Token& token) {
        const QString t = token.text;
        auto is = [](const Value& v) { return [v] { return v; }; };
        // The other pictures are those of controls: an empty hole's, the cast's, another's.
        const auto shown =
            QRegularExpression(R"(^(?:(empty)|strip\((\d+)\)|picture\((.+)\))$)").match(t);
        if (token.quoted || t == "True" || t == "False")
            return is(token.quoted ? words(t) : flag(t == "True"));
        if (QRegularExpression("^#[0-9A-Fa-f]{6}$").match(t).hasMatch())
            return is(colour(QColor(t)));
        if (t == "none" || t == "icon")
            return [this, t] {
                return picture(t == "icon" ? form1_->iconPicture() : nullptr, *form1_);
            };
        if (shown.hasMatch()) {
            const QString control =
                shown.hasCaptured(1) ? "Image4"
                : shown.hasCaptured(2)
                    ? QString("Image2(%1)")
                          .arg(argument("CHARACTER", Token{shown.captured(2)}).number)
                    : argument("CONTROL", Token{shown.captured(3)}).text;
            return argument("REF", Token{control + ".Picture"}).read;
        }
        return is(num(argument("NUMBER", token).number));
    }

    // What a command does when its line runs.
    void perform(const QString& c, const std::vector<Arg>& a) {
        const double n = a.empty() ? 0 : a[0].number;
        auto* box = innermost() ? qobject_cast<QMessageBox*>(innermost()->widget) : nullptr;
        if (c == "clock" || c == "advance")
            services_.setClock(n + (c == "advance" ? services_.now() : 0));
        if (c == "random")
            for (const Arg& draw : a)
                services_.queueRandom(draw.number);
        if (c == "seed")
            services_.seed(static_cast<std::uint64_t>(n));
        // A tick: one Timer1 event now. A run: the clock on in steps of 0.1 s, an
        // event after each while the timer runs.
        const double start = services_.now();
        for (long i = 1; i <= (c == "run" ? std::lround(n / 0.1) : c == "tick"); ++i) {
            services_.setClock(start + (c == "run" ? 0.1 * static_cast<double>(i) : 0.0));
            if (c == "tick" || form1_->Timer1->interval() != 0)
                form1_->Timer1->fire();
        }
        // The clock on past the least time between two pop-ups, and a tick whose
        // event brings character C up in hole H; a hit clicks the hole too, N times.
        for (int i = 0; (c == "popup" || c == "hit") && i < (a.size() > 2 ? a[2].number : 1); ++i) {
            services_.popUp(int(n), int(a[1].number));
            if (c == "hit")
                testkit::click(form1_->Image3[int(a[1].number)]);
        }
        if (c.contains(QRegularExpression("^(move|press|release|click)"))) {
            // At the centre of a control, or at a point of the game window in twips
            // (the pixel whose area holds it); the button written last, else the left one.
            const bool point = c.endsWith("to") || c.endsWith("at");
            const QString what = c.chopped(point ? 2 : 0);
            const auto b = a.back().text == "right" ? Qt::RightButton : Qt::LeftButton;
            auto px = [](double t) { return int(std::floor(t * windowScale() / kTwipsPerPixel)); };
            const auto [object, why] = point ? Found{form1_->surface, ""} : control(a[0].ref);
            auto* w = qobject_cast<QWidget*>(object);
            if (!holds(w, "a control " + a[0].text,
                       object ? a[0].text + " is not a control the mouse can reach" : why))
                return;
            const QPoint p = point ? QPoint(px(n), px(a[1].number)) : testkit::centreOf(*w);
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
            QString caption; // in quotes or plainly, blanks and all
            for (const Arg& word : a)
                caption += (&word == &a[0] ? "" : " ") + word.text;
            holds(testkit::chooseMenu(*form1_, caption), "a menu item " + quoted(caption),
                  "no such item");
        }
        if (c == "answer") {
            const auto which = a[0].text == "OK" ? QMessageBox::Ok : QMessageBox::Cancel;
            QAbstractButton* button = box ? box->button(which) : nullptr;
            if (holds(button, box ? "a button " + a[0].text : "a message box to answer",
                      box ? "no such button" : modal()))
                testkit::click(*button);
        }
        QWidget* w = c == "close" ? window(a[0].text) : nullptr;
        if (c == "close" && holds(w && w->isVisible(), "an open window " + a[0].text, "none"))
            testkit::closeWindow(*w);
        if (c == "clear")
            made(a[0].text).clear();
        if (c == "print")
            say(QString("%1:%2: %3 = %4").arg(file_).arg(line_).arg(a[0].text, a[0].read().text));
        // What the player sees: the open modal window, else the game window.
        QWidget* front = innermost() && innermost()->widget ? innermost()->widget.data() : form1_;
        if (c == "shot")
            holds(front->grab().save(a[0].text), "a picture saved as " + quoted(a[0].text),
                  "no file written");
        // A message box: its text, its title, and the icon and buttons named.
        if (c == "expect msgbox" && holds(box, "a message box " + quoted(a[0].text), modal())) {
            holds(box->text() == a[0].text, "a message box " + quoted(a[0].text),
                  "a message box " + quoted(box->text()));
            holds(box->windowTitle() == kMessageTitle, "the title \"Trompalo\"",
                  quoted(box->windowTitle()));
            const QStringList is{box->icon() == QMessageBox::Question ? "question" : "info",
                                 box->standardButtons() == QMessageBox::Ok ? "OK" : "OKCancel"};
            for (std::size_t i = 1; i < a.size(); ++i)
                holds(is.contains(a[i].text), "the icon or buttons " + a[i].text, is.join(u' '));
        }
        if (c.endsWith("modal")) {
            const QString wanted = a.empty() ? "no modal window" : "modal " + a[0].text;
            holds(modal() == wanted, wanted, modal());
        }
        // The oldest sound, shell call or beep the program made that no line has checked yet.
        const auto m = QRegularExpression("^expect (no)?(sound|shell|beep)$").match(c);
        if (const QString kind = m.captured(2); m.hasMatch()) {
            QStringList& all = made(kind);
            auto told = [&kind](const QString& what) {
                return kind == "beep" ? QString("a beep") : kind + ' ' + quoted(what);
            };
            const QString got = all.isEmpty() ? "no " + kind : told(all.front());
            const QString wanted =
                m.hasCaptured(1) ? "no " + kind : told(a.empty() ? "" : a[0].text);
            if (!m.hasCaptured(1) && !all.isEmpty())
                all.removeFirst();
            holds(got == wanted, wanted, got);
        }
        if (c == "expect") {
            const Value actual = a[0].read(), expected = a[2].read();
            holds(actual.number && expected.number
                      ? std::fabs(*actual.number - *expected.number) <= 1e-6
                  : actual.picture || expected.picture
                      ? actual.picture == expected.picture
                      : actual.found && expected.found && actual.text == expected.text,
                  a[0].text + " = " + a[2].text,
                  actual.found && !expected.found ? expected.text : actual.text);
        }
    }

    // Runs the following lines: inside a modal window the program shows until it
    // is hidden, as a real event loop would deliver them; else to the end.
    void play(QWidget* modal) {
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
                holds(false, "no modal window at the end", shown->objectName());
            shown->hide(); // (the program unwinds as if it were dismissed)
        }
    }

    // A control or a window, else why there is none.
    using Found = std::pair<QObject*, QString>;
    Found control(const Ref& ref) const {
        QWidget* win = window(ref.window);
        if (!win || ref.name.isEmpty())
            return {win, QString("no window %1 (it is not loaded)").arg(ref.window)};
        const QVariant index = ref.indexes.empty() ? QVariant() : QVariant(ref.indexes[0]);
        // (a menu item stands for its action, which shares its name)
        for (QObject* object : win->findChildren<QObject*>(ref.name))
            if (!qobject_cast<QAction*>(object) && object->property("index") == index)
                return {object, ""};
        const QString i = index.isValid() ? QString("(%1)").arg(ref.indexes[0]) : "";
        const QString hint = i.isEmpty() ? " (an array needs an index)" : "";
        return {nullptr, QString("no control %1%2 on %3%4").arg(ref.name, i, ref.window, hint)};
    }

    void say(const QString& line) { QTextStream(stdout) << line << Qt::endl; }
    // Whether a check holds; a failure when not.
    bool holds(bool ok, const QString& expected, const QString& got) {
        if (!ok)
            say(QString("%1:%2: expected %3, got %4").arg(file_).arg(line_).arg(expected, got));
        failed_ |= !ok;
        return ok;
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
    std::vector<std::pair<int, std::function<void()>>> steps_;
    std::size_t next_ = 0;
    int line_ = 0, failed_ = 0; // (line_: of the line read, then of the step that runs)
    bool endedInModal_ = false;
    QStringList beeps_;
    Qt::MouseButtons held_;
    testkit::ScriptedServices services_;
    Form1* form1_ = nullptr;
};

} // namespace

int main(int argc, char* argv[]) {
    testkit::headlessAndQuiet();
    QApplication app(argc, argv);
    setUpApplication(app);
    if (argc < 2) {
        std::fprintf(stderr, "usage: trompalo-scenario FILE...\n");
        return 2;
    }
    int failed = 0, worst = 0;
    for (int i = 1; i < argc; ++i) {
        const int result = Runner().run(QString::fromLocal8Bit(argv[i]));
        failed += result != 0;
        worst = std::max(worst, result);
        QCoreApplication::processEvents();
    }
    std::printf("%d passed, %d failed\n", argc - 1 - failed, failed);
    return worst;
}
